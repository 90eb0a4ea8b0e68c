#!/bin/bash
# The planner's reading and writing of files that are no regular files, as a script meets
# them: FIFOs with and without a program at the other end, pipes, devices, a socket, a
# folder, a loop of links, and the leftovers of a killed write.
#
#   NonRegularFiles.sh CLI DEMO WORK
set -u
cli=$1 demo=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
project=$demo/data/KF12-rooftop.tvr
planner() { timeout 20 "$cli" --program-folder "$demo" --shared-folder "$demo/shared" "$@"; }
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
expect_refusal() { # what, expected message, command...
    local what=$1 message=$2
    shift 2
    planner "$@" >out.txt 2>err.txt
    local code=$?
    [ $code -eq 1 ] || fail "$what: exit $code, expected 1 ($(cat err.txt))"
    grep -q "$message" err.txt || fail "$what: no \"$message\" in: $(cat err.txt)"
}

planner export "$project" --format html -o - >expected.html || fail "the export to standard output"
grep -q "<TD>CUT-158</TD>" expected.html || fail "the export holds no list"

# Writing: a FIFO is written into while a program reads it, and stays a FIFO.
mkfifo fifo
cat fifo >from-fifo.html &
reader=$!
planner export "$project" --format html -o fifo || fail "export into a FIFO that is read"
wait $reader
cmp -s from-fifo.html expected.html || fail "the FIFO's reader got other bytes"
[ -p fifo ] || fail "the FIFO was replaced"
expect_refusal "a FIFO nobody reads" "no program reads from it" export "$project" --format html -o fifo
[ -p fifo ] || fail "the FIFO without a reader was replaced"

# Standard output as a pipe, by name and as a process substitution.
planner export "$project" --format html -o /dev/stdout | cat >from-stdout.html
cmp -s from-stdout.html expected.html || fail "-o /dev/stdout into a pipe"
planner export "$project" --format html -o >(cat >from-substitution.html)
wait $!
cmp -s from-substitution.html expected.html || fail "-o >(cat)"

# A socket is refused; a device is written as it is.
/usr/bin/python3 -c "import socket,sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])" socket
expect_refusal "a socket" "is a socket" export "$project" --format html -o socket
[ -S socket ] || fail "the socket was replaced"
if [ "$(id -u)" = 0 ] && mknod null c 1 3 2>/dev/null; then
    planner export "$project" --format html -o null || fail "export into a device"
    [ -c null ] || fail "the device was replaced by a file"
fi

# Reading: pipes keep working, a FIFO without a writer reads as empty instead of hanging.
planner price "$project" >expected.txt || fail "price the sample project"
planner price <(cat "$project") >from-pipe.txt || fail "price <(cat)"
cmp -s from-pipe.txt expected.txt || fail "price <(cat) differs"
cat "$project" | planner price /dev/stdin >from-stdin.txt || fail "price /dev/stdin"
cmp -s from-stdin.txt expected.txt || fail "price /dev/stdin differs"
planner price fifo >/dev/null 2>&1
code=$?
[ $code -le 1 ] || fail "price of a FIFO without a writer: exit $code (124 is a hang)"
expect_refusal "a device without end" "more than 256 MiB" price /dev/zero
mkdir folder.tvr
expect_refusal "a folder" "Is a directory" price folder.tvr
ln -s loop.tvr loop.tvr
expect_refusal "a loop of links" "Too many levels of symbolic links" price loop.tvr

# A killed write's leftovers go at the next write of the same file, older than a minute;
# nothing else does.
touch -d '2 minutes ago' .list.html.tavrolin-a1B2c3 list.html.backup .list.html.tavrolin-a1B2 .other.html.tavrolin-a1B2c3
touch .list.html.tavrolin-NeW123
planner export "$project" --format html -o list.html || fail "export to a file"
cmp -s list.html expected.html || fail "the file written differs"
[ ! -e .list.html.tavrolin-a1B2c3 ] || fail "an old leftover of list.html stayed"
for kept in list.html.backup .list.html.tavrolin-a1B2 .other.html.tavrolin-a1B2c3 .list.html.tavrolin-NeW123; do
    [ -e "$kept" ] || fail "$kept was removed"
done

cd / && rm -rf "$work"
[ $failures -eq 0 ] && echo "all special files handled" || exit 1

#!/usr/bin/env bash
# Checks the program as a user meets it after installing the Debian package: the package
# is built with CPack and apt can install it; the desktop entry and the metainfo validate;
# and the installed program, unpacked into a staging folder that its user may not write,
# starts under a virtual display as an unprivileged user with a home of its own. It must
# show its main window and no message box, make the user's own program folder and shared
# folder, keep every file it writes there, and close from its own File menu. The installed
# planner prices the sample project the same way before and after that first start.
#
#   scripts/check-install.sh [BUILD_DIR]      default build/test; prints the figures
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/test}" && pwd)"

fail() {
    echo "check-install: $*" >&2
    exit 1
}

work="$(mktemp -d /tmp/tavrolin-install-XXXXXX)"
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

echo "-- Debian package"
(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$(ls "$work"/package/tavrolin_*.deb)"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on the Qt libraries"
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get cannot install $deb"; }
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

echo "-- Desktop entry, icons and metainfo"
stage="$work/stage"
dpkg-deb -x "$deb" "$stage"
share="$stage/usr/share"
desktop="$(ls "$share"/applications/*.desktop)"
metainfo="$(ls "$share"/metainfo/*.metainfo.xml)"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
for size in scalable 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    ls "$share/icons/hicolor/$size/apps/$icon".* >/dev/null 2>&1 || fail "no $size icon named $icon"
done
for shot in $(grep -o 'screenshots/[^<]*\.png' "$metainfo"); do
    [ -s "$root/packaging/$shot" ] || fail "the metainfo shows $shot, which packaging/ does not hold"
done

echo "-- The installed program, started by a user who may not write its folder"
home="$work/home"
mkdir -p "$home"
mkdir -m 700 "$home/run"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    # The staging folder stays root's; the program runs as nobody.
    chown -R nobody:nogroup "$home"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$stage"
    trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fi
cp "$root/scripts/drive-program.py" "$work/"
run() {
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 XDG_RUNTIME_DIR="$home/run" \
        "${run_as[@]}" xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 "$work/drive-program.py" "$@"
}
before="$(cd "$stage" && find . -printf '%p %s %T@\n' | sort)"

# The planner prices the sample project as the program lists it: first straight from the
# installation, before the program ever ran, then from the user's own folder.
planner() {
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 "${run_as[@]}" "$stage/usr/bin/tavrolin-cli" "$@"
}
planner price "$share/tavrolin/data/KF12-rooftop.tvr" >"$work/price.txt" 2>"$work/price.log" ||
    { cat "$work/price.log"; fail "the installed planner could not price the sample project"; }
cmp -s "$work/price.txt" "$root/tests/data/cli/price-KF12-rooftop.txt" ||
    fail "the installed planner's prices differ from the program's list"

# As from the desktop entry: no arguments, so the splash shows first.
run -- "$stage/usr/bin/tavrolin" >"$work/first.log" 2>&1 || { cat "$work/first.log"; fail "the first start failed"; }
personal="$home/.local/share/tavrolin"
shared="$home/.local/share/Brimcor/Common Files"
for f in "$personal/dat/settings.dat" "$personal/dat/tlines.dat" "$personal/images/splash.gif" \
    "$personal/data/KF12-rooftop.tvr" "$shared/M_lom.dat"; do
    [ -f "$f" ] || fail "the first start did not bring in ${f#"$home/"}"
done
grep -qF "Path=$shared" "$home/.config/Brimcor/registry.ini" || fail "the shared folder was not registered"

# Four arguments: no splash, straight onto the accessories; Next builds the list of
# materials, which writes the last order into the user's own folder.
run key:ctrl+n -- "$stage/usr/bin/tavrolin" KF12-50-V1 20 60 2 >"$work/launch.log" 2>&1 ||
    { cat "$work/launch.log"; fail "the four-argument start failed"; }
[ -f "$personal/Accessories.lom" ] || fail "the list of materials did not write Accessories.lom in the user's folder"
[ "$(stat -c %U "$personal/dat/settings.dat")" = "$(stat -c %U "$home")" ] || fail "the user does not own the copies"
planner price "$personal/data/KF12-rooftop.tvr" >"$work/price.txt" 2>"$work/price.log" ||
    { cat "$work/price.log"; fail "the installed planner could not read the user's own folder"; }
cmp -s "$work/price.txt" "$root/tests/data/cli/price-KF12-rooftop.txt" ||
    fail "the installed planner's prices from the user's folder differ from the program's list"
after="$(cd "$stage" && find . -printf '%p %s %T@\n' | sort)"
[ "$before" = "$after" ] || fail "the program changed its installation"
echo "Started with four arguments: $(grep -h 'main window after\|peak resident' "$work/launch.log" | paste -sd ';')"
echo "-- The installed program passed"

#include "core/common/Files.h"

#include "core/common/Errors.h"
#include "core/common/LineList.h"
#include "core/common/Text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <future>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>

namespace tav {

namespace {

std::string IoMessage(const std::string& what, const std::string& path, int err)
{
    return what + " \"" + path + "\": " + std::strerror(err) + " (I/O error " + std::to_string(err) + ")";
}

bool IsRegularOrLink(const std::string& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// Closes a descriptor when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

private:
    int fd_;
};

// Closes a descriptor and removes the temporary file it names (if any) unless released.
class TempFile
{
public:
    TempFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~TempFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }
    int Close()
    {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void Release() { path_.clear(); }

private:
    int fd_;
    std::string path_;
};

} // namespace

std::string WithTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::optional<std::string> ResolveFile(const std::string& path)
{
    if (IsRegularOrLink(path))
        return path;
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty())
        return std::nullopt;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return std::nullopt;
    std::optional<std::string> found;
    while (dirent* entry = ::readdir(dir)) {
        if (EqualsNoCase(entry->d_name, name)) {
            std::string candidate =
                (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + entry->d_name;
            if (IsRegularOrLink(candidate)) {
                found = std::move(candidate);
                break;
            }
        }
    }
    ::closedir(dir);
    return found;
}

bool FileExists(const std::string& path)
{
    return ResolveFile(path).has_value();
}

namespace {

std::string TooLargeMessage(const std::string& path, size_t maxBytes)
{
    return "Cannot read \"" + path + "\": it holds more than " + std::to_string(maxBytes >> 20) +
           " MiB, more than any file of the program";
}

// From this size on a file is worth the extra work below to read it sooner.
constexpr size_t kBigFile = size_t{32} << 20;

// The room for a big file is mapped in by one call rather than a fault a page: a price
// list of a million lines then reads in about two thirds of the time. An older system that
// does not know the call just faults as before.
void MapInAtOnce(char* data, size_t size)
{
#ifdef MADV_POPULATE_WRITE
    constexpr uintptr_t kPage = 4096;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kPage - 1) & ~(kPage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) & ~(kPage - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)size;
#endif
}

// One read of at most `room` bytes at `at` (or at the file's offset when `at` is none),
// retried when a signal cuts it short. 0 at the end of the file.
size_t ReadSome(int fd, char* into, size_t room, std::optional<size_t> at, const std::string& path)
{
    for (;;) {
        const ssize_t n = at ? ::pread(fd, into, room, static_cast<off_t>(*at)) : ::read(fd, into, room);
        if (n >= 0)
            return static_cast<size_t>(n);
        if (errno != EINTR)
            throw IoError(IoMessage("Cannot read", path, errno));
    }
}

// Reads the first size bytes of the file into data a stretch at a time, the room of each
// stretch mapped in just before it: mapping room in holds a lock that the program's other
// threads need to map memory of their own, so it is never held for long. Calls each(bytes
// in) after every stretch. Returns the bytes in: fewer than size when the file shrank.
size_t ReadRange(int fd, char* data, size_t size, const std::string& path, const std::function<void(size_t)>& each)
{
    size_t at = 0;
    while (at < size) {
        const size_t room = std::min(kReadStretch, size - at);
        MapInAtOnce(data + at, room);
        const size_t n = ReadSome(fd, data + at, room, at, path);
        if (n == 0)
            break;
        at += n;
        each(at);
    }
    return at;
}

// A big file is read on a thread of its own while the bytes already in are handed on here,
// a stretch at a time: most of a read is the making of room for the bytes and their copy,
// and on two cores the caller's work on them then costs little more time. Returns the bytes
// in a row from the start: fewer than size when the file shrank meanwhile.
size_t ReadWhileHandingOn(int fd, TextBytes& bytes, size_t size, const std::function<void(size_t, size_t)>& arrived,
                          const std::string& path)
{
    bytes.resize(size);
    char* const data = bytes.data();
    // How far the bytes are in, and a bit above that once the reader has ended.
    constexpr size_t kEnded = size_t{1} << (sizeof(size_t) * 8 - 1);
    std::atomic<size_t> in{0};
    auto reader = std::async(std::launch::async, [&] {
        struct Ended
        {
            std::atomic<size_t>& in;
            ~Ended()
            {
                in.fetch_or(kEnded);
                in.notify_one();
            }
        } ended{in};
        return ReadRange(fd, data, size, path, [&](size_t at) {
            in.store(at, std::memory_order_release);
            in.notify_one();
        });
    });
    size_t have = 0;
    for (;;) {
        const size_t seen = in.load(std::memory_order_acquire);
        if ((seen & ~kEnded) > have) {
            have = seen & ~kEnded;
            if (arrived)
                arrived(have, size);
        } else if (seen & kEnded) {
            break;
        } else {
            in.wait(seen, std::memory_order_acquire);
        }
    }
    have = reader.get();
    if (::lseek(fd, static_cast<off_t>(have), SEEK_SET) < 0)
        throw IoError(IoMessage("Cannot read", path, errno));
    bytes.resize(have);
    return have;
}

// A name that stands for something that is no file (a folder, a loop of links) says so
// instead of reading as missing.
void RefuseWhatIsNoFile(const std::string& path)
{
    struct stat st
    {
    };
    if (::lstat(path.c_str(), &st) != 0)
        return;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ELOOP)
            throw IoError(IoMessage("Cannot read", path, ELOOP));
        return;
    }
    if (S_ISDIR(st.st_mode))
        throw IoError(IoMessage("Cannot read", path, EISDIR));
}

// Into a string (room cleared first) or into bytes left as they are until read over.
template <typename Bytes>
bool ReadInto(const std::string& path, Bytes& bytes, const std::function<void(size_t, size_t)>& arrived,
              size_t maxBytes)
{
    bytes.clear();
    const auto resolved = ResolveFile(path);
    if (!resolved) {
        RefuseWhatIsNoFile(path);
        return false;
    }
    // Without blocking, a FIFO that no program writes to opens at once and then reads as
    // empty; a pipe with a writer is waited for as usual once open.
    const int fd = ::open(resolved->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        if (err == ENXIO)
            throw IoError("Cannot read \"" + *resolved + "\": it is a socket, not a file");
        throw IoError(IoMessage("Cannot read", *resolved, err));
    }
    const Descriptor file(fd);
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0)
        throw IoError(IoMessage("Cannot read", *resolved, errno));
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    const bool regular = S_ISREG(st.st_mode);
    if (regular && static_cast<unsigned long long>(st.st_size) > maxBytes)
        throw IoError(TooLargeMessage(*resolved, maxBytes));

    // Room for the size a regular file has now and one byte more, to see whether it grew;
    // a device or a pipe gets more room as it needs, up to the limit. The room is readied
    // and read into a stretch at a time, so each stretch is still in the cache when the
    // caller works on it.
    const size_t expected = regular ? static_cast<size_t>(st.st_size) : 0;
    bytes.reserve(regular ? expected + 1 : size_t{1} << 16);
    size_t have = 0;
    if (expected >= kBigFile) {
        if constexpr (std::is_same_v<Bytes, TextBytes>)
            have = ReadWhileHandingOn(fd, bytes, expected, arrived, *resolved);
        else
            MapInAtOnce(bytes.data(), expected);
    }
    for (;;) {
        if (have == bytes.size()) {
            if (have > maxBytes)
                throw IoError(TooLargeMessage(*resolved, maxBytes));
            if (have == bytes.capacity())
                bytes.reserve(std::min(bytes.capacity() * 2, maxBytes + 1));
            bytes.resize(std::min({have + kReadStretch, bytes.capacity(), maxBytes + 1}));
        }
        const size_t n = ReadSome(fd, bytes.data() + have, bytes.size() - have, std::nullopt, *resolved);
        if (n == 0)
            break;
        have += n;
        if (arrived)
            arrived(have, std::max(have, expected));
    }
    if (have > maxBytes)
        throw IoError(TooLargeMessage(*resolved, maxBytes));
    bytes.resize(have);
    return true;
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, size_t maxBytes)
{
    std::string bytes;
    if (!ReadInto(path, bytes, {}, maxBytes))
        return std::nullopt;
    return bytes;
}

bool ReadFileInto(const std::string& path, TextBytes& bytes, const std::function<void(size_t, size_t)>& arrived,
                  size_t maxBytes)
{
    return ReadInto(path, bytes, arrived, maxBytes);
}

std::vector<std::string> SplitLines(std::string_view text)
{
    return LineList::FromText(text).ToVector();
}

std::vector<std::string> ReadLines(const std::string& path)
{
    return ReadLineList(path).ToVector();
}

LineList ReadLineList(const std::string& path)
{
    NoLineSink none;
    return ReadLineList(path, none);
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines)
{
    size_t size = kUtf8Bom.size();
    for (const auto& l : lines)
        size += l.size() + 2;
    std::string out;
    out.reserve(size);
    // Readers skip one leading byte-order mark, so a first line that begins with one gets
    // another in front of it and reads back as it was written.
    if (!lines.empty() && HasUtf8Bom(lines.front()))
        out += kUtf8Bom;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

namespace {

// The file a name finally stands for: a symbolic link is followed, through any chain of
// links, so a write replaces the link's target and the link itself stays.
std::string FinalTarget(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st
        {
        };
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        // Some links report no size; a text that fills the buffer may have been cut.
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        ssize_t n = 0;
        while ((n = ::readlink(current.c_str(), link.data(), link.size())) == static_cast<ssize_t>(link.size()))
            link.resize(link.size() * 2);
        if (n < 0)
            throw IoError(IoMessage("Cannot write", path, errno));
        link.resize(static_cast<size_t>(n));
        const size_t slash = current.find_last_of('/');
        if (link.empty() || link[0] == '/' || slash == std::string::npos)
            current = link;
        else
            current = current.substr(0, slash + 1) + link;
    }
    throw IoError(IoMessage("Cannot write", path, ELOOP));
}

void WriteAll(int fd, std::string_view bytes, const std::string& target)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(IoMessage("Cannot write", target, errno));
        }
        done += static_cast<size_t>(w);
    }
}

// Pipes and devices take their bytes in order; they have no offsets to write at.
void WriteStream(int fd, std::string_view bytes, const std::string& target)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(IoMessage("Cannot write", target, errno));
        }
        done += static_cast<size_t>(w);
    }
}

// A reader that goes away in the middle of a write would end the whole program with
// SIGPIPE: while it is blocked the write fails with EPIPE instead, and the signal the write
// raised is taken back before it is unblocked.
class BrokenPipeHeld
{
public:
    BrokenPipeHeld()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
        wasPending_ = Pending();
    }
    ~BrokenPipeHeld()
    {
        if (!wasPending_ && Pending()) {
            const timespec none{};
            ::sigtimedwait(&pipe_, nullptr, &none);
        }
        ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    BrokenPipeHeld(const BrokenPipeHeld&) = delete;
    BrokenPipeHeld& operator=(const BrokenPipeHeld&) = delete;

private:
    static bool Pending()
    {
        sigset_t pending;
        sigemptyset(&pending);
        return ::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
    }
    sigset_t pipe_{};
    sigset_t old_{};
    bool wasPending_ = false;
};

// A target that is no regular file (a device, a FIFO, a terminal, standard output as a
// pipe) is written to as it is: a file renamed over it would take its place for good.
void WriteIntoSpecial(const std::string& target, const struct stat& st, std::string_view bytes)
{
    if (S_ISDIR(st.st_mode))
        throw IoError(IoMessage("Cannot write", target, EISDIR));
    if (S_ISSOCK(st.st_mode))
        throw IoError("Cannot write \"" + target + "\": it is a socket, not a file");
    const bool fifo = S_ISFIFO(st.st_mode);
    // A FIFO is opened without waiting, so one that no program reads from is said at once.
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | (fifo ? O_NONBLOCK : 0));
    if (fd < 0) {
        const int err = errno;
        if (fifo && err == ENXIO)
            throw IoError("Cannot write \"" + target + "\": it is a FIFO, and no program reads from it");
        throw IoError(IoMessage("Cannot write", target, err));
    }
    TempFile file(fd, std::string());
    if (fifo) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0)
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    {
        const BrokenPipeHeld held;
        WriteStream(fd, bytes, target);
    }
    if (file.Close() != 0)
        throw IoError(IoMessage("Cannot write", target, errno));
}

// The program's temporary files are named "." + the target's name + ".tavrolin-" + six
// letters or digits, which no file of the user's has; the name is cut so the whole fits.
constexpr std::string_view kTempMark = ".tavrolin-";
constexpr size_t kTempLetters = 6;
constexpr size_t kLongestName = 255;
constexpr time_t kLeftoverAge = 60;

std::string TempPrefix(std::string_view name)
{
    const size_t room = kLongestName - 1 - kTempMark.size() - kTempLetters;
    return "." + std::string(name.substr(0, room)) + std::string(kTempMark);
}

bool IsTempName(std::string_view entry, std::string_view prefix)
{
    if (entry.size() != prefix.size() + kTempLetters || entry.substr(0, prefix.size()) != prefix)
        return false;
    for (const char c : entry.substr(prefix.size()))
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// Temporary files of this target that a write killed midway left behind. One written
// within the last minute may belong to a write still running, so it stays.
void RemoveLeftovers(const std::string& folder, std::string_view prefix)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTempName(entry->d_name, prefix))
            continue;
        struct stat st
        {
        };
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            now - st.st_mtime > kLeftoverAge)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

void SyncFile(int fd, const std::string& target)
{
    // Some file systems cannot sync; what they hold is as safe as it gets there.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        throw IoError(IoMessage("Cannot write", target, errno));
}

// The rename is only durable once the folder's entry is on disk too.
void SyncFolder(const std::string& target)
{
    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file rewritten in place from the complete new content, for when no temporary
// file can take its place.
void RewriteInPlace(const std::string& target, std::string_view bytes, const struct stat& old)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        throw IoError(IoMessage("Cannot write", target, errno));
    TempFile file(fd, std::string());
    // Claim the room first, so a full disk stops the write before any old byte changes.
    if (static_cast<off_t>(bytes.size()) > old.st_size) {
        const int rc = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
        if (rc != 0 && rc != EINVAL && rc != EOPNOTSUPP)
            throw IoError(IoMessage("Cannot write", target, rc));
    }
    WriteAll(fd, bytes, target);
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        throw IoError(IoMessage("Cannot write", target, errno));
    SyncFile(fd, target);
    if (file.Close() != 0)
        throw IoError(IoMessage("Cannot write", target, errno));
}

} // namespace

void RemoveLeftoversOf(const std::string& target)
{
    const std::string path = FinalTarget(ResolveFile(target).value_or(target));
    const size_t slash = path.find_last_of('/');
    RemoveLeftovers(slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash),
                    TempPrefix(slash == std::string::npos ? path : path.substr(slash + 1)));
}

void WriteFileAtomic(const std::string& path, std::string_view bytes, Durability durability)
{
    // Write through the name the file already has, whatever case the caller used.
    const std::string named = ResolveFile(path).value_or(path);
    struct stat old
    {
    };
    // The system follows every link here, /dev/stdout to the pipe it is included.
    if (::stat(named.c_str(), &old) == 0 && !S_ISREG(old.st_mode))
        return WriteIntoSpecial(named, old, bytes);
    const std::string target = FinalTarget(named);
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A file the user may not write is not replaced behind its back either.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        throw IoError(IoMessage("Cannot write", target, errno));

    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash == 0 ? 1 : slash);
    const std::string prefix = TempPrefix(slash == std::string::npos ? target : target.substr(slash + 1));
    std::string tmpl = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + prefix +
                       std::string(kTempLetters, 'X');
    // Where no temporary file can replace the target (a folder the user may not write, a
    // sticky folder or a bind-mounted file that refuses the rename), an existing file is
    // rewritten in place instead.
    const bool inPlacePossible = exists && S_ISREG(old.st_mode);
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        const int err = errno;
        if (inPlacePossible)
            return RewriteInPlace(target, bytes, old);
        throw IoError(IoMessage("Cannot write", target, err));
    }
    TempFile tmp(fd, tmpl);

    mode_t mode = 0;
    if (exists) {
        // Owner and group where the process may set them (root may, others at most the
        // group); a change of owner clears the set-id bits, so the mode comes after it.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    WriteAll(fd, bytes, target);
    if (durability == Durability::Synced)
        SyncFile(fd, target);
    if (tmp.Close() != 0)
        throw IoError(IoMessage("Cannot write", target, errno));
    if (::rename(tmp.Path().c_str(), target.c_str()) != 0) {
        const int err = errno;
        if (inPlacePossible)
            return RewriteInPlace(target, bytes, old);
        throw IoError(IoMessage("Cannot write", target, err));
    }
    tmp.Release();
    if (durability == Durability::Synced)
        SyncFolder(target);
    RemoveLeftovers(folder, prefix);
}

} // namespace tav

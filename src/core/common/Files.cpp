#include "core/common/Files.h"

#include "core/common/Errors.h"
#include "core/common/LineList.h"
#include "core/common/Text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
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

std::optional<std::string> ReadFileBytes(const std::string& path)
{
    const auto resolved = ResolveFile(path);
    if (!resolved)
        return std::nullopt;
    FILE* f = std::fopen(resolved->c_str(), "rb");
    if (!f)
        throw IoError(IoMessage("Cannot read", *resolved, errno));
    std::string bytes;
    // One read of the size the file has now, then whatever may have been appended since.
    size_t expected = 0;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        expected = size > 0 ? static_cast<size_t>(size) : 0;
        std::rewind(f);
    }
    bytes.resize(expected);
    const size_t got = expected > 0 ? std::fread(bytes.data(), 1, expected, f) : 0;
    bytes.resize(got);
    if (got == expected) {
        char buf[1 << 14];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            bytes.append(buf, n);
    }
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed)
        throw IoError(IoMessage("Cannot read", *resolved, err));
    return bytes;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    return LineList::FromText(std::string(text)).ToVector();
}

std::vector<std::string> ReadLines(const std::string& path)
{
    return ReadLineList(path).ToVector();
}

LineList ReadLineList(const std::string& path)
{
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        return {};
    return LineList::FromText(std::move(*bytes));
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines)
{
    size_t size = 0;
    for (const auto& l : lines)
        size += l.size() + 2;
    std::string out;
    out.reserve(size);
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

void WriteFileAtomic(const std::string& path, std::string_view bytes, Durability durability)
{
    // Write through the name the file already has, whatever case the caller used.
    const std::string target = FinalTarget(ResolveFile(path).value_or(path));
    struct stat old
    {
    };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A file the user may not write is not replaced behind its back either.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        throw IoError(IoMessage("Cannot write", target, errno));

    std::string tmpl = target + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    // Where no temporary file can replace the target (a folder the user may not write, a
    // name too long for the suffix, a sticky folder or a bind-mounted file that refuses
    // the rename), an existing file is rewritten in place instead.
    const bool inPlacePossible = exists && S_ISREG(old.st_mode);
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        const int err = errno;
        if (inPlacePossible)
            return RewriteInPlace(target, bytes, old);
        throw IoError(IoMessage("Cannot write", target, err));
    }
    TempFile tmp(fd, name.data());

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
}

} // namespace tav

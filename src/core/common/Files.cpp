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

// Closes a descriptor and removes the temporary file unless released.
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
            std::string candidate = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + entry->d_name;
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

void WriteFileAtomic(const std::string& path, std::string_view bytes)
{
    // Write through the name the file already has, whatever case the caller used.
    const std::string target = ResolveFile(path).value_or(path);
    std::string tmpl = target + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        throw IoError(IoMessage("Cannot write", target, errno));
    TempFile tmp(fd, name.data());

    struct stat st
    {
    };
    mode_t mode = 0;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

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
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        throw IoError(IoMessage("Cannot write", target, errno));
    if (tmp.Close() != 0)
        throw IoError(IoMessage("Cannot write", target, errno));
    if (::rename(tmp.Path().c_str(), target.c_str()) != 0)
        throw IoError(IoMessage("Cannot write", target, errno));
    tmp.Release();
}

} // namespace tav

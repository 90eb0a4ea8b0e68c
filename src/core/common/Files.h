#pragma once

#include "core/common/LineList.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Folder texts end with "/" (except the shared folder, which callers join with "/").
std::string WithTrailingSlash(std::string folder);

// The program names some files in different letter case in different places, so a
// name is resolved against the folder's entries: the exact name first, then the first
// entry that differs only in case. Returns the full path of the entry found.
std::optional<std::string> ResolveFile(const std::string& path);
bool FileExists(const std::string& path);

// No file the program reads comes near this size; a device that never ends must not fill
// the memory instead.
inline constexpr size_t kMaxReadBytes = size_t{256} << 20;

// The whole file as bytes; returns nullopt when there is no such file. A FIFO no program
// writes to reads as empty at once, a pipe or device is read to its end. Throws IoError
// naming the file when it exists but cannot be read: a folder, a loop of links, a socket,
// more than maxBytes.
std::optional<std::string> ReadFileBytes(const std::string& path, size_t maxBytes = kMaxReadBytes);
// Files are read this many bytes at a time, each stretch handed on while in the cache.
inline constexpr size_t kReadStretch = size_t{256} << 10;
// The same into bytes, for a caller that works on them as they arrive: after each read,
// arrived(have, expected) with have bytes in so far, out of about expected. False when there
// is no such file.
bool ReadFileInto(const std::string& path, TextBytes& bytes, const std::function<void(size_t, size_t)>& arrived,
                  size_t maxBytes = kMaxReadBytes);

// Splits text into lines at CR LF, LF or a lone CR; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// The lines of a file (resolved without regard to case); empty when the file is missing.
std::vector<std::string> ReadLines(const std::string& path);
LineList ReadLineList(const std::string& path);
// The same, telling the sink of each line as it is split off (see LineList::FromReader).
template <typename Sink> LineList ReadLineList(const std::string& path, Sink& sink)
{
    bool found = false;
    LineList lines = LineList::FromReader(
        [&](TextBytes& bytes, const auto& arrived) { found = ReadFileInto(path, bytes, arrived); }, sink);
    if (found)
        lines.SetSource(ResolveFile(path).value_or(path));
    return lines;
}

// Lines joined with CR LF after each line, as the program writes its text files.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Writes the bytes to a temporary file in the target's folder (".NAME.tavrolin-XXXXXX")
// and renames it over the target, so a failure never leaves a half-written or deleted file
// behind; such files older than a minute, left by a write that was killed, go at the next
// write of the target. A target that is no regular file (a device, a FIFO, a pipe) is
// written to as it is and never replaced; a FIFO without a reader or a socket is refused.
// A symbolic link is written through to its final target and stays a link. An existing target keeps
// its permission bits and, where the process may set them, its owner and group. When no
// temporary file can be made or renamed over it (a folder the user may not write, while
// the file is writable), an existing file is rewritten in place. Throws IoError naming
// the file.
// Deferred skips the wait for the disk, for callers that write many files and then sync
// the file system once before they rely on them.
enum class Durability
{
    Synced,
    Deferred,
};
void WriteFileAtomic(const std::string& path, std::string_view bytes, Durability durability = Durability::Synced);

// Removes the temporary files that writes of the target killed midway left behind, older
// than a minute; WriteFileAtomic does so itself after every write.
void RemoveLeftoversOf(const std::string& target);

} // namespace tav

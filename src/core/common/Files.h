#pragma once

#include "core/common/LineList.h"

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

// The whole file as bytes; throws IoError when it exists but cannot be read, and
// returns nullopt when there is no such file.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Splits text into lines at CR LF, LF or a lone CR; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// The lines of a file (resolved without regard to case); empty when the file is missing.
std::vector<std::string> ReadLines(const std::string& path);
LineList ReadLineList(const std::string& path);

// Lines joined with CR LF after each line, as the program writes its text files.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Writes the bytes to a temporary file in the target's folder and renames it over the
// target, so a failure never leaves a half-written or deleted file behind. A symbolic
// link is written through to its final target and stays a link. An existing target keeps
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

} // namespace tav

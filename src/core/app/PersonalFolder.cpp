#include "core/app/PersonalFolder.h"

#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/common/Text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tav {

namespace {

// The folders of an installation that the personal copy takes, in the order they are brought in.
constexpr const char* kCopiedFolders[] = {"dat", "images", "data", "shared"};
constexpr std::string_view kSharedPrefix = "shared/";

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool Writable(const std::string& path)
{
    return ::access(path.c_str(), W_OK) == 0;
}

bool SameFolder(const std::string& a, const std::string& b)
{
    return WithTrailingSlash(a) == WithTrailingSlash(b);
}

std::optional<std::int64_t> ParseInteger(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// The next blank-separated word of a line; the line keeps what follows it.
std::string_view NextWord(std::string_view& line)
{
    const size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    line = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    return word;
}

std::optional<FileStamp> ParseStamp(std::string_view size, std::string_view modified)
{
    const auto s = ParseInteger(size);
    const auto m = ParseInteger(modified);
    if (!s || !m || *s < 0)
        return std::nullopt;
    return FileStamp{static_cast<std::uintmax_t>(*s), *m};
}

// The installation's files below the copied folders, as relative paths in a stable order.
std::vector<std::string> InstalledFiles(const std::string& installation, bool withShared)
{
    std::vector<std::string> files;
    for (const char* folder : kCopiedFolders) {
        if (!withShared && std::string_view(folder) == "shared")
            continue;
        std::error_code ec;
        fs::directory_iterator it(installation + folder, ec);
        if (ec)
            continue;
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : it) {
            std::error_code typeError;
            if (entry.is_regular_file(typeError))
                names.push_back(std::string(folder) + "/" + entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        files.insert(files.end(), names.begin(), names.end());
    }
    return files;
}

std::string TargetOf(const PersonalCopy& copy, const std::string& relative)
{
    if (relative.starts_with(kSharedPrefix))
        return copy.shared + "/" + relative.substr(kSharedPrefix.size());
    return copy.program + relative;
}

void MakeFolder(const std::string& folder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !IsFolder(folder))
        throw IoError("Cannot create the folder \"" + folder + "\": " + (ec ? ec.message() : "a file is in the way"));
}

// One sync for all the copies, which were written without waiting for the disk each.
void SyncFileSystemOf(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw IoError("Cannot open the folder \"" + folder + "\": " + std::strerror(errno));
    const int rc = ::syncfs(fd);
    const int err = errno;
    ::close(fd);
    if (rc != 0)
        throw IoError("Cannot write the folder \"" + folder + "\" to disk: " + std::strerror(err));
}

} // namespace

InstallationFacts ProbeInstallation(const std::string& executableFolder, const std::string& installedFolder,
                                    const std::string& dataHome)
{
    InstallationFacts f;
    f.executableFolder = WithTrailingSlash(executableFolder);
    f.installedFolder = WithTrailingSlash(installedFolder);
    f.dataHome = dataHome;
    f.dataBesideExecutable = IsFolder(f.executableFolder + "dat");
    f.executableFolderWritable = Writable(f.executableFolder) && Writable(f.executableFolder + "dat");
    f.installedDataPresent = IsFolder(f.installedFolder + "dat");
    return f;
}

ProgramPlace ChooseProgramPlace(const InstallationFacts& facts)
{
    if (facts.dataBesideExecutable && facts.executableFolderWritable)
        return {facts.executableFolder, {}};
    const std::string source = facts.dataBesideExecutable   ? facts.executableFolder
                               : facts.installedDataPresent ? facts.installedFolder
                                                            : std::string();
    // Nothing to copy: the start-up check names what is missing.
    if (source.empty())
        return {facts.executableFolder, {}};
    // Without a personal folder the installation is read where it lies.
    if (facts.dataHome.empty())
        return {source, {}};
    return {PersonalProgramFolder(facts.dataHome), source};
}

std::string PersonalProgramFolder(const std::string& dataHome)
{
    return WithTrailingSlash(dataHome) + "tavrolin/";
}

std::string PersonalSharedFolder(const std::string& dataHome)
{
    return WithTrailingSlash(dataHome) + "Brimcor/Common Files";
}

SharedChoice ChooseSharedFolder(const std::optional<std::string>& registered, bool registeredHoldsPriceList,
                                const std::string& personalShared)
{
    if (!registered || registered->empty())
        return {personalShared, true};
    if (SameFolder(*registered, personalShared))
        return {personalShared, false};
    // Another program of the maker keeps the shared files; its folder is not ours to fill.
    if (registeredHoldsPriceList)
        return {{}, false};
    return {personalShared, true};
}

std::optional<FileStamp> StampOf(const std::string& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::is_regular_file(status))
        return std::nullopt;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        return std::nullopt;
    const fs::file_time_type time = fs::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
    return FileStamp{size, static_cast<std::int64_t>(ns)};
}

CopyRule RuleFor(std::string_view relativePath)
{
    if (EqualsNoCase(relativePath, "dat/settings.dat") || EqualsNoCase(relativePath, "dat/advanced.dat"))
        return CopyRule::UsersOwn;
    if (relativePath.starts_with(kSharedPrefix))
        return CopyRule::Shared;
    if (relativePath.starts_with("data/"))
        return CopyRule::Sample;
    return CopyRule::Catalogue;
}

bool ShouldCopy(CopyRule rule, const FileStamp& source, const std::optional<CopyRecord>& recorded,
                const std::optional<FileStamp>& present)
{
    if (!present) {
        // A sample the user deleted after it was offered stays deleted.
        return rule != CopyRule::Sample || !recorded;
    }
    const bool newer = !recorded || recorded->source != source;
    switch (rule) {
    case CopyRule::Catalogue:
        return newer;
    case CopyRule::Shared:
        // A list the price update installed, or one of unknown origin, is the user's.
        return newer && recorded && recorded->copy == present;
    case CopyRule::UsersOwn:
    case CopyRule::Sample:
        return false;
    }
    return false;
}

std::string FormatCopyRecords(const CopyRecords& records)
{
    std::string text;
    for (const auto& [path, r] : records) {
        text += std::to_string(r.source.size) + ' ' + std::to_string(r.source.modified) + ' ';
        text += r.copy ? std::to_string(r.copy->size) + ' ' + std::to_string(r.copy->modified) : std::string("- -");
        text += ' ' + path + '\n';
    }
    return text;
}

CopyRecords ParseCopyRecords(std::string_view text)
{
    CopyRecords records;
    for (const std::string& line : SplitLines(text)) {
        std::string_view rest = line;
        const std::string_view sourceSize = NextWord(rest);
        const std::string_view sourceTime = NextWord(rest);
        const std::string_view copySize = NextWord(rest);
        const std::string_view copyTime = NextWord(rest);
        const auto source = ParseStamp(sourceSize, sourceTime);
        if (!source || rest.empty())
            continue;
        CopyRecord r{*source, std::nullopt};
        if (copySize != "-" || copyTime != "-") {
            r.copy = ParseStamp(copySize, copyTime);
            if (!r.copy)
                continue;
        }
        records[std::string(rest)] = r;
    }
    return records;
}

std::vector<std::string> BringInInstallation(const PersonalCopy& copy)
{
    MakeFolder(copy.program);
    const std::string recordPath = copy.program + kCopyRecordFileName;
    const std::string before = ReadFileBytes(recordPath).value_or(std::string());
    const CopyRecords old = ParseCopyRecords(before);

    CopyRecords now;
    std::vector<std::string> copied;
    for (const std::string& relative : InstalledFiles(copy.installation, !copy.shared.empty())) {
        const std::string source = copy.installation + relative;
        const auto sourceStamp = StampOf(source);
        if (!sourceStamp)
            continue;
        const std::string target = TargetOf(copy, relative);
        // The program finds its files without regard to case, and so does the copy.
        const std::string existing = ResolveFile(target).value_or(target);
        const auto present = StampOf(existing);
        const auto found = old.find(relative);
        const std::optional<CopyRecord> recorded =
            found == old.end() ? std::nullopt : std::optional<CopyRecord>(found->second);

        CopyRecord record{*sourceStamp, recorded ? recorded->copy : std::nullopt};
        if (ShouldCopy(RuleFor(relative), *sourceStamp, recorded, present)) {
            const auto bytes = ReadFileBytes(source);
            if (!bytes)
                throw IoError("Cannot read \"" + source + "\": the file went away");
            MakeFolder(existing.substr(0, existing.find_last_of('/')));
            WriteFileAtomic(existing, *bytes, Durability::Deferred);
            record.copy = StampOf(existing);
            copied.push_back(relative);
        }
        now[relative] = record;
    }
    // Written only after every copy is on disk, and only when something changed.
    if (!copied.empty()) {
        SyncFileSystemOf(copy.program);
        if (!copy.shared.empty())
            SyncFileSystemOf(copy.shared);
    }
    const std::string after = FormatCopyRecords(now);
    if (after != before)
        WriteFileAtomic(recordPath, after);
    return copied;
}

} // namespace tav

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// An installed copy is shared by every user and may not be written, yet the program keeps
// its settings, last order, projects and exports in its own folder. Each user therefore
// runs from a personal program folder filled from the installation; a laid-out folder
// that its user may write runs in place.

// What start-up finds around the executable. Folder texts end with "/".
struct InstallationFacts
{
    std::string executableFolder;
    // Where an installed executable's data lies (<prefix>/share/tavrolin/).
    std::string installedFolder;
    bool dataBesideExecutable = false; // the executable's folder holds dat/
    bool executableFolderWritable = false;
    bool installedDataPresent = false; // installedFolder holds dat/
    // The user's data folder ($XDG_DATA_HOME, normally ~/.local/share); empty when unknown.
    std::string dataHome;
};

// The file-system probes behind the facts.
InstallationFacts ProbeInstallation(const std::string& executableFolder, const std::string& installedFolder,
                                    const std::string& dataHome);

struct ProgramPlace
{
    std::string program;      // the folder the program runs in, with "/"
    std::string installation; // the folder the program folder is filled from; empty: runs in place
};

ProgramPlace ChooseProgramPlace(const InstallationFacts& facts);

// The personal folders below the user's data folder.
std::string PersonalProgramFolder(const std::string& dataHome);
// The maker's shared folder of a user without one (no trailing "/").
std::string PersonalSharedFolder(const std::string& dataHome);

// Which shared folder the personal copy fills, and whether the registry should name it:
// the registered folder stays as long as it holds the price list.
struct SharedChoice
{
    std::string fill; // empty: the shared folder is someone else's and is left alone
    bool registerIt = false;
};

SharedChoice ChooseSharedFolder(const std::optional<std::string>& registered, bool registeredHoldsPriceList,
                                const std::string& personalShared);

// A file as it stands: its size and time of last change.
struct FileStamp
{
    std::uintmax_t size = 0;
    std::int64_t modified = 0; // nanoseconds of the file clock
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const std::string& path);

// How a file of the installation reaches the personal folder.
enum class CopyRule
{
    Catalogue, // the installation's own: a newer one replaces the copy
    UsersOwn,  // settings.dat, advanced.dat: copied once, then the user's
    Shared,    // the maker's shared files: a newer one replaces a copy nobody changed
    Sample,    // sample projects: offered once, never replaced
};

// By the file's path relative to the installation ("dat/settings.dat").
CopyRule RuleFor(std::string_view relativePath);

// What was brought in last time: the installation's file as it was then and the copy as
// it was made (nothing when the copy is not known to be ours).
struct CopyRecord
{
    FileStamp source;
    std::optional<FileStamp> copy;
    bool operator==(const CopyRecord&) const = default;
};
using CopyRecords = std::map<std::string, CopyRecord>;

// Whether the installation's file is copied over what the user's folder holds now.
bool ShouldCopy(CopyRule rule, const FileStamp& source, const std::optional<CopyRecord>& recorded,
                const std::optional<FileStamp>& present);

std::string FormatCopyRecords(const CopyRecords& records);
// Lines that cannot be read are skipped: such a file counts as never brought in.
CopyRecords ParseCopyRecords(std::string_view text);

// The record's name in the personal program folder.
inline constexpr const char* kCopyRecordFileName = ".installed-files";

struct PersonalCopy
{
    std::string installation; // with "/"
    std::string program;      // with "/"
    std::string shared;       // the shared folder to fill, or empty
};

// Brings the installation's dat/, images/ and data/ into the program folder and its
// shared/ into the shared folder, by the rules above. Each file is replaced whole, and
// the record is written last, so an interrupted run leaves only complete files and the
// next start finishes the work. Returns the relative paths copied; throws IoError.
std::vector<std::string> BringInInstallation(const PersonalCopy& copy);

} // namespace tav

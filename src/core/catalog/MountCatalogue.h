#pragma once

#include "core/settings/IniStore.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// mount.dat links site locations to mount types, mount types to cable attachments, both
// to mounting hardware, and holds one row of part numbers per transmission line.
inline constexpr const char* kVerticalStructuresSection = "VStructures";
inline constexpr const char* kHorizontalStructuresSection = "HStructures";
inline constexpr const char* kMountTypesSection = "MountTypes";
inline constexpr const char* kAttachmentTypesSection = "CableAttachmentTypes";
inline constexpr const char* kHardwareTypesSection = "MountingHardwareTypes";
// The key of a cable key's row.
inline constexpr const char* kMountRowKey = "X";
// The field of an attachment line and of a hardware line that names its column in the row.
inline constexpr int kAttachmentColumnField = 2;
inline constexpr int kHardwareColumnField = 4;
// Hardware lines name the mount type's and the attachment's line names in these fields.
inline constexpr int kHardwareMountField = 2;
inline constexpr int kHardwareAttachmentField = 3;
// Multi-part entries of this column serve six runs per group instead of three.
inline constexpr int kStackedKitColumn = 11;
// How many empty columns an absent row reads as, when lists are filled and when a part is resolved.
inline constexpr int kEmptyRowColumnsForLists = 25;
inline constexpr int kEmptyRowColumnsForParts = 28;

// The row "X" of a cable key. The section is found by its exact name (letter case
// matters); without it, or without the key, every column reads as empty.
std::string ReadMountRow(TBigIniFile& mount, std::string_view cableKey, int emptyColumns);

// A column that holds "," is a multi-part entry: three part numbers, each closed by ",".
bool IsMultiPartEntry(std::string_view column);
// The three parts of a multi-part entry; a part not closed by a comma reads as empty.
std::array<std::string, 3> MultiPartEntryParts(std::string_view entry);

// The part numbers one column of a row offers: none for an empty column, the one part,
// or the three parts of a multi-part entry (empty ones left out).
std::vector<std::string> ColumnParts(std::string_view row, int column);

} // namespace tav

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The wizard's fixed slots of chosen parts; each holds "part|quantity|section|".
inline constexpr int kSelectionSlots = 21;
inline constexpr const char* kEmptySelectionRecord = "|||";

// Which choice owns which slot. Attachments and mounting hardware take three slots each
// (a multi-part entry spreads over them); the first slot of a group names the group.
namespace slot {
inline constexpr int HorizontalAttachment = 0;
inline constexpr int HorizontalHardware = 3;
inline constexpr int VerticalAttachment = 6;
inline constexpr int VerticalHardware = 9;
inline constexpr int HoistingGrip = 12;
inline constexpr int EntryPlate = 13;
inline constexpr int EntryBoots = 14;
inline constexpr int GroundingKit = 15;
inline constexpr int Weatherproofing = 16;
inline constexpr int Surge = 17;
inline constexpr int Gps = 18;
inline constexpr int Arrestor = 19;
} // namespace slot

// The headings of the list of materials that the wizard files its parts under.
namespace section {
inline constexpr int Mounting = 1;
inline constexpr int HoistingGrip = 2;
inline constexpr int GroundingKit = 3;
inline constexpr int Weatherproofing = 4;
inline constexpr int CableEntry = 5;
inline constexpr int Gps = 7;
inline constexpr int Surge = 8;
} // namespace section

void ResetSelection(std::vector<std::string>& selection);

// Replaces the slot by part + "|" + quantity + "|" + section + "|". The quantity is text
// because the entry pages write what their quantity boxes show.
void WriteSelection(std::vector<std::string>& selection, int slot, std::string_view part, std::string_view quantity,
                    int section);
void WriteSelection(std::vector<std::string>& selection, int slot, std::string_view part, int quantity, int section);

// What a quantity box writes: the slot keeps its part and takes the quantity. An empty slot
// becomes a record without a part, which orders nothing.
void WriteSelectionQuantity(std::vector<std::string>& selection, int slot, std::string_view quantity, int section);

// Puts the empty record back into the slot.
void ClearSelection(std::vector<std::string>& selection, int slot);

} // namespace tav

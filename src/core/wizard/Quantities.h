#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// What the quantity rules need to know about the run, as plain values taken from the
// cable page. settings.dat and advanced.dat are read from the data folder on every
// call, so a setting saved a moment ago already counts.
struct QuantityInputs
{
    std::string dataFolder;
    double horizontalLength = 0; // in the unit shown
    double verticalLength = 0;
    bool meters = false;
    int runsCount = 3;
    std::string cableKey; // names the hanger section of settings.dat
    std::string diameter; // the diameter text of the cable page, e.g. "1/2"
};

inline constexpr const char* kAdvancedFileName = "advanced.dat";
// The one part whose count follows the number of adapters a run group needs.
inline constexpr const char* kAdapterPart = "KOVA";

// The user's override for the part from advanced.dat (last matching line), 0 when there
// is none. Throws IoError when the file is missing, ConversionError for a bad quantity.
int AdvancedQuantity(const std::string& dataFolder, std::string_view part);
// The same from the bytes of advanced.dat.
int OverrideQuantity(std::string_view advancedBytes, std::string_view part);

// Hangers, cable attachments and mounting hardware over the horizontal run (slots 0 to 5)
// or the vertical run (6 to 11).
int AttachmentQuantity(const QuantityInputs& in, std::string_view part, int slot);
// One grip per hoisting-grip spacing of the whole run, per run.
int HoistingGripQuantity(const QuantityInputs& in);
// One kit per grounding spacing plus one at each end, per run.
int GroundingKitQuantity(const QuantityInputs& in);
// The quantity text of the single-part slots: the override, else by slot.
std::string SlotQuantity(const QuantityInputs& in, std::string_view part, int slot);

// How many pieces of the three parts of a multi-part entry the runs need, as the record
// "c1|c2|k|": the third part serves three (or six) runs, the others the runs left over.
std::string SplitRunsByThree(int runsCount);
std::string SplitRunsBySix(int runsCount);

// Writes the three parts of a multi-part entry ("p1,p2,p3,") into three slots with the
// counts of SplitRunsByThree/SplitRunsBySix. Each written part gets its group count times
// the quantity one run needs over the group's length; a count of 0 clears the slot.
void WriteMultiPartSelection(std::vector<std::string>& selection, const QuantityInputs& in, int slot1, int slot2,
                             int slot3, std::string_view parts, std::string_view counts);

// The quantity the accessory list proposes for a row of the given section.
int RecommendedQuantity(const QuantityInputs& in, std::string_view part, std::string_view sectionText);

} // namespace tav

#include "core/wizard/Selection.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace tav {
namespace {

TEST(Selection, RecordsInFixedSlots)
{
    std::vector<std::string> selection;
    ResetSelection(selection);
    ASSERT_EQ(selection, std::vector<std::string>(21, "|||"));

    WriteSelection(selection, slot::HoistingGrip, "HGS-12", 3, section::HoistingGrip);
    WriteSelection(selection, slot::EntryPlate, "EP4-4", "2", section::CableEntry);
    WriteSelection(selection, slot::Gps, "", 1, section::Gps);
    EXPECT_EQ(selection[12], "HGS-12|3|2|");
    EXPECT_EQ(selection[13], "EP4-4|2|5|");
    EXPECT_EQ(selection[18], "|1|7|"); // a record without a part orders nothing
    WriteSelection(selection, slot::HoistingGrip, "HGL-12", -2, section::HoistingGrip);
    EXPECT_EQ(selection[12], "HGL-12|-2|2|");
    ClearSelection(selection, slot::EntryPlate);
    EXPECT_EQ(selection[13], "|||");
    EXPECT_EQ(selection.size(), 21u);

    // Records appended behind the slots by the list of materials stay where they are.
    selection.push_back("X|1|6|");
    WriteSelection(selection, 20, "Y", 1, 1);
    EXPECT_EQ(selection.size(), 22u);
    EXPECT_EQ(selection[21], "X|1|6|");

    std::vector<std::string> fresh;
    WriteSelection(fresh, slot::Arrestor, "IEG-200", "1", section::CableEntry);
    EXPECT_EQ(fresh.size(), 21u);
    EXPECT_EQ(fresh[19], "IEG-200|1|5|");

    EXPECT_THROW(WriteSelection(selection, 21, "Z", 1, 1), std::out_of_range);
    EXPECT_THROW(ClearSelection(selection, -1), std::out_of_range);
}

} // namespace
} // namespace tav

#include "core/materials/ProjectFile.h"

#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/materials/PriceList.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tav {
namespace {

using test::TempDir;

const std::string kGolden = std::string(TAVROLIN_TEST_DATA) + "/project/list.tvr";

// A heading, a priced row, an unpriced row, a row without a price record and the adapter.
ListOfMaterials GoldenList()
{
    const LineList prices{"P|HDW|AAD-3|PK|Angle Adapter & clip, 3/4\" members|12.5|",
                          "P|ENT|EP4-12|EA|Entry Plate, 12 ports||", "P|HDW|KOVA|PK|Stacking Angle Adapter|64.50|"};
    const PriceIndex index(prices);
    return BuildMaterials({"AAD-3|3|1|", "KOVA|4|1|", "EP4-12|1|5|", "NOPE-1|2|5|"},
                          {{"1", "Mounting"}, {"5", "Cable Entry"}},
                          [&](std::string_view part) { return index.Record(prices, part); });
}

ProjectInputs GoldenInputs()
{
    ProjectInputs in;
    in.tline = "KF12";
    in.numRuns = 6;
    in.beginning = "806";
    in.ending = "960";
    in.horizontalLength = "15";
    in.verticalLength = "30.5";
    in.size = "1/2";
    in.cableType = 1;
    in.feet = false;
    return in;
}

TEST(ProjectFile, WritesTheGoldenFileAndReadsItBack)
{
    const std::string golden = ReadFileBytes(kGolden).value_or("(missing)");
    EXPECT_EQ(RenderProjectFile(GoldenList(), GoldenInputs()), golden);

    const Project back = ParseProjectFile(golden);
    EXPECT_EQ(back.inputs, GoldenInputs());
    std::vector<std::string> items;
    for (const ProjectItem& i : back.items)
        items.push_back(i.part + "=" + std::to_string(i.quantity));
    EXPECT_EQ(items, (std::vector<std::string>{"AAD-3=3", "KOVA=4", "EP4-12=1", "NOPE-1=2"}));
}

TEST(ProjectFile, ReadsEveryLineOnItsOwnAndFallsBackToDefaults)
{
    const Project p = ParseProjectFile("[SITE 001 LOM]\r\n"
                                       "7=2|Each|LATE-7||x|1.00|\r\n"
                                       "Site Name=9|Each|NOT-AN-ITEM||x|0|\r\n"
                                       "2=1|Each|A-1||x|0|\r\n"
                                       "2=5|Each|B-2||x|0|\r\n"
                                       "3=4|Each|||x|0|\r\n"
                                       "[Other]\r\nNumRuns=many\r\nCtype=7\r\nUnits=f\r\n");
    std::vector<std::string> items;
    for (const ProjectItem& i : p.items)
        items.push_back(i.part + "=" + std::to_string(i.quantity));
    EXPECT_EQ(items, (std::vector<std::string>{"LATE-7=2", "A-1=1", "B-2=5"}))
        << "numbered lines anywhere, each with its own quantity; site keys and empty parts are not items";
    EXPECT_EQ(p.inputs.numRuns, 3);
    EXPECT_EQ(p.inputs.cableType, 0) << "a cable type outside the three reads as air";
    EXPECT_FALSE(p.inputs.feet) << "only F is feet";
    EXPECT_EQ(p.inputs.horizontalLength, "0");
    EXPECT_EQ(p.inputs.size, "1/2");
    EXPECT_TRUE(ParseProjectFile("").inputs.feet);

    EXPECT_THROW(ParseProjectFile("[SITE 001 LOM]\r\n2=1.5|Each|A-1||x|0|\r\n"), ConversionError);
    EXPECT_THROW(ParseProjectFile("[Other]\r\nHlength=ten\r\n"), ConversionError);
    TempDir dir;
    EXPECT_THROW(ReadProjectFile(dir.File("missing.tvr")), IoError);
}

TEST(ProjectFile, ARewriteKeepsNothingOfTheOldFile)
{
    TempDir dir;
    const std::string path = dir.Write("site.tvr", "[SITE 001 LOM]\r\n99=1|Each|STALE||x|0|\r\n[Extra]\r\na=b\r\n");
    WriteProjectFile(path, GoldenList(), GoldenInputs());
    EXPECT_EQ(dir.Read("site.tvr"), ReadFileBytes(kGolden).value_or("(missing)"));
}

TEST(ProjectFile, AFailedWriteLeavesTheOldFileIntact)
{
    test::RunUnprivileged([] {
        TempDir dir;
        const std::string path = dir.Write("site.tvr", "old contents");
        ::chmod(path.c_str(), 0444);
        ::chmod(dir.Path().c_str(), 0555);
        EXPECT_THROW(WriteProjectFile(path, GoldenList(), GoldenInputs()), IoError);
        EXPECT_EQ(ReadFileBytes(path), std::string("old contents"));
    });
}

} // namespace
} // namespace tav

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

    const Project back = ParseProjectFile(golden, "list.tvr");
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
                                       "4=2147483647|Each|MOST||x|0|\r\n"
                                       "[Other]\r\nTline=\r\nNumRuns=many\r\nCtype=7\r\nUnits=f\r\n"
                                       "Hlength=\r\n",
                                       "p.tvr");
    std::vector<std::string> items;
    for (const ProjectItem& i : p.items)
        items.push_back(i.part + "=" + std::to_string(i.quantity));
    EXPECT_EQ(items, (std::vector<std::string>{"LATE-7=2", "A-1=1", "B-2=5", "MOST=2147483647"}))
        << "numbered lines anywhere, each with its own quantity; site keys and empty parts are not items";
    EXPECT_EQ(p.inputs.numRuns, 3);
    EXPECT_EQ(p.inputs.cableType, 0) << "a cable type outside the three reads as air";
    EXPECT_FALSE(p.inputs.feet) << "only F is feet";
    EXPECT_EQ(p.inputs.horizontalLength, "0") << "an empty length reads as an empty length box does";
    EXPECT_EQ(p.inputs.verticalLength, "0");
    EXPECT_EQ(p.inputs.size, "1/2");
    EXPECT_EQ(p.items[0].row, 7);
    EXPECT_TRUE(ParseProjectFile("[SITE 001 LOM]\r\n[Other]\r\nTline=\r\n", "p.tvr").inputs.feet);

    const std::string other = "[Other]\r\nTline=K\r\n";
    for (const char* bad : {"2=1.5|Each|A-1||x|0|", "2=3000000000|Each|A-1||x|0|"})
        EXPECT_THROW(ParseProjectFile("[SITE 001 LOM]\r\n" + std::string(bad) + "\r\n" + other, "p.tvr"),
                     ConversionError)
            << bad;
    EXPECT_THROW(ParseProjectFile("[SITE 001 LOM]\r\n" + other + "Hlength=ten\r\n", "p.tvr"), ConversionError);
    TempDir dir;
    EXPECT_THROW(ReadProjectFile(dir.File("missing.tvr")), IoError);
}

TEST(ProjectFile, BytesWithoutTheItemSectionAndTheCableKeyAreNoProject)
{
    const std::string golden = ReadFileBytes(kGolden).value_or("(missing)");
    std::string utf16;
    for (char c : golden)
        utf16 += std::string{c, '\0'};
    const std::string cases[] = {
        "",
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
        utf16,
        "[Header]\r\nCompany Name=\r\n",
        "[SITE 001 LOM\r\n2=1|Each|A-1||x|0|\r\n[Other]\r\nTline=K\r\n",
        "[SITE 001 LOM]\r\n2=1|Each|A-1||x|0|\r\n",
        "[SITE 001 LOM]\r\n[Other]\r\nNumRuns=3\r\n",
        "[Other]\r\nTline=K\r\n",
    };
    for (const std::string& bytes : cases) {
        try {
            ParseProjectFile(bytes, "x.tvr");
            ADD_FAILURE() << "read as a project: " << bytes.substr(0, 40);
        } catch (const ConversionError&) {
            ADD_FAILURE() << "refused for a value: " << bytes.substr(0, 40);
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "x.tvr is not a Tavrolin project file");
        }
    }
}

TEST(ProjectFile, AValueThatIsNoNumberNamesTheFileAndKey)
{
    struct Case
    {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"[SITE 001 LOM]\r\n1=2|Each|A-1||x|0|\r\n2=1.5|Each|B-2||x|0|\r\n[Other]\r\nTline=\r\n",
         "'1.5' is not a valid integer value\nin \"@\", key \"2\" of [SITE 001 LOM]"},
        {"[SITE 001 LOM]\r\n[Other]\r\nTline=\r\nHlength=ten\r\n",
         "'ten' is not a valid floating point value\nin \"@\", key \"Hlength\" of [Other]"},
        {"\xEF\xBB\xBF[SITE 001 LOM]\r\n[Other]\r\nTline=\r\nVlength=1,5\r\n",
         "'1,5' is not a valid floating point value\nin \"@\", key \"Vlength\" of [Other]"},
    };
    TempDir dir;
    const std::string path = dir.File("site.tvr");
    for (const auto& c : cases) {
        dir.Write("site.tvr", c.text);
        std::string expected = c.message;
        expected.replace(expected.find('@'), 1, path);
        try {
            ReadProjectFile(path);
            ADD_FAILURE() << c.text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), expected);
        }
    }
}

TEST(ProjectFile, ACableTypeOfNoneIsWrittenAsAir)
{
    ProjectInputs in = GoldenInputs();
    in.cableType = -1;
    const std::string written = RenderProjectFile(GoldenList(), in);
    EXPECT_NE(written.find("\r\nCtype=0\r\n"), std::string::npos) << written;
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

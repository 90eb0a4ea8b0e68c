#include "core/app/Installation.h"

#include "core/app/CommandLine.h"
#include "core/cable/MetricPart.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/common/Placing.h"
#include "core/materials/AccessoryItems.h"
#include "core/materials/ListOfMaterials.h"
#include "core/settings/QuantityOverrides.h"
#include "core/settings/SettingsFile.h"
#include "core/wizard/Quantities.h"
#include "core/wizard/SurgeChoices.h"
#include "support/TempDir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace tav {
namespace {

using test::TempDir;

// Lays out every required file, each under the name the installation uses.
Folders CompleteInstallation(const TempDir& dir)
{
    const Folders f = MakeFolders(dir.Path() + "prog", dir.Path() + "shared");
    const char* dataFiles[] = {"tlines.dat", "ground.dat",   "Surge.dat",    "weather.dat",       "cblEntry.dat",
                               "hoist.dat",  "mount.dat",    "gps.dat",      "accessorylist.dat", "settings.dat",
                               "Images.dat", "obsolete.dat", "advanced.dat", "defaults.dat",      "metric.dat"};
    for (const char* name : dataFiles)
        dir.Write(std::string("prog/dat/") + name, "x\n");
    dir.Write("shared/M_lom.dat", "x\n");
    return f;
}

TEST(Installation, FoldersEndWithSeparator)
{
    const Folders f = MakeFolders("/opt/tavrolin", "/srv/common");
    EXPECT_EQ(f.program, "/opt/tavrolin/");
    EXPECT_EQ(f.data, "/opt/tavrolin/dat/");
    EXPECT_EQ(f.images, "/opt/tavrolin/images/");
    EXPECT_EQ(f.shared, "/srv/common");
}

TEST(Installation, EachRequiredFileIsNeeded)
{
    TempDir dir;
    const Folders f = CompleteInstallation(dir);
    EXPECT_TRUE(CheckRequiredFiles(f));
    for (const auto& file : RequiredFiles()) {
        const auto resolved = ResolveFile(RequiredFilePath(f, file));
        ASSERT_TRUE(resolved) << file.name;
        const std::string moved = *resolved + ".away";
        std::filesystem::rename(*resolved, moved);
        EXPECT_FALSE(CheckRequiredFiles(f)) << file.name;
        std::filesystem::rename(moved, *resolved);
    }
    EXPECT_TRUE(CheckRequiredFiles(f));
}

TEST(Installation, EmptySharedFolderFailsTheCheck)
{
    TempDir dir;
    Folders f = CompleteInstallation(dir);
    f.shared.clear();
    EXPECT_EQ(FirstMissingFile(f), "M_Lom.dat");
}

TEST(Installation, CatalogueListsDropHeadersOnlyWhereDue)
{
    TempDir dir;
    const Folders f = CompleteInstallation(dir);
    dir.Write("prog/dat/tlines.dat", "LX-12|12AIR|800|960|AIR|7/8\"|\r\nLX-13|13AIR|800|960|AIR|7/8\"|\r\n");
    dir.Write("prog/dat/Surge.dat", "Header\nS1|\n\nS1|\n");
    dir.Write("prog/dat/Images.dat", "Plate=plate.gif\n");
    dir.Write("prog/dat/obsolete.dat", "");
    dir.Write("shared/M_lom.dat", "H|H|PART|H|DESC|PRICE|\r\n");
    const CatalogueLists lists = LoadCatalogueLists(f);
    EXPECT_EQ(lists.tlines.ToVector(), std::vector<std::string>{"LX-13|13AIR|800|960|AIR|7/8\"|"})
        << "a header is dropped even when it looks like data";
    EXPECT_EQ(lists.surge.ToVector(), (std::vector<std::string>{"S1|", "", "S1|"}))
        << "duplicates and blank lines are kept";
    EXPECT_EQ(lists.images.ToVector(), std::vector<std::string>{"Plate=plate.gif"});
    EXPECT_TRUE(lists.obsolete.empty());
    EXPECT_EQ(lists.price.size(), 1u);
}

// What many editors put first in a file hides nothing: every reader skips it.
TEST(Installation, ByteOrderMarkIsSkippedByEveryReader)
{
    TempDir dir;
    const Folders f = CompleteInstallation(dir);
    const std::string bom = "\xEF\xBB\xBF";
    dir.Write("prog/dat/Images.dat", bom + "Plate=plate.gif\n");
    dir.Write("shared/M_lom.dat", bom + "P|HDW|AAD-3|PK|Angle Adapter|47.25|\r\n");
    dir.Write("prog/dat/accessorylist.dat", bom + "[Sections]\r\n1=Mounting\r\n");
    dir.Write("prog/dat/settings.dat", bom + "[General]\r\nSelectCable=1\r\n");
    dir.Write("prog/dat/advanced.dat", bom + "LSH-12|5|\r\n");
    const CatalogueLists lists = LoadCatalogueLists(f);
    EXPECT_EQ(lists.images.ToVector(), std::vector<std::string>{"Plate=plate.gif"});
    EXPECT_EQ(lists.priceIndex.Record(lists.price, "AAD-3"), "P|HDW|AAD-3|PK|Angle Adapter|47.25|");
    EXPECT_EQ(ReadListSections(f.data).size(), 1u);
    SettingsFile settings(f.data);
    EXPECT_TRUE(settings.Get(keys::SelectCable));
    EXPECT_EQ(AdvancedQuantity(f.data, "LSH-12"), 5);
    std::vector<QuantityOverride> rows;
    ReadOverrides(f.data, rows);
    EXPECT_EQ(rows, (std::vector<QuantityOverride>{{"LSH-12", 5}}));
}

// A value of the lists read at start that is no number names its file and line.
TEST(Installation, AValueThatIsNoNumberNamesItsLine)
{
    struct Case
    {
        const char* file;
        const char* bytes;
        std::function<void(const CatalogueLists&)> use;
        const char* message;
    };
    const EvaluationInputs band{806, 960, 100, false, false};
    const Case cases[] = {
        {"prog/dat/tlines.dat", "Head|\nFX-12|12FOAM|806|960|FOAM|1/2\"|\nAX-78|78AIR|x|960|AIR|7/8\"|\n",
         [](const CatalogueLists& l) { BuildFrequencyLists(l.tlines); },
         "'x' is not a valid floating point value\nin \"@prog/dat/tlines.dat\", line 3"},
        {"prog/dat/tlines.dat", "Head|\r\nFX-12|12FOAM|806|960|FOAM|1/2\"||0.1|\r\n",
         [&](const CatalogueLists& l) { EvaluateCandidateLines(l.tlines, band, "FOAM", "1/2\"", &l.tlineIndex); },
         "'' is not a valid floating point value\nin \"@prog/dat/tlines.dat\", line 2"},
        {"prog/dat/Surge.dat", "Low|High|\n800|1000|SP-1|\n800|\n",
         [](const CatalogueLists& l) {
             FirstConnectorChoices(l.surge, Band{806, 960});
         },
         "'' is not a valid floating point value\nin \"@prog/dat/Surge.dat\", line 3"},
        {"shared/M_lom.dat", "P|HDW|AAD-3|PK|Angle Adapter|47.25|\r\nP|HDW|KOVA|PK|Adapter|64,50|\r\n",
         [](const CatalogueLists& l) {
             const auto price = [&](std::string_view part) { return l.priceIndex.Record(l.price, part); };
             NamingPlace([&] { return BuildMaterials({"KOVA|1|1|"}, {{"1", "Mounting"}}, price); }, l.price);
         },
         "'64,50' is not a valid floating point value\nin \"@shared/M_lom.dat\", line 2"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const Folders f = CompleteInstallation(dir);
        dir.Write(c.file, c.bytes);
        std::string expected = c.message;
        expected.replace(expected.find('@'), 1, dir.Path());
        try {
            c.use(LoadCatalogueLists(f));
            ADD_FAILURE() << c.file;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), expected);
        }
    }
}

TEST(CommandLine, Shapes)
{
    using K = CommandLine::Kind;
    struct Case
    {
        std::vector<std::string> args;
        K kind;
        bool splash;
    };
    const Case cases[] = {
        {{}, K::None, true},
        {{"OPEN", "site.tvr"}, K::Open, true},
        {{"OPEN"}, K::Open, true},
        {{"open", "site.tvr"}, K::None, true},
        {{"open", "15", "100", "3"}, K::Launch, false}, // lower case is a part number
        {{"LX-12", "15", "100", "3"}, K::Launch, false},
        {{"OPEN", "a", "b", "c"}, K::Open, false},
        {{"LX-12", "15", "100"}, K::None, false},
        {{"LX-12", "15", "100", "3", "x"}, K::None, false},
        {{"LX-12"}, K::None, true},
    };
    for (const auto& c : cases) {
        const CommandLine cl = ParseCommandLine(c.args);
        EXPECT_EQ(cl.kind, c.kind) << c.args.size();
        EXPECT_EQ(ShowsSplash(c.args.size()), c.splash) << c.args.size();
    }
    const CommandLine launch = ParseCommandLine({"LX-12", "15.5", "100", "4"});
    EXPECT_EQ(launch.partNumber, "LX-12");
    EXPECT_EQ(launch.horizontalLength, "15.5");
    EXPECT_EQ(launch.verticalLength, "100");
    EXPECT_EQ(launch.runs, "4");
    EXPECT_EQ(ParseCommandLine({"OPEN", "site.tvr"}).projectFile, "site.tvr");
}

TEST(MetricPart, ReplacesOnlyUnderMetersAndRereadsTheFile)
{
    TempDir dir;
    dir.Write("Metric.DAT", "HK-10|HK-10M|\r\nhk-20|HK-20M|\r\nHK-10|HK-10X|\r\n");
    struct Case
    {
        const char* part;
        bool meters;
        const char* expected;
    };
    const Case cases[] = {
        {"HK-10", true, "HK-10M"},                           // the first line counts
        {"HK-10", false, "HK-10"}, {"HK-20", true, "HK-20"}, // with case
        {"hk-20", true, "HK-20M"}, {"ZZ-1", true, "ZZ-1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MetricPart(dir.Path(), c.part, c.meters), c.expected) << c.part;
    dir.Write("Metric.DAT", "HK-10|HK-10N|\r\n");
    EXPECT_EQ(MetricPart(dir.Path(), "HK-10", true), "HK-10N");
}

} // namespace
} // namespace tav

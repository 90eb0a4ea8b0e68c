#include "core/app/CommandLine.h"
#include "core/app/Installation.h"
#include "core/cable/MetricPart.h"
#include "core/common/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tav {
namespace {

using test::TempDir;

// Lays out every required file, each under the name the installation uses.
Folders CompleteInstallation(const TempDir& dir)
{
    const Folders f = MakeFolders(dir.Path() + "prog", dir.Path() + "shared");
    const char* dataFiles[] = {"tlines.dat",  "ground.dat",   "Surge.dat",    "weather.dat",
                               "cblEntry.dat", "hoist.dat",   "mount.dat",    "gps.dat",
                               "accessorylist.dat", "settings.dat", "Images.dat", "obsolete.dat",
                               "advanced.dat", "defaults.dat", "metric.dat"};
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
    EXPECT_EQ(lists.tlines.ToVector(), std::vector<std::string>{"LX-13|13AIR|800|960|AIR|7/8\"|"}) << "a header is dropped even when it looks like data";
    EXPECT_EQ(lists.surge.ToVector(), (std::vector<std::string>{"S1|", "", "S1|"})) << "duplicates and blank lines are kept";
    EXPECT_EQ(lists.images.ToVector(), std::vector<std::string>{"Plate=plate.gif"});
    EXPECT_TRUE(lists.obsolete.empty());
    EXPECT_EQ(lists.price.size(), 1u);
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
        {"HK-10", true, "HK-10M"}, // the first line counts
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

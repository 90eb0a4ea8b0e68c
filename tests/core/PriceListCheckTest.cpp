#include "core/materials/PriceListCheck.h"

#include "core/common/Errors.h"
#include "core/materials/PriceInstall.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tav {
namespace {

using test::TempDir;

TEST(PriceListCheck, WhatAPricePackageMayHold)
{
    const std::string heading = "Type|Group|Part Number|Unit|Description|Price|\n";
    const std::string record = "P|HDW|AAD-3|PK|Angle Adapter|47.25|\n";
    struct Case
    {
        std::string bytes;
        std::vector<std::pair<PriceProblemKind, int>> problems;
    };
    const Case cases[] = {
        {heading + record, {}},
        {record, {}},
        {heading + record + "\n" + "P|HDW|ACK-1|PK|Clip||\r\n", {}},
        {"P|HDW|AAD-3|PK|Angle Adapter|1e3|", {}},
        {heading, {{PriceProblemKind::NoRecord, 0}}},
        {"", {{PriceProblemKind::NoRecord, 0}}},
        {"<html><body>Not found</body></html>\n", {{PriceProblemKind::NoRecord, 0}}},
        {heading + record + "P|HDW||PK|No part|1.00|\n", {{PriceProblemKind::NoPartNumber, 3}}},
        {heading + record + "P|HDW|X-1|PK|Priced in words|ten|\n", {{PriceProblemKind::PriceNotNumber, 3}}},
        {heading + record + "P|HDW|X-2", {{PriceProblemKind::NoPartNumber, 3}}},
        {heading + std::string("P|HDW|X-3|PK|Null\0|1.00|\n", 25),
         {{PriceProblemKind::NulByte, 2}, {PriceProblemKind::NoRecord, 0}}},
        {std::string("Type\0|G|Part|\n", 14) + record, {{PriceProblemKind::NulByte, 1}}},
    };
    for (const auto& c : cases) {
        const auto problems = CheckPriceListBytes(c.bytes);
        std::vector<std::pair<PriceProblemKind, int>> got;
        for (const auto& p : problems)
            got.emplace_back(p.kind, p.line);
        EXPECT_EQ(got, c.problems) << c.bytes;
    }
    EXPECT_EQ(CheckPriceListBytes(heading + record + "|||\n|||\n|||\n", 2).size(), 2u) << "capped";
}

class PriceInstallTest : public ::testing::Test
{
protected:
    TempDir dir;
    const std::string oldList = "Part|x|Part Number|\r\nP|HDW|AAD-3|PK|Old|1.00|\r\n";
    const std::string newList = "P|HDW|AAD-3|PK|New|1.10|\n";
    std::string Shared() const { return dir.Path() + "shared"; }
};

TEST(PriceListCheck, CountsOnlyRecordsThatPriceAPart)
{
    const struct
    {
        const char* text;
        size_t priced;
    } cases[] = {
        {"", 0},
        {"Type|Group|Part Number|Unit|Description|Price|\n", 0},
        {"P|HDW|AAD-3|PK|Angle Adapter||\nP|HDW|AAD-4|PK|Angle Adapter|ask|\n", 0},
        {"P|HDW||PK|No part|1.00|\nP|HDW|AAD-3|PK|Angle Adapter|47.25|\nP|HDW|AAD-4|PK|x|1e3|\n", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountPricedRecords(LineList::FromText(c.text)), c.priced) << c.text;
        EXPECT_EQ(HoldsAnyPrice(LineList::FromText(c.text)), c.priced > 0) << c.text;
    }
}

TEST_F(PriceInstallTest, TheOldListIsKeptBesideTheNewOne)
{
    dir.Write("shared/m_LOM.dat", oldList);
    const std::string installed = InstallPriceList(Shared(), newList);
    EXPECT_EQ(installed, Shared() + "/m_LOM.dat") << "the name found without regard to case";
    EXPECT_EQ(dir.Read("shared/m_LOM.dat"), newList);
    EXPECT_EQ(dir.Read("shared/M_lom.bak"), oldList);
    EXPECT_FALSE(std::filesystem::exists(Shared() + "/M_lom.dat")) << "no second list in other case";

    // Without a list yet, the new one is simply written.
    std::filesystem::remove(Shared() + "/m_LOM.dat");
    std::filesystem::remove(Shared() + "/M_lom.bak");
    InstallPriceList(Shared(), newList);
    EXPECT_EQ(dir.Read("shared/M_lom.dat"), newList);
    EXPECT_FALSE(std::filesystem::exists(Shared() + "/M_lom.bak"));
}

TEST(PriceListCheck, ANewListIsDoubtfulWhenItShrinksByHalfOrPricesNothing)
{
    const std::string heading = "Type|Group|Part Number|Unit|Description|Price|\n";
    const std::string four = heading + "P|A|A-1|EA|a|1.00|\nP|A|A-2|EA|b||\nP|A|A-3|EA|c|2|\nP|A|A-4|EA|d|3|\n";
    const struct
    {
        std::string installed;
        std::string candidate;
        size_t installedRecords, newRecords;
        bool shrunk, unpriced;
    } cases[] = {
        {four, heading + "P|A|A-1|EA|a|1.10|\nP|A|A-2|EA|b|1|\n", 4, 2, false, false},
        {four, heading + "P|A|A-1|EA|a|1.10|\n", 4, 1, true, false},
        {four, "P|A|A-1|EA|a||\nP|A|A-2|EA|b||\nP|A|A-3|EA|c||\n", 4, 3, false, true},
        {"", "P|A|A-1|EA|a|1.10|\n", 0, 1, false, false},
        {"", heading + "P|A|A-1|EA|a||\n", 0, 1, false, true},
    };
    for (const auto& c : cases) {
        const PriceListComparison got = ComparePriceLists(c.installed, c.candidate);
        EXPECT_EQ(got.installedRecords, c.installedRecords) << c.candidate;
        EXPECT_EQ(got.newRecords, c.newRecords) << c.candidate;
        EXPECT_EQ(got.shrunk, c.shrunk) << c.candidate;
        EXPECT_EQ(got.unpriced, c.unpriced) << c.candidate;
    }
}

TEST_F(PriceInstallTest, TheBackupKeepsTheLastWholeList)
{
    const std::string whole = "P|HDW|AAD-3|PK|Good|1.00|\nP|HDW|AAD-4|PK|Good|2.00|\nP|HDW|AAD-5|PK|Good|3.00|\n";
    const struct
    {
        const char* what;
        const char* backup; // nullptr: none
        std::string current;
        bool backupStays;
    } cases[] = {
        {"a cut list beside a whole backup", whole.c_str(), "P|HDW|AAD-3|PK|Good|1.00|\n", true},
        {"a list without prices", whole.c_str(), "P|HDW|AAD-3|PK|x||\nP|HDW|AAD-4|PK|x||\n", true},
        {"a broken list", whole.c_str(), "<html>\n", true},
        {"a whole list", whole.c_str(), "P|HDW|AAD-3|PK|Next|1.00|\nP|HDW|AAD-4|PK|Next|2.00|\n", false},
        {"a backup that is no list", "<html>\n", "P|HDW|AAD-3|PK|x||\n", false},
        {"no backup yet", nullptr, "<html>\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(Shared() + "/M_lom.bak");
        if (c.backup)
            dir.Write("shared/M_lom.bak", c.backup);
        dir.Write("shared/M_lom.dat", c.current);
        InstallPriceList(Shared(), newList);
        EXPECT_EQ(dir.Read("shared/M_lom.dat"), newList);
        EXPECT_EQ(dir.Read("shared/M_lom.bak"), c.backupStays ? std::string(c.backup) : c.current);
    }
}

// An install that was killed leaves its temporary files; the next one takes them away.
TEST_F(PriceInstallTest, LeftoversOfAnInterruptedInstallGoAtTheNext)
{
    dir.Write("shared/M_lom.dat", oldList);
    const char* left[] = {".M_lom.dat.tavrolin-Ab12cd", ".M_lom.bak.tavrolin-Ab12cd", "M_lom.dat.Ab12cd"};
    const timespec twoMinutesAgo[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
    for (const char* name : left) {
        dir.Write(std::string("shared/") + name, std::string(1000, 'x'));
        ::utimensat(AT_FDCWD, (Shared() + "/" + name).c_str(), twoMinutesAgo, 0);
    }
    InstallPriceList(Shared(), newList);
    EXPECT_FALSE(std::filesystem::exists(Shared() + "/" + left[0]));
    EXPECT_FALSE(std::filesystem::exists(Shared() + "/" + left[1]));
    EXPECT_TRUE(std::filesystem::exists(Shared() + "/" + left[2])) << "a name the program never uses";

    // A backup that stays (beside a broken list) loses its leftovers too.
    dir.Write("shared/M_lom.dat", "<html>\n");
    dir.Write(std::string("shared/") + left[1], "x");
    ::utimensat(AT_FDCWD, (Shared() + "/" + left[1]).c_str(), twoMinutesAgo, 0);
    InstallPriceList(Shared(), newList);
    EXPECT_EQ(dir.Read("shared/M_lom.bak"), oldList) << "the whole backup stayed";
    EXPECT_FALSE(std::filesystem::exists(Shared() + "/" + left[1]));
}

TEST_F(PriceInstallTest, AFailureLeavesTheListAsItWas)
{
    dir.Write("shared/M_lom.dat", oldList);
    EXPECT_THROW(InstallPriceList(Shared(), "no price list"), Error);
    EXPECT_EQ(dir.Read("shared/M_lom.dat"), oldList);
    EXPECT_FALSE(std::filesystem::exists(Shared() + "/M_lom.bak"));

    // The backup cannot be written: the list is not touched.
    std::filesystem::create_directories(Shared() + "/M_lom.bak");
    try {
        InstallPriceList(Shared(), newList);
        ADD_FAILURE() << "installed without a backup";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("M_lom.bak"), std::string::npos) << e.what();
    }
    EXPECT_EQ(dir.Read("shared/M_lom.dat"), oldList);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(Shared()))
        ++files;
    EXPECT_EQ(files, 2u) << "no temporary file left";
}

} // namespace
} // namespace tav

#include "core/materials/PriceListCheck.h"

#include "core/common/Errors.h"
#include "core/materials/PriceInstall.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

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
    for (const auto& c : cases)
        EXPECT_EQ(CountPricedRecords(LineList::FromText(c.text)), c.priced) << c.text;
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

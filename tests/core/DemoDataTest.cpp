// The demo installation is sound (InstallationCheckTest); these tests keep the cases that
// its README walks a user through, which a sound installation need not have.
#include "core/app/Installation.h"
#include "core/catalog/CatalogueFile.h"
#include "core/catalog/MountCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/materials/PriceList.h"
#include "core/settings/IniStore.h"
#include "core/settings/SettingsFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace tav {
namespace {

const std::string kDemo = TAVROLIN_DEMO_DIR;
const std::string kData = kDemo + "/dat/";

TEST(DemoData, FilesAreAsciiWithLineFeeds)
{
    for (const char* folder : {"/dat", "/shared"}) {
        for (const auto& entry : std::filesystem::directory_iterator(kDemo + folder)) {
            const std::string bytes = ReadFileBytes(entry.path().string()).value_or("");
            SCOPED_TRACE(entry.path().filename().string());
            EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char ch) { return ch > 0 && ch != '\r'; }));
            EXPECT_TRUE(bytes.empty() || bytes.back() == '\n');
        }
    }
}

TEST(DemoData, KeepsTheWalkThroughCases)
{
    const LineList tlines = LoadCatalogueList(kData + "tlines.dat", true);
    std::set<std::string> types;
    std::set<std::string> diametersWithAdapter;
    TBigIniFile mount(kData + "mount.dat");
    for (std::string_view line : tlines) {
        types.insert(ToUpper(GetFieldView(line, 5)));
        const std::string row = ReadMountRow(mount, GetField(line, 2), kEmptyRowColumnsForParts);
        if (GetField(row, 5) == "KOVA")
            diametersWithAdapter.insert(GetField(line, 6));
        if (GetField(line, 2) != "KE107") {
            EXPECT_TRUE(IsMultiPartEntry(GetFieldView(row, kStackedKitColumn))) << "split by six on " << line;
        }
    }
    EXPECT_EQ(types, (std::set<std::string>{"AIR", "EW", "FOAM"}));
    EXPECT_TRUE(diametersWithAdapter.count("1/2") && diametersWithAdapter.count("1-1/4")) << "both adapter rules";

    const LineList surge = LoadCatalogueList(kData + "Surge.dat", true);
    EXPECT_TRUE(std::any_of(surge.begin(), surge.end(), [](std::string_view l) { return GetFieldView(l, 7).empty(); }))
        << "a protector without a second connector";

    TBigIniFile ground(kData + "ground.dat");
    std::vector<std::string> records;
    ground.ReadSectionValues("KF12", records);
    std::set<std::string> standardLengths;
    for (const std::string& r : records)
        if (GetField(LineValue(r), 1) == "1")
            standardLengths.insert(GetField(LineValue(r), 2));
    EXPECT_EQ(standardLengths.size(), 2u) << "a kit offered in two wire lengths";

    TBigIniFile entry(kData + "cblEntry.dat");
    std::vector<std::string> entryTypes;
    entry.ReadSection(kTypesSection, entryTypes);
    EXPECT_TRUE(std::any_of(entryTypes.begin(), entryTypes.end(), [](auto& t) { return StrToInt(t) <= 9; }));
    EXPECT_TRUE(std::any_of(entryTypes.begin(), entryTypes.end(), [](auto& t) { return StrToInt(t) >= 10; }));
}

TEST(DemoData, KeepsTheMountingCases)
{
    TBigIniFile mount(kData + "mount.dat");
    std::vector<std::string> hardware;
    mount.ReadSectionValues(kHardwareTypesSection, hardware);
    std::map<std::string, std::set<std::string>> columnsOfCaption;
    int lastColumn = 0;
    for (const std::string& line : hardware) {
        const std::string value(LineValue(line));
        columnsOfCaption[GetField(value, 1)].insert(GetField(value, kHardwareColumnField));
        lastColumn = std::max(lastColumn, StrToInt(GetFieldView(value, kHardwareColumnField)));
    }
    EXPECT_TRUE(std::any_of(columnsOfCaption.begin(), columnsOfCaption.end(), [](auto& c) {
        return c.second.size() > 1;
    })) << "a hardware caption in two columns";

    const LineList tlines = LoadCatalogueList(kData + "tlines.dat", true);
    const LineList obsolete = LoadCatalogueList(kData + "obsolete.dat", false);
    bool shortRow = false;
    bool replacementOutsideItsRow = false;
    bool rowInOtherCase = false;
    for (std::string_view line : tlines) {
        const std::string key = GetField(line, 2);
        const std::string row = ReadMountRow(mount, key, 0);
        if (row.empty()) {
            for (const std::string& name : mount.SectionNames())
                rowInOtherCase = rowInOtherCase || (name != key && EqualsNoCase(name, key));
            continue;
        }
        shortRow = shortRow || std::count(row.begin(), row.end(), '|') < lastColumn;
        for (std::string_view o : obsolete) {
            const std::string part = "|" + GetField(o, 1) + "|";
            const std::string replacement = "|" + GetField(o, 2) + "|";
            replacementOutsideItsRow = replacementOutsideItsRow || (("|" + row).find(part) != std::string::npos &&
                                                                    ("|" + row).find(replacement) == std::string::npos);
        }
    }
    EXPECT_TRUE(shortRow) << "a hardware column past the end of a row";
    EXPECT_TRUE(replacementOutsideItsRow) << "an obsolete part whose replacement its row does not hold";
    EXPECT_TRUE(rowInOtherCase) << "a row under a section spelled in another letter case";
}

TEST(DemoData, ObsoletePartsInEveryKindOfFile)
{
    const LineList obsolete = LoadCatalogueList(kData + "obsolete.dat", false);
    const LineList prices = LoadCatalogueList(kDemo + "/shared/M_lom.dat", false);
    const PriceIndex index(prices);
    for (std::string_view line : obsolete) {
        // The notification shows the description the list of materials will show.
        const auto i = index.Find(prices, GetFieldView(line, 2));
        ASSERT_TRUE(i) << line;
        EXPECT_EQ(GetFieldView(line, 3), GetFieldView(prices[*i], kPriceDescriptionField)) << line;
    }
    for (const char* file : {"mount.dat", "hoist.dat", "cblEntry.dat", "ground.dat", "weather.dat", "gps.dat",
                             "Surge.dat", "accessorylist.dat"}) {
        const std::string text = ReadFileBytes(kData + file).value_or("");
        const bool named = std::any_of(obsolete.begin(), obsolete.end(), [&](std::string_view line) {
            const std::string part = GetField(line, 1);
            return text.find("|" + part + "|") != std::string::npos || text.find("=" + part + "|") != std::string::npos;
        });
        EXPECT_TRUE(named) << "no obsolete part in " << file;
    }
}

TEST(DemoData, FactorySettingsAndPriceListOfRealSize)
{
    EXPECT_EQ(ReadFileBytes(kData + "advanced.dat"), "");
    SettingsFile settings(kData);
    EXPECT_EQ(settings.Get(keys::GroundingSpacing), 200);
    EXPECT_EQ(settings.Get(keys::HoistSpacing), 150);
    EXPECT_EQ(settings.Get(keys::UnitPackAll), 10);

    const LineList prices = LoadCatalogueList(kDemo + "/shared/M_lom.dat", false);
    EXPECT_EQ(prices.size(), 6005u) << "a header line and 6,004 part lines";
    for (std::string_view line : prices)
        ASSERT_EQ(std::count(line.begin(), line.end(), '|'), kPriceRecordFields) << line;
}

} // namespace
} // namespace tav

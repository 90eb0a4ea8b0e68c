#include "core/catalog/CatalogueFile.h"
#include "core/catalog/MountCatalogue.h"
#include "core/check/IniLines.h"
#include "core/common/Errors.h"
#include "core/common/LineList.h"
#include "core/materials/AccessoryItems.h"
#include "core/materials/PriceList.h"
#include "core/settings/IniStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::TempDir;

TEST(MountCatalogue, MultiPartEntries)
{
    struct Case
    {
        const char* entry;
        std::array<std::string, 3> parts;
    };
    const Case cases[] = {
        {"VBC-1,VBC-2,VBC-3,", {"VBC-1", "VBC-2", "VBC-3"}},
        {"VBC-1,VBC-2,VBC-3", {"VBC-1", "VBC-2", ""}}, // the third is not closed by a comma
        {"VBC-1,,VBC-3,", {"VBC-1", "", "VBC-3"}},
        {"VBC-1,", {"VBC-1", "", ""}},
        {"A,B,C,D,", {"A", "B", "C"}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(IsMultiPartEntry(c.entry));
        EXPECT_EQ(MultiPartEntryParts(c.entry), c.parts) << c.entry;
    }
    EXPECT_FALSE(IsMultiPartEntry("PHK-12"));

    const std::string row = "PHK-12|VBC-1,VBC-2,VBC-3,||KOVA|";
    EXPECT_EQ(ColumnParts(row, 1), std::vector<std::string>{"PHK-12"});
    EXPECT_EQ(ColumnParts(row, 2), (std::vector<std::string>{"VBC-1", "VBC-2", "VBC-3"}));
    EXPECT_TRUE(ColumnParts(row, 3).empty());
    EXPECT_EQ(ColumnParts(row, 4), std::vector<std::string>{"KOVA"});
    EXPECT_TRUE(ColumnParts(row, 9).empty()) << "a column beyond the row reads as empty";
}

TEST(MountCatalogue, RowIsFoundByItsExactName)
{
    TempDir dir;
    TBigIniFile mount(dir.Write("mount.dat", "[KF12]\nX=PHK-12|LSH-12|\n[kf78]\nx=PHK-78|\n"));
    EXPECT_EQ(ReadMountRow(mount, "KF12", kEmptyRowColumnsForParts), "PHK-12|LSH-12|");
    EXPECT_EQ(ReadMountRow(mount, "kf78", kEmptyRowColumnsForLists), "PHK-78|") << "the key compares without case";
    EXPECT_EQ(ReadMountRow(mount, "KF78", kEmptyRowColumnsForLists), std::string(25, '|'));
    EXPECT_EQ(ReadMountRow(mount, "KE107", kEmptyRowColumnsForParts), std::string(28, '|'));
}

TEST(CatalogueFile, TypedPartFields)
{
    struct Case
    {
        TypedPartFields layout;
        int type, field, lastType;
    };
    const Case cases[] = {
        {EntryPlateFields(), 1, 2, 9},       {EntryPlateFields(), 9, 10, 9},   {EntryBootFields(10), 10, 11, 19},
        {EntryBootFields(10), 13, 14, 19},   {GroundingKitFields(3), 1, 4, 3}, {GroundingKitFields(3), 3, 6, 3},
        {WeatherproofingFields(3), 2, 4, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.layout.FieldOf(c.type), c.field);
        EXPECT_EQ(c.layout.TypeOf(c.field), c.type);
        EXPECT_EQ(c.layout.LastType(), c.lastType);
    }
    EXPECT_EQ(LineValue("1=1|HGS-12|"), "1|HGS-12|");
    EXPECT_EQ(LineValue("Angle=Angle Member=x"), "Angle Member=x") << "the value starts after the first \"=\"";
    EXPECT_EQ(LineValue("; comment"), "");
}

TEST(AccessoryItems, AssembledInOrderAndRenamed)
{
    TempDir dir;
    TBigIniFile list(dir.Write("accessorylist.dat", "[KF12]\n1=C12-DM|Connector|6|\n2=PTK-12|Tool kit|9|\n"
                                                    "[All]\n1=CTB-100|Cable ties|1|\n"
                                                    "[Foam]\n1=CUT-158|Cutter|9|\n"
                                                    "[Air]\n1=DHY-2|Dehydrator|9|\n"));
    const LineList surge{"0|3000|SGN-300|srg.gif|Gas Tube Protector|N Male|N Male|",
                         "1700|2500|SQD-1725|srg.gif|Quarter-Wave Protector|7-16 DIN Male|7-16 DIN Male|"};
    const Band band{806, 960};
    const auto items = AssembleAccessoryItems(list, "kf12", "FOAM", surge, &band);
    std::vector<std::string> lines;
    for (const AccessoryItem& item : items)
        lines.push_back(item.line);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "1=C12-DM|Connector|6|",
                         "2=PTK-12|Tool kit|9|",
                         "3=CTB-100|Cable ties|1|",
                         "4=CUT-158|Cutter|9|",
                         "5=SGN-300|Gas Tube Protector|8|",
                     }));
    EXPECT_EQ(items[3].fromSection, "Foam");
    EXPECT_EQ(items[3].fromIndex, 0u);
    EXPECT_EQ(items[4].fromSection, "");

    EXPECT_EQ(AssembleAccessoryItems(list, "KE107", "EW", surge, nullptr).size(), 1u) << "only [All]";
    EXPECT_EQ(AccessoryTypeSection("AIR"), "Air");
    EXPECT_EQ(AccessoryTypeSection("EW"), "Waveguide");
    EXPECT_EQ(AccessoryTypeSection(""), "");
}

TEST(PriceList, FirstLineOfAPartCounts)
{
    const LineList prices{"Type|Group|Part Number|Unit|Description|Price|", "P|HDW|AAD-3|PK|Angle Adapter|47.25|",
                          "P|HDW|aad-3|PK|Other case|1.00|", "P|HDW|AAD-3|PK|Repeat|2.00|", "P|ENT|EP4-12|EA|Plate||"};
    const PriceIndex index(prices);
    EXPECT_EQ(index.Find(prices, "AAD-3"), 1u);
    EXPECT_EQ(index.Find(prices, "aad-3"), 2u) << "part numbers compare with case";
    EXPECT_EQ(index.Find(prices, "EP4-12"), 4u);
    EXPECT_FALSE(index.Find(prices, "KOVA"));
    EXPECT_EQ(FindPriceRecord(prices, "AAD-3"), "P|HDW|AAD-3|PK|Angle Adapter|47.25|");
    EXPECT_EQ(FindPriceRecord(prices, "KOVA"), std::string(33, '|'));

    // A copy outlives the list it was built from, and answers as the scan does.
    PriceIndex copy;
    {
        const LineList temporary = prices;
        copy = PriceIndex(temporary);
    }
    for (const char* part : {"AAD-3", "aad-3", "EP4-12", "KOVA", "", "Part Number"})
        EXPECT_EQ(copy.Record(prices, part), FindPriceRecord(prices, part)) << part;
}

// The index made while a long list is split finds the first line of every part, as a scan
// does: repeats, parts in other case and lines without a part among them. The first line
// is so long that the list looks like one of few lines until the index has to grow.
TEST(PriceList, TheIndexOfALongListAnswersAsAScan)
{
    std::string text = "\xEF\xBB\xBFType|Group|Part Number|Unit|" + std::string(70000, 'D') + "|Price|\r\n";
    for (int i = 0; i < 3000; ++i) {
        const std::string part = (i % 7 == 0 ? "pn-" : "PN-") + std::to_string(i % 1100);
        text += "P|G|" + (i % 500 == 3 ? std::string() : part) + "|EA|Line " + std::to_string(i) + "|1.00|\r\n";
    }
    const LoadedPriceList loaded = ParsePriceList(text);
    ASSERT_EQ(loaded.lines.size(), 3001u);
    for (int i = 0; i < 1200; ++i)
        for (const char* prefix : {"PN-", "pn-"}) {
            const std::string part = prefix + std::to_string(i);
            EXPECT_EQ(loaded.index.Record(loaded.lines, part), FindPriceRecord(loaded.lines, part)) << part;
        }
    EXPECT_EQ(loaded.index.Find(loaded.lines, ""), 4u) << "the first line without a part";
    EXPECT_EQ(loaded.index.Find(loaded.lines, "Part Number"), 0u);

    // Repeats of one part keep the table as small as the first line made it, while the line
    // numbers grow far past it.
    std::string repeats = "Type|Group|Part Number|" + std::string(70000, 'D') + "|\r\n";
    for (int i = 0; i < 5000; ++i)
        repeats += "P|G|SAME|EA|Repeat " + std::to_string(i) + "|1.00|\r\n";
    repeats += "P|G|LAST|EA|Last|2.00|\r\n";
    const LoadedPriceList same = ParsePriceList(repeats);
    EXPECT_EQ(same.index.Find(same.lines, "SAME"), 1u);
    EXPECT_EQ(same.index.Find(same.lines, "LAST"), 5001u);
}

// The list read ahead is the list of the path start-up asks for; another path is read anew,
// and a read that failed says so where the list is taken.
TEST(PriceList, AListReadAheadIsTheListOfThePathAskedFor)
{
    TempDir dir;
    const std::string first = dir.Write("a/M_lom.dat", "P|G|AAD-3|PK|A|1.00|\r\n");
    const std::string second = dir.Write("b/M_lom.dat", "P|G|KOVA|PK|B|2.00|\r\n");
    PriceListPreload same(first);
    const LoadedPriceList a = same.Take(first);
    EXPECT_EQ(a.index.Find(a.lines, "AAD-3"), 0u);
    PriceListPreload moved(first);
    const LoadedPriceList b = moved.Take(second);
    EXPECT_EQ(b.index.Find(b.lines, "KOVA"), 0u);
    EXPECT_FALSE(b.index.Find(b.lines, "AAD-3"));
    PriceListPreload folder(dir.File("a"));
    EXPECT_THROW(folder.Take(dir.File("a")), IoError);
}

TEST(IniLines, LineNumbersFollowTheStoresLoading)
{
    // A comment before the first section, blank and Ctrl-Z lines, a repeated section whose
    // lines are dropped up to the next new header ("[Two] " ends in a blank: no header).
    const std::string text = "; top comment\r\n"
                             "[One]\r\n"
                             "a=1\r\n"
                             "\r\n"
                             "\x1a\r\n"
                             "b=2\r\n"
                             "[Two]\r\n"
                             "c=3\r\n"
                             "; kept\r\n"
                             "[one]\r\n"
                             "dropped=4\r\n"
                             "[Two] \r\n"
                             "also dropped\r\n";
    const IniLines lines(LineList::FromText(text));
    EXPECT_EQ(lines.HeaderLineOf("one"), 2);
    EXPECT_EQ(lines.Find("ONE")->lines, (std::vector<int>{3, 6}));
    EXPECT_EQ(lines.Find("Two")->lines, (std::vector<int>{8, 9}));
    EXPECT_EQ(lines.LineOf("Two", 1), 9);
    EXPECT_EQ(lines.LineOf("Two", 2), 0);
    EXPECT_EQ(lines.LineOf("Three", 0), 0);
    ASSERT_EQ(lines.Repeats().size(), 1u);
    EXPECT_EQ(lines.Repeats()[0].line, 10);
    EXPECT_EQ(lines.Repeats()[0].firstLine, 2);

    // The store keeps exactly the lines counted.
    TempDir dir;
    TBigIniFile ini(dir.Write("t.ini", text));
    for (const char* section : {"One", "Two"}) {
        std::vector<std::string> kept;
        ini.ReadSectionValues(section, kept);
        EXPECT_EQ(kept.size(), lines.Find(section)->lines.size()) << section;
    }
}

} // namespace
} // namespace tav

#include "core/common/Errors.h"
#include "core/materials/AccessoryList.h"
#include "core/materials/ListOfMaterials.h"
#include "core/materials/PriceList.h"
#include "core/settings/IniStore.h"
#include "core/wizard/Selection.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using Records = std::vector<std::string>;

const std::vector<ListSection> kSections{{"1", "Mounting"}, {"5", "Cable Entry"}, {"8", "Surge Protection"}};

const LineList kPrices{"Type|Group|Part Number|Unit|Description|Price|",
                       "P|HDW|AAD-3|PK|Angle Adapter|12.5|",
                       "P|HDW|AAD-3|PK|A later record|99.00|",
                       "P|ENT|EP4-12|EA|Entry Plate||",
                       "P|HDW|KOVA|PK|Stacking Angle Adapter|64.50|",
                       "P|SRG|SQD-825|EA||164|",
                       "P|HDW|BAD-1|EA|Broken price|12,50|"};

ListOfMaterials Build(const Records& records, const std::vector<ListSection>& sections = kSections)
{
    static const PriceIndex index(kPrices);
    return BuildMaterials(records, sections, [](std::string_view part) { return index.Record(kPrices, part); });
}

// Part, price, quantity, extended of each row; a heading as "# caption".
std::vector<std::string> Cells(const ListOfMaterials& list)
{
    std::vector<std::string> out;
    for (const MaterialsRow& r : list.rows)
        out.push_back(r.IsHeading()
                          ? "# " + r.partNumber
                          : r.partNumber + " " + r.description + " " + r.price + " " + r.quantity + " " + r.extended);
    return out;
}

TEST(ListOfMaterials, BuildGroupsPricesAndTotals)
{
    struct Case
    {
        const char* what;
        Records records;
        std::vector<std::string> rows;
        const char* total;
        bool note;
    };
    const Case cases[] = {
        {"nothing chosen", Records(kSelectionSlots, kEmptySelectionRecord), {}, "$0.00", false},
        {"priced, first record wins, in table order",
         {"SQD-825|2|8|", "AAD-3|3|1|"},
         {"# Mounting", "AAD-3 Angle Adapter $12.50 3 $37.50", "# Surge Protection", "SQD-825 N/A $164.00 2 $328.00"},
         "$365.50",
         false},
        {"no price record, and a record without a price",
         {"NOPE|2|5|", "EP4-12|007|5|"},
         {"# Cable Entry", "NOPE N/A N/A 2 Contact Brimcor For Price",
          "EP4-12 Entry Plate N/A 7 Contact Brimcor For Price"},
         "$0.00",
         false},
        {"the adapter note for KOVA exactly",
         {"KOVA|1|1|", "kova|1|1|", "KOVA-2|1|1|"},
         {"# Mounting", "KOVA Stacking Angle Adapter $64.50 1 $64.50", "kova N/A N/A 1 Contact Brimcor For Price",
          "KOVA-2 N/A N/A 1 Contact Brimcor For Price"},
         "$64.50",
         true},
        {"sections outside the table, empty parts and nothing ordered are left out",
         {"AAD-3|1|3|", "|5|1|", "EP4-12|0|5|", "KOVA|-2|5|"},
         {},
         "$0.00",
         false},
    };
    for (const auto& c : cases) {
        const ListOfMaterials list = Build(c.records);
        EXPECT_EQ(Cells(list), c.rows) << c.what;
        EXPECT_EQ(list.total, c.total) << c.what;
        EXPECT_EQ(list.adapterNote, c.note) << c.what;
    }
    EXPECT_THROW(Build({"AAD-3|1|1|", "AAD-3|1.5|1|"}), ConversionError);
    EXPECT_THROW(Build({"BAD-1|1|1|"}), ConversionError);
    EXPECT_NO_THROW(Build({"AAD-3|x|3|"})) << "a record that is never listed is never converted";
}

TEST(ListOfMaterials, SectionListedTwiceCountsOnce)
{
    TBigIniFile list(TBigIniFile::InMemory{}, "[Sections]\r\n1=Mounting\r\n8=Surge\r\n1=Again\r\nnot a line\r\n");
    const std::vector<ListSection> sections = ReadListSections(list);
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].caption, "Mounting");
    const ListOfMaterials built = Build({"AAD-3|2|1|"}, sections);
    EXPECT_EQ(Cells(built), (std::vector<std::string>{"# Mounting", "AAD-3 Angle Adapter $12.50 2 $25.00"}));
    EXPECT_EQ(built.total, "$25.00");
}

TEST(ListOfMaterials, MergeAndCollect)
{
    struct Case
    {
        const char* what;
        Records in;
        Records out;
    };
    const Case cases[] = {
        {"a wizard pick and a list pick of one part",
         {"AAD-3|4|1|", "KOVA|1|1|", "AAD-3|2|8|"},
         {"AAD-3|6|1|", "KOVA|1|1|"}},
        {"parts compare with case", {"kova|1|1|", "KOVA|2|1|"}, {"kova|1|1|", "KOVA|2|1|"}},
        {"empty slots are skipped", {"|||", "|3|1|", "EP4-12|1|5|"}, {"EP4-12|1|5|"}},
        {"a sum below 1 is not ordered", {"HGS-12|-2|2|", "HGS-12|1|2|", "EP4-12|0|5|"}, {}},
        {"a negative override lowers the sum", {"HGS-12|-2|2|", "HGS-12|5|2|"}, {"HGS-12|3|2|"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MergeByPart(c.in), c.out) << c.what;
    EXPECT_THROW(MergeByPart({"AAD-3|1.5|1|"}), ConversionError);

    std::vector<AccessoryListRow> rows{{true, "Mounting", {}, "1", 0, false},
                                       {false, "AAD-3", "Angle", "1", 2, false},
                                       {false, "KOVA", "Adapter", "1", 0, true}};
    Records selection(kSelectionSlots, kEmptySelectionRecord);
    selection[12] = "HGS-12|3|2|";
    selection.push_back("OLD|9|1|");
    Records expected = selection;
    expected.back() = "AAD-3|2|1|";
    EXPECT_EQ(CollectListPicks(selection, rows), expected) << "earlier picks are replaced, not added again";
    EXPECT_EQ(CollectListPicks({}, {}).size(), static_cast<size_t>(kSelectionSlots));
}

TEST(AccessoryList, RowsShowTheirOwnLineAndHideObsoleteParts)
{
    const std::vector<AccessoryItem> items{{"1=AAD-3|Angle Adapter|1|", "KF12", 0},
                                           {"1=HGP-12|Pre-laced grip|2|", "KF12", 1},
                                           {"2=KOVA|Stacking adapter|1|", "All", 0},
                                           {"3=XX-1|Not in the table|4|", "All", 1}};
    const std::vector<ListSection> sections{{"2", "Hoisting Grips"}, {"1", "Mounting"}};
    const LineList obsolete{"HGP-12|HGS-12|Hoisting Grip|"};

    const auto parts = [](const std::vector<AccessoryListRow>& rows) {
        std::vector<std::string> out;
        for (const auto& r : rows)
            out.push_back((r.heading ? "# " : "") + r.part + (r.heading ? "" : " " + r.description) + " /" + r.section);
        return out;
    };
    EXPECT_EQ(parts(LayOutAccessoryList(items, sections, obsolete, false)),
              (std::vector<std::string>{"# Hoisting Grips /2", "# Mounting /1", "AAD-3 Angle Adapter /1",
                                        "KOVA Stacking adapter /1"}));
    EXPECT_EQ(parts(LayOutAccessoryList(items, sections, obsolete, true))[1], "HGP-12 Pre-laced grip /2");
}

TEST(AccessoryList, ReopenedItemsFindTheirSection)
{
    // Grips (2) and entry (5) are offered; the old grip is obsolete and hidden.
    const std::vector<AccessoryItem> offered{
        {"1=HGS-12|Grip|2|", "K", 0}, {"2=HGP-12|Old grip|2|", "K", 1}, {"3=EB4-12-1|Boot|5|", "K", 2}};
    const LineList obsolete{"HGP-12|HGS-12|Grip|"};
    const auto describe = [](std::string_view part) { return "about " + std::string(part); };
    using Items = std::vector<ProjectItem>;
    struct Case
    {
        const char* what;
        std::vector<ListSection> sections;
        Items items;
        Records records;
        std::vector<std::string> rows; // part, quantity, section of every row
    };
    const std::vector<ListSection> withOne{{"1", "Mounting"}, {"2", "Grips"}, {"5", "Entry"}};
    const std::vector<ListSection> withoutOne{{"5", "Entry"}, {"2", "Grips"}};
    const Case cases[] = {
        {"rows take the quantity; lines of one part are summed, up to what a row holds",
         withOne,
         {{"EB4-12-1", 2, 5}, {"HGS-12", 2147483640, 2}, {"EB4-12-1", 4, 6}, {"HGS-12", 7, 7}},
         {"EB4-12-1|6|5|", "HGS-12|2147483647|2|"},
         {"Grips 0 2", "HGS-12 2147483647 2", "Entry 0 5", "EB4-12-1 6 5"}},
        {"a hidden obsolete row keeps its section and shows",
         withOne,
         {{"HGP-12", 3, 9}},
         {"HGP-12|3|2|"},
         {"Grips 0 2", "HGS-12 0 2", "HGP-12 3 2", "Entry 0 5", "EB4-12-1 0 5"}},
        {"a part without a row takes the section of its run, else 1",
         withOne,
         {{"EP5-9", 1, 2}, {"EB4-12-1", 2, 3}, {"IEG-200", 1, 4}, {"NEW-1", 2, 6}, {"NEW-2", 1, 7}},
         {"EP5-9|1|5|", "EB4-12-1|2|5|", "IEG-200|1|5|", "NEW-1|2|1|", "NEW-2|1|1|"},
         {"Mounting 0 1", "NEW-1 2 1", "NEW-2 1 1", "Grips 0 2", "HGS-12 0 2", "Entry 0 5", "EB4-12-1 2 5", "EP5-9 1 5",
          "IEG-200 1 5"}},
        {"without a section 1, under the first section",
         withoutOne,
         {{"EP4-4", 1, 2}, {"HGS-12", 0, 9}},
         {"EP4-4|1|5|"},
         {"Entry 0 5", "EB4-12-1 0 5", "EP4-4 1 5", "Grips 0 2", "HGS-12 0 2"}},
    };
    for (const auto& c : cases) {
        const ReopenedList reopened = RestoreReopenedItems(offered, c.sections, obsolete, false, c.items, describe);
        EXPECT_EQ(reopened.records, c.records) << c.what;
        std::vector<std::string> shown;
        for (const auto& r : reopened.rows)
            shown.push_back(r.part + " " + std::to_string(r.quantity) + " " + r.section);
        EXPECT_EQ(shown, c.rows) << c.what;
    }
    try {
        RestoreReopenedItems(offered, withOne, obsolete, false, {{"HGS-12", 2147483647, 2}, {"HGS-12", 1, 3}},
                             describe);
        ADD_FAILURE() << "a sum beyond what a row holds was ordered";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2147483648' is not a valid integer value");
    }
    EXPECT_THROW(MergeByPart({"AAD-3|2147483647|1|", "AAD-3|1|8|"}), ConversionError);
}

TEST(AccessoryList, AReloadKeepsWhatTheUserOrdered)
{
    const std::vector<ListSection> sections{{"1", "Mounting"}, {"2", "Grips"}};
    const std::vector<AccessoryListRow> before{{true, "Mounting", {}, "1", 0, false},
                                               {false, "KOVA", "Adapter", "1", 4, true},
                                               {false, "AAD-3", "Angle", "1", 0, true},
                                               {true, "Grips", {}, "2", 0, false},
                                               {false, "HGP-12", "Obsolete grip", "2", 3, false},
                                               {false, "HGX-12", "Gone, nothing ordered", "2", 0, false}};
    // The reload lists the obsolete grip no more, and the adapters in a new order.
    std::vector<AccessoryListRow> rows{{true, "Mounting", {}, "1", 0, false},
                                       {false, "AAD-3", "Angle", "1", 0, false},
                                       {false, "KOVA", "Adapter", "1", 0, false},
                                       {false, "NEW-1", "New", "1", 0, false}};
    CarryOverRows(rows, before, sections);
    std::vector<std::string> shown;
    for (const auto& r : rows)
        shown.push_back(r.part + " " + std::to_string(r.quantity) + (r.useRecommended ? " ticked" : ""));
    EXPECT_EQ(shown, (std::vector<std::string>{"Mounting 0", "AAD-3 0 ticked", "KOVA 4 ticked", "NEW-1 0", "Grips 0",
                                               "HGP-12 3"}));
}

} // namespace
} // namespace tav

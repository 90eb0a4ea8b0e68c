#include "core/materials/Exports.h"

#include "core/common/Files.h"
#include "support/MaterialsFixture.h"

#include <gtest/gtest.h>

namespace tav::test {
namespace {

std::string Golden(const std::string& name)
{
    return ReadFileBytes(std::string(TAVROLIN_TEST_DATA) + "/exports/" + name).value_or("(missing " + name + ")");
}

TEST(Exports, TextsMatchTheGoldenFiles)
{
    struct Case
    {
        const char* golden;
        std::string (*build)(const ListOfMaterials&);
    };
    // The spreadsheet export writes the text export's bytes.
    const Case cases[] = {
        {"txt", &DelimitedExportText},
        {"html", &HtmlExportText},
        {"clip", &ClipboardText},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.build(ExportFixtureList()), Golden(std::string("list.") + c.golden)) << c.golden;
        EXPECT_EQ(c.build(ListOfMaterials{}), Golden(std::string("empty.") + c.golden)) << c.golden;
    }
    EXPECT_EQ(ClipboardText(ListOfMaterials{}), "Total: $0.00");
}

TEST(Exports, TabsInAnyCellKeepEveryColumnInPlace)
{
    ListOfMaterials list;
    list.rows.push_back({MaterialsRowKind::Heading, "Sur\tge", "", "", "", ""});
    list.rows.push_back({MaterialsRowKind::Item, "P\t1", "\tdesc\t", "$1\t.00", "1\t", "\t$1.00"});
    list.total = "$1.00";
    EXPECT_EQ(DelimitedExportText(list), "Part Number\tDescription\tPrice\tQuantity\tExtended\t\r\r\n"
                                         "Sur ge\t\t\t\t\t\r\n"
                                         "P 1\t desc \t$1 .00\t1 \t $1.00\t\r\n"
                                         "\rTotal:\t\t\t\t$1.00\r\n");
}

} // namespace
} // namespace tav::test

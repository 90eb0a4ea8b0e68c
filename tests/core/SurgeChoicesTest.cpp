#include "core/wizard/SurgeChoices.h"

#include "core/common/Errors.h"
#include "core/wizard/Selection.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using Entries = std::vector<std::string>;

// The first record fits every band below 3000 MHz. The quarter-wave protector for
// 1700-2500 MHz comes before the one for 800-2500 MHz under the same description.
const LineList kSurge{
    "0|3000|SG-N|srg_n.gif|Gas Tube, N|N Male|N Male|",
    "1700|2500|QW-17|srg_qw17.gif|Quarter-Wave, N|N Male|N Female|",
    "800|2500|QW-8|srg_qw.gif|Quarter-Wave, N|N Male|N Female|",
    "0|1000|AB-OLD|srg_ab.gif|Arrestor Bulkhead|N Male||",
    "0|3000|NP||No Picture|7-16 DIN Male|7-16 DIN Male|",
    "0|3000||srg_x.gif|No Part|7-16 DIN Male|7-16 DIN Male|",
};
// A blank line matches an empty part number.
const LineList kObsolete{"", "AB-OLD|SG-N|Gas Tube, N|"};
const Band kCellular{806, 960};
const Band kPcs{1850, 1990};

TEST(SurgeChoices, BandFit)
{
    struct Case
    {
        const char* record;
        Band band;
        bool fits;
    };
    const Case cases[] = {
        {"800|2500|", kCellular, true}, {"1700|2500|", kCellular, false}, {"806|960|", kCellular, true},
        {"807|960|", kCellular, false}, {"806|959.5|", kCellular, false}, {"0|3000|", {5925, 6425}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitsBand(c.record, c.band), c.fits) << c.record << " " << c.band.beginning;
    EXPECT_THROW(FitsBand("O|3000|", kCellular), ConversionError);
    EXPECT_THROW(FitsBand("0|3,000|", kCellular), ConversionError);
    EXPECT_THROW(ParseBand("8O6", "960"), ConversionError);
    EXPECT_EQ(ParseBand("806", "960").ending, 960);
}

TEST(SurgeChoices, ListsNarrowDownByBandAndConnectors)
{
    EXPECT_EQ(FirstConnectorChoices(kSurge, kCellular), (Entries{"7-16 DIN Male", "N Male"}));
    EXPECT_EQ(FirstConnectorChoices(kSurge, {5925, 6425}), Entries{"N/A"});
    EXPECT_EQ(SecondConnectorChoices(kSurge, kCellular, "N Male"), (Entries{"N Female", "N Male", "None"}));
    EXPECT_EQ(SecondConnectorChoices(kSurge, kCellular, "n male"), Entries{"N/A"}) << "connectors compare exactly";

    struct Case
    {
        const char* what;
        Band band;
        const char* first;
        const char* second;
        bool keepObsolete;
        Entries expected;
    };
    const Case cases[] = {
        {"a protector without a second connector mates to any",
         kCellular,
         "N Male",
         "N Male",
         true,
         {"Arrestor Bulkhead", "Gas Tube, N", "N/A"}},
        {"obsolete parts hidden", kCellular, "N Male", "N Male", false, {"Gas Tube, N", "N/A"}},
        {"\"N/A\" sorts in; one entry per description", kPcs, "N Male", "N Female", false, {"N/A", "Quarter-Wave, N"}},
        {"a record without a part is never offered",
         kCellular,
         "7-16 DIN Male",
         "7-16 DIN Male",
         false,
         {"N/A", "No Picture"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SurgeChoices(kSurge, {c.band, c.first, c.second, c.keepObsolete}, kObsolete), c.expected) << c.what;
}

TEST(SurgeChoices, PictureAndPartOfTheOfferedRecord)
{
    const SurgeFilter cellular{kCellular, "N Male", "N Female", false};
    const SurgeFilter pcs{kPcs, "N Male", "N Female", false};
    EXPECT_EQ(SurgePictureName(kSurge, cellular, kObsolete, "Quarter-Wave, N"), "srg_qw.gif");
    EXPECT_EQ(SurgePictureName(kSurge, pcs, kObsolete, "Quarter-Wave, N"), "srg_qw17.gif");
    EXPECT_EQ(SurgePictureName(kSurge, {kCellular, "7-16 DIN Male", "7-16 DIN Male", false}, kObsolete, "No Picture"),
              "na3.gif");
    EXPECT_EQ(SurgePictureName(kSurge, cellular, kObsolete, "N/A"), "na3.gif");

    test::TempDir dir;
    dir.Write("metric.dat", "QW-8|QW-8M|\n");
    dir.Write("advanced.dat", "SG-N|12|\n");
    QuantityInputs in;
    in.dataFolder = dir.Path();
    in.runsCount = 3;
    struct Case
    {
        const char* what;
        SurgeFilter filter;
        const char* description;
        bool meters;
        const char* answer; // null: keep the part
        const char* expected;
        std::optional<std::string> moveTo;
    };
    const SurgeFilter nMale{kCellular, "N Male", "N Male", true};
    const Case cases[] = {
        // The band decides which of two records of one description is ordered.
        {"first record of the description", pcs, "Quarter-Wave, N", false, nullptr, "QW-17|3|8|", std::nullopt},
        {"the first that fits the band, under its metric number", cellular, "Quarter-Wave, N", true, nullptr,
         "QW-8M|3|8|", std::nullopt},
        {"one per run, whatever advanced.dat says", nMale, "Gas Tube, N", false, nullptr, "SG-N|3|8|", std::nullopt},
        {"obsolete part kept", nMale, "Arrestor Bulkhead", false, nullptr, "AB-OLD|3|8|", "Arrestor Bulkhead"},
        {"replacement the list offers", nMale, "Arrestor Bulkhead", false, "SG-N", "SG-N|3|8|", "Gas Tube, N"},
        {"replacement the list does not offer", nMale, "Arrestor Bulkhead", false, "QW-8", "QW-8|3|8|", std::nullopt},
        {"\"N/A\" orders nothing", nMale, "N/A", false, "X", "|||", std::nullopt},
    };
    for (const Case& c : cases) {
        in.meters = c.meters;
        std::vector<std::string> selection;
        ResetSelection(selection);
        selection[slot::Surge] = "OLD|1|8|";
        const auto moveTo =
            SelectSurgePart(selection, in, kSurge, c.filter, kObsolete, c.description, [&](std::string_view part) {
                return c.answer ? std::string(c.answer) : std::string(part);
            });
        EXPECT_EQ(selection[slot::Surge], c.expected) << c.what;
        EXPECT_EQ(moveTo, c.moveTo) << c.what;
    }
}

} // namespace
} // namespace tav

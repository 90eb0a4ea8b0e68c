#include "core/cable/CableCatalogue.h"

#include "core/cable/LineEvaluation.h"
#include "core/common/Errors.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(LineEvaluation, WorkedValues)
{
    struct Case
    {
        const char* name;
        double a, b, fb, fe, length;
        bool meters, waveguide;
        double attenuation, loss, efficiency;
    };
    const Case cases[] = {
        {"coax in feet", 0.2, 0.001, 824, 894, 115, false, false, 6.7207, 7.82, 16.51},
        {"coax in meters", 0.2, 0.001, 824, 894, 115, true, false, 6.7207, 25.45, 0.29},
        {"waveguide", 3000, 2000, 5925, 6425, 115, false, true, 1.9858, 2.53, 55.82},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Attenuation(c.a, c.b, c.fb, c.fe, c.waveguide), c.attenuation, 5e-5) << c.name;
        const double loss = LineLoss(c.a, c.b, c.fb, c.fe, c.length, c.meters, c.waveguide);
        EXPECT_NEAR(loss, c.loss, 0.005) << c.name;
        EXPECT_NEAR(100.0 * std::pow(10.0, -loss / 10.0), c.efficiency, 0.005) << c.name;
    }
    EXPECT_NEAR(AveragePower(30, 40, 824, 894, 0.2, 0.001, false), 4.46, 0.005);
    EXPECT_NEAR(AveragePower(30, 40, 5925, 6425, 3000, 2000, true), 15.11, 0.005);
}

TEST(LineEvaluation, RowsShowTheLinesOwnBandAndCapAveragePower)
{
    struct Case
    {
        const char* line;
        EvaluationInputs in;
        const char* row;
    };
    const Case cases[] = {
        {"LX-1|K1|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p.gif|",
         {824, 894, 115, false, false},
         "LX-1|806 - 960|7.82|16.51|40|4.46|"},
        {"LX-1|K1|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p.gif|",
         {824, 894, 115, true, false},
         "LX-1|806 - 960|25.45|0.29|40|4.46|"},
        // The peak rating caps the average power and is shown as written.
        {"LX-2|K1|806|960|FOAM|1/2\"|0.2|0.001|300|2.50|||p.gif|",
         {824, 894, 115, false, false},
         "LX-2|806 - 960|7.82|16.51|2.50|2.50|"},
        {"EW-6|E6|5925.0|7125|EW|E-6|3000|2000|30|40|||p.gif|",
         {5925, 6425, 115, false, true},
         "EW-6|5925.0 - 7125|2.53|55.82|40|15.11|"},
        // Zero length leaves the connectors' loss.
        {"LX-1|K1|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p.gif|",
         {824, 894, 0, false, false},
         "LX-1|806 - 960|0.09|97.89|40|4.46|"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateLine(c.line, c.in), c.row) << c.line;
}

TEST(LineEvaluation, BadLinesStopWithAClearError)
{
    const EvaluationInputs coax{824, 894, 115, false, false};
    try {
        EvaluateLine("LX-1|K1|806|960|FOAM|1/2\"|0,2|0.001|30|40|||p.gif|", coax);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'0,2' is not a valid floating point value");
    }
    // A missing field is an empty text, which is no number either.
    EXPECT_THROW(EvaluateLine("LX-1|K1|806|960|FOAM|1/2\"|0.2|0.001|30|", coax), ConversionError);
    // A waveguide at or below its cut-off has no attenuation.
    const EvaluationInputs low{2800, 3200, 115, false, true};
    EXPECT_THROW(EvaluateLine("EW-6|E6|2800|3200|EW|E-6|3000|2000|30|40|||p.gif|", low), Error);
    EXPECT_THROW(Attenuation(3000, 2000, 2500, 3500, true), Error);
    // Whatever would show a negative, infinite or undefined figure in the grid stops instead.
    struct Case
    {
        const char* line;
        EvaluationInputs in;
        const char* message;
    };
    const Case cases[] = {
        {"LX-1|K1|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p.gif|",
         {824, 894, -15, false, false},
         "Invalid floating point operation: a negative run length of -15.00 ft"},
        {"LX-1|K1|806|960|FOAM|1/2\"|-0.2|0.001|30|40|||p.gif|", coax,
         "Invalid floating point operation: the line's coefficients give -5.00 dB per 100 ft at the mean frequency "
         "859.00 MHz, which is no loss a line can have"},
        {"LX-1|K1|806|960|FOAM|1/2\"|1e308|1e308|30|40|||p.gif|", coax,
         "Invalid floating point operation: the line's coefficients give no finite attenuation at the mean "
         "frequency 859.00 MHz"},
        {"EW-6|E6|-6000|-5000|EW|E-6|-3000|2000|30|40|||p.gif|",
         {-6000, -5000, 115, false, true},
         "Invalid floating point operation: a negative frequency of -5500.00 MHz"},
        {"LX-1|K1|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p.gif|",
         {824, 894, 1e308, true, false},
         "Floating point overflow: the insertion loss of the run is too large to compute"},
        {"LX-1|K1|806|960|FOAM|1/2\"|1e-12|0|-1e308|40|||p.gif|", coax,
         "Floating point overflow: the average power of the line is too large to compute"},
    };
    for (const Case& c : cases) {
        try {
            ADD_FAILURE() << c.line << " -> " << EvaluateLine(c.line, c.in);
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message) << c.line;
        }
    }
    // A line without any loss has no average power; the peak rating must not stand in.
    for (const char* line :
         {"LX-0|K1|806|960|FOAM|1/2\"|0|0|30|40|||p.gif|", "EW-0|E6|5925|7125|EW|E-6|3000|0|30|40|||p.gif|"}) {
        const bool waveguide = std::string(line).find("|EW|") != std::string::npos;
        const EvaluationInputs in{waveguide ? 5925.0 : 824.0, waveguide ? 6425.0 : 894.0, 115, false, waveguide};
        try {
            EvaluateLine(line, in);
            ADD_FAILURE() << line;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Floating point division by zero", 0), 0u) << e.what();
        }
    }
}

const LineList kCatalogue{
    "FX-12B|K12|806|960|FOAM|1/2\"|0.07|0.0002|5|40|||k12.gif|",
    "FX-12A|K12|806|960|foam|1/2\"|0.07|0.0002|5|40|||k12-other.gif|",
    "FX-78|K78|138|960|FOAM|7/8\"|0.04|0.0001|9|60|||k78.gif|",
    "AX-78|A78|406|960|AIR|7/8\"|0.03|0.0001|12|90|||a78.gif|",
    "EW-63|E63|5925|6425|EW|E-63|3650|1200|20|30|||e63.gif|",
    "FX-12A|K12|806|960|FOAM|1/2\"|0.07|0.0002|5|40|||k12.gif|", // same row as the second line
    "FX-14|K14|800|2200|FOAM|1/4\"|0.12|0.0004|2|10|||k14.gif|",
};

TEST(CableCatalogue, BandCoverage)
{
    const std::string line = "X|K|800|960|FOAM|1/2\"|0|0|0|0|||p|";
    struct Case
    {
        Band band;
        bool covered;
    };
    const Case cases[] = {
        {{824, 894}, true}, {{800, 960}, true}, {{790, 900}, false}, {{850, 961}, false}, {{960, 960}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BandCovers(line, c.band), c.covered) << c.band.beginning << "-" << c.band.ending;
}

TEST(CableCatalogue, DerivedLists)
{
    const FrequencyLists f = BuildFrequencyLists(kCatalogue);
    EXPECT_EQ(f.beginning, (std::vector<std::string>{"138", "406", "800", "806", "5925"}));
    EXPECT_EQ(f.ending, (std::vector<std::string>{"960", "2200", "6425"}));
    EXPECT_EQ(EndingsAbove(f.ending, 960), (std::vector<std::string>{"2200", "6425"}));
    EXPECT_EQ(BeginningsBelow(f.beginning, 806), (std::vector<std::string>{"138", "406", "800"}));

    struct TypeCase
    {
        Band band;
        std::array<bool, 3> types;
    };
    const TypeCase types[] = {
        {{806, 960}, {true, true, false}}, // "foam" in lower case still counts
        {{138, 960}, {false, true, false}},
        {{5925, 6425}, {false, false, true}},
        {{30, 88}, {false, false, false}},
    };
    for (const auto& c : types)
        EXPECT_EQ(AvailableTypes(kCatalogue, c.band), c.types) << c.band.beginning;

    EXPECT_EQ(Diameters(kCatalogue, {806, 960}, "FOAM"), (std::vector<std::string>{"1/2\"", "1/4\"", "7/8\""}));
    EXPECT_EQ(Diameters(kCatalogue, {806, 960}, ""), std::vector<std::string>{}) << "no type chosen, no diameters";
    EXPECT_EQ(PartNumbersOfType(kCatalogue, "FOAM"), (std::vector<std::string>{"FX-12A", "FX-12B", "FX-14", "FX-78"}));
    EXPECT_EQ(CableKeys(kCatalogue), (std::vector<std::string>{"A78", "E63", "K12", "K14", "K78"}));
}

TEST(CableCatalogue, CandidatesCollapseAndFollowPartNumbers)
{
    const EvaluationInputs in{824, 894, 115, false, false};
    const auto rows = EvaluateCandidates(kCatalogue, in, "FOAM", "1/2\"");
    ASSERT_EQ(rows.size(), 2u) << "identical rows show once";
    EXPECT_EQ(rows[0].substr(0, 7), "FX-12A|");
    EXPECT_EQ(rows[1].substr(0, 7), "FX-12B|");
    // Each row knows its line: the first of those whose rows collapsed.
    const auto candidates = EvaluateCandidateLines(kCatalogue, in, "FOAM", "1/2\"");
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0].row, rows[0]);
    EXPECT_EQ(candidates[0].line, 1u);
    EXPECT_EQ(candidates[1].line, 0u);
    EXPECT_TRUE(EvaluateCandidates(kCatalogue, in, "FOAM", "1/2").empty()) << "diameters compare exactly";
    EXPECT_TRUE(EvaluateCandidates(kCatalogue, {30, 88, 115, false, false}, "FOAM", "1/2\"").empty());
}

TEST(CableCatalogue, TheIndexAnswersAsTheLinesDo)
{
    LineList lines = kCatalogue;
    lines.push_back("FX-BAD|K9|806|9x0|Foam|1/2\"|0.07|0.0002|5|40|||k.gif|"); // fails only where it is asked
    lines.push_back("HX-12|H12|806|960|Heliax|1/2\"|0.07|0.0002|5|40|||k.gif|");
    const CableIndex index(lines);
    const CableIndex stale(kCatalogue);
    const auto outcome = [&](auto&& query) {
        try {
            return ::testing::PrintToString(query());
        } catch (const Error& e) {
            return std::string("error: ") + e.what();
        }
    };
    for (const Band band : {Band{806, 960}, Band{810, 900}, Band{138, 174}, Band{5925, 6425}}) {
        for (const char* type : {"FOAM", "foam", "AIR", "EW", "Heliax", ""}) {
            SCOPED_TRACE(std::to_string(band.beginning) + " " + type);
            const EvaluationInputs in{band.beginning, band.ending, 115, false, false};
            for (const CableIndex* i : {&index, &stale}) {
                EXPECT_EQ(outcome([&] { return AvailableTypes(lines, band, i); }),
                          outcome([&] { return AvailableTypes(lines, band); }));
                EXPECT_EQ(outcome([&] { return Diameters(lines, band, type, i); }),
                          outcome([&] { return Diameters(lines, band, type); }));
                const auto candidates = [&](const CableIndex* with) {
                    std::vector<std::string> rows;
                    for (const Candidate& c : EvaluateCandidateLines(lines, in, type, "1/2\"", with))
                        rows.push_back(c.row + std::to_string(c.line));
                    return rows;
                };
                EXPECT_EQ(outcome([&] { return candidates(i); }), outcome([&] { return candidates(nullptr); }));
            }
        }
    }
    EXPECT_EQ(outcome([&] {
                  return Diameters(lines, {806, 960}, "FOAM", &index);
              }),
              "error: '9x0' is not a valid floating point value");
}

TEST(CableCatalogue, LookupsByPartAndKey)
{
    const auto cable = FindCable(kCatalogue, "fx-12a");
    ASSERT_TRUE(cable);
    EXPECT_EQ(cable->index, 1u);
    EXPECT_EQ(cable->partNumber, "FX-12A");
    EXPECT_EQ(cable->cableKey, "K12");
    EXPECT_EQ(cable->diameter, "1/2\"");
    EXPECT_FALSE(FindCable(kCatalogue, "FX-99"));
    EXPECT_EQ(CablePicture(kCatalogue, "K12"), "k12.gif") << "the first line of the key names the picture";
    EXPECT_EQ(CablePicture(kCatalogue, "k12"), "") << "keys compare with case";
    EXPECT_EQ(CableTypeCode(0), "AIR");
    EXPECT_EQ(CableTypeCode(2), "EW");
    EXPECT_EQ(CableTypeCode(-1), "");
    EXPECT_EQ(CableTypeName(2), "Elliptical Waveguide");
    EXPECT_EQ(CableTypeName(3), "");
}

} // namespace
} // namespace tav

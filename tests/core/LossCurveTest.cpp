#include "core/cable/LossCurve.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

const LossPoint* PointAt(const std::vector<LossPoint>& curve, double frequency)
{
    for (const LossPoint& p : curve)
        if (p.frequency == frequency)
            return &p;
    return nullptr;
}

TEST(LossCurve, SpansTheBandAndPassesThroughTheGridsLossAtItsMean)
{
    struct Case
    {
        const char* name;
        const char* line;
        EvaluationInputs in;
        double from; // where the curve begins
    };
    const Case cases[] = {
        {"coax in feet", "LX|K|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p|", {824, 894, 115, false, false}, 412},
        {"coax in meters", "LX|K|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p|", {824, 894, 115, true, false}, 412},
        {"no length", "LX|K|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p|", {824, 894, 0, false, false}, 412},
        {"waveguide cut off above half the band",
         "EW|E|5925|6425|EW|E|3650|1200|20|30|||p|",
         {5925, 6425, 115, false, true},
         3650 * 1.01},
        {"waveguide of the worked values",
         "EW|E|5925|6425|EW|E|3000|2000|30|40|||p|",
         {5925, 6425, 115, false, true},
         3000 * 1.01},
        {"waveguide cut off far below it",
         "EW|E|5925|6425|EW|E|2000|2000|30|40|||p|",
         {5925, 6425, 115, false, true},
         2962.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<LossPoint> curve = LossCurve(c.line, c.in, 6);
        ASSERT_GE(curve.size(), 6u);
        EXPECT_DOUBLE_EQ(curve.front().frequency, c.from);
        EXPECT_DOUBLE_EQ(curve.back().frequency, 2 * c.in.ending);
        for (size_t i = 1; i < curve.size(); ++i)
            EXPECT_LT(curve[i - 1].frequency, curve[i].frequency);
        EXPECT_TRUE(PointAt(curve, c.in.beginning) && PointAt(curve, c.in.ending)) << "the band's limits are drawn";

        const LossPoint* mean = PointAt(curve, (c.in.beginning + c.in.ending) / 2);
        ASSERT_TRUE(mean);
        EXPECT_EQ(FormatFixed2(mean->loss), GetField(EvaluateLine(c.line, c.in), 3));
    }
}

TEST(LossCurve, CoaxLossGrowsWithFrequencyAndAWaveguideEndsAtItsCutOff)
{
    const EvaluationInputs coax{824, 894, 115, false, false};
    const auto curve = LossCurve("LX|K|806|960|FOAM|1/2\"|0.2|0.001|30|40|||p|", coax, 8);
    for (size_t i = 1; i < curve.size(); ++i)
        EXPECT_GT(curve[i].loss, curve[i - 1].loss) << curve[i].frequency;

    // Near the cut-off the samples crowd in, where the loss climbs fastest.
    const EvaluationInputs guide{5925, 6425, 115, false, true};
    const auto rising = LossCurve("EW|E|5925|6425|EW|E|3650|1200|20|30|||p|", guide, 8);
    EXPECT_LT(rising[1].frequency - rising[0].frequency, rising.back().frequency - rising[rising.size() - 2].frequency);
    EXPECT_GT(rising.front().loss, LossAt("EW|E|5925|6425|EW|E|3650|1200|20|30|||p|", guide, 6175));

    EXPECT_TRUE(LossCurve("EW|E|5925|6425|EW|E|20000|1200|20|30|||p|", guide, 8).empty())
        << "a cut-off above twice the band leaves nothing to draw";
    EXPECT_THROW(LossCurve("LX|K|806|960|FOAM|1/2\"|x|0.001|30|40|||p|", coax, 8), ConversionError);
    EXPECT_THROW(LossAt("EW|E|5925|6425|EW|E|3650|1200|20|30|||p|", guide, 3650), Error) << "at the cut-off";
}

} // namespace
} // namespace tav

#pragma once

#include "core/wizard/Obsolete.h"
#include "core/wizard/Quantities.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace tav::test {

// A data folder for the quantity rules: no records, so one run over 100 ft takes 10 pieces.
class ResolvedParts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.Write("settings.dat", "[UnitPack]\r\nAll=10\r\n");
        dir.Write("advanced.dat", "");
        dir.Write("metric.dat", "P1|P1M|\nR1|R1M|\nHGS|HGS-M|\n");
    }

    QuantityInputs Inputs(bool meters, int runs = 3) const
    {
        QuantityInputs in;
        in.dataFolder = dir.Path();
        in.horizontalLength = 15;
        in.verticalLength = 100;
        in.meters = meters;
        in.runsCount = runs;
        in.cableKey = "KF12";
        return in;
    }

    // Answers every offer from the script and counts them.
    PartOffer Offer(const char* answer)
    {
        return [this, answer](std::string_view part) {
            offers.emplace_back(part);
            return answer ? std::string(answer) : std::string(part);
        };
    }

    TempDir dir;
    std::vector<std::string> offers;
};

} // namespace tav::test

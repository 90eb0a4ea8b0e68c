#pragma once

#include <string>
#include <string_view>

namespace tav {

inline constexpr double kFeetPerMeter = 3.2808;

// The part number to show and order under the current unit: while meters are selected,
// metric.dat (read afresh on every call) may name a metric counterpart.
std::string MetricPart(const std::string& dataFolder, std::string_view partNumber, bool meters);

} // namespace tav

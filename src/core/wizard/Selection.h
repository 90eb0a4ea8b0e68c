#pragma once

#include <string>
#include <vector>

namespace tav {

// The wizard's fixed slots of chosen parts; each holds "part|quantity|section|".
inline constexpr int kSelectionSlots = 21;
inline constexpr const char* kEmptySelectionRecord = "|||";

void ResetSelection(std::vector<std::string>& selection);

} // namespace tav

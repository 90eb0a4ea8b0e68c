#include "core/wizard/Selection.h"

namespace tav {

void ResetSelection(std::vector<std::string>& selection)
{
    selection.assign(kSelectionSlots, kEmptySelectionRecord);
}

} // namespace tav

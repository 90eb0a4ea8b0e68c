#pragma once

#include "gui/platform/Platform.h"

class QComboBox;

namespace tav::gui {

// A pick list that must hold a number: a text that is not one is replaced by the first
// item after a beep and a warning. Returns false when the text was replaced.
bool CheckNumericCombo(QComboBox* box, Platform& platform);

} // namespace tav::gui

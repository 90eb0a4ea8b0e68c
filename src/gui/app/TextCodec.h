#pragma once

// The widgets decode data texts as the painter canvas does, by one rule.
#include "canvas/TextCodec.h"

namespace tav::gui {

using canvas::FromData;
using canvas::FromDataLines;
using canvas::ToData;

} // namespace tav::gui

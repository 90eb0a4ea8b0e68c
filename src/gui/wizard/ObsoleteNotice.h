#pragma once

#include "core/common/LineList.h"
#include "gui/platform/Platform.h"

#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace tav::gui {

// The buttons of the notification: Custom1 orders the new part, Custom2 keeps the current one.
inline constexpr BoxButton kChangeToNewPart = BoxButton::Custom1;
inline constexpr BoxButton kKeepCurrentPart = BoxButton::Custom2;

// The warning that offers the replacement of an obsolete part; the default result's
// button is the default one.
BoxRequest ObsoleteNoticeRequest(const QString& replacementText, BoxButton defaultResult = kKeepCurrentPart);

// Shows the notification after the information sound. Ticking "Don't tell me about
// obsolete parts anymore." turns the notification off in settings.dat, whichever button
// closes it. Returns the button pressed.
BoxButton ShowObsoleteNotice(Platform& platform, QWidget* parent, const std::string& dataFolder,
                             const QString& replacementText, BoxButton defaultResult = kKeepCurrentPart);

// The part to order in place of an obsolete one: asks through the notification while
// warnings are on, and returns the replacement only when the user takes it.
std::string OfferReplacement(Platform& platform, QWidget* parent, const std::string& dataFolder,
                             const LineList& obsolete, std::string_view part);

} // namespace tav::gui

#pragma once

#include <QString>

class QVBoxLayout;
class QWidget;

namespace tav::gui {

// Gives a wizard page its layout with the page's heading on top; the heading label is
// named after the page ("tsAntenna" -> "lblAntennaHeading").
QVBoxLayout* AddPageHeading(QWidget* page, const QString& heading);

} // namespace tav::gui

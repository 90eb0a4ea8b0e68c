#pragma once

class QTabWidget;
class QWidget;

namespace tav::gui {

// While the tabs show, Ctrl+Tab and Ctrl+PgDn go to the next shown tab, Ctrl+Shift+Tab
// and Ctrl+PgUp to the previous one, from any widget inside scope, wrapping around; a pick
// list with the focus never takes them as a change of its value.
void AddTabKeys(QTabWidget* tabs, QWidget* scope);

} // namespace tav::gui

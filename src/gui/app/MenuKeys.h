#pragma once

#include <QObject>

class QMainWindow;

namespace tav::gui {

// The menu's accelerators reach their commands wherever the focus is in the window. A
// text field would otherwise keep Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+A for itself, and on the
// first page, where the focus starts in a field, Exit, View Last Order and the news could
// not be reached by their keys. Fields keep Ctrl+Insert, Shift+Insert, Shift+Delete and
// their context menus, and a key whose command is hidden or disabled stays theirs.
class MenuKeys : public QObject
{
public:
    explicit MenuKeys(QMainWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* window_;
};

} // namespace tav::gui

#pragma once

#include <QObject>

class QMainWindow;
class QWidget;

namespace tav::gui {

// The menu's accelerators reach their commands wherever the focus is in the window, with
// one exception: while a text field has the focus, its editing keys (Ctrl+X, Ctrl+C,
// Ctrl+V, Ctrl+A, undo and redo) edit its text, as on every desktop, even where the
// field is read-only. Cutting a word must never quit the program or replace a typed length
// with the last order; the menu still reaches those commands (Alt+F). A key whose command
// is hidden or disabled stays the focused widget's.
class MenuKeys : public QObject
{
public:
    explicit MenuKeys(QMainWindow* window);

    // Whether a widget with the focus takes typed text: a line edit, a spin box or an
    // editable pick list, or a text editor.
    static bool IsTextField(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* window_;
};

} // namespace tav::gui

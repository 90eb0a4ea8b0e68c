#include "gui/app/TabKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>

namespace tav::gui {

namespace {

class TabKeys : public QObject
{
public:
    TabKeys(QTabWidget* tabs, QWidget* scope) : QObject(scope), tabs_(tabs), scope_(scope)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || (widget != scope_ && !scope_->isAncestorOf(widget)) || !tabs_->isVisible())
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (!(key.modifiers() & Qt::ControlModifier) || (key.modifiers() & Qt::AltModifier))
            return false;
        int step = 0;
        switch (key.key()) {
        case Qt::Key_Tab:
            step = (key.modifiers() & Qt::ShiftModifier) ? -1 : 1;
            break;
        case Qt::Key_Backtab:
            step = -1;
            break;
        case Qt::Key_PageDown:
            step = 1;
            break;
        case Qt::Key_PageUp:
            step = -1;
            break;
        default:
            return false;
        }
        const int count = tabs_->count();
        for (int k = 1; k < count; ++k) {
            const int i = ((tabs_->currentIndex() + step * k) % count + count) % count;
            if (tabs_->isTabVisible(i) && tabs_->isTabEnabled(i)) {
                tabs_->setCurrentIndex(i);
                break;
            }
        }
        // Taken even with one tab to show, so no pick list reads it as a change of value.
        return true;
    }

private:
    QTabWidget* tabs_;
    QWidget* scope_;
};

} // namespace

void AddTabKeys(QTabWidget* tabs, QWidget* scope)
{
    new TabKeys(tabs, scope);
}

} // namespace tav::gui

#pragma once

#include "core/common/Errors.h"
#include "gui/platform/MessageBoxes.h"

#include <QApplication>
#include <QCursor>
#include <QString>
#include <exception>
#include <new>
#include <utility>

namespace tav::gui {

// Runs one handler so that no exception crosses the event loop: the program's errors
// (a conversion, a file that cannot be written) stop the operation and reach the user
// in the standard error box, once for the whole user action it belongs to. Returns false
// when the handler stopped on an error.
template <typename F> bool RunGuarded(IMessageBoxes& boxes, QWidget* parent, F&& handler)
{
    const ActionScope action(boxes);
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const std::bad_alloc&) {
        boxes.ActionError(parent, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        boxes.ActionError(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

// The hourglass for a long operation, restored however the operation ends.
class HourglassCursor
{
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

} // namespace tav::gui

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tav::test {

// For as long as it lives: acts on the next modal dialog of type T once it shows, then
// closes it if the action left it open.
template <typename T> class WhenModal
{
public:
    explicit WhenModal(std::function<void(T&)> action) : action_(std::move(action))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            timer_.stop();
            seen_ = true;
            action_(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        timer_.start(5);
    }
    bool Seen() const { return seen_; }

private:
    std::function<void(T&)> action_;
    QTimer timer_;
    bool seen_ = false;
};

// For as long as it lives: presses Cancel in the download progress window once it shows.
class CancelDownloadWhenShown
{
public:
    CancelDownloadWhenShown()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() != "dlgDownload" || !w->isVisible())
                    continue;
                timer_.stop();
                for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                    b->click();
                return;
            }
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

} // namespace tav::test

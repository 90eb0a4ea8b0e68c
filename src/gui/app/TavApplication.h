#pragma once

#include <QApplication>

namespace tav::gui {

// The application object. Its event delivery is the last line of defence: an error
// that escaped a handler is shown instead of ending the program.
class TavApplication : public QApplication
{
public:
    TavApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Numbers and dates never follow the user's regional settings.
    static void FixFormats();
};

} // namespace tav::gui

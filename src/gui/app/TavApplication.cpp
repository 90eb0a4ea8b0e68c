#include "gui/app/TavApplication.h"

#include <QLocale>
#include <QMessageBox>
#include <clocale>
#include <exception>

namespace tav::gui {

TavApplication::TavApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    FixFormats();
}

void TavApplication::FixFormats()
{
    std::setlocale(LC_NUMERIC, "C");
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);
}

bool TavApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Error"), QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace tav::gui

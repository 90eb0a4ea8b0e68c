#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace tav::gui {

// The print dialog and the print preview, so tests can print to a file without a printer.
class IPrinting
{
public:
    virtual ~IPrinting() = default;
    // Lets the user choose and set up the printer (or a file); false when cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the pages that paint draws on the printer it is handed, as often as the
    // preview needs them; printing from the preview draws through paint too.
    virtual void Preview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

class QtPrinting : public IPrinting
{
public:
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    void Preview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
};

} // namespace tav::gui

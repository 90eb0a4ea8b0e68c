#include "gui/materials/MaterialsOutput.h"

#include "canvas/PrintedPdf.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/materials/ExportFormats.h"
#include "core/materials/Exports.h"
#include "core/materials/PrintLayout.h"
#include "gui/app/Guard.h"
#include "gui/app/Maker.h"
#include "gui/app/TextCodec.h"
#include "gui/materials/MaterialsPage.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QUrl>

namespace tav::gui {

MaterialsOutput::MaterialsOutput(Platform& platform, QWidget* parent, const QString& programFolder,
                                 const MaterialsPage& page, PlanFn plan)
    : platform_(platform), parent_(parent), programFolder_(programFolder), page_(page), plan_(std::move(plan))
{}

void MaterialsOutput::Export(std::string_view name)
{
    const ExportFormat* format = FindExportFormat(name);
    if (!format || format->folder.empty())
        throw Error("No file export is called " + std::string(name) + ".");
    const QString suffix = FromData(format->suffix);
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.caption = "Save As";
    request.folder = MadeFolderOrHome(programFolder_ + FromData(format->folder));
    request.filter = FromData(format->filter);
    request.defaultSuffix = suffix;
    const QString chosen = platform_.fileDialogs.Choose(parent_, request);
    if (chosen.isEmpty())
        return;
    // Some dialogs leave a typed name without the suffix they were given.
    const QString file = WithDefaultSuffix(chosen, suffix);
    const PlanSummary plan = plan_ ? plan_() : PlanSummary{};
    const ExportSource source{page_.List(), plan, [](const ListOfMaterials& list) {
                                  return canvas::PrintedListPdf(list, canvas::LocalePaper(), kMakerSiteLabel);
                              }};
    WriteFileAtomic(ToData(file), format->build(source));
    // Without an application for the type the desktop opens nothing; the file stays written.
    platform_.desktop.Open(QUrl::fromLocalFile(file));
}

void MaterialsOutput::CopyListToClipboard()
{
    platform_.clipboard.SetText(FromData(ClipboardText(page_.List())));
}

void MaterialsOutput::PrintMaterials()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kPrintJobName);
    if (!platform_.printing.ChoosePrinter(parent_, printer))
        return;
    const HourglassCursor wait;
    PrintOn(printer);
}

void MaterialsOutput::PreviewMaterials()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kPrintJobName);
    // The preview draws from inside its own event loop, where no error may escape.
    platform_.printing.Preview(parent_, printer,
                               [this](QPrinter& p) { RunGuarded(platform_.boxes, parent_, [&] { PrintOn(p); }); });
}

void MaterialsOutput::PrintOn(QPrinter& printer)
{
    const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (target.isEmpty()) {
        Draw(printer);
        return;
    }
    // The document is made aside and only a finished one replaces the chosen file, so a
    // failed job never leaves a truncated file where a good one was.
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        throw IoError("No temporary folder for the printout: " + ToData(scratch.errorString()));
    const QString aside = scratch.filePath("list.pdf");
    printer.setOutputFileName(aside);
    struct RestoreTarget
    {
        QPrinter& printer;
        const QString& target;
        ~RestoreTarget() { printer.setOutputFileName(target); }
    } restore{printer, target};
    Draw(printer);
    QFile made(aside);
    if (!made.open(QIODevice::ReadOnly))
        throw IoError("The printout could not be read back: " + ToData(made.errorString()));
    const QByteArray bytes = made.readAll();
    WriteFileAtomic(ToData(target), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void MaterialsOutput::Draw(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error("The print job could not be started.");
    try {
        canvas::DrawPrintedList(painter, printer, page_.List(), kMakerSiteLabel);
    } catch (...) {
        printer.abort();
        painter.end();
        throw;
    }
    if (!painter.end())
        throw Error("The print job could not be finished.");
}

} // namespace tav::gui

#pragma once

#include "core/materials/ListOfMaterials.h"
#include "gui/platform/Platform.h"

#include <QString>
#include <string>

class QPrinter;
class QWidget;

namespace tav::gui {

class MaterialsPage;

// The ways the shown list of materials leaves the program: the file exports, the
// clipboard, the printout and its preview. Every one takes the list as the page shows it.
class MaterialsOutput
{
public:
    MaterialsOutput(Platform& platform, QWidget* parent, const QString& programFolder, const MaterialsPage& page);

    // The text and the spreadsheet exports: the same tab-separated text, offered in its own
    // subfolder of the program folder, under its own filter and default suffix.
    void ExportDelimited(const QString& subfolder, const QString& filter, const QString& defaultExtension);
    void ExportHtml();
    void CopyListToClipboard();
    void PrintMaterials();
    void PreviewMaterials();

private:
    using ExportBuilder = std::string (*)(const ListOfMaterials&);
    void Export(const QString& subfolder, const QString& filter, const QString& defaultExtension, ExportBuilder build);
    // Draws the list on the printer. A file target is only replaced by a finished job.
    void PrintOn(QPrinter& printer);
    void Draw(QPrinter& printer);

    Platform& platform_;
    QWidget* parent_;
    QString programFolder_;
    const MaterialsPage& page_;
};

} // namespace tav::gui

#pragma once

#include "core/materials/ListOfMaterials.h"
#include "core/materials/PlanSummary.h"
#include "gui/platform/Platform.h"

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QPrinter;
class QWidget;

namespace tav::gui {

class MaterialsPage;

// The ways the shown list of materials leaves the program: the file exports, the
// clipboard, the printout and its preview. Every one takes the list as the page shows it.
class MaterialsOutput
{
public:
    using PlanFn = std::function<PlanSummary()>;
    MaterialsOutput(Platform& platform, QWidget* parent, const QString& programFolder, const MaterialsPage& page,
                    PlanFn plan);

    // A file export of the formats table, by name: offered in its own subfolder of the
    // program folder, under its filter and default suffix, then handed to the desktop.
    void Export(std::string_view format);
    void CopyListToClipboard();
    void PrintMaterials();
    void PreviewMaterials();

private:
    // Draws the list on the printer. A file target is only replaced by a finished job.
    void PrintOn(QPrinter& printer);
    void Draw(QPrinter& printer);

    Platform& platform_;
    QWidget* parent_;
    QString programFolder_;
    const MaterialsPage& page_;
    PlanFn plan_;
};

} // namespace tav::gui

#include "gui/platform/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tav::gui {

QString QtFileDialogs::Choose(QWidget* parent, const FileDialogRequest& request)
{
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    QFileDialog dialog(parent, request.caption, request.folder, request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString MadeFolderOrHome(const QString& folder)
{
    return QDir().mkpath(folder) ? folder : QDir::homePath();
}

QString WithDefaultSuffix(const QString& fileName, const QString& suffix)
{
    if (fileName.isEmpty() || suffix.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + '.' + suffix;
}

} // namespace tav::gui

#pragma once

#include <QString>

class QWidget;

namespace tav::gui {

// What a save or open dialog offers: where it starts, which files it lists and the
// suffix a name without one gets.
struct FileDialogRequest
{
    enum class Mode
    {
        Open,
        Save,
    };
    Mode mode = Mode::Open;
    QString caption;
    QString folder;
    QString filter;        // "Tavrolin Files (*.tvr *.TVR)"
    QString defaultSuffix; // without the dot
};

// The file dialogs, so tests can choose the names.
class IFileDialogs
{
public:
    virtual ~IFileDialogs() = default;
    // The chosen file, or an empty text when the user cancelled. A save dialog asks before
    // an existing file is replaced.
    virtual QString Choose(QWidget* parent, const FileDialogRequest& request) = 0;
};

class QtFileDialogs : public IFileDialogs
{
public:
    QString Choose(QWidget* parent, const FileDialogRequest& request) override;
};

// The folder, made first when it is missing; the user's home folder when it cannot be made,
// so a dialog always has somewhere to start.
QString MadeFolderOrHome(const QString& folder);

// The name with "." and the suffix appended when its file name has no suffix of its own.
QString WithDefaultSuffix(const QString& fileName, const QString& suffix);

} // namespace tav::gui

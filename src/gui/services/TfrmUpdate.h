#pragma once

#include "core/materials/PriceInstall.h"
#include "gui/platform/Platform.h"

#include <QDialog>
#include <QUrl>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tav::gui {

class TImage;
class TRadioGroup;

// Downloads the maker's price list, or the update files of the maker's programs, from
// its site into the shared folder's "updates" folder, and installs the price list.
class TfrmUpdate : public QDialog
{
    Q_OBJECT
public:
    enum Action
    {
        kPricingOnly = 0,
        kProgramFiles = 1,
    };

    struct Setup
    {
        QUrl site;
        QString imagesFolder;
        QString defaultProgram;
        // The running program reads its prices from this shared folder again.
        std::function<void(const std::string& sharedFolder)> pricesInstalled;
    };

    TfrmUpdate(Platform& platform, Setup setup, QWidget* parent = nullptr);

    // One row per installed program of the maker; the default program selected.
    void FillPrograms();
    // Closed by an update that did all it was asked to.
    bool Completed() const { return completed_; }
    bool Busy() const { return busy_; }

    // Selects an action as a click on it does.
    void ChooseAction(Action action);
    // The days until the next reminder, as the box shows them.
    void ShowInterval(const QString& days);
    QString IntervalText() const;
    bool RemindAgain() const;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void rgActionClick();
    void chkAllClick();
    void sgProgramsClick();
    void chkReminderClick();
    void btnUpdateClick();

private:
    struct ProgramKey
    {
        QString key; // full registry key
        QString updateExe;
    };

    void UpdateNow();
    void ColourRows();
    bool ProgramFilesUpdate(const QString& folder);
    bool PricingDownload(const QString& folder, bool notice);
    std::optional<QByteArray> PublishedDigest();
    bool ConfirmDoubtfulList(const PriceListComparison& comparison);
    bool InstallPrices(const QByteArray& prices);
    DownloadResult DownloadFile(const QString& path, const QString& file, const QString& label, qint64 maxBytes,
                                std::function<QString(const QByteArray&)> check = {});
    void ReportDownloadFailure(const QString& label, const QString& reason);
    std::optional<ProgramKey> FindProgram(const QString& menuCaption) const;
    QList<int> SelectedRows() const;

    TRadioGroup* rgAction;
    TImage* Image1;
    QLabel* lblDirections;
    QCheckBox* chkAll;
    QTableWidget* sgPrograms;
    QCheckBox* chkReminder;
    QComboBox* cboNumDays;
    QLabel* lblDays;
    QPushButton* btnUpdate;
    QPushButton* btnCancel;

    Platform& platform_;
    Setup setup_;
    bool completed_ = false;
    bool busy_ = false;
};

} // namespace tav::gui

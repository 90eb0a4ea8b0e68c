#include "gui/services/TfrmUpdate.h"

#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/materials/PriceInstall.h"
#include "core/materials/PriceListCheck.h"
#include "core/services/Schedule.h"
#include "core/services/WebAddress.h"
#include "gui/app/Guard.h"
#include "gui/app/ImageLoader.h"
#include "gui/app/Placement.h"
#include "gui/app/TImage.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TextCodec.h"
#include "gui/app/WizardState.h"
#include "gui/services/MakerSite.h"
#include "gui/services/Reminders.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cctype>

namespace tav::gui {

namespace {

const QString kProgramsKey = QStringLiteral("\\Software\\Brimcor");
constexpr qint64 kMaxPriceListBytes = 64LL << 20;
constexpr qint64 kMaxProgramFileBytes = 512LL << 20;
const QString kPricePackage = QStringLiteral("pricing.dat");
const QString kPriceLabel = QStringLiteral("Pricing Database");
constexpr qint64 kMaxDigestBytes = 4096;

// The digest file holds the SHA-256 of the list in hexadecimal, perhaps followed by the
// file's name as checksum tools write it.
std::optional<QByteArray> ParseDigest(const QByteArray& text)
{
    const QByteArray digest = text.simplified().split(' ').value(0).toLower();
    if (digest.size() != 64)
        return std::nullopt;
    for (char c : digest)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return digest;
}

QString Records(size_t count)
{
    return QString::number(count) + (count == 1 ? " record" : " records");
}

QString ShortDate(const QDate& date)
{
    return FromData(FormatShortDate(ToDate(date)));
}

} // namespace

TfrmUpdate::TfrmUpdate(Platform& platform, Setup setup, QWidget* parent)
    : QDialog(parent), platform_(platform), setup_(std::move(setup))
{
    setObjectName("frmUpdate");
    setWindowTitle("Brimcor Syncrest");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    rgAction =
        new TRadioGroup("rgAction", "Select Action:", {"Update Pricing &Database Only", "Update &Program Files"}, this);
    rgAction->SetItemIndex(kPricingOnly);
    Image1 = new TImage("Image1", this);
    ImageLoader(platform_, this, setup_.imagesFolder).LoadImage(Image1, "syncrest.gif", false);
    auto* top = new QHBoxLayout;
    top->addWidget(rgAction, 1);
    top->addWidget(Image1);

    lblDirections = new QLabel("Select program(s) to update:", this);
    lblDirections->setObjectName("lblDirections");
    chkAll = new QCheckBox("Select &All", this);
    chkAll->setObjectName("chkAll");
    chkAll->setEnabled(false);

    sgPrograms = new QTableWidget(1, 2, this);
    sgPrograms->setObjectName("sgPrograms");
    sgPrograms->setHorizontalHeaderLabels({"Program Name", "Last Update"});
    sgPrograms->verticalHeader()->hide();
    sgPrograms->setColumnWidth(0, 130);
    sgPrograms->setColumnWidth(1, 130);
    sgPrograms->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgPrograms->setSelectionMode(QAbstractItemView::ExtendedSelection);
    sgPrograms->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgPrograms->setWordWrap(false);
    sgPrograms->setEnabled(false);
    for (int column = 0; column < 2; ++column)
        sgPrograms->setItem(0, column, new QTableWidgetItem);

    chkReminder = new QCheckBox("Run Syncrest again in", this);
    chkReminder->setObjectName("chkReminder");
    chkReminder->setChecked(true);
    cboNumDays = MakeDaysCombo(this, "30");
    lblDays = new QLabel("days", this);
    lblDays->setObjectName("lblDays");
    auto* reminder = new QHBoxLayout;
    reminder->addWidget(chkReminder);
    reminder->addWidget(cboNumDays);
    reminder->addWidget(lblDays);
    reminder->addStretch();

    btnUpdate = new QPushButton("&Update Now", this);
    btnUpdate->setObjectName("btnUpdate");
    btnUpdate->setDefault(true);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnUpdate);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblDirections);
    layout->addWidget(chkAll);
    layout->addWidget(sgPrograms, 1);
    layout->addLayout(reminder);
    layout->addLayout(buttons);
    resize(289, 371);

    connect(rgAction, &TRadioGroup::itemClicked, this, &TfrmUpdate::rgActionClick);
    connect(chkAll, &QCheckBox::clicked, this, &TfrmUpdate::chkAllClick);
    connect(sgPrograms, &QTableWidget::cellClicked, this, &TfrmUpdate::sgProgramsClick);
    connect(chkReminder, &QCheckBox::toggled, this, &TfrmUpdate::chkReminderClick);
    connect(btnUpdate, &QPushButton::clicked, this, &TfrmUpdate::btnUpdateClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmUpdate::reject);
    rgActionClick();
}

void TfrmUpdate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

void TfrmUpdate::FillPrograms()
{
    registry::IRegistry& reg = platform_.registry;
    sgPrograms->setRowCount(0);
    for (const QString& name : reg.SubKeys(kProgramsKey)) {
        const QString key = kProgramsKey + "\\" + name;
        const QString caption = reg.ReadString(key, "MenuCaption").value_or(QString());
        const QString exe = reg.ReadString(key, "UpdateExe").value_or(QString());
        if (caption.isEmpty() || exe.isEmpty())
            continue;
        QString last = reg.ReadString(key, "UpdateDate").value_or(QString());
        if (last.isEmpty()) {
            // Never updated from here: the program's own file tells when it was installed.
            const QFileInfo program(reg.ReadString(key, "Path").value_or(QString()) + "/" +
                                    reg.ReadString(key, "ExeName").value_or(QString()));
            if (program.isFile())
                last = ShortDate(program.lastModified().date());
        }
        const int row = sgPrograms->rowCount();
        sgPrograms->insertRow(row);
        sgPrograms->setItem(row, 0, new QTableWidgetItem(caption));
        sgPrograms->setItem(row, 1, new QTableWidgetItem(last));
    }
    if (sgPrograms->rowCount() == 0) {
        sgPrograms->insertRow(0);
        sgPrograms->setItem(0, 0, new QTableWidgetItem);
        sgPrograms->setItem(0, 1, new QTableWidgetItem);
    }
    int selected = -1;
    for (int row = 0; row < sgPrograms->rowCount(); ++row)
        if (sgPrograms->item(row, 0)->text() == setup_.defaultProgram)
            selected = row;
    sgPrograms->clearSelection();
    if (selected >= 0)
        sgPrograms->selectRow(selected);
    ColourRows();
}

void TfrmUpdate::ChooseAction(Action action)
{
    rgAction->SetItemIndex(action);
    rgActionClick();
}

void TfrmUpdate::ShowInterval(const QString& days)
{
    cboNumDays->setCurrentText(days);
}

QString TfrmUpdate::IntervalText() const
{
    return cboNumDays->currentText();
}

bool TfrmUpdate::RemindAgain() const
{
    return chkReminder->isChecked();
}

void TfrmUpdate::rgActionClick()
{
    const bool programs = rgAction->ItemIndex() == kProgramFiles;
    chkAll->setEnabled(programs);
    sgPrograms->setEnabled(programs);
    QPalette palette = sgPrograms->palette();
    palette.setColor(QPalette::Base, this->palette().color(programs ? QPalette::Base : QPalette::Button));
    sgPrograms->setPalette(palette);
    ColourRows();
}

void TfrmUpdate::ColourRows()
{
    const bool programs = rgAction->ItemIndex() == kProgramFiles;
    const Date today = ToDate(platform_.clock.Today());
    for (int row = 0; row < sgPrograms->rowCount(); ++row) {
        QColor colour = palette().color(QPalette::WindowText);
        if (!programs)
            colour = Qt::gray;
        else if (IsStaleUpdate(ToData(sgPrograms->item(row, 1)->text()), today))
            colour = Qt::red;
        // Selected rows are drawn in the highlight colours by the view itself.
        for (int column = 0; column < 2; ++column)
            sgPrograms->item(row, column)->setForeground(colour);
    }
}

void TfrmUpdate::chkAllClick()
{
    if (chkAll->isChecked())
        sgPrograms->selectAll();
}

void TfrmUpdate::sgProgramsClick()
{
    chkAll->setChecked(false);
}

void TfrmUpdate::chkReminderClick()
{
    cboNumDays->setEnabled(chkReminder->isChecked());
}

void TfrmUpdate::reject()
{
    // A running download is cancelled in its own window, not by closing this one.
    if (!busy_)
        QDialog::reject();
}

void TfrmUpdate::closeEvent(QCloseEvent* event)
{
    if (busy_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TfrmUpdate::btnUpdateClick()
{
    if (busy_)
        return;
    RunGuarded(platform_.boxes, this, [&] {
        const GuardScope busy(busy_);
        btnUpdate->setEnabled(false);
        btnCancel->setEnabled(false);
        struct Restore
        {
            TfrmUpdate* form;
            ~Restore()
            {
                form->btnUpdate->setEnabled(true);
                form->btnCancel->setEnabled(true);
            }
        } restore{this};
        UpdateNow();
    });
    if (completed_)
        accept();
}

void TfrmUpdate::UpdateNow()
{
    const bool programs = rgAction->ItemIndex() == kProgramFiles;
    if (programs && SelectedRows().size() >= 3) {
        platform_.sounds.Information();
        BoxRequest ask;
        ask.kind = BoxKind::Warning;
        ask.text = "Updating this many programs at once may take anywhere from several minutes \n"
                   "to an hour depending on the speed of your Internet connection.  Are \n"
                   "you sure you want to continue?";
        ask.buttons = {{BoxButton::Yes, {}}, {BoxButton::No, {}}, {BoxButton::Cancel, {}}};
        ask.defaultButton = BoxButton::Yes;
        if (platform_.boxes.Show(this, ask).button != BoxButton::Yes) {
            platform_.sounds.Information();
            platform_.boxes.Error(this, "Update Cancelled");
            return;
        }
    }
    if (!platform_.connectivity.Connected()) {
        platform_.sounds.Information();
        platform_.boxes.Error(this, "No Active Internet Connection Detected.\n"
                                    "Please check your connection and try again.");
        return;
    }
    const QString folder = ServiceFolder(platform_.registry, "updates");
    completed_ = programs ? ProgramFilesUpdate(folder) : PricingDownload(folder, true);
}

QList<int> TfrmUpdate::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : sgPrograms->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<TfrmUpdate::ProgramKey> TfrmUpdate::FindProgram(const QString& menuCaption) const
{
    if (menuCaption.isEmpty())
        return std::nullopt;
    const registry::IRegistry& reg = platform_.registry;
    for (const QString& name : reg.SubKeys(kProgramsKey)) {
        const QString key = kProgramsKey + "\\" + name;
        const QString exe = reg.ReadString(key, "UpdateExe").value_or(QString());
        if (!exe.isEmpty() && reg.ReadString(key, "MenuCaption").value_or(QString()) == menuCaption)
            return ProgramKey{key, exe};
    }
    return std::nullopt;
}

DownloadResult TfrmUpdate::DownloadFile(const QString& path, const QString& file, const QString& label, qint64 maxBytes,
                                        std::function<QString(const QByteArray&)> check)
{
    DownloadRequest request;
    request.url = SiteFile(setup_.site, path);
    request.file = file;
    request.label = label;
    request.maxBytes = maxBytes;
    request.check = std::move(check);
    DownloadResult result;
    if (file.isEmpty() || QFileInfo(file).path().isEmpty() || !QFileInfo(QFileInfo(file).path()).isDir())
        result = {
            DownloadOutcome::Failed, "the folder for \"" + QFileInfo(file).fileName() + "\" cannot be made", 0, {}};
    else
        result = platform_.downloader.Download(this, request);
    if (result.outcome == DownloadOutcome::Failed)
        ReportDownloadFailure(label, result.reason);
    return result;
}

void TfrmUpdate::ReportDownloadFailure(const QString& label, const QString& reason)
{
    platform_.sounds.Information();
    platform_.boxes.Error(this, "Unable to download " + label +
                                    ". Please verify your Internet connection or contact BRIMCOR for assistance.\n(" +
                                    reason + ")");
}

std::optional<QByteArray> TfrmUpdate::PublishedDigest()
{
    const QString name = kPricePackage + ".sha256";
    DownloadRequest request;
    request.url = SiteFile(setup_.site, "/sitetools/" + name);
    request.label = kPriceLabel;
    request.maxBytes = kMaxDigestBytes;
    const DownloadResult result = platform_.downloader.Download(this, request);
    if (result.outcome == DownloadOutcome::Cancelled)
        return std::nullopt;
    // A site that publishes no digest is taken at its word for the list's length alone.
    if (!result.Done() && (result.status == 404 || result.status == 410))
        return QByteArray();
    if (!result.Done())
        ReportDownloadFailure(kPriceLabel, "the SHA-256 digest beside the price list: " + result.reason);
    else if (const auto digest = ParseDigest(result.content))
        return digest;
    else
        ReportDownloadFailure(kPriceLabel, "the site's " + name + " holds no SHA-256 digest");
    return std::nullopt;
}

bool TfrmUpdate::ConfirmDoubtfulList(const PriceListComparison& comparison)
{
    QString text = "The price list just downloaded holds " + Records(comparison.newRecords);
    if (comparison.shrunk)
        text += ", fewer than half of the " + Records(comparison.installedRecords) + " in the one installed now";
    else
        text += " (the one installed now holds " + Records(comparison.installedRecords) + ")";
    if (comparison.unpriced)
        text += comparison.newRecords == 1 ? ", which has no price" : ", and not one of them has a price";
    text += ".\nIt may have arrived incomplete. Install it all the same?";
    BoxRequest ask;
    ask.kind = BoxKind::Warning;
    ask.text = text;
    ask.buttons = {{BoxButton::Yes, {}}, {BoxButton::No, {}}};
    ask.defaultButton = BoxButton::No;
    ask.escapeButton = BoxButton::No;
    return platform_.boxes.Show(this, ask).button == BoxButton::Yes;
}

bool TfrmUpdate::PricingDownload(const QString& folder, bool notice)
{
    const std::optional<QByteArray> digest = PublishedDigest();
    if (!digest)
        return false;
    const auto check = [&digest](const QByteArray& bytes) {
        const auto problems = CheckPriceListBytes(std::string_view(bytes.constData(), bytes.size()), 1);
        if (!problems.empty()) {
            const auto& p = problems.front();
            return "not a price list: " + (p.line > 0 ? "line " + QString::number(p.line) + " " : QString()) +
                   FromData(p.message);
        }
        if (!digest->isEmpty() && QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() != *digest)
            return QStringLiteral("the price list does not match the SHA-256 digest the site publishes beside it");
        return QString();
    };
    const DownloadResult download =
        DownloadFile("/sitetools/" + kPricePackage, folder.isEmpty() ? QString() : folder + kPricePackage, kPriceLabel,
                     kMaxPriceListBytes, check);
    if (!download.Done())
        return false;
    const std::string_view prices(download.content.constData(), download.content.size());
    const PriceListComparison comparison =
        CompareWithInstalledPrices(ToData(CommonFilesFolder(platform_.registry)), prices);
    if (comparison.Doubtful() && !ConfirmDoubtfulList(comparison))
        return false;
    if (notice) {
        platform_.sounds.Beep();
        platform_.boxes.Information(this, "Download Complete.\nClick OK to continue with installation");
    }
    return InstallPrices(download.content);
}

bool TfrmUpdate::InstallPrices(const QByteArray& prices)
{
    const QString shared = CommonFilesFolder(platform_.registry);
    try {
        InstallPriceList(ToData(shared), std::string_view(prices.constData(), prices.size()));
        if (setup_.pricesInstalled)
            setup_.pricesInstalled(ToData(shared));
        return true;
    } catch (const tav::Error& e) {
        platform_.boxes.Error(this, "The pricing database could not be installed.\n" + FromData(e.what()));
    }
    return false;
}

bool TfrmUpdate::ProgramFilesUpdate(const QString& folder)
{
    struct Job
    {
        QString program;
        ProgramKey key;
        int row = 0;
        bool downloaded = false;
    };
    std::vector<Job> jobs;
    for (int row : SelectedRows()) {
        const QString program = sgPrograms->item(row, 0)->text();
        if (const auto key = FindProgram(program))
            jobs.push_back({program, *key, row, false});
    }
    if (jobs.empty()) {
        platform_.boxes.Information(this, "None of the selected programs has an update to download.\n"
                                          "Select a program in the list first.");
        return false;
    }

    bool allDownloaded = true;
    for (Job& job : jobs) {
        if (!IsPlainFileName(ToData(job.key.updateExe))) {
            platform_.sounds.Information();
            platform_.boxes.Error(this, "The update of " + job.program + " names \"" + job.key.updateExe +
                                            "\", which is not a plain file name.\n"
                                            "Please contact BRIMCOR for assistance.");
            allDownloaded = false;
            break;
        }
        const DownloadOutcome outcome =
            DownloadFile("/sitetools/" + job.key.updateExe, folder.isEmpty() ? QString() : folder + job.key.updateExe,
                         job.program, kMaxProgramFileBytes)
                .outcome;
        if (outcome == DownloadOutcome::Cancelled)
            return false;
        job.downloaded = outcome == DownloadOutcome::Done;
        if (!job.downloaded) {
            allDownloaded = false;
            break;
        }
    }

    platform_.sounds.Beep();
    if (allDownloaded)
        platform_.boxes.Information(this, "Updated files have been downloaded\nClick OK to continue with installation");
    else
        platform_.boxes.Information(this, "Some files were not downloaded\n"
                                          "Click OK to install the files which were successfully downloaded\n"
                                          "and contact BRIMCOR for assistance with the others");

    // Nothing downloaded is ever run: the user installs it from the folder.
    bool anyDownloaded = false;
    const QString today = ShortDate(platform_.clock.Today());
    for (const Job& job : jobs) {
        if (!job.downloaded)
            continue;
        anyDownloaded = true;
        platform_.registry.WriteString(job.key.key, "UpdateDate", today);
        sgPrograms->item(job.row, 1)->setText(today);
    }
    if (anyDownloaded)
        platform_.desktop.Open(QUrl::fromLocalFile(folder));
    ColourRows();

    const bool pricesInstalled = PricingDownload(folder, false);
    return allDownloaded && pricesInstalled;
}

} // namespace tav::gui

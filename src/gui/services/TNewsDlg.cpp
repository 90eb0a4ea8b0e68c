#include "gui/services/TNewsDlg.h"

#include "core/common/Files.h"
#include "core/services/Headlines.h"
#include "gui/app/TextCodec.h"
#include "gui/app/WizardState.h"
#include "gui/services/MakerSite.h"
#include "gui/services/Reminders.h"
#include "gui/services/TfrmNews.h"

namespace tav::gui {

namespace {

constexpr qint64 kMaxNewsPageBytes = 2LL << 20;

} // namespace

TNewsDlg::TNewsDlg(Platform& platform, QWidget* owner, QString imagesFolder)
    : ReminderComponent(platform, owner, std::move(imagesFolder), "News", 7)
{}

void TNewsDlg::Check()
{
    if (busy_)
        return;
    const ReminderRules rules{ScheduleKeyName(), UpdateInterval, false, false};
    const ReminderQuestion question{"Brimcor Press Releases",
                                    "View the latest press releases from Brimcor Corporation?", false};
    if (RunReminder(platform_, owner_, rules, question))
        Execute();
}

bool TNewsDlg::Execute()
{
    // The downloads keep events flowing, so the command can come again before their
    // progress window shows.
    if (busy_)
        return false;
    const GuardScope busy(busy_);
    const QString key = ScheduleKeyName();
    TfrmNews window(platform_, imagesFolder_, owner_);
    window.ShowInterval(StoredIntervalText(platform_.registry, key, UpdateInterval));

    const QUrl site = MakerSiteAddress(platform_.registry);
    const QString folder = ServiceFolder(platform_.registry, "news");
    struct Page
    {
        QUrl address;
        QString file;
    };
    const Page pages[] = {
        {SiteFile(site, kPressReleasePage), folder + "rawnews.dat"},
        {SiteFile(site, kHomePage), folder + "rawsl.dat"},
    };
    QStringList failures;
    for (const Page& page : pages) {
        DownloadResult result;
        if (folder.isEmpty()) {
            result.reason = "the news folder cannot be made in " + CommonFilesFolder(platform_.registry);
        } else {
            DownloadRequest request;
            request.url = page.address;
            request.file = page.file;
            request.label = QStringLiteral("the latest news");
            request.maxBytes = kMaxNewsPageBytes;
            result = platform_.downloader.Download(owner_, request);
        }
        if (result.outcome == DownloadOutcome::Cancelled)
            return false;
        if (!result.Done())
            failures << page.address.toString() + ": " + result.reason;
    }
    if (!failures.isEmpty()) {
        platform_.boxes.Information(owner_, "Unable to download the latest news from Brimcor.\n" + failures.join('\n'));
        return false;
    }

    const auto press = ReadFileBytes(ToData(pages[0].file)).value_or(std::string());
    const auto home = ReadFileBytes(ToData(pages[1].file)).value_or(std::string());
    window.ShowHeadlines(
        BuildHeadlines(press, ToData(pages[0].address.toString()), home, ToData(pages[1].address.toString())));
    window.exec();
    SaveSchedule(platform_, key, window.IntervalText(), window.DisplayAgain(), UpdateInterval);
    return true;
}

} // namespace tav::gui

#include "doubles/Modal.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/TfrmMain.h"
#include "gui/services/TNewsDlg.h"
#include "gui/services/TSyncrestDlg.h"
#include "gui/services/TfrmNews.h"
#include "gui/services/TfrmUpdate.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace tav::test {
namespace {

using gui::BoxAnswer;
using gui::BoxButton;

const QString kNews = "\\Software\\Brimcor\\News";
const QString kSyncrest = "\\Software\\Brimcor\\Syncrest";

std::optional<QString> Opt(const char* text)
{
    return text ? std::optional<QString>(text) : std::nullopt;
}

TEST(Reminders, ScheduleStatesAgainstTheClock)
{
    struct Case
    {
        bool syncrest;
        const char* next; // nullptr: no value
        bool newInstall;
        QDate today;
        BoxAnswer answer;
        bool asked;
        const char* nextAfter;
        const char* intervalAfter;
    };
    const QDate pi(2025, 3, 14);
    const BoxAnswer no{BoxButton::No, false};
    const BoxAnswer cancelNeverAgain{BoxButton::Cancel, true};
    const BoxAnswer noNeverAgain{BoxButton::No, true};
    const Case cases[] = {
        {false, nullptr, false, pi, no, false, "03/21/2025", nullptr},
        {false, "0", false, pi, no, false, "0", nullptr},
        {false, "0", true, pi, no, false, "0", nullptr}, // the news has no installation marker
        {false, "03/15/2025", false, pi, no, false, "03/15/2025", nullptr},
        {false, "03/15/2025", false, pi.addDays(1), no, true, "03/15/2025", nullptr},
        {false, "3/1/2025", false, pi, cancelNeverAgain, true, "0", nullptr},
        {true, nullptr, false, pi, no, false, "04/13/2025", "30"},
        {true, "0", true, pi, no, false, "04/13/2025", "30"},
        {true, "03/20/2025", true, pi, no, false, "04/13/2025", "30"},
        {true, "03/14/2025", false, pi, no, true, "03/14/2025", nullptr},
        {true, "03/14/2025", false, pi, noNeverAgain, true, "0", nullptr},
        {true, "12/31/2099", false, pi, no, false, "12/31/2099", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.syncrest ? "Syncrest " : "News ") + (c.next ? c.next : "(none)") +
                     (c.newInstall ? " + NewInstall" : "") + " on " + c.today.toString("MM/dd/yyyy").toStdString());
        FakePlatform fake;
        fake.clock.today = c.today;
        const QString key = c.syncrest ? kSyncrest : kNews;
        if (c.next)
            fake.registry.WriteString(key, "NextUpdate", c.next);
        if (c.newInstall)
            fake.registry.WriteString(key, "NewInstall", "1");
        const BoxAnswer answer = c.answer;
        fake.boxes.script.push_back([answer](const gui::BoxRequest&) { return answer; });

        if (c.syncrest)
            gui::TSyncrestDlg(fake.platform, nullptr, {}).Check();
        else
            gui::TNewsDlg(fake.platform, nullptr, {}).Check();

        ASSERT_EQ(fake.boxes.shown.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            const auto& box = fake.boxes.shown[0];
            EXPECT_EQ(box.caption, c.syncrest ? "Brimcor Syncrest" : "Brimcor Press Releases");
            EXPECT_EQ(box.checkBoxText, "Don't ask me again.");
            EXPECT_EQ(box.buttons.size(), 3);
            EXPECT_EQ(fake.sounds.beeps, c.syncrest ? 1 : 0);
        }
        EXPECT_EQ(fake.registry.ReadString(key, "NextUpdate"), Opt(c.nextAfter));
        EXPECT_EQ(fake.registry.ReadString(key, "Interval"), Opt(c.intervalAfter));
        if (c.syncrest) {
            EXPECT_FALSE(fake.registry.ValueExists(key, "NewInstall"));
        }
    }
}

class RemindersOnActivation : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;

    void SetUp() override { inst.Register(fake.registry); }

    // Shows the window, lets it become active and runs what the activation queued.
    static void Activate(gui::TfrmMain& w)
    {
        if (!w.isVisible()) {
            w.show();
            w.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        } else {
            QEvent again(QEvent::ActivationChange);
            QApplication::sendEvent(&w, &again);
        }
        QTest::qWait(20);
    }

    int Asked(const QString& caption) const
    {
        int n = 0;
        for (const auto& box : fake.boxes.shown)
            n += box.caption == caption ? 1 : 0;
        return n;
    }
};

TEST_F(RemindersOnActivation, NewsFirstThenSyncrestAndOncePerRun)
{
    fake.registry.WriteString(kNews, "NextUpdate", "03/14/2025");
    fake.registry.WriteString(kSyncrest, "NextUpdate", "03/01/2025");
    fake.boxes.script.push_back([](const gui::BoxRequest&) { return BoxAnswer{BoxButton::No, false}; });
    fake.boxes.script.push_back([](const gui::BoxRequest&) { return BoxAnswer{BoxButton::No, false}; });
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {});
    Activate(w);
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_EQ(fake.boxes.shown[0].caption, "Brimcor Press Releases");
    EXPECT_EQ(fake.boxes.shown[1].caption, "Brimcor Syncrest");
    // Each box closing activates the window again; both reminders stay due, and quiet.
    Activate(w);
    Activate(w);
    EXPECT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_EQ(fake.registry.ReadString(kNews, "NextUpdate"), "03/14/2025");
}

TEST_F(RemindersOnActivation, YesOpensTheDialogFromTheQuestion)
{
    fake.registry.WriteString(kSyncrest, "NextUpdate", "03/14/2025");
    fake.registry.WriteString(kNews, "NextUpdate", "0");
    fake.boxes.script.push_back([](const gui::BoxRequest&) { return BoxAnswer{BoxButton::Yes, true}; });
    const WhenModal<gui::TfrmUpdate> driver([](gui::TfrmUpdate& d) { Click(d, "btnCancel"); });
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {});
    Activate(w);
    EXPECT_TRUE(driver.Seen());
    EXPECT_EQ(fake.registry.ReadString(kSyncrest, "NextUpdate"), "0") << "Don't ask me again., then Cancel";
}

TEST_F(RemindersOnActivation, AnUnreadableDateIsReportedOnce)
{
    fake.registry.WriteString(kNews, "NextUpdate", "13/45/2025");
    fake.registry.WriteString(kSyncrest, "NextUpdate", "0");
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {});
    Activate(w);
    Activate(w);
    EXPECT_EQ(fake.boxes.Texts(), QStringList{"'13/45/2025' is not a valid date"});
}

TEST_F(RemindersOnActivation, ALaunchWithArgumentsNeverAsks)
{
    fake.registry.WriteString(kNews, "NextUpdate", "01/01/2025");
    fake.registry.WriteString(kSyncrest, "NextUpdate", "01/01/2025");
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {"OPEN", inst.ProgramFolder() + "none.tvr"});
    Activate(w);
    EXPECT_EQ(Asked("Brimcor Press Releases") + Asked("Brimcor Syncrest"), 0);
    EXPECT_EQ(fake.registry.ReadString(kNews, "NextUpdate"), "01/01/2025");
}

} // namespace
} // namespace tav::test

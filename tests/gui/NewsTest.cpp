#include "doubles/Modal.h"
#include "doubles/TestHttpServer.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/TfrmMain.h"
#include "gui/services/MakerSite.h"
#include "gui/services/TfrmNews.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace tav::test {
namespace {

using gui::TfrmNews;

const QString kSchedule = "\\Software\\Brimcor\\News";

QByteArray Release(int id, const QByteArray& title)
{
    return "<li><a HREF=\"viewpressrelease.asp?id=" + QByteArray::number(id) + "&langid=1\">" + title + "</a></li>\n";
}

class News : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;
    TestHttpServer site;

    void SetUp() override
    {
        inst.Register(fake.registry);
        fake.registry.WriteString(gui::kCommonFilesKey, gui::kSiteValue, site.Site());
        QByteArray press =
            "<ul>\n" + Release(1, "Same title") + Release(2, "Same title") + Release(3, "<b>not bold</b> &amp; plain") +
            "<li><a HREF=\"javascript:steal()\">viewpressrelease.asp?&langid=1 trap</a></li>\n" + Release(5, "Fifth");
        site.routes["/whatsnew/pressreleases/default.asp"] = TestHttpServer::Page(press);
        site.routes["/home/default.asp"] = TestHttpServer::Page(
            "<!-- SpotLight -->\n<font color=\"red\">Spotlight story</font>\n<a HREF=\"/spot.asp\">more</a>\n"
            "<!-- End SpotLight -->\n");
    }

    std::unique_ptr<gui::TfrmMain> Start()
    {
        return std::make_unique<gui::TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
    }

    QString Story(int id) const
    {
        return site.Site() + "/whatsnew/pressreleases/viewpressrelease.asp?id=" + QString::number(id) + "&langid=1";
    }

    static void ClickLine(gui::HeadlineMemo& memo, int line)
    {
        QTextBlock block = memo.document()->findBlockByNumber(line);
        const QRect rect = memo.cursorRect(QTextCursor(block));
        QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, rect.center() + QPoint(2, 0));
    }
};

TEST_F(News, HeadlinesShowAndOpenTheirOwnStories)
{
    auto w = Start();
    const WhenModal<TfrmNews> driver([&](TfrmNews& d) {
        auto& spotlight = Named<gui::HeadlineMemo>(d, "memSpotlight");
        auto& news = Named<gui::HeadlineMemo>(d, "memNews");
        EXPECT_EQ(d.windowTitle(), "Brimcor News Headlines");
        EXPECT_EQ(spotlight.toPlainText(), "Spotlight story");
        EXPECT_EQ(news.toPlainText(), "Same title\nSame title\n\nviewpressrelease.asp?&langid=1 trap\nFifth");
        ClickLine(news, 1); // the second of two equal headlines
        ClickLine(news, 0);
        ClickLine(news, 3); // a script link opens nothing
        ClickLine(news, 4);
        QTest::mouseClick(spotlight.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        // Below the last headline nothing is opened.
        QTest::mouseClick(news.viewport(), Qt::LeftButton, {}, QPoint(5, news.viewport()->height() - 3));
        EXPECT_TRUE(d.isVisible()) << "the window stays open";
        Click(d, "btnClose");
    });
    Trigger(*w, "ViewLatestNewsFromBrimcor1");
    ASSERT_TRUE(driver.Seen());
    const QList<QUrl> expected = {QUrl(Story(2)), QUrl(Story(1)), QUrl(Story(5)), QUrl(site.Site() + "/spot.asp")};
    EXPECT_EQ(fake.desktop.opened, expected);
    EXPECT_TRUE(fake.boxes.shown.empty());
    EXPECT_EQ(fake.registry.ReadString(kSchedule, "NextUpdate"), "03/21/2025");
    EXPECT_EQ(fake.registry.ReadString(kSchedule, "Interval"), "7");
    EXPECT_EQ(inst.dir.Read("shared/news/rawsl.dat").substr(0, 18), "<!-- SpotLight -->");
}

TEST_F(News, ClosingByTheCloseBoxSavesTheScheduleToo)
{
    fake.registry.WriteString(kSchedule, "Interval", "14");
    auto w = Start();
    const WhenModal<TfrmNews> driver([&](TfrmNews& d) {
        const auto& days = Named<QComboBox>(d, "cboNumDays");
        EXPECT_EQ(days.currentText(), "14");
        Click(d, "chkDisplayAgain");
        EXPECT_FALSE(days.isEnabled());
        d.close();
    });
    Trigger(*w, "ViewLatestNewsFromBrimcor1");
    EXPECT_EQ(fake.registry.ReadString(kSchedule, "NextUpdate"), "0");
    EXPECT_EQ(fake.registry.ReadString(kSchedule, "Interval"), "14");
}

TEST_F(News, ASecondPressWhileTheNewsLoadsDoesNothing)
{
    site.answerDelayMs = 100; // the progress window has not shown yet when the key comes again
    auto w = Start();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    Named<QWidget>(*w, "btnNext").setFocus();
    int windows = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* news = qobject_cast<TfrmNews*>(QApplication::activeModalWidget())) {
            ++windows;
            news->close();
        }
    });
    closer.start(5);
    QTimer::singleShot(20, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(site.requests.size(), 2) << "each page once";
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(News, AFailedDownloadTheUserAskedForIsReported)
{
    fake.registry.WriteString(kSchedule, "NextUpdate", "01/01/2025");
    struct Case
    {
        const char* what;
        TestHttpServer::Route home;
        bool cancel;
    };
    const Case cases[] = {
        {"home page missing", TestHttpServer::Status(404, "gone"), false},
        {"home page too big", TestHttpServer::Page(QByteArray(3 << 20, 'x'), TestHttpServer::Mode::Chunked), false},
        {"cancelled", TestHttpServer::Page("x", TestHttpServer::Mode::Trickle), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.boxes.Clear();
        site.routes["/home/default.asp"] = c.home;
        auto w = Start();
        const WhenModal<TfrmNews> driver([](TfrmNews&) {});
        std::optional<CancelDownloadWhenShown> cancel;
        if (c.cancel)
            cancel.emplace();
        Trigger(*w, "ViewLatestNewsFromBrimcor1");
        EXPECT_FALSE(driver.Seen());
        if (c.cancel) {
            EXPECT_TRUE(fake.boxes.shown.empty());
        } else {
            ASSERT_EQ(fake.boxes.shown.size(), 1u);
            EXPECT_TRUE(fake.boxes.shown[0].text.startsWith("Unable to download the latest news from Brimcor."))
                << fake.boxes.shown[0].text.toStdString();
        }
        EXPECT_EQ(fake.registry.ReadString(kSchedule, "NextUpdate"), "01/01/2025");
    }
}

} // namespace
} // namespace tav::test

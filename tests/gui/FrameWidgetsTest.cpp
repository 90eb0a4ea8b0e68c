#include "doubles/FakePlatform.h"
#include "doubles/Widgets.h"
#include "gui/app/TfrmSplash.h"
#include "gui/catalog/CheckNumericCombo.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace tav::test {
namespace {

TEST(Splash, ClosesOnlyAfterItsTimerFired)
{
    gui::TfrmSplash splash("/nonexistent/");
    EXPECT_EQ(splash.size(), QSize(407, 243));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    auto& timer = Named<QTimer>(splash, "Timer1");
    EXPECT_EQ(timer.interval(), 3000);
    EXPECT_FALSE(splash.CanClose());
    QCloseEvent early;
    QCoreApplication::sendEvent(&splash, &early);
    EXPECT_FALSE(early.isAccepted());

    timer.setInterval(10);
    timer.start();
    splash.WaitUntilClosable();
    EXPECT_TRUE(splash.CanClose());
    QCloseEvent late;
    QCoreApplication::sendEvent(&splash, &late);
    EXPECT_TRUE(late.isAccepted());
}

TEST(Splash, StaysItsFullThreeSecondsOnScreen)
{
    // A timer that rounds its timeout to a coarse boundary fires early when started just
    // past one; start there, so an early close shows.
    using namespace std::chrono;
    while ((duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() % 500) / 50 != 1)
        std::this_thread::sleep_for(milliseconds(1));
    QElapsedTimer shown;
    shown.start();
    gui::TfrmSplash splash("/nonexistent/");
    splash.show();
    splash.WaitUntilClosable();
    EXPECT_GE(shown.elapsed(), 3000);
}

TEST(CheckNumericCombo, NonNumberFallsBackToTheFirstItem)
{
    struct Case
    {
        const char* typed;
        bool numeric;
        const char* after;
    };
    const Case cases[] = {
        {"824", true, "824"}, {"", true, ""}, {"8.5e2", true, "8.5e2"}, {"82,4", false, "806"}, {"abc", false, "806"},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        QComboBox box;
        box.setEditable(true);
        box.addItems({"806", "894"});
        box.setCurrentIndex(1);
        box.setEditText(c.typed);
        int changes = 0;
        QObject::connect(&box, &QComboBox::currentTextChanged, [&] { ++changes; });

        EXPECT_EQ(gui::CheckNumericCombo(&box, fake.platform), c.numeric) << c.typed;
        EXPECT_EQ(box.currentText(), c.after) << c.typed;
        EXPECT_EQ(fake.sounds.beeps, c.numeric ? 0 : 1) << c.typed;
        EXPECT_EQ(changes, 0) << "the replacement raises no change of its own";
        if (c.numeric) {
            EXPECT_TRUE(fake.boxes.shown.empty());
        } else {
            ASSERT_EQ(fake.boxes.shown.size(), 1u);
            EXPECT_EQ(fake.boxes.shown[0].kind, BoxKind::Warning);
            EXPECT_EQ(fake.boxes.shown[0].text, "This field must contain a numeric value.");
            EXPECT_EQ(box.currentIndex(), 0);
        }
    }
}

} // namespace
} // namespace tav::test

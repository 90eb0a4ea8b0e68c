#include "core/wizard/Obsolete.h"
#include "doubles/FakePlatform.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/wizard/ChoiceBox.h"
#include "gui/wizard/ObsoleteNotice.h"
#include "support/TempDir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace tav::test {
namespace {

using Entries = std::vector<std::string>;

const LineList kObsolete{"HGP-12|HGS-12|Hoisting Grip, standard|"};
const char* kWarningsOn = "[OldParts]\r\nObsoleteWarning=1\r\n";

TEST(FillChoiceBox, RestoresTheChoiceAndRunsTheHandlerOnce)
{
    struct Case
    {
        const char* what;
        QStringList before;
        int beforeIndex;
        Entries entries;
        bool preferLast;
        const char* selected;
    };
    const Case cases[] = {
        {"earlier choice still offered, other case",
         {"Lace-Up", "STANDARD"},
         1,
         {"Lace-Up", "Standard", "None"},
         false,
         "Standard"},
        {"earlier choice gone, first entry",
         {"Pre-Laced", "None"},
         0,
         {"Lace-Up", "Standard", "None"},
         false,
         "Lace-Up"},
        {"earlier choice gone, prefer the last",
         {"Pre-Laced", "None"},
         0,
         {"4 in. Ports", "5 in. Ports", "None"},
         true,
         "None"},
        {"empty box", {}, -1, {"Standard", "None"}, true, "None"},
        {"a single placeholder", {"24", "36"}, 1, {"N/A"}, false, "N/A"},
    };
    for (const auto& c : cases) {
        QComboBox box;
        box.addItems(c.before);
        box.setCurrentIndex(c.beforeIndex);
        int emitted = 0;
        QObject::connect(&box, &QComboBox::currentIndexChanged, [&] { ++emitted; });
        QObject::connect(&box, &QComboBox::currentTextChanged, [&] { ++emitted; });
        int handled = 0;
        QString seenByHandler;
        gui::FillChoiceBox(box, c.entries, c.preferLast, [&] {
            ++handled;
            seenByHandler = box.currentText();
        });
        EXPECT_EQ(box.count(), static_cast<int>(c.entries.size())) << c.what;
        EXPECT_EQ(box.currentText(), c.selected) << c.what;
        EXPECT_EQ(handled, 1) << c.what;
        EXPECT_EQ(seenByHandler, c.selected) << c.what << ": the handler sees the restored entry";
        EXPECT_EQ(emitted, 0) << c.what;
    }

    QComboBox quiet;
    gui::FillChoiceBox(quiet, {"A", "None"}, false, {});
    EXPECT_EQ(quiet.currentText(), "A");
}

TEST(EnsureNoneChoice, OnTheBox)
{
    QComboBox box;
    box.addItems({"Plate", "none"});
    gui::EnsureNoneChoice(box);
    EXPECT_EQ(box.count(), 2);
    box.removeItem(1);
    box.setCurrentIndex(0);
    int emitted = 0;
    QObject::connect(&box, &QComboBox::currentIndexChanged, [&] { ++emitted; });
    gui::EnsureNoneChoice(box);
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.itemText(1), "None");
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(emitted, 0);
}

TEST(WidenDropDown, BoxWidthPlusLongestEntryPlus15)
{
    struct Case
    {
        int boxWidth;
        QStringList entries;
        int expected;
    };
    const Case cases[] = {
        {400, {"None", QString(40, QLatin1Char('x')), "N/A"}, 455}, // 40 characters: 55 wider
        {300, {"Latchor Snap-In Hanger", "N/A"}, 337},
        {180, {}, 195},
    };
    QWidget window;
    window.resize(700, 500);
    auto* box = new QComboBox(&window);
    gui::WidenDropDown(*box);
    window.show();
    for (const auto& c : cases) {
        box->clear();
        box->addItems(c.entries);
        box->setGeometry(10, 10, c.boxWidth, 24);
        EXPECT_EQ(gui::DropDownWidth(*box), c.expected);
        if (c.entries.isEmpty())
            continue; // an empty list does not drop down
        box->showPopup();
        QWidget* popup = box->view()->window();
        EXPECT_TRUE(popup->isVisible());
        EXPECT_EQ(popup->width(), c.expected) << c.boxWidth;
        box->hidePopup();
    }

    // An entry that needs more pixels than the rule gives: the list fits it.
    const QString wide(60, QLatin1Char('W'));
    box->clear();
    box->addItems({wide, "N/A"});
    box->setGeometry(10, 10, 100, 24);
    const int needed = QFontMetrics(box->view()->font()).horizontalAdvance(wide);
    ASSERT_GT(needed, 100 + 60 + 15);
    EXPECT_GE(gui::DropDownWidth(*box), needed);
}

TEST(GuardScope, ClearsTheFlagAlsoOnError)
{
    bool flag = false;
    try {
        gui::GuardScope guard(flag);
        EXPECT_TRUE(flag);
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(flag);
}

class ObsoleteNoticeTest : public ::testing::Test
{
protected:
    void Settings(const std::string& text) { dir.Write("settings.dat", text); }
    std::string Offer(const char* part)
    {
        return gui::OfferReplacement(fake.platform, nullptr, dir.Path(), kObsolete, part);
    }

    TempDir dir;
    FakePlatform fake;
};

TEST_F(ObsoleteNoticeTest, TheBoxAsShown)
{
    Settings(kWarningsOn);
    EXPECT_EQ(Offer("HGP-12"), "HGP-12") << "an unanswered box keeps the current selection";
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    const BoxRequest& r = fake.boxes.shown[0];
    EXPECT_EQ(r.kind, BoxKind::Warning);
    EXPECT_EQ(r.caption, "Obsolete Part Notification");
    EXPECT_EQ(r.text, "Please note that the part you are about to select is obsolete.\n"
                      "You can still select this part if you wish, but we recommend\n"
                      "the following replacement part instead:\n"
                      "HGS-12 - Hoisting Grip, standard");
    EXPECT_TRUE(r.richText.contains("color:#0000ff")) << r.richText.toStdString();
    EXPECT_TRUE(r.richText.contains("font-weight:bold"));
    EXPECT_TRUE(r.richText.contains(">HGS-12 - Hoisting Grip, standard</p>"));
    ASSERT_EQ(r.buttons.size(), 2);
    EXPECT_EQ(r.buttons[0].button, BoxButton::Custom1);
    EXPECT_EQ(r.buttons[0].caption, "Change To &New Part Number");
    EXPECT_EQ(r.buttons[1].button, BoxButton::Custom2);
    EXPECT_EQ(r.buttons[1].caption, "Keep &Current Selection");
    EXPECT_EQ(r.defaultButton, BoxButton::Custom2);
    EXPECT_EQ(r.minimumButtonWidth, 165);
    EXPECT_EQ(r.checkBoxText, "Don't tell me about obsolete parts anymore.");
    EXPECT_EQ(fake.sounds.informations, 1);
    EXPECT_EQ(dir.Read("settings.dat"), kWarningsOn) << "nothing written";

    // Markup in a description is shown as text.
    EXPECT_TRUE(gui::ObsoleteNoticeRequest("A<b> & co").richText.contains("A&lt;b&gt; &amp; co"));
}

TEST_F(ObsoleteNoticeTest, AnswersAndTheCheckBox)
{
    struct Case
    {
        const char* what;
        const char* settings;
        std::vector<BoxAnswer> answers; // one per offer, in turn
        std::vector<std::string> ordered;
        int boxes;
        bool warningsAfter;
    };
    const Case cases[] = {
        {"no setting: no question", "", {}, {"HGP-12", "HGP-12"}, 0, false},
        {"change, then keep",
         kWarningsOn,
         {{BoxButton::Custom1, false}, {BoxButton::Custom2, false}},
         {"HGS-12", "HGP-12"},
         2,
         true},
        {"change and tick: no further notices",
         kWarningsOn,
         {{BoxButton::Custom1, true}},
         {"HGS-12", "HGP-12"},
         1,
         false},
        {"keep and tick: no further notices",
         kWarningsOn,
         {{BoxButton::Custom2, true}},
         {"HGP-12", "HGP-12"},
         1,
         false},
    };
    for (const auto& c : cases) {
        FakePlatform local;
        Settings(c.settings);
        for (const BoxAnswer& a : c.answers)
            local.boxes.script.push_back([a](const BoxRequest&) { return a; });
        std::vector<std::string> ordered;
        for (int i = 0; i < 2; ++i)
            ordered.push_back(gui::OfferReplacement(local.platform, nullptr, dir.Path(), kObsolete, "HGP-12"));
        EXPECT_EQ(ordered, c.ordered) << c.what;
        EXPECT_EQ(static_cast<int>(local.boxes.shown.size()), c.boxes) << c.what;
        EXPECT_EQ(local.sounds.informations, c.boxes) << c.what;
        EXPECT_EQ(ObsoleteWarningsOn(dir.Path()), c.warningsAfter) << c.what;
    }
}

TEST_F(ObsoleteNoticeTest, UnwritableSettingsAreReportedAndTheChoiceStands)
{
    Settings(kWarningsOn);
    fake.boxes.script.push_back([this](const BoxRequest&) {
        // While the box is open, settings.dat turns into a folder: it can no longer be written.
        std::filesystem::remove(dir.File("settings.dat"));
        dir.Write("settings.dat/keep", "");
        return BoxAnswer{BoxButton::Custom1, true};
    });
    EXPECT_EQ(Offer("HGP-12"), "HGS-12");
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_EQ(fake.boxes.shown[1].kind, BoxKind::Error);
    EXPECT_TRUE(fake.boxes.shown[1].text.contains("settings.dat")) << fake.boxes.shown[1].text.toStdString();
}

// The real message box: what the user sees and what Enter does.
TEST_F(ObsoleteNoticeTest, RealBoxEnterKeepsThePart)
{
    Settings(kWarningsOn);
    gui::QtMessageBoxes real;
    gui::Platform platform = fake.WithBoxes(real);
    struct Seen
    {
        QString title;
        QString focused;
        int narrowest = 0;
        bool leftToRight = false;
        QString checkBox;
    } seen;
    const auto inspect = [&](bool tick, bool pressChange) {
        QTimer::singleShot(0, [&, tick, pressChange] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen.title = box->windowTitle();
            auto* focused = qobject_cast<QPushButton*>(box->focusWidget());
            seen.focused = focused ? focused->text() : QString();
            const auto buttons = box->buttons();
            QAbstractButton* change = nullptr;
            QAbstractButton* keep = nullptr;
            for (QAbstractButton* b : buttons)
                (b->text().startsWith("Change") ? change : keep) = b;
            ASSERT_TRUE(change && keep);
            seen.narrowest = std::min(change->minimumWidth(), keep->minimumWidth());
            seen.leftToRight = change->mapToGlobal(QPoint()).x() < keep->mapToGlobal(QPoint()).x();
            seen.checkBox = box->checkBox() ? box->checkBox()->text() : QString();
            if (tick)
                box->checkBox()->setChecked(true);
            if (pressChange)
                change->click();
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
    };

    inspect(false, false);
    EXPECT_EQ(gui::OfferReplacement(platform, nullptr, dir.Path(), kObsolete, "HGP-12"), "HGP-12");
    EXPECT_EQ(seen.title, "Obsolete Part Notification");
    EXPECT_EQ(seen.focused, "Keep &Current Selection");
    EXPECT_EQ(seen.narrowest, 165);
    EXPECT_TRUE(seen.leftToRight);
    EXPECT_EQ(seen.checkBox, "Don't tell me about obsolete parts anymore.");
    EXPECT_TRUE(ObsoleteWarningsOn(dir.Path()));

    inspect(true, true);
    EXPECT_EQ(gui::OfferReplacement(platform, nullptr, dir.Path(), kObsolete, "HGP-12"), "HGS-12");
    EXPECT_FALSE(ObsoleteWarningsOn(dir.Path()));
    EXPECT_EQ(fake.sounds.informations, 2);
}

// Esc and the window's close button answer as No does in a Yes/No box.
TEST_F(ObsoleteNoticeTest, RealBoxEscAndCloseKeepThePart)
{
    Settings(kWarningsOn);
    gui::QtMessageBoxes real;
    gui::Platform platform = fake.WithBoxes(real);
    struct Case
    {
        const char* what;
        std::function<void(QMessageBox*)> leave;
    };
    const Case cases[] = {
        {"Esc", [](QMessageBox* box) { QTest::keyClick(box->focusWidget(), Qt::Key_Escape); }},
        {"close button", [](QMessageBox* box) { box->close(); }},
    };
    for (const auto& c : cases) {
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            c.leave(box);
            // A box that ignored the attempt is left with a button, so the test goes on.
            QTimer::singleShot(200, [&stayedOpen, box] {
                if (QApplication::activeModalWidget() != box)
                    return;
                stayedOpen = true;
                for (QAbstractButton* b : box->buttons())
                    if (b->text().startsWith("Change"))
                        b->click();
            });
        });
        EXPECT_EQ(gui::OfferReplacement(platform, nullptr, dir.Path(), kObsolete, "HGP-12"), "HGP-12") << c.what;
        EXPECT_FALSE(stayedOpen) << c.what;
        QTest::qWait(250); // let the safety check pass while its box is gone
    }
}

} // namespace
} // namespace tav::test

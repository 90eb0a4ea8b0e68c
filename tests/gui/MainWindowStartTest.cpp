#include "core/app/Installation.h"
#include "core/common/Files.h"
#include "doubles/CableControls.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TImage.h"
#include "gui/app/TfrmMain.h"
#include "gui/materials/AccessoryListPage.h"
#include "gui/wizard/CableEntryTab.h"
#include "gui/wizard/LocationPage.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace tav::test {
namespace {

using gui::TfrmMain;

const QString kMissingFile =
    "One of the files needed to run this program is missing.\nPlease contact Brimcor for assistance.";

class MainWindowStart : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;

    void SetUp() override { inst.Register(fake.registry); }

    std::unique_ptr<TfrmMain> Start(const QStringList& args = {})
    {
        return std::make_unique<TfrmMain>(fake.platform, inst.ProgramFolder(), args);
    }

    static bool NavigationEnabled(TfrmMain& w, bool next, bool back, bool restart)
    {
        return Named<QPushButton>(w, "btnNext").isEnabled() == next &&
               Named<QPushButton>(w, "btnBack").isEnabled() == back &&
               Named<QPushButton>(w, "btnRestart").isEnabled() == restart &&
               Named<QAction>(w, "Next1").isEnabled() == next && Named<QAction>(w, "Back1").isEnabled() == back &&
               Named<QAction>(w, "Restart1").isEnabled() == restart;
    }
};

TEST_F(MainWindowStart, CompleteInstallationStartsQuietlyWithTheListsLoaded)
{
    auto w = Start();
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join(" | ").toStdString();
    EXPECT_EQ(w->windowTitle(), "Tavrolin");
    const auto& lists = w->State().lists;
    EXPECT_EQ(lists.tlines.size(), 2u) << "header dropped";
    EXPECT_EQ(lists.surge.size(), 1u) << "header dropped";
    EXPECT_EQ(lists.price.size(), 1u);
    EXPECT_EQ(lists.images.size(), 1u);
    EXPECT_EQ(w->State().selection, std::vector<std::string>(21, "|||"));
    EXPECT_EQ(w->State().runsCount, 3);
    EXPECT_EQ(w->CurrentPage(), TfrmMain::kParams);
    EXPECT_TRUE(NavigationEnabled(*w, true, false, false));
    EXPECT_EQ(Named<gui::TImage>(*w, "imgTower").PictureFile(), "tower.gif");
    EXPECT_EQ(Named<gui::TImage>(*w, "imgArrestor").PictureFile(), "na2.gif");
    EXPECT_EQ(fake.sounds.beeps, 0);
}

TEST_F(MainWindowStart, EachMissingFileGivesTheMissingFileBox)
{
    for (const auto& file : RequiredFiles()) {
        const std::string path =
            file.inShared ? inst.SharedFolder() + "/" + file.name : inst.dir.Path() + "prog/dat/" + file.name;
        const auto resolved = ResolveFile(path);
        ASSERT_TRUE(resolved) << file.name;
        std::filesystem::rename(*resolved, *resolved + ".away");
        fake.boxes.Clear();
        fake.sounds.beeps = 0;

        auto w = Start();
        ASSERT_EQ(fake.boxes.shown.size(), 1u) << file.name;
        EXPECT_EQ(fake.boxes.shown[0].kind, BoxKind::Error);
        EXPECT_EQ(fake.boxes.shown[0].text, kMissingFile);
        EXPECT_EQ(fake.sounds.beeps, 1) << file.name;
        EXPECT_TRUE(NavigationEnabled(*w, false, false, false)) << file.name;
        EXPECT_TRUE(w->State().lists.tlines.empty()) << "no list is loaded";
        EXPECT_TRUE(w->State().lists.price.empty());
        EXPECT_TRUE(Named<gui::TImage>(*w, "imgTower").PictureFile().isEmpty());

        std::filesystem::rename(*resolved + ".away", *resolved);
    }
}

TEST_F(MainWindowStart, FileNamesInAnotherCaseAreAccepted)
{
    const std::string dat = inst.dir.Path() + "prog/dat/";
    std::filesystem::rename(dat + "Surge.dat", dat + "SURGE.DAT");
    std::filesystem::rename(dat + "Images.dat", dat + "images.DAT");
    std::filesystem::rename(dat + "cblEntry.dat", dat + "CblEntry.Dat");
    std::filesystem::rename(inst.SharedFolder() + "/M_lom.dat", inst.SharedFolder() + "/m_LOM.dat");
    auto w = Start();
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join(" | ").toStdString();
    EXPECT_EQ(w->State().lists.surge.size(), 1u);
    EXPECT_EQ(w->State().lists.images.size(), 1u);
    EXPECT_EQ(w->State().lists.price.size(), 1u);
}

TEST_F(MainWindowStart, RegistryProblemsAreReportedInOrder)
{
    struct Case
    {
        const char* name;
        bool keyExists;
        QStringList expected;
    };
    const Case cases[] = {
        {"key missing", false, {"Unable to locate Registry Key", "Unable to create path from Registry", kMissingFile}},
        {"value missing", true, {"Unable to create path from Registry", kMissingFile}},
    };
    for (const auto& c : cases) {
        FakePlatform local;
        if (c.keyExists)
            local.registry.CreateKey(gui::kCommonFilesKey);
        TfrmMain w(local.platform, inst.ProgramFolder(), {});
        EXPECT_EQ(local.boxes.Texts(), c.expected) << c.name;
        for (const auto& b : local.boxes.shown)
            EXPECT_EQ(b.kind, BoxKind::Error) << c.name;
        EXPECT_TRUE(w.State().folders.shared.empty());
    }
}

TEST_F(MainWindowStart, PictureThatCannotBeLoadedIsReportedByName)
{
    inst.Image("monopole.gif", "not a picture");
    std::filesystem::remove(inst.dir.Path() + "prog/images/parapet.gif");
    auto w = Start();
    EXPECT_EQ(fake.boxes.Texts(), (QStringList{"Unable to load monopole.gif", "Unable to load parapet.gif"}));
    EXPECT_EQ(fake.sounds.informations, 2);
    gui::TImage* tower = &Named<gui::TImage>(*w, "imgTower");
    EXPECT_TRUE(Named<gui::TImage>(*w, "imgMonopole").PictureFile().isEmpty());
    EXPECT_EQ(tower->PictureFile(), "tower.gif") << "the other pictures still load";

    // A failed load keeps the picture the control had.
    fake.boxes.Clear();
    EXPECT_FALSE(w->Images().LoadImage(tower, "missing.gif", true));
    EXPECT_EQ(tower->PictureFile(), "tower.gif");
    EXPECT_EQ(fake.boxes.Texts(), QStringList{"Unable to load missing.gif"});
    fake.boxes.Clear();
    EXPECT_FALSE(w->Images().LoadImage(tower, "missing.gif", false));
    EXPECT_TRUE(fake.boxes.shown.empty()) << "silent when errors are not shown";
}

// A file the start cannot use is told in one box that names it, however many steps of the
// start read it.
TEST_F(MainWindowStart, ABrokenFileIsToldOnceByName)
{
    struct Case
    {
        const char* file;
        const char* bytes;
        QStringList args;
        BoxKind kind;
        const char* text; // "@" stands for the temporary folder
    };
    const QStringList launch{"FX-12", "20", "150", "4"};
    const Case cases[] = {
        {"shared/M_lom.dat",
         "Price list of the maker\n\nx|x|FX-12|x|Foam line|ask|\n",
         {},
         BoxKind::Warning,
         "The price list \"@shared/M_lom.dat\" holds no price."},
        {"prog/dat/tlines.dat", "Part|Key|Begin|End|\nFX-12|12FOAM||960|FOAM|1/2\"|0.21|0.0004|5|40|||c.gif|\n", launch,
         BoxKind::Error, "'' is not a valid floating point value\nin \"@prog/dat/tlines.dat\", line 2"},
        {"prog/dat/Surge.dat", "Low|High|\n800|1000|SP-1|na.gif|Surge|N Male|N Male|\n800|\n", launch, BoxKind::Error,
         "'' is not a valid floating point value\nin \"@prog/dat/Surge.dat\", line 3"},
    };
    for (const auto& c : cases) {
        TestInstallation broken;
        broken.dir.Write(c.file, c.bytes);
        FakePlatform local;
        broken.Register(local.registry);
        TfrmMain w(local.platform, broken.ProgramFolder(), c.args);
        ASSERT_EQ(local.boxes.shown.size(), 1u) << c.file << ": " << local.boxes.Texts().join(" | ").toStdString();
        EXPECT_EQ(local.boxes.shown[0].kind, c.kind) << c.file;
        const QString text = QString(c.text).replace("@", QString::fromStdString(broken.dir.Path()));
        EXPECT_TRUE(local.boxes.shown[0].text.startsWith(text)) << local.boxes.shown[0].text.toStdString();
    }
}

TEST_F(MainWindowStart, CommandLineShapes)
{
    struct Case
    {
        const char* name;
        QStringList args;
        int page;
        bool listOnly;
        int runs;
    };
    const QString site = QString::fromStdString(
        inst.dir.Write("site.tvr", "[SITE 001 LOM]\r\n[Other]\r\nTline=12FOAM\r\nNumRuns=3\r\n"));
    const Case cases[] = {
        {"open", {"OPEN", site}, TfrmMain::kLom, true, 3},
        {"launch", {"FX-12", "20", "150", "4"}, TfrmMain::kAccessories, true, 4},
        {"lower-case open is a part number", {"open", "20", "150", "2"}, TfrmMain::kAccessories, true, 2},
        {"three arguments do nothing", {"FX-12", "20", "150"}, TfrmMain::kParams, false, 3},
        {"five arguments do nothing", {"FX-12", "20", "150", "4", "x"}, TfrmMain::kParams, false, 3},
    };
    for (const auto& c : cases) {
        FakePlatform local;
        inst.Register(local.registry);
        TfrmMain w(local.platform, inst.ProgramFolder(), c.args);
        EXPECT_EQ(w.CurrentPage(), c.page) << c.name;
        EXPECT_EQ(Named<QCheckBox>(w, "chkMiscOnly").isChecked(), c.listOnly) << c.name;
        EXPECT_EQ(w.State().runsCount, c.runs) << c.name;
        if (c.page == TfrmMain::kLom) {
            EXPECT_TRUE(NavigationEnabled(w, false, true, true)) << c.name;
            EXPECT_TRUE(Named<QAction>(w, "Save1").isVisible() && Named<QAction>(w, "Save1").isEnabled()) << c.name;
        }
        if (c.page == TfrmMain::kAccessories) {
            EXPECT_TRUE(NavigationEnabled(w, true, true, true)) << c.name;
            EXPECT_TRUE(Named<QCheckBox>(w, "chkMiscOnly").isHidden()) << c.name;
            const auto& tabs = Named<QTabWidget>(w, "pcAccessories");
            const QWidget* list = &Named<gui::AccessoryListPage>(w, "tsList");
            EXPECT_EQ(tabs.currentWidget(), list) << c.name;
            for (int i = 0; i < tabs.count(); ++i)
                EXPECT_EQ(tabs.isTabVisible(i), tabs.widget(i) == list) << c.name;
        }
    }
    FakePlatform local;
    inst.Register(local.registry);
    TfrmMain launched(local.platform, inst.ProgramFolder(), {"fx-12", "20", "150", "4"});
    EXPECT_EQ(launched.State().cableKey, "12FOAM") << "the part number is found without regard to case";
    EXPECT_EQ(launched.State().cableDiameter, "1/2\"");
}

// A number the boxes cannot hold is as malformed as no number: nothing of the launch is
// applied, and the first page stays as it was.
TEST_F(MainWindowStart, LaunchNumbersTheBoxesCannotHoldStopWithTheConversionMessage)
{
    struct Case
    {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"FX-12", "20", "150", "four"}, "'four' is not a valid integer value"},
        {{"FX-12", "20", "150", "-1"}, "'-1' is not a valid integer value"},
        {{"FX-12", "20", "150", "10000"}, "'10000' is not a valid integer value"},
        {{"FX-12", "-5", "150", "4"}, "'-5' is not a valid floating point value"},
        {{"FX-12", "20", "1e9", "4"}, "'1e9' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        FakePlatform local;
        inst.Register(local.registry);
        TfrmMain w(local.platform, inst.ProgramFolder(), c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(local.boxes.Texts(), QStringList{c.message}) << what;
        EXPECT_EQ(w.State().runsCount, 3) << what;
        const CableControls cable(w);
        EXPECT_EQ(cable.seNumRuns->value(), 3) << what;
        EXPECT_EQ(cable.seHorizontalLength->value(), 15) << what;
        EXPECT_EQ(cable.seVerticalLength->value(), 100) << what;
        EXPECT_EQ(w.CurrentPage(), TfrmMain::kParams) << what;
        EXPECT_FALSE(Named<QCheckBox>(w, "chkMiscOnly").isChecked()) << what;
        EXPECT_FALSE(Named<QCheckBox>(w, "chkMiscOnly").isHidden()) << what;
    }
    TfrmMain large(fake.platform, inst.ProgramFolder(), {"FX-12", "20", "150", "1000"});
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
    EXPECT_EQ(CableControls(large).seNumRuns->value(), 1000) << "the box shows the runs count it works with";
    EXPECT_EQ(large.State().runsCount, 1000);
}

TEST_F(MainWindowStart, SpreadsheetCommandFollowsTheRegisteredApplication)
{
    EXPECT_FALSE(Named<QAction>(*Start(), "ToanMSExcelSpreadsheet1").isEnabled());
    fake.registry.classes << "Excel.Application";
    EXPECT_TRUE(Named<QAction>(*Start(), "ToanMSExcelSpreadsheet1").isEnabled());
}

TEST_F(MainWindowStart, MenuCommandsAndShortcuts)
{
    auto w = Start();
    struct Case
    {
        const char* action;
        const char* caption;
        const char* shortcut;
    };
    const Case cases[] = {
        {"Open1", "&Open", "Ctrl+O"},
        {"Save1", "&Save", "Ctrl+S"},
        {"ViewLastOrder1", "View &Last Order", "Ctrl+V"},
        {"Print1", "&Print", "Ctrl+P"},
        {"PrintPreview1", "Print Pre&view...", ""},
        {"CopyToClipboard1", "&Copy To Clipboard", "Ctrl+C"},
        {"Next1", "&Next ->", "Ctrl+N"},
        {"Back1", "<- &Back", "Ctrl+B"},
        {"Restart1", "<< &Restart", "Ctrl+R"},
        {"ViewLatestNewsFromBrimcor1", "View Latest News From &Brimcor", "Ctrl+A"},
        {"Syncrest1", "S&yncrest", "Ctrl+Q"},
        {"Exit1", "E&xit", "Ctrl+X"},
        {"ToaTextFile1", "To a &text file", ""},
        {"ToanMSExcelSpreadsheet1", "To an MS &Excel Spreadsheet", ""},
        {"ToanHTMLDocument1", "To an &HTML document", ""},
        {"Customize1", "&Customize", ""},
        {"Feet1", "&Feet", ""},
        {"Meters1", "&Meters", ""},
        {"About1", "&About", ""},
    };
    for (const auto& c : cases) {
        const QAction& action = Named<QAction>(*w, c.action);
        EXPECT_EQ(action.text(), c.caption);
        EXPECT_EQ(action.shortcut().toString(), c.shortcut) << c.caption;
    }
    const QList<QAction*> file = w->findChild<QMenu*>("File1")->actions();
    EXPECT_EQ(file.indexOf(&Named<QAction>(*w, "PrintPreview1")), file.indexOf(&Named<QAction>(*w, "Print1")) + 1)
        << "the preview follows Print";
    EXPECT_TRUE(Named<QAction>(*w, "Feet1").isChecked());
    EXPECT_FALSE(Named<QAction>(*w, "Meters1").isChecked());
    Trigger(*w, "Meters1");
    EXPECT_FALSE(Named<QAction>(*w, "Feet1").isChecked()) << "one radio group";

    struct ButtonCase
    {
        const char* button;
        const char* caption;
        const char* hint;
    };
    const ButtonCase buttons[] = {
        {"btnNext", "&Next", "Proceed"}, {"btnBack", "&Back", "Go Back"}, {"btnRestart", "&Restart", "Start Over"},
        {"btnClose", "&Close", "Exit"},  {"btnPrint", "&Print", ""},
    };
    for (const auto& b : buttons) {
        const QPushButton& button = Named<QPushButton>(*w, b.button);
        EXPECT_EQ(button.text(), b.caption);
        EXPECT_EQ(button.statusTip(), b.hint) << b.caption;
    }
}

TEST_F(MainWindowStart, StatusBarShowsTheHintUnderThePointer)
{
    auto w = Start();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QTest::mouseMove(&Named<QPushButton>(*w, "btnRestart"));
    QTest::mouseMove(&Named<QPushButton>(*w, "btnNext"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->statusBar()->currentMessage() == "Proceed"; }, 2000))
        << w->statusBar()->currentMessage().toStdString();
    QTest::mouseMove(&Named<gui::ClickLabel>(*w, "lblemail"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return w->statusBar()->currentMessage() == "email questions and comments"; }, 2000));
}

TEST_F(MainWindowStart, LinksToTheMaker)
{
    auto w = Start();
    w->show();
    QTest::mouseClick(&Named<gui::TImage>(*w, "imgLogo"), Qt::LeftButton);
    QTest::mouseClick(&Named<gui::ClickLabel>(*w, "lblemail"), Qt::LeftButton);
    ASSERT_EQ(fake.desktop.opened.size(), 2);
    EXPECT_EQ(fake.desktop.opened[0], QUrl(gui::kMakerSite));
    EXPECT_EQ(fake.desktop.opened[1].scheme(), "mailto");
    EXPECT_EQ(fake.desktop.opened[1].path(), gui::kSupportEmail);
    EXPECT_EQ(fake.desktop.opened[1].query(), "subject=Tavrolin");
    EXPECT_EQ(Named<gui::ClickLabel>(*w, "lblemail").text(), QString("email: ") + gui::kSupportEmail);
}

} // namespace
} // namespace tav::test

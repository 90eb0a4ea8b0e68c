#include "doubles/DemoInstallation.h"
#include "doubles/Geometry.h"
#include "doubles/QtPrinters.h"
#include "doubles/Widgets.h"
#include "gui/app/ImageLoader.h"
#include "gui/app/Maker.h"
#include "gui/app/ProgramFolder.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TImage.h"
#include "gui/app/TfrmMain.h"
#include "gui/cable/ParamsPage.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tav::test {
namespace {

using gui::TfrmMain;
using test::TempDir;

// A part of a control that the control itself sizes and places.
bool IsPartOfAControl(const QWidget* c)
{
    for (const QWidget* p = c->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QTabBar*>(p))
            return true;
    }
    return false;
}

// The controls on show that the window cuts off or squeezes below their least size, and
// tabs that only a scroll button reaches.
QStringList HiddenControls(TfrmMain& w)
{
    QStringList hidden;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!c->isVisible() || c->isWindow() || IsPartOfAControl(c))
            continue;
        const QRect at(c->mapTo(&w, QPoint(0, 0)), c->size());
        const QRect shown = ShownRect(*c);
        const QSize least = c->minimumSizeHint();
        const QString name = c->objectName().isEmpty() ? c->metaObject()->className() : c->objectName();
        if (shown != at || c->width() < least.width() || c->height() < least.height())
            hidden << QString("%1 %2x%3 of %4x%5")
                          .arg(name)
                          .arg(shown.width())
                          .arg(shown.height())
                          .arg(least.width())
                          .arg(least.height());
        if (auto* tabs = qobject_cast<QTabBar*>(c)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i) && !tabs->rect().contains(tabs->tabRect(i)))
                    hidden << "tab " + tabs->tabText(i);
        }
    }
    return hidden;
}

TEST(Desktop, EveryControlShowsAtTheSmallestWindow)
{
    DemoInstallation demo;
    FakePlatform fake;
    demo.Register(fake.registry);
    TfrmMain w(fake.platform, demo.ProgramFolder(), {});
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.resize(1, 1);
    QApplication::processEvents();
    for (int page = 0; page < TfrmMain::kPageCount; ++page) {
        w.ShowPage(page);
        w.UpdatePageCommands();
        const int tabs = page == TfrmMain::kAccessories ? Named<QTabWidget>(w, "pcAccessories").count() : 1;
        for (int tab = 0; tab < tabs; ++tab) {
            if (page == TfrmMain::kAccessories)
                Named<QTabWidget>(w, "pcAccessories").setCurrentIndex(tab);
            w.resize(1, 1);
            QApplication::processEvents();
            EXPECT_EQ(HiddenControls(w), QStringList()) << "page " << page << " tab " << tab;
            // Still small enough for a 1024 x 768 screen with a panel.
            EXPECT_LE(w.width(), 1000);
            EXPECT_LE(w.height(), 700);
        }
    }
}

class MenuKeys : public ::testing::Test
{
protected:
    DemoInstallation demo;
    FakePlatform fake;
    std::unique_ptr<TfrmMain> w;

    void Start(const QStringList& args)
    {
        demo.Register(fake.registry);
        w = std::make_unique<TfrmMain>(fake.platform, demo.ProgramFolder(), args);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // From here on the commands only count their keys; what they do is tested on its own.
    void Detach()
    {
        for (QAction* a : w->findChildren<QAction*>())
            QObject::disconnect(a, &QAction::triggered, w.get(), nullptr);
    }

    // Presses the keys where the focus is; returns the commands they reached.
    QStringList Press(const QList<QKeySequence>& keys)
    {
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const auto actions = w->findChildren<QAction*>();
        for (QAction* a : actions)
            spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));
        for (const QKeySequence& key : keys) {
            QWidget* target = QApplication::activePopupWidget();
            QTest::keySequence(target ? target : QApplication::focusWidget(), key);
        }
        QStringList reached;
        for (size_t i = 0; i < spies.size(); ++i)
            if (!spies[i]->isEmpty())
                reached << actions[static_cast<qsizetype>(i)]->objectName();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        return reached;
    }
};

TEST_F(MenuKeys, TextFieldsKeepTheirEditingKeysAndEveryOtherWidgetReachesTheCommands)
{
    Start({});
    Detach();
    QLineEdit* field = Named<QAbstractSpinBox>(*w, "seHorizontalLength").findChild<QLineEdit*>();
    struct Case
    {
        QList<QKeySequence> keys;
        const char* command;
    };
    const Case onFirstPage[] = {
        {{QKeySequence("Ctrl+O")}, "Open1"},
        {{QKeySequence("Ctrl+N")}, "Next1"},
        {{QKeySequence("Ctrl+Q")}, "Syncrest1"},
        {{QKeySequence("Alt+T"), QKeySequence(Qt::Key_Return)}, "Customize1"},
        {{QKeySequence("Alt+T"), QKeySequence(Qt::Key_Down), QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_Down),
          QKeySequence(Qt::Key_Return)},
         "Meters1"},
        {{QKeySequence("Alt+H"), QKeySequence(Qt::Key_Return)}, "About1"},
    };
    for (const Case& c : onFirstPage) {
        field->setFocus();
        EXPECT_EQ(Press(c.keys), QStringList{c.command}) << c.keys.first().toString().toStdString();
    }

    // In the field, select all, cut, paste and copy edit the text and reach no command.
    field->setFocus();
    field->deselect();
    EXPECT_TRUE(Press({QKeySequence("Ctrl+A")}).isEmpty());
    EXPECT_EQ(field->selectedText(), "15");
    EXPECT_TRUE(Press({QKeySequence("Ctrl+X")}).isEmpty());
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "15");
    EXPECT_TRUE(Press({QKeySequence("Ctrl+V"), QKeySequence("Ctrl+V")}).isEmpty());
    EXPECT_EQ(field->text(), "1515");
    field->selectAll();
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(Press({QKeySequence("Ctrl+C")}).isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1515");
    // Nothing to cut or paste in the read-only runs box, and still no command.
    Named<QAbstractSpinBox>(*w, "seNumRuns").setFocus();
    EXPECT_TRUE(Press({QKeySequence("Ctrl+X")}).isEmpty());
    EXPECT_TRUE(Press({QKeySequence("Ctrl+V")}).isEmpty());

    // From a widget that takes no text the same keys run their commands.
    const Case elsewhere[] = {
        {{QKeySequence("Ctrl+X")}, "Exit1"},
        {{QKeySequence("Ctrl+V")}, "ViewLastOrder1"},
        {{QKeySequence("Ctrl+A")}, "ViewLatestNewsFromBrimcor1"},
    };
    for (const char* focus : {"grdTlines", "rbFeet"}) {
        for (const Case& c : elsewhere) {
            Named<QWidget>(*w, focus).setFocus();
            EXPECT_EQ(Press(c.keys), QStringList{c.command}) << focus << " " << c.keys.first().toString().toStdString();
        }
    }

    // Alt+S is the first page's "&Skip The Wizard", not a menu.
    field->setFocus();
    QTest::keySequence(field, QKeySequence("Alt+S"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->CurrentPage() == TfrmMain::kAccessories; }, 2000));
}

// Every entry of every menu has a letter of its own: Alt, the menu's letter, then the
// entry's (through its submenus) runs it in one go. Entries added later must follow.
TEST_F(MenuKeys, EveryMenuEntryRunsFromItsLetters)
{
    Start({});
    for (int i = 0; i < 4; ++i)
        Click(*w, "btnNext");
    ASSERT_EQ(w->CurrentPage(), TfrmMain::kLom);
    Detach();
    int reached = 0;
    std::function<void(const QMenu&, const QList<QKeySequence>&)> walk = [&](const QMenu& menu,
                                                                             const QList<QKeySequence>& path) {
        QMap<QString, QString> letters;
        for (QAction* a : menu.actions()) {
            if (a->isSeparator())
                continue;
            const QString mnemonic = QKeySequence::mnemonic(a->text()).toString();
            EXPECT_FALSE(mnemonic.isEmpty()) << a->text().toStdString() << " has no letter";
            if (mnemonic.isEmpty())
                continue;
            EXPECT_FALSE(letters.contains(mnemonic))
                << a->text().toStdString() << " and " << letters.value(mnemonic).toStdString();
            letters.insert(mnemonic, a->text());
            if (!a->isVisible() || !a->isEnabled())
                continue;
            const QList<QKeySequence> keys = path + QList<QKeySequence>{QKeySequence(mnemonic.back())};
            if (const QMenu* sub = a->menu<QMenu*>()) {
                walk(*sub, keys);
                continue;
            }
            w->activateWindow();
            Named<QWidget>(*w, "grdLom").setFocus();
            EXPECT_EQ(Press(keys), QStringList{a->objectName()}) << a->text().toStdString();
            ++reached;
        }
    };
    for (QAction* top : w->menuBar()->actions()) {
        const QString mnemonic = QKeySequence::mnemonic(top->text()).toString();
        ASSERT_FALSE(mnemonic.isEmpty()) << top->text().toStdString();
        walk(*top->menu<QMenu*>(), {QKeySequence(mnemonic)});
    }
    EXPECT_GE(reached, 17);
}

TEST_F(MenuKeys, CtrlTabAndCtrlPageKeysChangeTheAccessoryTabNeverAPickList)
{
    Start({});
    for (int i = 0; i < 3; ++i)
        Click(*w, "btnNext");
    auto& tabs = Named<QTabWidget>(*w, "pcAccessories");
    ASSERT_TRUE(tabs.isTabVisible(tabs.indexOf(&Named<QWidget>(*w, "tsHorizontal"))));
    struct Case
    {
        const char* tab;
        const char* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* then;
    };
    const Case cases[] = {
        {"tsVertical", "cboVerticalMount", Qt::Key_PageDown, Qt::ControlModifier, "tsHorizontal"},
        {"tsVertical", "cboVerticalMount", Qt::Key_Tab, Qt::ControlModifier, "tsHorizontal"},
        {"tsHorizontal", "cboHorizontalMount", Qt::Key_PageUp, Qt::ControlModifier, "tsVertical"},
        {"tsHorizontal", "cboHorizontalMount", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "tsVertical"},
        {"tsVertical", "cboVerticalMount", Qt::Key_PageUp, Qt::ControlModifier, "tsList"},
        {"tsSurgeProtection", "cboSurge", Qt::Key_PageDown, Qt::ControlModifier, "tsGps"},
        {"tsList", "chkMiscOnly", Qt::Key_Tab, Qt::ControlModifier, "tsVertical"},
    };
    for (const Case& c : cases) {
        tabs.setCurrentWidget(&Named<QWidget>(*w, c.tab));
        auto& focus = Named<QWidget>(*w, c.focus);
        focus.setFocus();
        ASSERT_EQ(QApplication::focusWidget(), &focus) << c.focus;
        const auto* box = qobject_cast<QComboBox*>(&focus);
        const QString chosen = box ? box->currentText() : QString();
        QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
        EXPECT_EQ(tabs.currentWidget()->objectName(), c.then) << c.focus << " " << c.key;
        if (box) {
            EXPECT_EQ(box->currentText(), chosen) << c.focus << " keeps its value";
        }
    }
}

// Run once as it is and once with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
TEST(Pictures, SharpAtTheScreensPixelRatio)
{
    namespace fs = std::filesystem;
    TempDir dir;
    const fs::path images = fs::path(TAVROLIN_DEMO_DIR) / "images";
    fs::copy_file(images / "logo.gif", dir.File("pic.gif"));
    fs::copy_file(images / "logo@2x.gif", dir.File("pic@2x.gif"));
    fs::copy_file(images / "na2.gif", dir.File("plain.gif"));
    FakePlatform fake;
    QWidget host;
    gui::ImageLoader loader(fake.platform, &host, QString::fromStdString(dir.Path()));
    struct Case
    {
        const char* file;
        const char* sharp; // the file whose pixels show at a ratio of 2
    };
    for (const Case c : {Case{"pic.gif", "pic@2x.gif"}, Case{"plain.gif", nullptr}}) {
        gui::TImage image("imgTest");
        ASSERT_TRUE(loader.LoadImage(&image, c.file, true));
        const qreal ratio = image.devicePixelRatioF();
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
            ASSERT_GT(ratio, 1.0);
        }
        const QImage base(QString::fromStdString(dir.File(c.file)));
        EXPECT_EQ(image.pixmap().deviceIndependentSize().toSize(), base.size()) << c.file << " keeps its place";
        EXPECT_EQ(image.PictureFile(), c.file);
        if (ratio > 1 && !c.sharp)
            continue;
        // Drawn pixel for pixel: nothing was scaled up.
        image.adjustSize();
        const QImage shown = image.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage source(QString::fromStdString(dir.File(ratio > 1 ? c.sharp : c.file)));
        EXPECT_TRUE(shown == source.convertToFormat(QImage::Format_RGB32)) << c.file << " at " << ratio;
    }
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST(ProgramFolder, InstalledCopiesRunFromTheUsersOwnFolder)
{
    struct Case
    {
        const char* what;
        const char* executable;
        const char* registered; // the shared folder the registry names beforehand
        bool homeBlocked;       // a file where the personal folder belongs
        const char* program;    // expected, relative to the test's folder
        const char* registeredAfter;
        bool boxShown;
    };
    const Case cases[] = {
        {"installed, first start", "usr/bin/", nullptr, false, "home/tavrolin/", "home/Brimcor/Common Files", false},
        {"installed, another program's shared folder", "usr/bin/", "other", false, "home/tavrolin/", "other", false},
        {"installed, personal folder blocked", "usr/bin/", nullptr, true, "usr/share/tavrolin/", nullptr, true},
        {"laid-out folder", "laid/", nullptr, false, "laid/", nullptr, false},
    };
    for (const Case& c : cases) {
        TempDir dir;
        for (const char* f : {"usr/share/tavrolin/dat/settings.dat", "usr/share/tavrolin/images/logo.gif",
                              "usr/share/tavrolin/shared/M_lom.dat", "laid/dat/settings.dat", "other/M_lom.dat"})
            dir.Write(f, "x\n");
        std::filesystem::create_directories(dir.Path() + "usr/bin");
        if (c.homeBlocked)
            dir.Write("home/tavrolin", "in the way");
        FakePlatform fake;
        const QString root = QString::fromStdString(dir.Path());
        if (c.registered)
            fake.registry.WriteString(gui::kCommonFilesKey, gui::kCommonFilesValue, root + c.registered);

        const QString program =
            gui::PrepareProgramFolder(fake.platform, root + c.executable, root + "usr/share/tavrolin/", root + "home");
        EXPECT_EQ(program, root + c.program) << c.what;
        const auto registered = fake.registry.ReadString(gui::kCommonFilesKey, gui::kCommonFilesValue);
        EXPECT_EQ(registered, c.registeredAfter ? std::optional<QString>(root + c.registeredAfter) : std::nullopt)
            << c.what;
        if (registered) {
            EXPECT_TRUE(QFileInfo::exists(*registered + "/M_lom.dat")) << c.what;
        }
        EXPECT_EQ(fake.boxes.shown.size(), c.boxShown ? 1u : 0u) << c.what;
        if (c.boxShown && !fake.boxes.shown.empty()) {
            EXPECT_TRUE(fake.boxes.shown[0].text.contains(root + "home/tavrolin"))
                << fake.boxes.shown[0].text.toStdString();
        }
        if (QString(c.program).startsWith("home")) {
            EXPECT_EQ(dir.Read("home/tavrolin/dat/settings.dat"), "x\n") << c.what;
        }
    }
}

} // namespace
} // namespace tav::test

#include "core/materials/PriceList.h"
#include "core/materials/ProjectFile.h"
#include "doubles/Modal.h"
#include "doubles/TestHttpServer.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"
#include "gui/materials/MaterialsPage.h"
#include "gui/services/MakerSite.h"
#include "gui/services/TSyncrestDlg.h"
#include "gui/services/TfrmUpdate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace tav::test {
namespace {

using gui::TfrmUpdate;
using Mode = TestHttpServer::Mode;
using Route = TestHttpServer::Route;

Route Page(const QByteArray& body, Mode mode = Mode::Plain)
{
    return TestHttpServer::Page(body, mode);
}
Route Status(int status, const QByteArray& body)
{
    return TestHttpServer::Status(status, body);
}
Route Redirect(const QByteArray& location)
{
    return TestHttpServer::Redirect(location);
}
Route Claiming(const QByteArray& body, qint64 length)
{
    return TestHttpServer::Claiming(body, length);
}

const QString kSchedule = "\\Software\\Brimcor\\Syncrest";
const QString kDownloadFailed = "Unable to download Pricing Database. Please verify your Internet connection or "
                                "contact BRIMCOR for assistance.";
const std::string kPackage = "Type|Group|Part Number|Unit|Description|Price|\n"
                             "P|CBL|FX-12|FT|Foam line 1/2\"|2.35|\n"
                             "P|CBL|AX-78|FT|Air line 7/8\"|5.80|\n";
const QByteArray kDigestPath = "/sitetools/pricing.dat.sha256";

QByteArray Sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

class Syncrest : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;
    TestHttpServer site;
    std::string oldPrices;

    void SetUp() override
    {
        inst.Register(fake.registry);
        fake.registry.WriteString(gui::kCommonFilesKey, gui::kSiteValue, site.Site());
        oldPrices = inst.dir.Read("shared/M_lom.dat");
        site.routes["/sitetools/pricing.dat"] = Page(QByteArray::fromStdString(kPackage));
    }

    std::unique_ptr<gui::TfrmMain> Start()
    {
        return std::make_unique<gui::TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
    }

    void AddProgram(const QString& subkey, const QString& caption, const QString& exe, const QString& date = {})
    {
        const QString key = "\\Software\\Brimcor\\" + subkey;
        fake.registry.WriteString(key, "MenuCaption", caption);
        fake.registry.WriteString(key, "UpdateExe", exe);
        if (!date.isEmpty())
            fake.registry.WriteString(key, "UpdateDate", date);
    }

    // Opens the update dialog from the menu and lets `action` drive it.
    bool RunDialog(gui::TfrmMain& w, const std::function<void(TfrmUpdate&)>& action)
    {
        const WhenModal<TfrmUpdate> driver(action);
        Trigger(w, "Syncrest1");
        return driver.Seen();
    }

    static void ClickUpdateNow(TfrmUpdate& d)
    {
        QTest::mouseClick(&Named<QPushButton>(d, "btnUpdate"), Qt::LeftButton);
    }

    static void ChooseProgramFiles(TfrmUpdate& d)
    {
        Click(d, "rgActionItem" + QString::number(TfrmUpdate::kProgramFiles));
    }

    static void SelectRows(TfrmUpdate& d, std::initializer_list<int> rows)
    {
        ChooseProgramFiles(d);
        auto& programs = Named<QTableWidget>(d, "sgPrograms");
        programs.clearSelection();
        for (int row : rows)
            programs.selectionModel()->select(programs.model()->index(row, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    // Every file of the shared folder and its updates folder, temporary ones included.
    std::set<std::string> SharedFiles() const
    {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::recursive_directory_iterator(inst.SharedFolder()))
            if (e.is_regular_file())
                names.insert(std::filesystem::relative(e.path(), inst.SharedFolder()).string());
        return names;
    }

    QStringList BoxTexts() const { return fake.boxes.Texts(); }
};

TEST_F(Syncrest, PriceUpdateInstallsTheListAndRepricesTheProgram)
{
    // The digest as checksum tools write it, upper case and with the file's name.
    site.routes[kDigestPath] = Page(Sha256(QByteArray::fromStdString(kPackage)).toUpper() + "  pricing.dat\n");
    auto w = Start();
    ASSERT_EQ(FindPriceRecord(w->State().lists.price, "FX-12"), "x|x|FX-12|x|Foam line 1/2\"|2.10|");
    bool completed = false;
    ASSERT_TRUE(RunDialog(*w, [&](TfrmUpdate& d) {
        EXPECT_EQ(Named<gui::TRadioGroup>(d, "rgAction").ItemIndex(), TfrmUpdate::kPricingOnly);
        ClickUpdateNow(d);
        completed = d.Completed() && !d.isVisible();
    }));
    EXPECT_TRUE(completed);
    EXPECT_EQ(BoxTexts(), QStringList{"Download Complete.\nClick OK to continue with installation"});
    EXPECT_EQ(fake.sounds.beeps, 1);
    EXPECT_EQ(inst.dir.Read("shared/M_lom.dat"), kPackage);
    EXPECT_EQ(inst.dir.Read("shared/M_lom.bak"), oldPrices);
    EXPECT_EQ(SharedFiles(), (std::set<std::string>{"M_lom.dat", "M_lom.bak", "updates/pricing.dat"}));
    EXPECT_EQ(FindPriceRecord(w->State().lists.price, "FX-12"), "P|CBL|FX-12|FT|Foam line 1/2\"|2.35|");
    EXPECT_EQ(w->State().lists.priceIndex.Record(w->State().lists.price, "AX-78"),
              "P|CBL|AX-78|FT|Air line 7/8\"|5.80|")
        << "the index follows the new list";
    EXPECT_EQ(fake.registry.ReadString(kSchedule, "NextUpdate"), "04/13/2025");
    EXPECT_EQ(fake.registry.ReadString(kSchedule, "Interval"), "30");
    ASSERT_EQ(site.requests.size(), 2);
    EXPECT_EQ(site.Path(0), kDigestPath);
    for (const QByteArray& request : site.requests)
        EXPECT_TRUE(request.toLower().contains("accept-encoding: identity")) << request.toStdString();
}

TEST(SyncrestDemoSite, ThePricePackageMatchesItsDigest)
{
    QFile package(TAVROLIN_DEMO_DIR "/site/sitetools/pricing.dat");
    QFile digest(TAVROLIN_DEMO_DIR "/site/sitetools/pricing.dat.sha256");
    ASSERT_TRUE(package.open(QIODevice::ReadOnly) && digest.open(QIODevice::ReadOnly));
    EXPECT_EQ(digest.readAll(), Sha256(package.readAll()) + "  pricing.dat\n");
}

TEST_F(Syncrest, TheListOfMaterialsOnShowIsPricedAgain)
{
    ListOfMaterials list;
    list.rows.push_back({MaterialsRowKind::Heading, "Mounting", "", "", "", ""});
    list.rows.push_back({MaterialsRowKind::Item, "FX-12", "Foam line", "$2.10", "2", "$4.20"});
    ProjectInputs inputs;
    inputs.tline = "12FOAM";
    inputs.cableType = 1;
    const std::string project = inst.dir.Path() + "site.tvr";
    WriteProjectFile(project, list, inputs);
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {"OPEN", QString::fromStdString(project)});
    ASSERT_TRUE(Named<gui::MaterialsPage>(w, "tsLom").HasList()) << BoxTexts().join(" | ").toStdString();
    ASSERT_EQ(Named<gui::MaterialsPage>(w, "tsLom").List().total, "$4.20");

    RunDialog(w, ClickUpdateNow);
    EXPECT_EQ(Named<gui::MaterialsPage>(w, "tsLom").List().total, "$4.70");
    EXPECT_EQ(Named<gui::MaterialsPage>(w, "tsLom").List().rows.at(1).price, "$2.35");
}

TEST_F(Syncrest, AnEmptyLastOrderShownInPlaceOfAListIsWhatIsPricedAgain)
{
    ListOfMaterials list;
    list.rows.push_back({MaterialsRowKind::Heading, "Mounting", "", "", "", ""});
    list.rows.push_back({MaterialsRowKind::Item, "FX-12", "Foam line", "$2.10", "2", "$4.20"});
    const std::string project = inst.dir.Path() + "site.tvr";
    WriteProjectFile(project, list, ProjectInputs{});
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {"OPEN", QString::fromStdString(project)});
    ASSERT_EQ(Named<gui::MaterialsPage>(w, "tsLom").List().total, "$4.20");
    // The last order goes while the list shows, so View Last Order shows an empty list.
    std::filesystem::remove(inst.dir.Path() + "prog/Accessories.lom");
    Trigger(w, "ViewLastOrder1");
    ASSERT_EQ(Named<QTableView>(w, "grdLom").model()->rowCount(), 0);

    RunDialog(w, ClickUpdateNow);
    EXPECT_EQ(Named<QTableView>(w, "grdLom").model()->rowCount(), 0);
    EXPECT_EQ(Named<QLabel>(w, "lblTotal").text(), "$0.00");
    EXPECT_FALSE(std::filesystem::exists(inst.dir.Path() + "prog/Accessories.lom"));
}

TEST_F(Syncrest, FailedOrCancelledDownloadsChangeNothing)
{
    const QByteArray package = QByteArray::fromStdString(kPackage);
    TestHttpServer::Route compressed = Page(qCompress(package));
    compressed.headers = "Content-Encoding: gzip\r\n";
    struct Case
    {
        const char* what;
        TestHttpServer::Route route;
        bool cancel;
        const char* reason = nullptr; // what the box says went wrong
        QByteArray digest = {};       // published beside the list
    };
    const Case cases[] = {
        {"not found", Status(404, "gone"), false},
        {"body shorter than its length", Page(package, Mode::ShortBody), false, "bytes arrived"},
        {"chunked body cut off", Page(package, Mode::CutChunked), false, "closed before the end of the file"},
        {"no length, closed halfway", Page(package, Mode::CutUnframed), false, "did not say how long the file is"},
        {"stalled", Page(package, Mode::Stall), false},
        {"larger than a price list may be", Claiming(package, 65LL << 20), false},
        {"redirected to a missing page", Redirect("/nowhere/pricing.dat"), false},
        {"redirected to a local file", Redirect("file:///etc/hosts"), false,
         "the site redirected to an address that is not http or https"},
        {"compressed all the same", compressed, false, "the site sent a compressed reply, which is not accepted"},
        {"not a price list", Page("<html><body>Maintenance</body></html>\n"), false},
        {"a price in words", Page(package + "P|CBL|KX|FT|Line|ten|\n"), false},
        {"empty", Page(""), false},
        {"not the list the digest names", Page(package), false, "does not match the SHA-256 digest",
         Sha256(package + "P|CBL|KX|FT|Line|1.00|\n")},
        {"a digest that is none", Page(package), false, "holds no SHA-256 digest", "<html>not here</html>"},
        {"cancelled by the user", Page(package, Mode::Trickle), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.boxes.Clear();
        fake.sounds = {};
        fake.registry.WriteString(kSchedule, "NextUpdate", "01/01/2025");
        site.routes["/sitetools/pricing.dat"] = c.route;
        site.routes.remove(kDigestPath);
        if (!c.digest.isEmpty())
            site.routes[kDigestPath] = Page(c.digest);
        auto w = Start();
        const LineList pricesBefore = w->State().lists.price;
        bool stillOpen = false;
        RunDialog(*w, [&](TfrmUpdate& d) {
            std::optional<CancelDownloadWhenShown> cancel;
            if (c.cancel)
                cancel.emplace();
            ClickUpdateNow(d);
            stillOpen = d.isVisible() && !d.Completed() && Named<QPushButton>(d, "btnUpdate").isEnabled();
        });
        EXPECT_TRUE(stillOpen);
        if (c.cancel) {
            EXPECT_TRUE(fake.boxes.shown.empty()) << BoxTexts().join(" | ").toStdString();
        } else {
            ASSERT_EQ(fake.boxes.shown.size(), 1u) << BoxTexts().join(" | ").toStdString();
            EXPECT_EQ(fake.boxes.shown[0].kind, gui::BoxKind::Error);
            EXPECT_TRUE(fake.boxes.shown[0].text.startsWith(kDownloadFailed)) << BoxTexts()[0].toStdString();
            if (c.reason) {
                EXPECT_TRUE(fake.boxes.shown[0].text.contains(c.reason)) << BoxTexts()[0].toStdString();
            }
            EXPECT_EQ(fake.sounds.informations, 1);
        }
        EXPECT_EQ(inst.dir.Read("shared/M_lom.dat"), oldPrices);
        EXPECT_EQ(SharedFiles(), std::set<std::string>{"M_lom.dat"});
        EXPECT_EQ(w->State().lists.price, pricesBefore);
        EXPECT_EQ(fake.registry.ReadString(kSchedule, "NextUpdate"), "01/01/2025");
    }
}

TEST_F(Syncrest, ADoubtfulListIsInstalledOnlyOnTheUsersWord)
{
    const std::string installed = "Type|Group|Part Number|Unit|Description|Price|\n"
                                  "P|CBL|FX-12|FT|Foam line|2.10|\nP|CBL|AX-78|FT|Air line|5.10|\n"
                                  "P|HDW|AH-1|EA|Hanger|1.00|\nP|HDW|AH-2|EA|Hanger||\n";
    const std::string half = "P|CBL|FX-12|FT|Foam line|2.35|\nP|CBL|AX-78|FT|Air line|5.80|\n";
    const std::string shrunk = "P|CBL|FX-12|FT|Foam line|2.35|\n";
    const std::string unpriced = "P|CBL|FX-12|FT|Foam line||\nP|CBL|AX-78|FT|Air line||\n"
                                 "P|HDW|AH-1|EA|Hanger||\nP|HDW|AH-2|EA|Hanger||\n";
    struct Case
    {
        const char* what;
        std::string package;
        gui::BoxButton answer;
        QString question; // empty: none asked
    };
    const Case cases[] = {
        {"half the records is not too few", half, gui::BoxButton::No, ""},
        {"fewer than half, declined", shrunk, gui::BoxButton::No,
         "The price list just downloaded holds 1 record, fewer than half of the 4 records in the one installed now"},
        {"fewer than half, confirmed", shrunk, gui::BoxButton::Yes, "holds 1 record, fewer than half of the 4 records"},
        {"no price at all, declined", unpriced, gui::BoxButton::No,
         "holds 4 records (the one installed now holds 4 records), and not one of them has a price"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(inst.SharedFolder() + "/M_lom.bak");
        inst.dir.Write("shared/M_lom.dat", installed);
        fake.boxes.Clear();
        const gui::BoxButton answer = c.answer;
        fake.boxes.script.push_back([answer](const gui::BoxRequest&) { return gui::BoxAnswer{answer}; });
        site.routes["/sitetools/pricing.dat"] = Page(QByteArray::fromStdString(c.package));
        auto w = Start();
        bool completed = false;
        RunDialog(*w, [&](TfrmUpdate& d) {
            ClickUpdateNow(d);
            completed = d.Completed();
        });
        const bool asked = !c.question.isEmpty();
        const bool installs = !asked || c.answer == gui::BoxButton::Yes;
        if (asked) {
            ASSERT_FALSE(fake.boxes.shown.empty());
            EXPECT_EQ(fake.boxes.shown[0].kind, gui::BoxKind::Warning);
            EXPECT_TRUE(fake.boxes.shown[0].text.contains(c.question)) << BoxTexts()[0].toStdString();
        }
        EXPECT_EQ(BoxTexts().size(), (asked ? 1 : 0) + (installs ? 1 : 0)) << BoxTexts().join(" | ").toStdString();
        EXPECT_EQ(completed, installs);
        EXPECT_EQ(inst.dir.Read("shared/M_lom.dat"), installs ? c.package : installed);
        EXPECT_EQ(std::filesystem::exists(inst.SharedFolder() + "/M_lom.bak"), installs);
    }
}

TEST_F(Syncrest, TheDialogStaysWhileItsDownloadRuns)
{
    site.routes["/sitetools/pricing.dat"] = Page("x", Mode::Trickle);
    auto w = Start();
    struct During
    {
        bool buttonsEnabled = true;
        bool closed = true;
    } during;
    RunDialog(*w, [&](TfrmUpdate& d) {
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() != "dlgDownload" || !top->isVisible())
                    continue;
                watch.stop();
                during.buttonsEnabled =
                    Named<QPushButton>(d, "btnUpdate").isEnabled() || Named<QPushButton>(d, "btnCancel").isEnabled();
                QTest::keyClick(&d, Qt::Key_Escape);
                d.reject();
                d.close();
                during.closed = !d.isVisible();
                for (QAbstractButton* b : top->findChildren<QAbstractButton*>())
                    b->click();
            }
        });
        watch.start(5);
        ClickUpdateNow(d);
    });
    EXPECT_FALSE(during.buttonsEnabled);
    EXPECT_FALSE(during.closed);
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(Syncrest, ARedirectToTheSameSiteIsFollowed)
{
    site.routes["/sitetools/pricing.dat"] = Redirect("/mirror/pricing.dat");
    site.routes["/mirror/pricing.dat"] = Page(QByteArray::fromStdString(kPackage), Mode::Chunked);
    auto w = Start();
    RunDialog(*w, ClickUpdateNow);
    EXPECT_EQ(inst.dir.Read("shared/M_lom.dat"), kPackage);
}

TEST_F(Syncrest, AnInstallThatFailsAfterTheNoticeSaysWhy)
{
    // A folder where the backup belongs: the old list must not be replaced without one.
    std::filesystem::create_directories(inst.SharedFolder() + "/M_lom.bak");
    auto w = Start();
    bool stillOpen = false;
    RunDialog(*w, [&](TfrmUpdate& d) {
        ClickUpdateNow(d);
        stillOpen = d.isVisible();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_EQ(fake.boxes.shown[0].text, "Download Complete.\nClick OK to continue with installation");
    EXPECT_EQ(fake.boxes.shown[1].kind, gui::BoxKind::Error);
    EXPECT_TRUE(fake.boxes.shown[1].text.contains("M_lom.bak")) << BoxTexts()[1].toStdString();
    EXPECT_EQ(inst.dir.Read("shared/M_lom.dat"), oldPrices);
    EXPECT_FALSE(fake.registry.ValueExists(kSchedule, "NextUpdate"));
}

TEST_F(Syncrest, WithoutAConnectionNothingIsFetched)
{
    fake.connectivity.connected = false;
    auto w = Start();
    RunDialog(*w, ClickUpdateNow);
    EXPECT_EQ(BoxTexts(),
              QStringList{"No Active Internet Connection Detected.\nPlease check your connection and try again."});
    EXPECT_EQ(fake.sounds.informations, 1);
    EXPECT_TRUE(site.requests.isEmpty());
}

TEST_F(Syncrest, TheProgramListShowsTheMakersPrograms)
{
    inst.dir.Write("apps/other/other-bin", "x");
    const QDate fileDate =
        QFileInfo(QString::fromStdString(inst.dir.Path() + "apps/other/other-bin")).lastModified().date();
    AddProgram("Tavrolin", "Tavrolin", "tavrolin.deb", "03/01/2025");
    AddProgram("aardvark", "Aardvark Planner", "aardvark.deb", "12/14/2024"); // 90 days before the 14th of March
    AddProgram("Other", "Other Tool", "other.deb");
    fake.registry.WriteString("\\Software\\Brimcor\\Other", "Path",
                              QString::fromStdString(inst.dir.Path() + "apps/other"));
    fake.registry.WriteString("\\Software\\Brimcor\\Other", "ExeName", "other-bin");
    AddProgram("NoFile", "", "nofile.deb"); // no caption: not an installed program
    auto w = Start();
    RunDialog(*w, [&](TfrmUpdate& d) {
        const auto& programs = Named<QTableWidget>(d, "sgPrograms");
        const auto& all = Named<QCheckBox>(d, "chkAll");
        ASSERT_EQ(programs.rowCount(), 3);
        const QString rows[3][2] = {{"Aardvark Planner", "12/14/2024"},
                                    {"Other Tool", fileDate.toString("MM/dd/yyyy")},
                                    {"Tavrolin", "03/01/2025"}};
        for (int r = 0; r < 3; ++r)
            for (int col = 0; col < 2; ++col)
                EXPECT_EQ(programs.item(r, col)->text(), rows[r][col]) << r << "," << col;
        EXPECT_EQ(programs.horizontalHeaderItem(0)->text(), "Program Name");
        EXPECT_EQ(programs.selectionModel()->selectedRows().size(), 1);
        EXPECT_TRUE(programs.item(2, 0)->isSelected()) << "the default program";
        EXPECT_FALSE(programs.isEnabled());
        EXPECT_FALSE(all.isEnabled());
        EXPECT_EQ(programs.item(0, 0)->foreground().color(), QColor(Qt::gray));

        ChooseProgramFiles(d);
        EXPECT_TRUE(programs.isEnabled());
        EXPECT_EQ(programs.item(0, 0)->foreground().color(), QColor(Qt::red)) << "90 days old";
        EXPECT_NE(programs.item(2, 0)->foreground().color(), QColor(Qt::red));
        Click(d, "chkAll");
        EXPECT_EQ(programs.selectionModel()->selectedRows().size(), 3);

        // Three programs at once are confirmed first; No cancels.
        fake.boxes.script.push_back([](const gui::BoxRequest&) { return gui::BoxAnswer{gui::BoxButton::No}; });
        ClickUpdateNow(d);
        EXPECT_EQ(BoxTexts().size(), 2);
        EXPECT_TRUE(BoxTexts().value(0).startsWith("Updating this many programs at once"));
        EXPECT_EQ(BoxTexts().value(1), "Update Cancelled");
        EXPECT_TRUE(d.isVisible());

        const QRect cell = programs.visualItemRect(programs.item(1, 0));
        QTest::mouseClick(programs.viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_FALSE(all.isChecked());
    });
    EXPECT_TRUE(site.requests.isEmpty());
}

TEST_F(Syncrest, ProgramFilesAreFetchedAndOnlyThoseDownloadedAreDated)
{
    AddProgram("Tavrolin", "Tavrolin", "tavrolin.deb");
    AddProgram("Other", "Other Tool", "Other Setup#2.deb");
    AddProgram("Third", "Third Tool", "third.deb");
    site.routes["/sitetools/tavrolin.deb"] = Page("package one");
    site.routes["/sitetools/Other%20Setup%232.deb"] = Page("package two");
    auto w = Start();
    bool completed = false;
    RunDialog(*w, [&](TfrmUpdate& d) {
        SelectRows(d, {0, 1});
        ClickUpdateNow(d);
        completed = d.Completed();
    });
    EXPECT_TRUE(completed);
    EXPECT_EQ(BoxTexts(), QStringList{"Updated files have been downloaded\nClick OK to continue with installation"});
    EXPECT_EQ(inst.dir.Read("shared/updates/Other Setup#2.deb"), "package two");
    EXPECT_EQ(inst.dir.Read("shared/updates/tavrolin.deb"), "package one");
    EXPECT_EQ(fake.registry.ReadString("\\Software\\Brimcor\\Other", "UpdateDate"), "03/14/2025");
    EXPECT_EQ(fake.registry.ReadString("\\Software\\Brimcor\\Tavrolin", "UpdateDate"), "03/14/2025");
    EXPECT_FALSE(fake.registry.ValueExists("\\Software\\Brimcor\\Third", "UpdateDate"));
    ASSERT_EQ(fake.desktop.opened.size(), 1) << "the folder, once; nothing downloaded is run";
    EXPECT_EQ(fake.desktop.opened[0], QUrl::fromLocalFile(QString::fromStdString(inst.SharedFolder()) + "/updates/"));
    EXPECT_EQ(inst.dir.Read("shared/M_lom.dat"), kPackage) << "the prices come along";
    EXPECT_EQ(fake.registry.ReadString(kSchedule, "NextUpdate"), "04/13/2025");
}

TEST_F(Syncrest, AProgramUpdateIsCompleteOnlyWhenEverythingArrived)
{
    AddProgram("Alpha", "Alpha", "alpha.deb");
    AddProgram("Beta", "Beta", "beta.deb");
    AddProgram("Gamma", "Gamma", "../gamma.deb");
    site.routes["/sitetools/alpha.deb"] = Page("alpha");
    struct Case
    {
        const char* what;
        std::initializer_list<int> rows;
        QStringList boxes; // their first lines
        QStringList dated;
    };
    const Case cases[] = {
        {"the second download fails",
         {0, 1},
         {"Unable to download Beta.", "Some files were not downloaded"},
         {"Alpha"}},
        {"a file name with a folder in it", {2}, {"The update of Gamma names", "Some files were not downloaded"}, {}},
        {"no program with an update selected", {}, {"None of the selected programs has an update to download."}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.boxes.Clear();
        for (const char* key : {"Alpha", "Beta", "Gamma"})
            fake.registry.DeleteValue(QString("\\Software\\Brimcor\\") + key, "UpdateDate");
        site.requests.clear();
        auto w = Start();
        bool stillOpen = false;
        RunDialog(*w, [&](TfrmUpdate& d) {
            SelectRows(d, c.rows);
            ClickUpdateNow(d);
            stillOpen = d.isVisible() && !d.Completed();
        });
        EXPECT_TRUE(stillOpen);
        QStringList firstLines;
        for (const QString& text : BoxTexts())
            firstLines << text.section('\n', 0, 0);
        ASSERT_EQ(firstLines.size(), c.boxes.size()) << firstLines.join(" | ").toStdString();
        for (int i = 0; i < c.boxes.size(); ++i)
            EXPECT_TRUE(firstLines[i].startsWith(c.boxes[i])) << firstLines[i].toStdString();
        for (const char* key : {"Alpha", "Beta", "Gamma"})
            EXPECT_EQ(fake.registry.ValueExists(QString("\\Software\\Brimcor\\") + key, "UpdateDate"),
                      c.dated.contains(key))
                << key;
        for (const QByteArray& request : site.requests)
            EXPECT_FALSE(request.contains("gamma")) << request.toStdString();
        EXPECT_FALSE(fake.registry.ValueExists(kSchedule, "NextUpdate"));
    }
}

TEST_F(Syncrest, TheIntervalShownAndSaved)
{
    struct Case
    {
        const char* stored; // nullptr: none
        const char* shown;
        const char* typed; // nullptr: leave as shown
        bool remind;
        const char* next;
        const char* interval;
    };
    const Case cases[] = {
        {nullptr, "30", nullptr, true, "04/13/2025", "30"}, {"45", "45", nullptr, true, "04/28/2025", "45"},
        {"9999", "30", "", true, "04/13/2025", "30"},       {"0", "30", "10", false, "0", "10"},
        {"soon", "30", "365", true, "03/14/2026", "365"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(none)");
        fake.registry.DeleteValue(kSchedule, "Interval");
        if (c.stored)
            fake.registry.WriteString(kSchedule, "Interval", c.stored);
        auto w = Start();
        RunDialog(*w, [&](TfrmUpdate& d) {
            auto& days = Named<QComboBox>(d, "cboNumDays");
            EXPECT_EQ(days.currentText(), c.shown);
            if (c.typed)
                days.setEditText(c.typed);
            if (Named<QCheckBox>(d, "chkReminder").isChecked() != c.remind)
                Click(d, "chkReminder");
            EXPECT_EQ(days.isEnabled(), c.remind);
            ClickUpdateNow(d);
        });
        EXPECT_EQ(fake.registry.ReadString(kSchedule, "NextUpdate"), c.next);
        EXPECT_EQ(fake.registry.ReadString(kSchedule, "Interval"), c.interval);
    }
}

TEST_F(Syncrest, TheSiteComesFromTheRegistryOrTheBuild)
{
    EXPECT_EQ(gui::MakerSiteAddress(fake.registry).toString(), site.Site());
    fake.registry.WriteString(gui::kCommonFilesKey, gui::kSiteValue, "https://mirror.example:8443/ignored/path?q");
    EXPECT_EQ(gui::MakerSiteAddress(fake.registry).toString(), "https://mirror.example:8443");
    for (const char* bad : {"ftp://mirror.example", "not a site", ""}) {
        fake.registry.WriteString(gui::kCommonFilesKey, gui::kSiteValue, bad);
        EXPECT_EQ(gui::MakerSiteAddress(fake.registry).scheme(), "http") << bad;
        EXPECT_NE(gui::MakerSiteAddress(fake.registry).host(), "mirror.example") << bad;
    }
}

} // namespace
} // namespace tav::test

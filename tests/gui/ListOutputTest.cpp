#include "canvas/PainterCanvas.h"
#include "core/common/Files.h"
#include "core/materials/PrintLayout.h"
#include "doubles/QtPrinters.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/Maker.h"
#include "gui/app/TextCodec.h"
#include "gui/app/TfrmMain.h"
#include "gui/materials/MaterialsPage.h"
#include "support/MaterialsFixture.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace tav::test {
namespace {

using gui::TfrmMain;
namespace fs = std::filesystem;

std::string Golden(const std::string& name)
{
    return ReadFileBytes(std::string(TAVROLIN_TEST_DATA) + "/exports/" + name).value_or("(missing " + name + ")");
}

// The standard output of a tool the tests need; scripts/deps.sh installs them.
QString RunTool(const QString& program, const QStringList& args, int timeoutMs = 30000)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        ADD_FAILURE() << program.toStdString() << " is not installed (scripts/deps.sh installs it)";
        return {};
    }
    QProcess p;
    p.start(path, args);
    if (!p.waitForFinished(timeoutMs) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

class ListOutput : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;
    std::unique_ptr<TfrmMain> w;

    // The main window on the list-of-materials page, showing the list.
    void Start(const ListOfMaterials& list = ExportFixtureList())
    {
        inst.Register(fake.registry);
        w = std::make_unique<TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList{});
        ASSERT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
        Named<gui::MaterialsPage>(*w, "tsLom").ShowList(list);
        w->ShowPage(TfrmMain::kLom);
        w->UpdatePageCommands();
    }
    QString Path(const std::string& name) const { return QString::fromStdString(inst.dir.File(name)); }
};

TEST_F(ListOutput, FileExportsWriteTheListAndHandTheFileToTheDesktop)
{
    fake.registry.classes << "Excel.Application";
    Start();
    struct Case
    {
        const char* command;
        const char* subfolder;
        const char* filter;
        const char* golden;
    };
    const Case cases[] = {
        {"ToaTextFile1", "txt", "Text Files (*.txt)", "list.txt"},
        {"ToanMSExcelSpreadsheet1", "xls", "MS Excel Files (*.xls)", "list.txt"},
        {"ToanHTMLDocument1", "html", "html files (*.html)", "list.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.subfolder);
        // A typed name without a suffix, with a blank and a "#" that a URL must not lose.
        const std::string typed = std::string("my list #1 ") + c.subfolder;
        fake.fileDialogs.answers = {Path(typed)};
        Trigger(*w, c.command);
        ASSERT_FALSE(fake.fileDialogs.shown.empty());
        const gui::FileDialogRequest& asked = fake.fileDialogs.shown.back();
        EXPECT_EQ(asked.mode, gui::FileDialogRequest::Mode::Save);
        EXPECT_EQ(asked.folder, inst.ProgramFolder() + c.subfolder);
        EXPECT_TRUE(fs::is_directory(asked.folder.toStdString())) << "made before the dialog shows";
        EXPECT_EQ(asked.filter, c.filter);
        EXPECT_EQ(asked.defaultSuffix, c.subfolder);

        const std::string written = typed + "." + c.subfolder;
        EXPECT_EQ(inst.dir.Read(written), Golden(c.golden));
        ASSERT_FALSE(fake.desktop.opened.isEmpty());
        EXPECT_EQ(fake.desktop.opened.back().toLocalFile(), Path(written));
    }
    EXPECT_EQ(fake.desktop.opened.size(), 3);
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(ListOutput, ACancelledOrFailedExportOpensNothing)
{
    Start();
    // Without a spreadsheet program the spreadsheet export stays off, and says why.
    const auto& spreadsheet = Named<QAction>(*w, "ToanMSExcelSpreadsheet1");
    EXPECT_FALSE(spreadsheet.isEnabled());
    EXPECT_TRUE(spreadsheet.toolTip().startsWith("No spreadsheet program is registered"))
        << spreadsheet.toolTip().toStdString();
    EXPECT_TRUE(Named<QMenu>(*w, "Export1").toolTipsVisible());
    const std::string old = inst.dir.Write("old.txt", "kept");
    Trigger(*w, "ToaTextFile1"); // cancelled
    fake.fileDialogs.answers = {Path("no such folder/list.txt"), Path("old.txt/")};
    Trigger(*w, "ToaTextFile1");
    Trigger(*w, "ToaTextFile1");
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    for (const auto& box : fake.boxes.shown) {
        EXPECT_EQ(box.kind, gui::BoxKind::Error);
        EXPECT_TRUE(box.text.contains("I/O error")) << box.text.toStdString();
    }
    EXPECT_TRUE(fake.desktop.opened.isEmpty());
    EXPECT_EQ(inst.dir.Read("old.txt"), "kept");
    EXPECT_TRUE(fs::is_empty(inst.dir.File("prog/txt")));
}

TEST_F(ListOutput, CopyToClipboardPutsTheListAsTextWithoutLineFeeds)
{
    const std::pair<ListOfMaterials, std::string> cases[] = {{ExportFixtureList(), "list.clip"},
                                                             {ListOfMaterials{}, "empty.clip"}};
    for (const auto& [list, golden] : cases) {
        Start(list);
        Trigger(*w, "CopyToClipboard1");
        EXPECT_EQ(fake.clipboard.text, QString::fromStdString(Golden(golden)));
        EXPECT_FALSE(fake.clipboard.text.contains('\n'));
    }
    EXPECT_EQ(fake.clipboard.text, "Total: $0.00");
    // Elsewhere in the wizard the shortcut's command does nothing, even when it is run
    // past the menu that hides it.
    w->ShowPage(TfrmMain::kParams);
    w->UpdatePageCommands();
    Named<QAction>(*w, "CopyToClipboard1").trigger();
    EXPECT_EQ(fake.clipboard.sets, 2);
}

TEST_F(ListOutput, ThePrintoutAsPdfOnUprightAndTurnedPaper)
{
    Start(ListWithRows(10));
    const std::string folder = inst.dir.Path() + "pdf/";
    fs::create_directories(folder);
    const std::pair<QPageLayout::Orientation, const char*> cases[] = {{QPageLayout::Portrait, "upright.pdf"},
                                                                      {QPageLayout::Landscape, "turned.pdf"}};
    for (const auto& [orientation, name] : cases) {
        SCOPED_TRACE(name);
        const QString file = QString::fromStdString(folder + name);
        inst.dir.Write(std::string("pdf/") + name, "an older printout");
        fake.printing.orientation = orientation;
        fake.printing.pdfFiles = {file};
        Click(*w, "btnPrint");

        const QString info = RunTool("pdfinfo", {file});
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Tavrolin LOM\\n"))) << info.toStdString();
        const QString text = RunTool("pdftotext", {file, "-"});
        for (const QString& expected : {QString(kPrintTitle), QString("Page 1 of 2"), QString("Page 2 of 2"),
                                        QString("TOTAL:"), QString(kPrintMakerName), QString(gui::kMakerSiteLabel)})
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " in\n" << text.toStdString();
    }
    EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"turned.pdf", "upright.pdf"})) << "nothing left aside";
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(ListOutput, APrintJobThatFailsIsReportedAndReplacesNothing)
{
    Start();
    const std::string folder = inst.dir.Path() + "pdf/";
    fs::create_directories(folder + "taken.pdf");
    Trigger(*w, "Print1"); // cancelled
    EXPECT_EQ(fake.printing.dialogs, 1);
    EXPECT_TRUE(fake.boxes.shown.empty());

    // A printer with nowhere to print, then a file name that a folder already has.
    fake.printing.pdfFiles = {QString(), QString::fromStdString(folder + "taken.pdf")};
    Trigger(*w, "Print1");
    Trigger(*w, "Print1");
    EXPECT_EQ(fake.boxes.Texts().value(0), "The print job could not be started.");
    EXPECT_TRUE(fake.boxes.Texts().value(1).contains("I/O error")) << fake.boxes.Texts().value(1).toStdString();
    EXPECT_TRUE(fs::is_directory(folder + "taken.pdf"));
    EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"taken.pdf"});
}

TEST_F(ListOutput, ThePreviewShowsThePrintedPages)
{
    Start(ListWithRows(11));
    fake.printing.previewFile = Path("preview.pdf");
    Trigger(*w, "PrintPreview1");
    EXPECT_EQ(fake.printing.previews, 1);
    EXPECT_EQ(fake.printing.dialogs, 0);
    EXPECT_TRUE(RunTool("pdfinfo", {fake.printing.previewFile}).contains(QRegularExpression("Pages:\\s+2\\n")));
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

// Cell texts of every table row as a browser sees them.
std::vector<QStringList> RenderedRows(const QString& dom)
{
    static const QRegularExpression row("<tr>(.*?)</tr>", QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell("<td>(.*?)</td>", QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag("<[^>]*>");
    std::vector<QStringList> rows;
    for (auto r = row.globalMatch(dom); r.hasNext();) {
        QStringList cells;
        for (auto c = cell.globalMatch(r.next().captured(1)); c.hasNext();) {
            QString text = c.next().captured(1).remove(tag);
            text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&nbsp;", "\u00a0");
            cells << text.replace("&amp;", "&");
        }
        rows.push_back(cells);
    }
    return rows;
}

TEST_F(ListOutput, AWebBrowserShowsTheHtmlExportCellForCell)
{
    Start();
    fake.fileDialogs.answers = {Path("list.html")};
    Trigger(*w, "ToanHTMLDocument1");
    ASSERT_TRUE(fs::exists(inst.dir.File("list.html")));

    const QTemporaryDir profile;
    QStringList args{"--headless",
                     "--disable-gpu",
                     "--no-first-run",
                     "--disable-background-networking",
                     "--disable-component-update",
                     "--disable-sync",
                     "--user-data-dir=" + profile.path(),
                     "--dump-dom",
                     QUrl::fromLocalFile(Path("list.html")).toString()};
    if (::geteuid() == 0)
        args.prepend("--no-sandbox");
    const std::vector<QStringList> rows = RenderedRows(RunTool("chromium", args, 60000));

    std::vector<QStringList> expected{{"Part Number", "Description", "Price", "Quantity", "Extended"}};
    const ListOfMaterials& list = Named<gui::MaterialsPage>(*w, "tsLom").List();
    for (const MaterialsRow& r : list.rows) {
        QStringList cells;
        for (int c = 0; c < kMaterialsColumns; ++c)
            cells << gui::FromData(r.Cell(c));
        expected.push_back(cells);
    }
    expected.push_back({"Total:", "", "", "", gui::FromData(list.total)});
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(expected[2][1].contains("&") && expected[2][1].contains("<")) << "the fixture tests escaping";
}

// Long text wraps inside its box and nothing is painted outside it.
TEST(PainterCanvas, TextStaysInsideItsBox)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect box(40, 50, 120, 60);
    {
        QPainter painter(&image);
        canvas::PainterCanvas canvas(painter, nullptr);
        canvas.SetFont("Arial", 14, false);
        canvas.DrawTextInBox(box.left(), box.top(), box.left() + box.width(), box.top() + box.height(),
                             "A description far longer than the box it has to fit in, so it wraps and is cut off",
                             false);
        EXPECT_FALSE(canvas.NewPage()) << "an image has no next page";
    }
    int inside = 0;
    int lowest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                EXPECT_TRUE(box.contains(x, y)) << x << "," << y;
                ++inside;
                lowest = std::max(lowest, y);
                if (!box.contains(x, y))
                    return;
            }
    EXPECT_GT(inside, 0);
    EXPECT_GT(lowest, box.top() + 3 * 14) << "the text wrapped onto further lines";
}

} // namespace
} // namespace tav::test

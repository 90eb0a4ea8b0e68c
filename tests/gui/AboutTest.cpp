#include "doubles/Modal.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/about/TfrmAbout.h"
#include "gui/app/TImage.h"
#include "gui/app/TfrmMain.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tav::test {
namespace {

using gui::TfrmAbout;

TEST(About, ShowsTheProductAndTheTerms)
{
    TestInstallation inst;
    inst.Image("about.gif", DotGif());
    FakePlatform fake;
    inst.Register(fake.registry);
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {});
    const WhenModal<TfrmAbout> driver([](TfrmAbout& d) {
        EXPECT_EQ(d.windowTitle(), "About");
        const auto& name = Named<QLabel>(d, "Label1");
        EXPECT_EQ(name.text(), "Brimcor Tavrolin (TM)");
        const auto& version = Named<QLabel>(d, "lblVersion");
        EXPECT_EQ(version.text(), "Version " TAVROLIN_PROJECT_VERSION);
        EXPECT_TRUE(version.isVisible());
        EXPECT_GE(version.geometry().top(), name.geometry().bottom()) << "under the name";
        EXPECT_EQ(Named<gui::TImage>(d, "Image1").PictureFile(), "about.gif");
        const auto& memo = Named<QPlainTextEdit>(d, "Memo1");
        EXPECT_TRUE(memo.isReadOnly());
        const QString terms = memo.toPlainText();
        EXPECT_TRUE(terms.startsWith("Terms"));
        EXPECT_TRUE(terms.contains("$50.00 net"));
        EXPECT_TRUE(terms.endsWith(QString("Questions or comments?\n") + gui::kSupportEmail));
        auto& ok = Named<QPushButton>(d, "btnOk");
        EXPECT_EQ(ok.text(), "&Ok");
        ASSERT_EQ(d.focusWidget(), &ok) << "Enter or Space closes the box at once";
        QTest::keyClick(d.focusWidget(), Qt::Key_Space);
        EXPECT_FALSE(d.isVisible());
    });
    Trigger(w, "About1");
    EXPECT_TRUE(driver.Seen());
}

TEST(About, AClickAnywhereCloses)
{
    FakePlatform fake;
    const auto clickables = {"Image1", "Label1", "lblVersion", "Memo1", "frmAbout", "btnOk"};
    for (const char* name : clickables) {
        TfrmAbout about(fake.platform, "/nowhere/");
        about.show();
        QWidget* target = &Named<QWidget>(about, name);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(target))
            target = memo->viewport();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_FALSE(about.isVisible()) << name;
        EXPECT_EQ(about.result(), QDialog::Accepted) << name;
    }
}

} // namespace
} // namespace tav::test

#include "registry/Registry.h"

#include "gui/services/MakerSite.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tav::test {
namespace {

TEST(SettingsRegistry, ValuesAndSubkeysOfAKey)
{
    TempDir dir;
    const QString file = QString::fromStdString(dir.File("registry.ini"));
    {
        registry::SettingsRegistry reg(file);
        for (const char* program : {"zeta", "Alpha", "beta", "Common Files"})
            reg.WriteString(QString("\\Software\\Brimcor\\") + program, "MenuCaption", program);
        reg.WriteString("\\Software\\Brimcor\\Syncrest", "NewInstall", "");
        reg.WriteString("\\Software\\Other\\Gamma", "MenuCaption", "Gamma");
    }
    registry::SettingsRegistry reg(file); // read back from the file
    EXPECT_EQ(reg.SubKeys("\\Software\\Brimcor"), (QStringList{"Alpha", "beta", "Common Files", "Syncrest", "zeta"}));
    EXPECT_TRUE(reg.ValueExists("\\Software\\Brimcor\\Syncrest", "NewInstall")) << "an empty value exists";
    EXPECT_EQ(reg.ReadString("\\Software\\Brimcor\\Syncrest", "NewInstall"), "");
    reg.DeleteValue("\\Software\\Brimcor\\Syncrest", "NewInstall");
    EXPECT_FALSE(reg.ValueExists("\\Software\\Brimcor\\Syncrest", "NewInstall"));
    EXPECT_EQ(reg.ReadString("\\Software\\Brimcor\\Alpha", "MenuCaption"), "Alpha");
    EXPECT_TRUE(reg.SubKeys("\\Software\\Nobody").isEmpty());
}

TEST(SettingsRegistry, WithoutASharedFolderTheServicesUseTheUsersDataFolder)
{
    TempDir dir;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.Path() + "data"));
    registry::SettingsRegistry reg(QString::fromStdString(dir.File("registry.ini")));
    const QString updates = gui::ServiceFolder(reg, "updates");
    EXPECT_EQ(updates, QString::fromStdString(dir.Path() + "data/Brimcor/Common Files/updates/"));
    EXPECT_TRUE(QDir(updates).exists());

    // A recorded folder is the maker's: only its own subfolder is made, never its parents.
    reg.WriteString("\\Software\\Brimcor\\Common Files", "Path", QString::fromStdString(dir.Path() + "gone/shared"));
    EXPECT_EQ(gui::ServiceFolder(reg, "news"), QString());
    qputenv("XDG_DATA_HOME", saved);
}

} // namespace
} // namespace tav::test

#include "registry/Registry.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>

namespace tav::registry {

namespace {

// A desktop application that opens a MIME type, as the desktop's own caches list it.
bool MimeTypeHasHandler(const QString& mimeType)
{
    const QString prefix = mimeType + "=";
    const QStringList dataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& dir : dataDirs) {
        QFile cache(dir + "/applications/mimeinfo.cache");
        if (!cache.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream in(&cache);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.startsWith(prefix) && line.size() > prefix.size())
                return true;
        }
    }
    return false;
}

} // namespace

QString SettingsRegistry::DefaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Brimcor/registry.ini";
}

SettingsRegistry::SettingsRegistry(const QString& fileName) : settings_(new QSettings(fileName, QSettings::IniFormat))
{}

SettingsRegistry::~SettingsRegistry()
{
    delete settings_;
}

QString SettingsRegistry::GroupOf(const QString& key)
{
    QString group = key;
    group.replace('\\', '/');
    while (group.startsWith('/'))
        group.remove(0, 1);
    while (group.endsWith('/'))
        group.chop(1);
    return group;
}

bool SettingsRegistry::KeyExists(const QString& key) const
{
    const QString group = GroupOf(key);
    const int slash = group.lastIndexOf('/');
    settings_->sync();
    if (slash >= 0)
        settings_->beginGroup(group.left(slash));
    const bool exists = settings_->childGroups().contains(group.mid(slash + 1));
    if (slash >= 0)
        settings_->endGroup();
    return exists;
}

std::optional<QString> SettingsRegistry::ReadString(const QString& key, const QString& name) const
{
    settings_->sync();
    const QString path = GroupOf(key) + "/" + name;
    if (!settings_->contains(path))
        return std::nullopt;
    return settings_->value(path).toString();
}

void SettingsRegistry::WriteString(const QString& key, const QString& name, const QString& value)
{
    settings_->setValue(GroupOf(key) + "/" + name, value);
    settings_->sync();
}

bool SettingsRegistry::ValueExists(const QString& key, const QString& name) const
{
    settings_->sync();
    return settings_->contains(GroupOf(key) + "/" + name);
}

void SettingsRegistry::DeleteValue(const QString& key, const QString& name)
{
    settings_->remove(GroupOf(key) + "/" + name);
    settings_->sync();
}

QStringList SettingsRegistry::SubKeys(const QString& key) const
{
    settings_->sync();
    settings_->beginGroup(GroupOf(key));
    QStringList names = settings_->childGroups();
    settings_->endGroup();
    names.sort(Qt::CaseInsensitive);
    return names;
}

bool SettingsRegistry::ClassExists(const QString& className) const
{
    if (KeyExists("Classes/" + className))
        return true;
    // On this platform a spreadsheet application registers for the spreadsheet type.
    if (className.compare("Excel.Application", Qt::CaseInsensitive) == 0)
        return MimeTypeHasHandler("application/vnd.ms-excel");
    return false;
}

} // namespace tav::registry

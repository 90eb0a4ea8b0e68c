#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QSettings;

namespace tav::registry {

// The registry of the current user. Keys are written as on the maker's other
// platforms ("\Software\Brimcor\Common Files"); value names are plain.
class IRegistry
{
public:
    virtual ~IRegistry() = default;
    virtual bool KeyExists(const QString& key) const = 0;
    virtual std::optional<QString> ReadString(const QString& key, const QString& name) const = 0;
    virtual void WriteString(const QString& key, const QString& name, const QString& value) = 0;
    virtual bool ValueExists(const QString& key, const QString& name) const = 0;
    virtual void DeleteValue(const QString& key, const QString& name) = 0;
    // The names of a key's direct subkeys, sorted without regard to case.
    virtual QStringList SubKeys(const QString& key) const = 0;
    // Whether an application class is registered on the machine ("Excel.Application").
    virtual bool ClassExists(const QString& className) const = 0;
};

// Keys become groups of an INI file in the user's configuration folder.
class SettingsRegistry : public IRegistry
{
public:
    // The file every program of the maker shares: $XDG_CONFIG_HOME/Brimcor/registry.ini.
    static QString DefaultFile();

    explicit SettingsRegistry(const QString& fileName = DefaultFile());
    ~SettingsRegistry() override;

    bool KeyExists(const QString& key) const override;
    std::optional<QString> ReadString(const QString& key, const QString& name) const override;
    void WriteString(const QString& key, const QString& name, const QString& value) override;
    bool ValueExists(const QString& key, const QString& name) const override;
    void DeleteValue(const QString& key, const QString& name) override;
    QStringList SubKeys(const QString& key) const override;
    bool ClassExists(const QString& className) const override;

    // "\Software\Brimcor\Common Files" -> "Software/Brimcor/Common Files".
    static QString GroupOf(const QString& key);

private:
    QSettings* settings_;
};

} // namespace tav::registry

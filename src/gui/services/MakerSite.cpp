#include "gui/services/MakerSite.h"

#include "core/app/PersonalFolder.h"
#include "gui/app/Maker.h"
#include "gui/app/TextCodec.h"
#include "registry/Registry.h"

#include <QDir>
#include <QStandardPaths>

#ifndef TAVROLIN_SITE
#define TAVROLIN_SITE "http://www.brimcor.example"
#endif

namespace tav::gui {

namespace {

// Scheme, host and port of an http or https address; invalid for anything else.
QUrl SiteOnly(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty())
        return {};
    QUrl site;
    site.setScheme(scheme);
    site.setHost(url.host());
    site.setPort(url.port());
    return site;
}

} // namespace

QUrl MakerSiteAddress(const registry::IRegistry& registry)
{
    if (const auto value = registry.ReadString(kCommonFilesKey, kSiteValue)) {
        const QUrl site = SiteOnly(*value);
        if (site.isValid())
            return site;
    }
    return SiteOnly(QStringLiteral(TAVROLIN_SITE));
}

QUrl SiteFile(const QUrl& site, const QString& path)
{
    QUrl url = site;
    url.setPath(path, QUrl::DecodedMode);
    return url;
}

QString CommonFilesFolder(const registry::IRegistry& registry)
{
    if (const auto path = registry.ReadString(kCommonFilesKey, kCommonFilesValue))
        return QDir::fromNativeSeparators(*path);
    return FromData(
        PersonalSharedFolder(ToData(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))));
}

QString ServiceFolder(const registry::IRegistry& registry, const QString& name)
{
    const QString common = CommonFilesFolder(registry);
    const QString folder = common + "/" + name;
    QDir dir;
    if (!dir.exists(folder)) {
        // The maker's own folder is made in one level, as its installer expects; the
        // fallback in the user's data folder may need its parents first.
        const bool made =
            registry.ValueExists(kCommonFilesKey, kCommonFilesValue) ? dir.mkdir(folder) : dir.mkpath(folder);
        if (!made)
            return {};
    }
    return folder + "/";
}

} // namespace tav::gui

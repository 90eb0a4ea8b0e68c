#pragma once

#include <QString>
#include <QUrl>

namespace tav::registry {
class IRegistry;
}

namespace tav::gui {

// The value beside the shared folder's "Path" that moves the maker's site elsewhere.
inline constexpr const char* kSiteValue = "Site";

// The maker's site the services download from: scheme, host and port only. The
// registry's "Site" wins when it is such an address; otherwise the build's default.
QUrl MakerSiteAddress(const registry::IRegistry& registry);
// An address below the site, the path given as it is (not yet encoded).
QUrl SiteFile(const QUrl& site, const QString& path);

// The maker's shared folder: "Path" as the registry holds it, or, on a machine without
// one, "Brimcor/Common Files" in the user's data folder. No trailing "/".
QString CommonFilesFolder(const registry::IRegistry& registry);
// A folder of the shared one ("updates", "news") with a trailing "/", created when
// missing; empty when it cannot be made.
QString ServiceFolder(const registry::IRegistry& registry, const QString& name);

} // namespace tav::gui

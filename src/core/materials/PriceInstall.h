#pragma once

#include <string>
#include <string_view>

namespace tav {

inline constexpr const char* kPriceBackupFileName = "M_lom.bak";

// Puts a new price list in place of the shared folder's M_lom.dat (its name found
// without regard to case): the old list is first copied whole to M_lom.bak, then the
// new one is written safely, so a failure at any step leaves a complete list behind.
// Refuses bytes that are no price list. Returns the path of the list; throws Error
// (IoError when a file fails) naming the file and the reason.
std::string InstallPriceList(const std::string& sharedFolder, std::string_view bytes);

} // namespace tav

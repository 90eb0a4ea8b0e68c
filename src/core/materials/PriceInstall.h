#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tav {

inline constexpr const char* kPriceBackupFileName = "M_lom.bak";

// A list with fewer than half the records of the one it replaces, or without a single
// price, most likely arrived cut short or broken: it is installed only on the user's word.
struct PriceListComparison
{
    size_t newRecords = 0;
    size_t installedRecords = 0;
    bool shrunk = false;   // fewer than half the installed records
    bool unpriced = false; // no record gives a price

    bool Doubtful() const { return shrunk || unpriced; }
};
PriceListComparison ComparePriceLists(std::string_view installed, std::string_view candidate);
// Against the shared folder's M_lom.dat (none there: no records).
PriceListComparison CompareWithInstalledPrices(const std::string& sharedFolder, std::string_view candidate);

// Puts a new price list in place of the shared folder's M_lom.dat (its name found
// without regard to case): the old list is first copied whole to M_lom.bak, then the
// new one is written safely, so a failure at any step leaves a complete list behind.
// A good backup is never pushed out by an old list that is broken or doubtful against
// it: the backup stays the last list that looked whole. Refuses bytes that are no price
// list. Returns the path of the list; throws Error
// (IoError when a file fails) naming the file and the reason.
std::string InstallPriceList(const std::string& sharedFolder, std::string_view bytes);

} // namespace tav

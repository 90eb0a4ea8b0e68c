#include "core/materials/PriceInstall.h"

#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/materials/PriceList.h"
#include "core/materials/PriceListCheck.h"

#include <filesystem>

namespace tav {

namespace {

// Well formed and pricing at least one part.
bool LooksWhole(std::string_view bytes)
{
    return CheckPriceListBytes(bytes, 1).empty() && CountPricedRecords(LineList::FromText(bytes)) > 0;
}

// Whether the backup stays rather than take the old list: only a backup that is a whole
// list itself, against an old list that is broken or doubtful beside it.
bool KeepBackup(const std::string& backupPath, std::string_view old)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(backupPath, error))
        return false;
    const auto backup = ReadFileBytes(backupPath);
    if (!backup || !LooksWhole(*backup))
        return false;
    return !LooksWhole(old) || ComparePriceLists(*backup, old).shrunk;
}

} // namespace

PriceListComparison ComparePriceLists(std::string_view installed, std::string_view candidate)
{
    const LineList before = LineList::FromText(installed);
    const LineList after = LineList::FromText(candidate);
    PriceListComparison c;
    c.installedRecords = CountPriceRecords(before);
    c.newRecords = CountPriceRecords(after);
    c.shrunk = c.newRecords * 2 < c.installedRecords;
    c.unpriced = CountPricedRecords(after) == 0;
    return c;
}

PriceListComparison CompareWithInstalledPrices(const std::string& sharedFolder, std::string_view candidate)
{
    const auto installed = ReadFileBytes(WithTrailingSlash(sharedFolder) + kPriceListFileName);
    return ComparePriceLists(installed.value_or(std::string()), candidate);
}

std::string InstallPriceList(const std::string& sharedFolder, std::string_view bytes)
{
    const std::string folder = WithTrailingSlash(sharedFolder);
    const std::string wanted = folder + kPriceListFileName;
    const auto problems = CheckPriceListBytes(bytes, 1);
    if (!problems.empty())
        throw Error("\"" + wanted + "\" is left as it was: the new price list " +
                    (problems.front().line > 0 ? "line " + std::to_string(problems.front().line) + " " : "") +
                    problems.front().message);
    const auto current = ResolveFile(wanted);
    if (current) {
        const std::string old = ReadFileBytes(*current).value_or(std::string());
        const std::string backup = folder + kPriceBackupFileName;
        if (!KeepBackup(backup, old))
            WriteFileAtomic(backup, old);
        else
            RemoveLeftoversOf(backup);
    }
    const std::string target = current.value_or(wanted);
    WriteFileAtomic(target, bytes);
    return target;
}

} // namespace tav

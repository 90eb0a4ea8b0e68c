#include "core/materials/PriceInstall.h"

#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/materials/PriceList.h"
#include "core/materials/PriceListCheck.h"

namespace tav {

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
        const auto old = ReadFileBytes(*current);
        WriteFileAtomic(folder + kPriceBackupFileName, old.value_or(std::string()));
    }
    const std::string target = current.value_or(wanted);
    WriteFileAtomic(target, bytes);
    return target;
}

} // namespace tav

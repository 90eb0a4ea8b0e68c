#include "core/app/Installation.h"

#include "core/common/Files.h"

namespace tav {

Folders MakeFolders(const std::string& programFolder, const std::string& sharedFolder)
{
    Folders f;
    f.program = WithTrailingSlash(programFolder);
    f.data = f.program + "dat/";
    f.images = f.program + "images/";
    f.shared = sharedFolder;
    return f;
}

const std::array<RequiredFile, 16>& RequiredFiles()
{
    static const std::array<RequiredFile, 16> files{{
        {true, "M_Lom.dat"},
        {false, "tlines.dat"},
        {false, "ground.dat"},
        {false, "surge.dat"},
        {false, "weather.dat"},
        {false, "cblentry.dat"},
        {false, "hoist.dat"},
        {false, "mount.dat"},
        {false, "gps.dat"},
        {false, "accessorylist.dat"},
        {false, "settings.dat"},
        {false, "images.dat"},
        {false, "obsolete.dat"},
        {false, "advanced.dat"},
        {false, "defaults.dat"},
        {false, "metric.dat"},
    }};
    return files;
}

std::string RequiredFilePath(const Folders& folders, const RequiredFile& file)
{
    return file.inShared ? folders.shared + "/" + file.name : folders.data + file.name;
}

std::optional<std::string> FirstMissingFile(const Folders& folders)
{
    for (const auto& file : RequiredFiles()) {
        // Without a shared folder the price list would be looked for at the root.
        if (file.inShared && folders.shared.empty())
            return std::string(file.name);
        if (!FileExists(RequiredFilePath(folders, file)))
            return RequiredFilePath(folders, file);
    }
    return std::nullopt;
}

bool CheckRequiredFiles(const Folders& folders)
{
    return !FirstMissingFile(folders).has_value();
}

LineList LoadCatalogueList(const std::string& path, bool dropHeader)
{
    LineList lines = ReadLineList(path);
    if (dropHeader)
        lines.EraseFirst();
    return lines;
}

std::string PriceListPath(const Folders& folders)
{
    return folders.shared + "/" + kPriceListFileName;
}

CatalogueLists LoadCatalogueLists(const Folders& folders)
{
    return LoadCatalogueLists(folders, LoadPriceList(PriceListPath(folders)));
}

CatalogueLists LoadCatalogueLists(const Folders& folders, LoadedPriceList prices)
{
    CatalogueLists lists;
    lists.price = std::move(prices.lines);
    lists.priceIndex = std::move(prices.index);
    lists.tlines = LoadCatalogueList(folders.data + "tlines.dat", true);
    lists.tlineIndex = CableIndex(lists.tlines);
    lists.surge = LoadCatalogueList(folders.data + "Surge.dat", true);
    lists.images = LoadCatalogueList(folders.data + "Images.dat", false);
    lists.obsolete = LoadCatalogueList(folders.data + "obsolete.dat", false);
    return lists;
}

} // namespace tav

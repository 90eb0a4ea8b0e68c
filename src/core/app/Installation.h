#pragma once

#include "core/cable/CableCatalogue.h"
#include "core/common/LineList.h"
#include "core/materials/PriceList.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tav {

// Where an installation keeps its files. Folder texts end with "/", except the shared
// folder, which comes from the registry as it stands.
struct Folders
{
    std::string program;
    std::string data;
    std::string images;
    std::string shared;
};

Folders MakeFolders(const std::string& programFolder, const std::string& sharedFolder);

struct RequiredFile
{
    bool inShared; // the shared folder rather than the data folder
    const char* name;
};

// The files without which the program does not run, in the order they are checked.
const std::array<RequiredFile, 16>& RequiredFiles();

// The path a required file is looked for at.
std::string RequiredFilePath(const Folders& folders, const RequiredFile& file);

// The first required file that is missing (names compared without regard to case), or
// nothing when all are there. An empty shared folder counts as missing the price list.
std::optional<std::string> FirstMissingFile(const Folders& folders);
bool CheckRequiredFiles(const Folders& folders);

// The lines of a catalogue file in file order, duplicates kept; some files start with
// a header line that is dropped.
LineList LoadCatalogueList(const std::string& path, bool dropHeader);

// The catalogue lists read once at start.
struct CatalogueLists
{
    LineList price;
    PriceIndex priceIndex; // built once for each price list loaded
    LineList tlines;
    CableIndex tlineIndex; // built with each catalogue loaded
    LineList surge;
    LineList images;
    LineList obsolete;
};

CatalogueLists LoadCatalogueLists(const Folders& folders);
// The same with the price list read already.
CatalogueLists LoadCatalogueLists(const Folders& folders, LoadedPriceList prices);
// Where the price list of these folders stands.
std::string PriceListPath(const Folders& folders);

} // namespace tav

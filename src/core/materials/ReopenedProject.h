#pragma once

#include "core/app/Installation.h"
#include "core/materials/ListOfMaterials.h"
#include "core/materials/ProjectFile.h"

#include <string>

namespace tav {

// The band and cable type the first page shows once a project is opened by a program just
// started with it: the stored texts after the page's change handlers ran. A stored band
// that is missing leaves the band a fresh page shows, the lowest of each list.
struct ReopenedCablePage
{
    std::string beginning;
    std::string ending;
    int cableType = -1; // -1 when the band offers no type
    // The stored beginning was no number: the page warns and shows the lowest instead.
    bool beginningRefused = false;
};
ReopenedCablePage ReopenCablePage(const ProjectInputs& inputs, const FrequencyLists& frequencies,
                                  const LineList& tlines);

// The list of materials the program shows after opening the project: each item under the
// section of its row in the accessory list of the stored cable, type and band (or the
// fallback section), priced from the current price list. Throws ConversionError as the
// program's opening fails, for a band that is no number while surge protectors are listed.
ListOfMaterials ReopenedMaterials(const Project& project, const ReopenedCablePage& page, const Folders& folders,
                                  const CatalogueLists& lists);

} // namespace tav

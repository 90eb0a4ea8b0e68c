#pragma once

#include "core/materials/AccessoryList.h"
#include "core/materials/ListOfMaterials.h"

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// A project file keeps one planned installation: the list of materials and the inputs of
// the cable page. The last-order file, in the program folder, has the same layout and
// always describes the list built last.
inline constexpr const char* kProjectSuffix = "tvr";
inline constexpr const char* kLastOrderFileName = "Accessories.lom";

// The cable page as a project file keeps it, in section "Other". Texts are stored as the
// controls show them; the cable type is written as 0 to 2 only, air when none is chosen.
struct ProjectInputs
{
    std::string tline; // the selected cable key
    int numRuns = 3;
    std::string beginning;
    std::string ending;
    std::string horizontalLength = "0";
    std::string verticalLength = "0";
    std::string size = "1/2";
    int cableType = 0; // 0 air, 1 foam, 2 elliptical waveguide
    bool feet = true;

    friend bool operator==(const ProjectInputs&, const ProjectInputs&) = default;
};

struct Project
{
    ProjectInputs inputs;
    std::vector<ProjectItem> items; // in file order, as many as the file has lines
};

// The bytes of the file for the list and the inputs: the header and site keys empty, one
// line per item row keyed by its row number (headings counted, not written), then the
// inputs. Lines end with CR LF.
std::string RenderProjectFile(const ListOfMaterials& list, const ProjectInputs& inputs);

// Writes the whole file in one step, so a failure leaves any earlier file as it was.
// Throws IoError.
void WriteProjectFile(const std::string& path, const ListOfMaterials& list, const ProjectInputs& inputs);

// Reads a project from the bytes of its file. Only the items' part numbers, quantities and
// row numbers come back; a cable type outside the three reads as air and an empty run
// length as 0. The program always writes the item section and the cable key, so bytes
// without both are refused as "<fileName> is not a Tavrolin project file" (Error) before
// they can empty the list. Throws ConversionError for an item quantity that is not a
// whole number (up to 2147483647) or a run length that is not a number, so a damaged file
// is refused before anything of it is applied.
Project ParseProjectFile(std::string_view bytes, std::string_view fileName);

// The bytes of a project file; throws IoError when it is missing or cannot be read.
std::string ReadProjectBytes(const std::string& path);
// ParseProjectFile of a file's bytes.
Project ReadProjectFile(const std::string& path);

} // namespace tav

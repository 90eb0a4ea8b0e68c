#include "core/materials/ProjectFile.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/settings/IniStore.h"

#include <cerrno>
#include <cstring>
#include <iterator>

namespace tav {

namespace {

constexpr const char* kHeaderSection = "Header";
constexpr const char* kSiteSection = "SITE 001 LOM";
constexpr const char* kOtherSection = "Other";
constexpr const char* kHeaderKeys[] = {"Company Name",    "Author",    "Date",     "Job Number",
                                       "Proposal Number", "File Name", "File Path"};
constexpr const char* kSiteKeys[] = {"Site Name", "Site Number", "Ship To City", "Ship To State/Province",
                                     "Ship To Country"};
constexpr int kCableTypes = 3;

// The unit price as stored: the Price cell after its first "$"; a row priced "N/A" keeps 0.
std::string StoredPrice(std::string_view priceCell)
{
    const size_t dollar = priceCell.find('$');
    std::string_view rest = dollar == std::string_view::npos ? priceCell : priceCell.substr(dollar + 1);
    if (!rest.empty() && !IsNumeric(rest))
        return "0";
    return std::string(rest);
}

std::string KeyLine(std::string_view key, std::string_view value)
{
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    return line;
}

// An empty length box reads 0, so an empty stored length does too; a length that is no
// number names its key.
std::string CheckedLength(TBigIniFile& ini, const char* key)
{
    const std::string text = ini.ReadString(kOtherSection, key, "0");
    if (text.empty())
        return "0";
    try {
        StrToFloat(text);
    } catch (const ConversionError& e) {
        throw e.PlacedAt("", "key \"" + std::string(key) + "\" of [" + kOtherSection + "]");
    }
    return text;
}

// The reader only ever maps a type outside the three to air, so that is what is written.
int StoredCableType(int cableType)
{
    return cableType >= 0 && cableType < kCableTypes ? cableType : 0;
}

// A value no project file can hold: a line ends where a value would.
constexpr const char* kAbsent = "\n";

} // namespace

std::string RenderProjectFile(const ListOfMaterials& list, const ProjectInputs& inputs)
{
    // Built whole in an empty store, so nothing of an earlier file can survive into it.
    // Every key of a section is distinct (the item keys are row numbers), so each section
    // is built line by line instead of key by key: a lookup per key would make a long list
    // cost the square of its length.
    TBigIniFile ini(TBigIniFile::InMemory{}, {});
    std::vector<std::string> header;
    for (const char* key : kHeaderKeys)
        header.push_back(KeyLine(key, ""));
    ini.ReplaceSection(kHeaderSection, std::move(header));

    std::vector<std::string> site;
    site.reserve(std::size(kSiteKeys) + list.rows.size());
    for (const char* key : kSiteKeys)
        site.push_back(KeyLine(key, ""));
    for (size_t r = 0; r < list.rows.size(); ++r) {
        const MaterialsRow& row = list.rows[r];
        if (row.IsHeading())
            continue;
        std::string line = IntToStr(static_cast<long long>(r) + 1);
        line.append("=").append(row.quantity).append("|Each|").append(row.partNumber).append("||");
        line.append(row.description).append("|").append(StoredPrice(row.price)).append("|");
        site.push_back(std::move(line));
    }
    ini.ReplaceSection(kSiteSection, std::move(site));

    ini.ReplaceSection(kOtherSection,
                       {KeyLine("Tline", inputs.tline), KeyLine("NumRuns", IntToStr(inputs.numRuns)),
                        KeyLine("BegF", inputs.beginning), KeyLine("EndF", inputs.ending),
                        KeyLine("Hlength", inputs.horizontalLength), KeyLine("Vlength", inputs.verticalLength),
                        KeyLine("Size", inputs.size), KeyLine("Ctype", IntToStr(StoredCableType(inputs.cableType))),
                        KeyLine("Units", inputs.feet ? "F" : "M")});
    return ini.Render();
}

void WriteProjectFile(const std::string& path, const ListOfMaterials& list, const ProjectInputs& inputs)
{
    WriteFileAtomic(path, RenderProjectFile(list, inputs));
}

namespace {

Project ParseUnplaced(std::string_view bytes, std::string_view fileName)
{
    TBigIniFile ini(TBigIniFile::InMemory{}, bytes);
    Project project;
    ProjectInputs& in = project.inputs;
    in.tline = ini.ReadString(kOtherSection, "Tline", kAbsent);
    if (in.tline == kAbsent || !ini.SectionExists(kSiteSection))
        throw Error(std::string(fileName) + " is not a Tavrolin project file");
    in.numRuns = ini.ReadInteger(kOtherSection, "NumRuns", 3);
    in.beginning = ini.ReadString(kOtherSection, "BegF", "");
    in.ending = ini.ReadString(kOtherSection, "EndF", "");
    in.horizontalLength = CheckedLength(ini, "Hlength");
    in.verticalLength = CheckedLength(ini, "Vlength");
    in.size = ini.ReadString(kOtherSection, "Size", "1/2");
    in.cableType = StoredCableType(ini.ReadInteger(kOtherSection, "Ctype", 0));
    in.feet = ini.ReadString(kOtherSection, "Units", "F") == "F";

    NamingPlace(
        [&] {
            for (const std::string& line : ini.SectionLines(kSiteSection)) {
                // Item lines are named by their row number; the site keys never are.
                const size_t eq = line.find('=');
                const std::string_view name = std::string_view(line).substr(0, eq);
                if (eq == std::string::npos || !IsNumeric(name))
                    continue;
                // Each line's own value: several lines may share a name.
                const std::string_view value = std::string_view(line).substr(eq + 1);
                std::string part = GetField(value, 3);
                if (!part.empty())
                    project.items.push_back({std::move(part), StrToInt(GetFieldView(value, 1)), TryDecimalToInt(name)});
            }
        },
        ini);
    return project;
}

} // namespace

Project ParseProjectFile(std::string_view bytes, std::string_view fileName)
{
    try {
        return ParseUnplaced(bytes, fileName);
    } catch (const ConversionError& e) {
        throw e.PlacedAt(std::string(fileName), "");
    }
}

std::string ReadProjectBytes(const std::string& path)
{
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        throw IoError("Cannot open \"" + path + "\": " + std::strerror(ENOENT));
    return std::move(*bytes);
}

Project ReadProjectFile(const std::string& path)
{
    return ParseProjectFile(ReadProjectBytes(path), path);
}

} // namespace tav

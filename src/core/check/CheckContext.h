#pragma once

#include "core/cable/CableCatalogue.h"
#include "core/check/IniLines.h"
#include "core/check/InstallationCheck.h"
#include "core/common/LineList.h"
#include "core/settings/IniStore.h"

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What the installation check's parts share while they run. Not for use outside the check.
namespace tav::check {

struct Place
{
    std::string file;
    int line = 0;
};

// A record-line file, loaded as the program loads it.
struct RecordFile
{
    std::string label;
    bool loaded = false;
    LineList lines;
    int firstLine = 1; // the file line of lines[0]: 2 when a header line was dropped

    Place At(size_t index) const { return {label, static_cast<int>(index) + firstLine}; }
    Place Whole() const { return {label, 0}; }
};

// An INI-laid-out file, read with the INI store, and where its kept lines stood.
struct IniFile
{
    std::string label;
    bool loaded = false;
    // In catalogue files every line of a section is a record, so a line without "=" is a
    // broken record; in settings files it is only never found.
    bool linesAreRecords = true;
    std::unique_ptr<TBigIniFile> ini;
    IniLines lines;

    std::vector<std::string> Section(std::string_view name) const;
    bool HasLines(std::string_view name) const { return !Section(name).empty(); }
    Place At(std::string_view section, size_t index) const { return {label, lines.LineOf(section, index)}; }
    Place Header(std::string_view section) const { return {label, lines.HeaderLineOf(section)}; }
    Place Whole() const { return {label, 0}; }
};

// A cable key of tlines.dat with what its lines say about it.
struct CableKey
{
    std::string key;
    Place first;                        // the first line that carries it
    std::vector<std::string> typeCodes; // distinct upper-cased type codes of its lines
    std::vector<Band> bands;            // the bands of its lines whose limits are numbers
};

// How a data file offers a part; it decides what a missing replacement of an obsolete
// part costs, and whether the metric substitution applies.
enum class ListKind
{
    Wizard,        // a wizard page; metric.dat applies
    Arrestor,      // the arrestor of the cable-entry page; no substitution
    AccessoryList, // a row of the accessory list
    Metric,        // a metric counterpart, ordered in place of a wizard part
    Replacement,   // the replacement of an offered obsolete part
};

struct Offer
{
    Place place;
    std::string list;    // where the part is offered, as messages name it: "[KF12] of hoist.dat"
    std::string section; // the file section that holds it
    ListKind kind = ListKind::Wizard;
};

class Context
{
public:
    Context(const std::string& installationFolder, const std::string& sharedFolder, const PictureProbe& probe);

    void Error(const Place& place, std::string message);
    void Warning(const Place& place, std::string message);
    std::vector<Finding> TakeFindings();

    // The path as findings name it: relative to the installation folder when inside it.
    std::string Label(const std::string& path) const;

    std::string installationFolder;
    std::string dataFolder;
    std::string imagesFolder;
    std::string sharedFolder;
    const PictureProbe& probe;

    RecordFile tlines, surge, pictureMap, obsolete, metric, advanced, prices;
    IniFile mount, hoist, entry, ground, weather, gps, accessories, settings, defaults;

    std::vector<CableKey> keys;
    const CableKey* FindKey(std::string_view key) const;
    const CableKey* FindKeyNoCase(std::string_view key) const;

    void AddOffer(const std::string& part, const Place& place, std::string list, std::string section, ListKind kind);
    const std::vector<Offer>* OffersOf(std::string_view part) const;
    // Offered part numbers in the order they were first met.
    const std::vector<std::string>& OfferedParts() const { return offerOrder_; }

    // Pictures that data files name, and captions that a pick list shows beside a picture
    // (looked up in Images.dat); each with the place that names it first.
    void NamePicture(const std::string& name, const Place& place);
    void NeedCaptionPicture(const std::string& caption, const Place& place);
    const std::vector<std::pair<std::string, Place>>& NamedPictures() const { return pictures_; }
    const std::vector<std::pair<std::string, Place>>& Captions() const { return captions_; }

private:
    std::vector<Finding> findings_;
    std::vector<std::string> offerOrder_;
    std::unordered_map<std::string, std::vector<Offer>> offers_;
    std::vector<std::pair<std::string, Place>> pictures_;
    std::vector<std::pair<std::string, Place>> captions_;
};

// Message helpers: a text in double quotes, a number in its shortest form, the count of
// fields closed by "|", and whether a text has blanks around it.
std::string Quote(std::string_view text);
std::string FormatNumber(double value);
bool HasOuterBlanks(std::string_view text);
// Fields are read as they stand, so a blank around a part number or caption makes it
// match nothing written without it; warns about the first such field of a record.
void WarnFieldBlanks(Context& c, const Place& at, std::string_view record);

// Line names compare without regard to case, as lookups by name see them; a line without
// "=" has no name, and NameOfLine gives the whole line for it.
std::string_view NameOfLine(std::string_view line);
bool IsNamed(std::string_view line, std::string_view name);
// The first line of a section that has this name, as a lookup by name finds it.
std::optional<size_t> FindNamedLine(const std::vector<std::string>& lines, std::string_view name);
bool HasName(const std::vector<std::string>& lines, std::string_view name);
bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names);

// The first line before lines[index] that `same` holds for. Lookups find the first line
// that matches, so such a line hides lines[index].
template <class Lines, class Same> std::optional<size_t> EarlierLine(const Lines& lines, size_t index, Same same)
{
    for (size_t k = 0; k < index; ++k)
        if (same(lines[k]))
            return k;
    return std::nullopt;
}

// The sections of a file that are not among its fixed ones must be cable keys; reports
// those that are none and returns the names of those that are.
std::vector<std::string> CableKeySections(Context& c, const IniFile& f, std::initializer_list<std::string_view> fixed);

// "[KF12] of hoist.dat": a section as messages name it.
std::string SectionOf(std::string_view section, std::string_view fileLabel);
// The file name of a label, without its folder.
std::string BaseName(std::string_view label);

// The checks in the order CheckInstallation runs them; later ones use what earlier ones
// collected (cable keys, offered parts, named pictures).
void LoadFiles(Context& c);
void CheckIniDialect(Context& c, const IniFile& file);
void CheckTransmissionLines(Context& c);
void CheckSurgeList(Context& c);
void CheckPictureMap(Context& c);
void CheckMountCatalogue(Context& c);
void CheckCatalogueFiles(Context& c);
void CheckAccessoryList(Context& c);
void CheckSettingsFiles(Context& c);
void CheckAdvancedQuantities(Context& c);
void CheckMetricParts(Context& c);
void CheckObsoleteParts(Context& c);
void CheckCableKeySections(Context& c);
void CheckPartsInSettings(Context& c);
void CheckPrices(Context& c);
void CheckCaptionPictures(Context& c);
void CheckPictures(Context& c);

} // namespace tav::check

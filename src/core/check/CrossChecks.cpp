// Checks across files: metric and obsolete parts, the sections of every cable key,
// prices, and the pictures.
#include "core/app/ProgramPictures.h"
#include "core/catalog/CatalogueFile.h"
#include "core/catalog/MountCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/check/CheckContext.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/materials/AccessoryItems.h"
#include "core/materials/PriceList.h"
#include "core/materials/PriceListCheck.h"
#include "core/settings/SettingsFile.h"

#include <algorithm>
#include <set>

namespace tav::check {

namespace {

std::string At(const Place& place)
{
    return place.line > 0 ? place.file + ":" + IntToStr(place.line) : place.file;
}

bool IsWizardOffer(const Offer& o)
{
    return o.kind == ListKind::Wizard || o.kind == ListKind::Metric;
}

// The part numbers of the accessory list of one cable key and type, from the file alone.
std::set<std::string> AccessoryListParts(Context& c, const std::string& key, const std::string& type)
{
    std::set<std::string> parts;
    for (const AccessoryItem& item : AssembleAccessoryItems(*c.accessories.ini, key, type, LineList(), nullptr))
        parts.insert(GetField(LineValue(item.line), kItemPartField));
    return parts;
}

// The cable keys whose accessory list takes the lines of a section of accessorylist.dat.
std::vector<std::pair<std::string, std::string>> KeysListing(const Context& c, const std::string& section)
{
    std::vector<std::pair<std::string, std::string>> keys; // key, type code
    for (const CableKey& k : c.keys)
        for (const std::string& type : k.typeCodes)
            if (EqualsNoCase(section, k.key) || EqualsNoCase(section, kAccessoryAllSection) ||
                EqualsNoCase(section, AccessoryTypeSection(type)))
                keys.emplace_back(k.key, type);
    return keys;
}

} // namespace

void CheckMetricParts(Context& c)
{
    if (!c.metric.loaded)
        return;
    const LineList& lines = c.metric.lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const Place at = c.metric.At(i);
        if (line.empty())
            continue;
        WarnFieldBlanks(c, at, line);
        const std::string part = GetField(line, 1);
        const std::string metric = GetField(line, 2);
        if (part.empty()) {
            c.Warning(at, "the part number (field 1) is empty; the line never matches");
            continue;
        }
        if (const auto first = FindFirstLine(lines, 1, part, Compare::WithCase); first && *first < i) {
            c.Warning(at, "part number " + part + " is also on line " + IntToStr(c.metric.At(*first).line) +
                              "; only that line counts");
            continue;
        }
        if (metric.empty())
            c.Error(at, "the metric part number (field 2) is empty; under meters " + part +
                            " is ordered as an empty part number, which orders nothing");
        std::vector<Offer> wizardOffers;
        if (const auto* offers = c.OffersOf(part))
            std::copy_if(offers->begin(), offers->end(), std::back_inserter(wizardOffers), IsWizardOffer);
        if (wizardOffers.empty()) {
            c.Warning(at, part + " is offered by no wizard page; the line is never used");
            continue;
        }
        // Under meters the metric part is ordered in the same place.
        for (const Offer& o : wizardOffers)
            c.AddOffer(metric, at, o.list, o.section, ListKind::Metric);
    }
}

namespace {

// Where an offered obsolete part stands, its replacement must be offered too: an
// accessory list row loses the order without it, a pick list cannot show it.
void CheckReplacementOffered(Context& c, const Place& at, const std::string& part, const std::string& replacement,
                             std::set<std::string>& reported)
{
    const std::vector<Offer> offers = *c.OffersOf(part); // AddOffer may move the map's contents
    const auto* offersOfReplacement = c.OffersOf(replacement);
    const auto offeredIn = [&](const std::string& list) {
        return offersOfReplacement && std::any_of(offersOfReplacement->begin(), offersOfReplacement->end(),
                                                  [&](const Offer& o) { return o.list == list; });
    };
    for (const Offer& o : offers) {
        if (o.kind == ListKind::Arrestor || o.kind == ListKind::Replacement || reported.count(At(o.place)))
            continue;
        std::string missingIn;
        std::string consequence;
        if (o.kind == ListKind::AccessoryList) {
            for (const auto& [key, type] : KeysListing(c, o.section)) {
                if (!AccessoryListParts(c, key, type).count(replacement)) {
                    missingIn = "the accessory list of " + key;
                    break;
                }
            }
            consequence = "accepting the offer sets the row to 0 and adds nothing, so the order is lost";
        } else if (!offeredIn(o.list)) {
            missingIn = o.list;
            consequence = "accepting the offer orders it, but the pick list cannot show it and keeps its entry";
        }
        if (missingIn.empty())
            continue;
        reported.insert(At(o.place));
        const std::string text = "obsolete part " + part + " (" + At(at) + ") has its replacement " + replacement +
                                 " nowhere in " + missingIn + "; " + consequence;
        // A wizard page still orders the replacement, so nothing is lost there.
        if (o.kind == ListKind::AccessoryList)
            c.Error(o.place, text);
        else
            c.Warning(o.place, text);
    }
}

void CheckObsoleteLine(Context& c, size_t i, std::set<std::string>& reported)
{
    const LineList& lines = c.obsolete.lines;
    const std::string_view line = lines[i];
    const Place at = c.obsolete.At(i);
    if (line.empty())
        return;
    WarnFieldBlanks(c, at, line);
    const std::string part = GetField(line, 1);
    const std::string replacement = GetField(line, 2);
    if (part.empty()) {
        c.Warning(at, "the obsolete part number (field 1) is empty");
        return;
    }
    if (const auto first = FindFirstLine(lines, 1, part, Compare::WithCase); first && *first < i) {
        c.Warning(at, "obsolete part " + part + " is also on line " + IntToStr(c.obsolete.At(*first).line) +
                          "; only that line counts");
        return;
    }
    if (replacement.empty())
        c.Error(at, "the replacement (field 2) is empty; accepting the offer for " + part + " orders nothing");
    if (GetFieldView(line, 3).empty())
        c.Warning(at, "the replacement's description (field 3) is empty; the notification shows only its part number");
    if (!replacement.empty() && IsObsolete(lines, replacement))
        c.Warning(at, "replacement " + replacement + " is itself obsolete (line " +
                          IntToStr(c.obsolete.At(*FindFirstLine(lines, 1, replacement, Compare::WithCase)).line) +
                          "); the program offers no second replacement");
    if (!c.OffersOf(part)) {
        c.Warning(at, "obsolete part " + part + " is offered by no data file; the line is never used");
        return;
    }
    if (replacement.empty())
        return;
    CheckReplacementOffered(c, at, part, replacement, reported);
    c.AddOffer(replacement, at, BaseName(c.obsolete.label), std::string(), ListKind::Replacement);
}

} // namespace

void CheckObsoleteParts(Context& c)
{
    if (!c.obsolete.loaded)
        return;
    std::set<std::string> reported; // places already told about a missing replacement
    for (size_t i = 0; i < c.obsolete.lines.size(); ++i)
        CheckObsoleteLine(c, i, reported);
}

void CheckCableKeySections(Context& c)
{
    constexpr const char* kAbsent = "\x01";
    for (const CableKey& key : c.keys) {
        const bool hasRow = c.mount.loaded && c.mount.ini->ReadString(key.key, kMountRowKey, kAbsent) != kAbsent;
        std::vector<std::string> missing;
        bool wizardMissing = false;
        if (c.mount.loaded && !hasRow) {
            missing.push_back(BaseName(c.mount.label));
            wizardMissing = true;
        }
        for (const IniFile* f : {&c.hoist, &c.entry, &c.ground, &c.weather}) {
            if (f->loaded && !f->HasLines(key.key)) {
                missing.push_back(BaseName(f->label));
                wizardMissing = true;
            }
        }
        if (c.accessories.loaded && !c.accessories.HasLines(key.key))
            missing.push_back(BaseName(c.accessories.label));
        const bool hangersMissing = c.settings.loaded && !c.settings.HasLines(key.key);
        if (hangersMissing)
            missing.push_back(BaseName(c.settings.label));
        if (missing.empty())
            continue;

        std::vector<std::string> effects;
        if (wizardMissing)
            effects.push_back("the wizard offers \"None\" or \"N/A\" where a section is missing");
        if (hangersMissing)
            effects.push_back(hasRow ? "its hangers are counted at a spacing of 1 foot"
                                     : "the customize dialog hides its hanger pages");
        // With nothing from the file and no protector for its bands, its list is empty.
        bool listEmpty = c.accessories.loaded;
        for (const std::string& type : key.typeCodes)
            if (c.accessories.loaded && !AccessoryListParts(c, key.key, type).empty())
                listEmpty = false;
        for (size_t i = 0; listEmpty && i < c.surge.lines.size(); ++i) {
            const auto low = TryStrToFloat(GetFieldView(c.surge.lines[i], 1));
            const auto high = TryStrToFloat(GetFieldView(c.surge.lines[i], 2));
            for (const Band& band : key.bands)
                if (low && high && *low <= band.beginning && *high >= band.ending)
                    listEmpty = false;
        }
        if (listEmpty)
            effects.push_back("the accessory list shows \"No accessories are available for " + key.key + "\"");

        std::string message = "cable key " + key.key + " has no section in ";
        for (size_t i = 0; i < missing.size(); ++i)
            message += (i ? ", " : "") + missing[i];
        for (size_t i = 0; i < effects.size(); ++i)
            message += (i == 0 ? "; " : i + 1 == effects.size() ? " and " : ", ") + effects[i];
        c.Warning(key.first, message);
    }
}

void CheckPartsInSettings(Context& c)
{
    for (const IniFile* f : {&c.settings, &c.defaults}) {
        if (!f->loaded ||
            (f == &c.defaults && c.settings.loaded &&
             ReadFileBytes(c.dataFolder + "settings.dat") == ReadFileBytes(c.dataFolder + "defaults.dat")))
            continue;
        for (const IniLines::Section& s : f->lines.Sections()) {
            const bool packs = EqualsNoCase(s.name, keys::kUnitPackSection);
            if (!packs && !c.FindKeyNoCase(s.name))
                continue;
            const std::vector<std::string> lines = f->Section(s.name);
            for (size_t j = 0; j < lines.size(); ++j) {
                const std::string_view value = LineValue(lines[j]);
                if (lines[j].find('=') == std::string::npos || (packs && IsNamed(lines[j], keys::UnitPackAll.key)))
                    continue;
                const std::string part = GetField(value, 1);
                if (part.empty())
                    c.Warning(f->At(s.name, j), "the part number (field 1) is empty; the record applies to nothing");
                else if (!c.OffersOf(part))
                    c.Warning(f->At(s.name, j), std::string(packs ? "unit pack" : "hanger record") + " for " + part +
                                                    ", which no data file offers");
            }
        }
    }
}

namespace {

// Each line that names a part: repeated part numbers, prices that are no number.
void CheckPriceLines(Context& c, const PriceIndex& index)
{
    const LineList& lines = c.prices.lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty())
            continue;
        const Place at = c.prices.At(i);
        const std::string_view part = GetFieldView(line, kPricePartField);
        if (const auto first = index.Find(lines, part); !part.empty() && first && *first < i)
            c.Warning(at, "part number " + std::string(part) + " is also on line " +
                              IntToStr(c.prices.At(*first).line) + "; the list of materials uses that line");
        const std::string_view price = GetFieldView(line, kPriceUnitPriceField);
        if (price.empty() || TryStrToFloat(price) || i == 0) // the first line may be a heading
            continue;
        if (c.OffersOf(part))
            c.Error(at, "unit price (field 6) " + Quote(price) + " of " + std::string(part) +
                            " is not a number; building a list of materials with it stops with a conversion error");
        else
            c.Warning(at, "unit price (field 6) " + Quote(price) + " of " + std::string(part) +
                              " is not a number; a project file that lists it stops with a conversion error");
    }
}

void CheckOfferedPartsPriced(Context& c, const PriceIndex& index)
{
    for (const std::string& part : c.OfferedParts()) {
        const Place& offered = c.OffersOf(part)->front().place;
        const auto i = index.Find(c.prices.lines, part);
        if (!i) {
            c.Warning(offered, "part " + part + " has no line in " + c.prices.label +
                                   "; the list of materials shows \"N/A\" and \"Contact Brimcor For Price\"");
            continue;
        }
        const std::string_view line = c.prices.lines[*i];
        const Place at = c.prices.At(*i);
        if (GetFieldView(line, kPriceDescriptionField).empty())
            c.Warning(at, part + " has no description (field 5); the list of materials shows \"N/A\" (offered in " +
                              At(offered) + ")");
        if (GetFieldView(line, kPriceUnitPriceField).empty())
            c.Warning(at, part +
                              " has no unit price (field 6); the list of materials shows \"Contact Brimcor For "
                              "Price\" (offered in " +
                              At(offered) + ")");
    }
}

} // namespace

void CheckPrices(Context& c)
{
    if (!c.prices.loaded)
        return;
    const LineList& lines = c.prices.lines;
    // The program still runs on such a list, but nothing it lists has a price.
    if (CountPricedRecords(lines) == 0)
        c.Error(c.prices.Whole(), "holds no price: no line has a part number (field 3) and a number in field 6; "
                                  "every row of the list of materials reads \"Contact Brimcor For Price\" and the "
                                  "total is $0.00");
    const PriceIndex index(lines);
    CheckPriceLines(c, index);

    // The same list published as a price package must pass the update's check; prices
    // that are no number are told above with what they break.
    for (const PriceListProblem& p : CheckPriceList(lines)) {
        if (p.kind == PriceProblemKind::PriceNotNumber)
            continue;
        const Place at = p.line > 0 ? c.prices.At(static_cast<size_t>(p.line - 1)) : c.prices.Whole();
        c.Warning(at, p.message + "; the price update refuses a price list like this");
    }
    CheckOfferedPartsPriced(c, index);
}

void CheckCaptionPictures(Context& c)
{
    if (!c.pictureMap.loaded)
        return;
    std::vector<std::string_view> names;
    for (std::string_view line : c.pictureMap.lines)
        if (const size_t eq = line.find('='); eq != std::string_view::npos)
            names.push_back(line.substr(0, eq));
    for (const auto& entry : c.Captions()) {
        const std::string& caption = entry.first;
        const Place& place = entry.second;
        const bool found =
            std::any_of(names.begin(), names.end(), [&](std::string_view n) { return EqualsNoCase(n, caption); });
        if (!found)
            c.Warning(place, "caption " + Quote(caption) + " has no line in " + BaseName(c.pictureMap.label) +
                                 "; the picture beside its list stays as it was");
    }
}

void CheckPictures(Context& c)
{
    struct Named
    {
        std::string name;
        Place place;
        bool byProgram;
    };
    std::vector<Named> pictures;
    const auto add = [&](std::string name, Place place, bool byProgram) {
        for (const Named& n : pictures)
            if (EqualsNoCase(n.name, name))
                return;
        pictures.push_back({std::move(name), std::move(place), byProgram});
    };
    for (std::string_view name : ProgramPictures())
        add(std::string(name), {}, true);
    for (const auto& [name, place] : c.NamedPictures())
        add(name, place, false);

    const std::string folder = c.Label(c.imagesFolder);
    for (const Named& p : pictures) {
        const std::string path = c.imagesFolder + p.name;
        const auto resolved = ResolveFile(path);
        if (!resolved) {
            if (p.byProgram)
                c.Error({c.Label(path), 0}, "picture is missing; the program loads it by this name");
            else
                c.Error(p.place, "picture " + Quote(p.name) + " is missing from " + folder);
            continue;
        }
        const PictureProbeResult r = c.probe(*resolved);
        const std::string namedBy = p.byProgram ? std::string() : " (named by " + At(p.place) + ")";
        if (!r.readable) {
            c.Error({c.Label(*resolved), 0}, "not a readable GIF picture: " + r.reason + namedBy);
            continue;
        }
        if (EqualsNoCase(p.name, kSplashPicture) && r.width > 0 &&
            (r.width != kSplashWidth || r.height != kSplashHeight))
            c.Warning({c.Label(*resolved), 0}, IntToStr(r.width) + " x " + IntToStr(r.height) +
                                                   " pixels; the splash window shows " + IntToStr(kSplashWidth) +
                                                   " x " + IntToStr(kSplashHeight));
    }
}

} // namespace tav::check

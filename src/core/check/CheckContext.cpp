#include "core/check/CheckContext.h"

#include "core/app/Installation.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/materials/PriceList.h"
#include "core/settings/SectionLines.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>

namespace tav::check {

std::vector<std::string> IniFile::Section(std::string_view name) const
{
    std::vector<std::string> values;
    if (ini)
        ini->ReadSectionValues(name, values);
    return values;
}

Context::Context(const std::string& installation, const std::string& shared, const PictureProbe& pictureProbe)
    : installationFolder(WithTrailingSlash(installation)), dataFolder(installationFolder + "dat/"),
      imagesFolder(installationFolder + "images/"), sharedFolder(shared), probe(pictureProbe)
{
    while (sharedFolder.size() > 1 && sharedFolder.back() == '/')
        sharedFolder.pop_back();
}

void Context::Error(const Place& place, std::string message)
{
    findings_.push_back({Severity::Error, place.file, place.line, std::move(message)});
}

void Context::Warning(const Place& place, std::string message)
{
    findings_.push_back({Severity::Warning, place.file, place.line, std::move(message)});
}

std::vector<Finding> Context::TakeFindings()
{
    return std::move(findings_);
}

std::string Context::Label(const std::string& path) const
{
    if (path.size() > installationFolder.size() && path.compare(0, installationFolder.size(), installationFolder) == 0)
        return path.substr(installationFolder.size());
    return path;
}

const CableKey* Context::FindKey(std::string_view key) const
{
    for (const CableKey& k : keys)
        if (k.key == key)
            return &k;
    return nullptr;
}

const CableKey* Context::FindKeyNoCase(std::string_view key) const
{
    for (const CableKey& k : keys)
        if (EqualsNoCase(k.key, key))
            return &k;
    return nullptr;
}

void Context::AddOffer(const std::string& part, const Place& place, std::string list, std::string section,
                       ListKind kind)
{
    if (part.empty())
        return;
    auto [it, added] = offers_.try_emplace(part);
    if (added)
        offerOrder_.push_back(part);
    it->second.push_back({place, std::move(list), std::move(section), kind});
}

const std::vector<Offer>* Context::OffersOf(std::string_view part) const
{
    const auto it = offers_.find(std::string(part));
    return it == offers_.end() ? nullptr : &it->second;
}

void Context::NamePicture(const std::string& name, const Place& place)
{
    for (const auto& [known, where] : pictures_)
        if (EqualsNoCase(known, name))
            return;
    pictures_.emplace_back(name, place);
}

void Context::NeedCaptionPicture(const std::string& caption, const Place& place)
{
    for (const auto& [known, where] : captions_)
        if (EqualsNoCase(known, caption))
            return;
    captions_.emplace_back(caption, place);
}

std::string Quote(std::string_view text)
{
    std::string q;
    q.reserve(text.size() + 2);
    q += '"';
    q += text;
    q += '"';
    return q;
}

std::string FormatNumber(double value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string("?");
}

bool HasOuterBlanks(std::string_view text)
{
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    return !text.empty() && (blank(text.front()) || blank(text.back()));
}

void WarnFieldBlanks(Context& c, const Place& at, std::string_view record)
{
    const int closed = ClosedFields(record);
    for (int f = 1; f <= closed; ++f) {
        const std::string_view text = GetFieldView(record, f);
        if (HasOuterBlanks(text)) {
            c.Warning(at, "field " + IntToStr(f) + " " + Quote(text) +
                              " has blanks around its text; fields are read as they stand, so it matches nothing "
                              "written without them");
            return;
        }
    }
}

std::string BaseName(std::string_view label)
{
    const size_t slash = label.rfind('/');
    return std::string(slash == std::string_view::npos ? label : label.substr(slash + 1));
}

std::string SectionOf(std::string_view section, std::string_view fileLabel)
{
    return "[" + std::string(section) + "] of " + BaseName(fileLabel);
}

std::string_view NameOfLine(std::string_view line)
{
    return LineName(line).value_or(line);
}

bool IsNamed(std::string_view line, std::string_view name)
{
    return line.find('=') != std::string_view::npos && EqualsNoCase(NameOfLine(line), name);
}

std::optional<size_t> FindNamedLine(const std::vector<std::string>& lines, std::string_view name)
{
    return EarlierLine(lines, lines.size(), [&](std::string_view line) { return IsNamed(line, name); });
}

bool HasName(const std::vector<std::string>& lines, std::string_view name)
{
    return FindNamedLine(lines, name).has_value();
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(), [&](std::string_view n) { return EqualsNoCase(n, name); });
}

std::vector<std::string> CableKeySections(Context& c, const IniFile& f, std::initializer_list<std::string_view> fixed)
{
    std::vector<std::string> sections;
    for (const IniLines::Section& s : f.lines.Sections()) {
        if (IsOneOf(s.name, fixed))
            continue;
        if (c.tlines.loaded && !c.FindKeyNoCase(s.name)) {
            c.Warning(f.Header(s.name), "section [" + s.name + "] belongs to no cable key of " +
                                            BaseName(c.tlines.label) + "; the program never reads it");
            continue;
        }
        sections.push_back(s.name);
    }
    return sections;
}

namespace {

// Found in the file's own bytes, since a reader that skips the mark no longer shows it.
void WarnByteOrderMark(Context& c, const std::string& label, const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return;
    std::ifstream in(path, std::ios::binary);
    char head[kUtf8Bom.size()] = {};
    in.read(head, sizeof head);
    if (HasUtf8Bom(std::string_view(head, static_cast<size_t>(in.gcount()))))
        c.Warning({label, 0}, "starts with a UTF-8 byte-order mark (bytes EF BB BF); a reader that does not skip it "
                              "takes it for part of the first line");
}

void LoadRecords(Context& c, RecordFile& file, const std::string& path, bool dropHeader)
{
    const auto resolved = ResolveFile(path);
    file.label = c.Label(resolved.value_or(path));
    if (!resolved)
        return; // reported with the required files
    try {
        file.lines = LoadCatalogueList(*resolved, dropHeader);
        file.firstLine = dropHeader ? 2 : 1;
        file.loaded = true;
        WarnByteOrderMark(c, file.label, *resolved);
    } catch (const tav::Error& e) {
        c.Error({file.label, 0}, std::string("cannot be read: ") + e.what());
    }
}

void LoadIni(Context& c, IniFile& file, const std::string& name, bool linesAreRecords)
{
    const std::string path = c.dataFolder + name;
    const auto resolved = ResolveFile(path);
    file.label = c.Label(resolved.value_or(path));
    file.linesAreRecords = linesAreRecords;
    if (!resolved)
        return;
    try {
        file.ini = std::make_unique<TBiggerIniFile>(*resolved);
        file.lines = IniLines(ReadLineList(*resolved));
        file.loaded = true;
        WarnByteOrderMark(c, file.label, *resolved);
    } catch (const tav::Error& e) {
        file.ini.reset();
        c.Error({file.label, 0}, std::string("cannot be read: ") + e.what());
    }
}

} // namespace

void LoadFiles(Context& c)
{
    for (const RequiredFile& f : RequiredFiles()) {
        const std::string path = f.inShared ? c.sharedFolder + "/" + f.name : c.dataFolder + f.name;
        if (!FileExists(path))
            c.Error({c.Label(path), 0}, "required file is missing; the program starts with \"One of the files "
                                        "needed to run this program is missing.\" and cannot leave the first page");
    }

    LoadRecords(c, c.tlines, c.dataFolder + "tlines.dat", true);
    LoadRecords(c, c.surge, c.dataFolder + "Surge.dat", true);
    LoadRecords(c, c.pictureMap, c.dataFolder + "Images.dat", false);
    LoadRecords(c, c.obsolete, c.dataFolder + "obsolete.dat", false);
    LoadRecords(c, c.metric, c.dataFolder + "metric.dat", false);
    LoadRecords(c, c.advanced, c.dataFolder + "advanced.dat", false);
    LoadRecords(c, c.prices, c.sharedFolder + "/" + kPriceListFileName, false);

    LoadIni(c, c.mount, "mount.dat", true);
    LoadIni(c, c.hoist, "hoist.dat", true);
    LoadIni(c, c.entry, "cblEntry.dat", true);
    LoadIni(c, c.ground, "ground.dat", true);
    LoadIni(c, c.weather, "weather.dat", true);
    LoadIni(c, c.gps, "gps.dat", true);
    LoadIni(c, c.accessories, "accessorylist.dat", true);
    LoadIni(c, c.settings, "settings.dat", false);
    LoadIni(c, c.defaults, "defaults.dat", false);
}

} // namespace tav::check

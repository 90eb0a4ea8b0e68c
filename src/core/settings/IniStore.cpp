#include "core/settings/IniStore.h"

#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"

#include <algorithm>
#include <functional>

namespace tav {

namespace {

constexpr char kCtrlZ = 26;

std::string_view NameOf(std::string_view line)
{
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
}

bool HasName(std::string_view line)
{
    return line.find('=') != std::string_view::npos;
}

bool IsSectionHeading(std::string_view line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

} // namespace

TBigIniFile::TBigIniFile(std::string fileName) : fileName_(std::move(fileName))
{
    Load();
}

TBigIniFile::TBigIniFile(InMemory, std::string_view text)
{
    Parse(text);
}

void TBigIniFile::Load()
{
    const auto bytes = ReadFileBytes(fileName_);
    Parse(bytes ? std::string_view(*bytes) : std::string_view());
}

void TBigIniFile::Parse(std::string_view text)
{
    sections_.clear();
    lastFound_ = 0;
    changed_ = false;

    // The folded hash of each section's name: a file of many sections must not cost a
    // comparison of names with all of them per section.
    std::vector<size_t> hashes;
    // Most files have a handful of sections.
    hashes.reserve(8);
    sections_.reserve(8);
    // Null before the first section and while a repeated section is dropped with all its lines.
    Section* current = nullptr;
    const LineList lines = LineList::FromText(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || (line.size() == 1 && line[0] == kCtrlZ))
            continue;
        if (IsSectionHeading(line)) {
            const std::string_view name = line.substr(1, line.size() - 2);
            const size_t hash = HashNoCase(name);
            current = nullptr;
            auto it = std::find(hashes.begin(), hashes.end(), hash);
            while (it != hashes.end() && !EqualsNoCase(sections_[static_cast<size_t>(it - hashes.begin())].name, name))
                it = std::find(it + 1, hashes.end(), hash);
            if (it == hashes.end()) {
                hashes.push_back(hash);
                sections_.push_back(Section{std::string(name), {}});
                current = &sections_.back();
                // Room for the lines up to the next heading, so a long section is not moved
                // again and again while it fills.
                size_t next = i + 1;
                while (next < lines.size() && !IsSectionHeading(lines[next]))
                    ++next;
                current->lines.reserve(next - i - 1);
            }
            continue;
        }
        if (current)
            current->lines.emplace_back(line);
    }
}

template <typename Match> TBigIniFile::Section* TBigIniFile::FindFrom(Match match)
{
    const size_t n = sections_.size();
    if (n == 0)
        return nullptr;
    // Start at the section found last and go round once.
    const size_t start = lastFound_ < n ? lastFound_ : 0;
    for (size_t k = 0; k < n; ++k) {
        const size_t i = (start + k) % n;
        if (match(sections_[i].name)) {
            lastFound_ = i;
            return &sections_[i];
        }
    }
    return nullptr;
}

TBigIniFile::Section* TBigIniFile::FindExact(std::string_view name)
{
    return FindFrom([name](const std::string& s) { return s == name; });
}

TBigIniFile::Section* TBigIniFile::FindNoCase(std::string_view name)
{
    return FindFrom([name](const std::string& s) { return EqualsNoCase(s, name); });
}

std::optional<size_t> TBigIniFile::FindKey(const Section& s, std::string_view key)
{
    // A name ends at the first "=", so a key holding one names no line; otherwise a line
    // is the key's when its first "=" stands right after the key, which most lines fail
    // at a glance.
    if (key.find('=') != std::string_view::npos)
        return std::nullopt;
    for (size_t i = 0; i < s.lines.size(); ++i) {
        const std::string_view line = s.lines[i];
        if (line.size() > key.size() && line[key.size()] == '=' && EqualsNoCase(line.substr(0, key.size()), key))
            return i;
    }
    return std::nullopt;
}

std::string TBigIniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback)
{
    const Section* s = FindExact(section);
    if (!s)
        return std::string(fallback);
    const auto i = FindKey(*s, key);
    if (!i)
        return std::string(fallback);
    const std::string& line = s->lines[*i];
    return line.substr(line.find('=') + 1);
}

void TBigIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (key.empty()) {
        if (!section.empty() || !value.empty())
            EraseSection(section);
        else
            UpdateFile();
        return;
    }
    Section* s = FindExact(section);
    if (!s) {
        sections_.push_back(Section{std::string(section), {}});
        lastFound_ = sections_.size() - 1;
        s = &sections_.back();
    }
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    if (const auto i = FindKey(*s, key)) {
        if (s->lines[*i] != line) {
            s->lines[*i] = std::move(line);
            changed_ = true;
        }
    } else {
        s->lines.push_back(std::move(line));
        changed_ = true;
    }
}

std::optional<int> TBigIniFile::ParseIniInteger(std::string_view text)
{
    // Only the very first characters make a value hexadecimal: " 0x64" or "-0x10" are no
    // numbers at all, so they read as the caller's default.
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string hex = "$";
        hex.append(text.substr(2, 255));
        return TryStrToInt(hex);
    }
    if (!text.empty() && text[0] == '$')
        return TryStrToInt(text);
    return TryDecimalToInt(text);
}

int TBigIniFile::ReadInteger(std::string_view section, std::string_view key, int fallback)
{
    return ParseIniInteger(ReadString(section, key, "")).value_or(fallback);
}

void TBigIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, IntToStr(value));
}

bool TBigIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback)
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TBigIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TBigIniFile::ReadSection(std::string_view section, std::vector<std::string>& names)
{
    if (const Section* s = FindNoCase(section))
        for (const auto& line : s->lines)
            if (HasName(line))
                names.emplace_back(NameOf(line));
}

void TBigIniFile::ReadSectionValues(std::string_view section, std::vector<std::string>& lines)
{
    const std::vector<std::string>& found = SectionLines(section);
    lines.insert(lines.end(), found.begin(), found.end());
}

const std::vector<std::string>& TBigIniFile::SectionLines(std::string_view section)
{
    static const std::vector<std::string> none;
    const Section* s = FindNoCase(section);
    return s ? s->lines : none;
}

std::vector<std::string> TBigIniFile::SectionNames() const
{
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const auto& s : sections_)
        names.push_back(s.name);
    return names;
}

bool TBigIniFile::SectionExists(std::string_view section)
{
    return FindNoCase(section) != nullptr;
}

void TBigIniFile::ReplaceSection(std::string_view section, std::vector<std::string> lines)
{
    Section* s = FindNoCase(section);
    if (!s) {
        sections_.push_back(Section{std::string(section), std::move(lines)});
        changed_ = true;
        return;
    }
    if (s->lines.size() == lines.size()) {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (s->lines[i] != lines[i]) {
                s->lines[i] = std::move(lines[i]);
                changed_ = true;
            }
        }
        return;
    }
    s->lines = std::move(lines);
    changed_ = true;
}

void TBigIniFile::EraseSection(std::string_view section)
{
    Section* s = FindNoCase(section);
    if (s && !s->lines.empty()) {
        s->lines.clear();
        changed_ = true;
    }
}

std::string TBigIniFile::Render() const
{
    size_t size = 0;
    for (const auto& s : sections_) {
        size += s.name.size() + 6;
        for (const auto& line : s.lines)
            size += line.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (const auto& s : sections_) {
        if (s.lines.empty())
            continue;
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (const auto& line : s.lines) {
            out += line;
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

std::optional<std::string> TBigIniFile::KeyAt(const char* text) const
{
    const std::less_equal<const char*> notAfter;
    for (const auto& s : sections_)
        for (const auto& line : s.lines)
            if (text && notAfter(line.data(), text) && notAfter(text, line.data() + line.size()))
                return "key \"" + std::string(NameOf(line)) + "\" of [" + s.name + "]";
    return std::nullopt;
}

std::optional<ConversionError> PlaceOf(const ConversionError& e, const TBigIniFile& ini)
{
    const auto key = ini.KeyAt(e.TextAt());
    if (!key)
        return std::nullopt;
    return e.PlacedAt(ini.FileName(), *key);
}

void TBigIniFile::UpdateFile()
{
    if (!changed_ || fileName_.empty())
        return;
    WriteFileAtomic(fileName_, Render());
    changed_ = false;
}

} // namespace tav

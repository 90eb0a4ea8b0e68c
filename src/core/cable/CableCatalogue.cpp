#include "core/cable/CableCatalogue.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/common/Text.h"

#include <algorithm>

namespace tav {

namespace {

std::string_view TypeCodeOf(int item)
{
    switch (item) {
    case 0:
        return "AIR";
    case 1:
        return "FOAM";
    case 2:
        return "EW";
    default:
        return {};
    }
}

bool TypeMatches(std::string_view line, std::string_view typeCode)
{
    return !typeCode.empty() && EqualsNoCase(GetFieldView(line, 5), typeCode);
}

// The radio group's item of a type code (letter case aside), -1 for none of the three.
int TypeItemOf(std::string_view code)
{
    for (int t = 0; t < kCableTypeCount; ++t)
        if (EqualsNoCase(code, TypeCodeOf(t)))
            return t;
    return -1;
}

std::vector<std::string> Filtered(const std::vector<std::string>& list, double limit, bool above)
{
    std::vector<std::string> out;
    for (const auto& entry : list) {
        const double v = StrToFloat(entry);
        if (above ? v > limit : v < limit)
            out.push_back(entry);
    }
    return out;
}

} // namespace

std::string CableTypeCode(int itemIndex)
{
    return std::string(TypeCodeOf(itemIndex));
}

std::string CableTypeName(int itemIndex)
{
    static const char* const names[kCableTypeCount] = {"Air Coax", "Foam Coax", "Elliptical Waveguide"};
    return itemIndex >= 0 && itemIndex < kCableTypeCount ? names[itemIndex] : "";
}

bool BandCovers(std::string_view line, const Band& band)
{
    return StrToFloat(GetFieldView(line, 3)) <= band.beginning && StrToFloat(GetFieldView(line, 4)) >= band.ending;
}

CableIndex::CableIndex(const LineList& tlines)
{
    entries_.reserve(tlines.size());
    for (std::string_view line : tlines) {
        const auto beginning = TryStrToFloat(GetFieldView(line, 3));
        const auto ending = TryStrToFloat(GetFieldView(line, 4));
        const std::string_view diameter = GetFieldView(line, 6);
        entries_.push_back({beginning.value_or(0), ending.value_or(0), beginning && ending,
                            TypeItemOf(GetFieldView(line, 5)), static_cast<uint32_t>(diameter.data() - line.data()),
                            static_cast<uint32_t>(diameter.size())});
    }
}

bool CableIndex::Covers(const LineList& tlines, size_t line, const Band& band) const
{
    if (!entries_[line].numbers)
        return BandCovers(tlines[line], band);
    return entries_[line].beginning <= band.beginning && entries_[line].ending >= band.ending;
}

std::string_view CableIndex::Diameter(const LineList& tlines, size_t line) const
{
    return tlines[line].substr(entries_[line].diameterStart, entries_[line].diameterLength);
}

namespace {

// The catalogue read through its index when the index fits it, else field by field.
class Lines
{
public:
    Lines(const LineList& tlines, const CableIndex* index)
        : tlines_(tlines), index_(index && index->Fits(tlines) ? index : nullptr)
    {}
    size_t size() const { return tlines_.size(); }
    bool Covers(size_t line, const Band& band) const
    {
        return index_ ? index_->Covers(tlines_, line, band) : BandCovers(tlines_[line], band);
    }
    int TypeItem(size_t line) const
    {
        return index_ ? index_->TypeItem(line) : TypeItemOf(GetFieldView(tlines_[line], 5));
    }
    bool TypeMatches(size_t line, std::string_view typeCode) const
    {
        const int item = TypeItemOf(typeCode);
        return index_ && item >= 0 ? index_->TypeItem(line) == item : tav::TypeMatches(tlines_[line], typeCode);
    }
    std::string_view Diameter(size_t line) const
    {
        return index_ ? index_->Diameter(tlines_, line) : GetFieldView(tlines_[line], 6);
    }

private:
    const LineList& tlines_;
    const CableIndex* index_;
};

} // namespace

FrequencyLists BuildFrequencyLists(const LineList& tlines)
{
    ValueList beginning, ending;
    // Every frequency is a number, checked where it stands so a bad one names its line.
    NamingPlace(
        [&] {
            for (std::string_view line : tlines) {
                StrToFloat(GetFieldView(line, 3));
                StrToFloat(GetFieldView(line, 4));
                beginning.Add(std::string(GetFieldView(line, 3)));
                ending.Add(std::string(GetFieldView(line, 4)));
            }
        },
        tlines);
    FrequencyLists lists{beginning.Take(), ending.Take()};
    SortNumeric(lists.beginning);
    SortNumeric(lists.ending);
    return lists;
}

std::vector<std::string> EndingsAbove(const std::vector<std::string>& endings, double beginning)
{
    return Filtered(endings, beginning, true);
}

std::vector<std::string> BeginningsBelow(const std::vector<std::string>& beginnings, double ending)
{
    return Filtered(beginnings, ending, false);
}

namespace {

// The value shown stays while the band is sound; otherwise the first or the last entry.
FrequencyChoices Choices(std::vector<std::string> entries, std::string_view beginning, std::string_view ending,
                         std::string_view shown, bool firstEntry)
{
    FrequencyChoices c;
    c.entries = std::move(entries);
    c.selected = c.entries.empty() ? -1 : firstEntry ? 0 : static_cast<int>(c.entries.size()) - 1;
    const auto b = TryStrToFloat(beginning), e = TryStrToFloat(ending);
    if (b && e && *b <= *e) {
        const auto it = std::find(c.entries.begin(), c.entries.end(), shown);
        if (it == c.entries.end())
            c.entries.emplace_back(shown);
        c.selected = static_cast<int>(std::find(c.entries.begin(), c.entries.end(), shown) - c.entries.begin());
    }
    return c;
}

} // namespace

FrequencyChoices EndingsForBeginning(const std::vector<std::string>& endings, std::string_view beginning,
                                     std::string_view ending)
{
    const auto b = TryStrToFloat(beginning);
    return Choices(b ? EndingsAbove(endings, *b) : endings, beginning, ending, ending, true);
}

FrequencyChoices BeginningsForEnding(const std::vector<std::string>& beginnings, std::string_view beginning,
                                     std::string_view ending)
{
    const auto e = TryStrToFloat(ending);
    return Choices(e ? BeginningsBelow(beginnings, *e) : beginnings, beginning, ending, beginning, false);
}

int TypeForBand(const std::array<bool, kCableTypeCount>& available, int selected)
{
    if (selected >= 0 && selected < kCableTypeCount && available[static_cast<size_t>(selected)])
        return selected;
    for (int i = 0; i < kCableTypeCount; ++i)
        if (available[static_cast<size_t>(i)])
            return i;
    return -1;
}

std::array<bool, kCableTypeCount> AvailableTypes(const LineList& tlines, const Band& band, const CableIndex* index)
{
    const Lines lines(tlines, index);
    std::array<bool, kCableTypeCount> seen{};
    NamingPlace(
        [&] {
            for (size_t i = 0; i < lines.size(); ++i) {
                if (!lines.Covers(i, band))
                    continue;
                if (const int t = lines.TypeItem(i); t >= 0)
                    seen[static_cast<size_t>(t)] = true;
                if (seen[0] && seen[1] && seen[2])
                    break;
            }
        },
        tlines);
    return seen;
}

std::vector<std::string> Diameters(const LineList& tlines, const Band& band, std::string_view typeCode,
                                   const CableIndex* index)
{
    const Lines lines(tlines, index);
    ValueList diameters;
    NamingPlace(
        [&] {
            for (size_t i = 0; i < lines.size(); ++i)
                if (lines.Covers(i, band) && lines.TypeMatches(i, typeCode))
                    diameters.Add(std::string(lines.Diameter(i)));
        },
        tlines);
    return diameters.Take();
}

std::vector<std::string> EvaluateCandidates(const LineList& tlines, const EvaluationInputs& inputs,
                                            std::string_view typeCode, std::string_view diameter)
{
    std::vector<Candidate> candidates = EvaluateCandidateLines(tlines, inputs, typeCode, diameter);
    std::vector<std::string> rows;
    rows.reserve(candidates.size());
    for (Candidate& c : candidates)
        rows.push_back(std::move(c.row));
    return rows;
}

std::vector<Candidate> EvaluateCandidateLines(const LineList& tlines, const EvaluationInputs& inputs,
                                              std::string_view typeCode, std::string_view diameter,
                                              const CableIndex* index)
{
    const Lines lines(tlines, index);
    const Band band{inputs.beginning, inputs.ending};
    std::vector<Candidate> all;
    NamingPlace(
        [&] {
            for (size_t i = 0; i < lines.size(); ++i)
                if (lines.Covers(i, band) && lines.TypeMatches(i, typeCode) && lines.Diameter(i) == diameter)
                    all.push_back({EvaluateLine(tlines[i], inputs), i});
        },
        tlines);
    // A value list: text order without regard to case, the first of equal rows kept.
    std::stable_sort(all.begin(), all.end(),
                     [](const Candidate& a, const Candidate& b) { return CompareNoCase(a.row, b.row) < 0; });
    std::vector<Candidate> rows;
    rows.reserve(all.size());
    for (Candidate& c : all)
        if (rows.empty() || !EqualsNoCase(rows.back().row, c.row))
            rows.push_back(std::move(c));
    return rows;
}

std::vector<std::string> PartNumbersOfType(const LineList& tlines, std::string_view typeCode)
{
    ValueList parts;
    for (std::string_view line : tlines)
        if (TypeMatches(line, typeCode))
            parts.Add(std::string(GetFieldView(line, 1)));
    return parts.Take();
}

std::vector<std::string> CableKeys(const LineList& tlines)
{
    ValueList keys;
    for (std::string_view line : tlines)
        keys.Add(std::string(GetFieldView(line, 2)));
    return keys.Take();
}

std::optional<CableLine> FindCable(const LineList& tlines, std::string_view partNumber)
{
    const auto i = FindFirstLine(tlines, 1, partNumber, Compare::IgnoreCase);
    if (!i)
        return std::nullopt;
    const std::string_view line = tlines[*i];
    return CableLine{*i, std::string(GetFieldView(line, 1)), std::string(GetFieldView(line, 2)),
                     std::string(GetFieldView(line, 6))};
}

std::string CablePicture(const LineList& tlines, std::string_view cableKey)
{
    if (const auto i = FindFirstLine(tlines, 2, cableKey, Compare::WithCase))
        return GetField(tlines[*i], 13);
    return {};
}

} // namespace tav

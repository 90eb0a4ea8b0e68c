#pragma once

#include "core/cable/LineEvaluation.h"
#include "core/common/LineList.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The cable types of the first page, in the order of its radio group.
inline constexpr int kCableTypeCount = 3;
// The elliptical waveguide, whose attenuation follows its own formula.
inline constexpr int kWaveguideItem = 2;
// "AIR", "FOAM", "EW" for items 0, 1, 2; empty when no type is chosen.
std::string CableTypeCode(int itemIndex);
// "Air Coax", "Foam Coax", "Elliptical Waveguide"; empty when no type is chosen.
std::string CableTypeName(int itemIndex);

// The headings of the evaluation grid, one per field of an evaluation row.
inline constexpr std::array<const char*, 6> kGridColumns{"Part Number",         "Frequency Band (MHz)",
                                                         "Insertion Loss (dB)", "Efficiency (%)",
                                                         "Peak Power (kW)",     "Average Power (kW)"};

// A chosen band; a line covers it when its own band reaches from at most the
// beginning to at least the ending.
struct Band
{
    double beginning = 0;
    double ending = 0;
};

// Throws ConversionError when field 3 or 4 of the line is not a number.
bool BandCovers(std::string_view line, const Band& band);

// The fields the first page filters the catalogue on (band, type, diameter), read once when
// the catalogue loads, so its filters compare numbers rather than convert every line's texts
// at every change. A line whose band is no number is read again when asked, so it fails just
// as it did unindexed; an index of another list is ignored.
class CableIndex
{
public:
    CableIndex() = default;
    explicit CableIndex(const LineList& tlines);
    bool Fits(const LineList& tlines) const { return entries_.size() == tlines.size(); }
    // Only for an index that fits the list.
    bool Covers(const LineList& tlines, size_t line, const Band& band) const;
    int TypeItem(size_t line) const { return entries_[line].typeItem; }
    std::string_view Diameter(const LineList& tlines, size_t line) const;

private:
    struct Entry
    {
        double beginning;
        double ending;
        bool numbers;
        int typeItem;           // the radio group's item of the type code, -1 for none
        uint32_t diameterStart; // field 6, as offsets, so a copied list keeps its index
        uint32_t diameterLength;
    };
    std::vector<Entry> entries_;
};

// The distinct band limits of the catalogue, numerically ascending.
struct FrequencyLists
{
    std::vector<std::string> beginning;
    std::vector<std::string> ending;
};
FrequencyLists BuildFrequencyLists(const LineList& tlines);

// The endings above a beginning, and the beginnings below an ending, in list order.
std::vector<std::string> EndingsAbove(const std::vector<std::string>& endings, double beginning);
std::vector<std::string> BeginningsBelow(const std::vector<std::string>& beginnings, double ending);

// What a frequency box offers once the other box of the band changed, and which entry it
// shows (-1: none). The value it showed stays, added when the list lacks it, as long as it
// still makes a band with the other; otherwise it shows the first ending above the
// beginning, or the last beginning below the ending. A text that is no number filters
// nothing.
struct FrequencyChoices
{
    std::vector<std::string> entries;
    int selected = -1;
};
FrequencyChoices EndingsForBeginning(const std::vector<std::string>& endings, std::string_view beginning,
                                     std::string_view ending);
FrequencyChoices BeginningsForEnding(const std::vector<std::string>& beginnings, std::string_view beginning,
                                     std::string_view ending);

// Which of the three types some line covering the band has.
// Each filter takes the catalogue's index when there is one.
std::array<bool, kCableTypeCount> AvailableTypes(const LineList& tlines, const Band& band,
                                                 const CableIndex* index = nullptr);

// The type chosen once the band changed: the selected one while the band offers it, else
// the first the band offers, else none (-1).
int TypeForBand(const std::array<bool, kCableTypeCount>& available, int selected);

// The diameters of the lines of one type that cover the band (text order).
std::vector<std::string> Diameters(const LineList& tlines, const Band& band, std::string_view typeCode,
                                   const CableIndex* index = nullptr);

// The grid rows of the lines of one type and diameter that cover the band; identical
// rows collapse and the rows come out in part-number order.
std::vector<std::string> EvaluateCandidates(const LineList& tlines, const EvaluationInputs& inputs,
                                            std::string_view typeCode, std::string_view diameter);

// The same rows, each with the index of the catalogue line it was evaluated from (the
// first of the lines whose rows collapsed into it).
struct Candidate
{
    std::string row;
    size_t line = 0;
};
std::vector<Candidate> EvaluateCandidateLines(const LineList& tlines, const EvaluationInputs& inputs,
                                              std::string_view typeCode, std::string_view diameter,
                                              const CableIndex* index = nullptr);

// Every part number of one type, whatever its band (text order).
std::vector<std::string> PartNumbersOfType(const LineList& tlines, std::string_view typeCode);

// Every cable key of the catalogue (text order).
std::vector<std::string> CableKeys(const LineList& tlines);

// The line a part number names (compared without regard to case; the first line wins).
struct CableLine
{
    size_t index = 0;
    std::string partNumber;
    std::string cableKey;
    std::string diameter;
};
std::optional<CableLine> FindCable(const LineList& tlines, std::string_view partNumber);

// The picture of a cable key: field 13 of the first line that carries the key (with case).
std::string CablePicture(const LineList& tlines, std::string_view cableKey);

} // namespace tav

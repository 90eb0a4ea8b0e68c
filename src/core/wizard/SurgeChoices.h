#pragma once

#include "core/cable/CableCatalogue.h"
#include "core/common/LineList.h"
#include "core/wizard/Obsolete.h"
#include "core/wizard/Quantities.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// A record of the surge list: "low MHz|high MHz|part|picture|description|first connector
// mates to|second connector mates to|"; an empty second connector means the protector has
// none to choose.
inline constexpr int kSurgeLowField = 1;
inline constexpr int kSurgeHighField = 2;
inline constexpr int kSurgePartField = 3;
inline constexpr int kSurgePictureField = 4;
inline constexpr int kSurgeDescriptionField = 5;
inline constexpr int kSurgeFirstConnectorField = 6;
inline constexpr int kSurgeSecondConnectorField = 7;

// The band of the cable page's two frequency texts. Throws ConversionError for a text that
// is not a number.
Band ParseBand(std::string_view beginning, std::string_view ending);

// A protector fits when its range reaches from at most the band's beginning to at least
// its end. Throws ConversionError when a frequency of the record is not a number.
bool FitsBand(std::string_view record, const Band& band);

// What the first connectors of the fitting protectors mate to, sorted without regard to
// case, each once; "N/A" alone when none fits.
std::vector<std::string> FirstConnectorChoices(const LineList& surge, const Band& band);
// The same for the second connector of the fitting protectors with that first connector;
// a protector without a second connector lists "None".
std::vector<std::string> SecondConnectorChoices(const LineList& surge, const Band& band, std::string_view first);

// The protectors the surge list offers: they fit the band, mate to the chosen connectors
// (a protector without a second connector mates to any), have a part number, and are
// current unless obsolete parts are kept.
struct SurgeFilter
{
    Band band;
    std::string_view first;
    std::string_view second;
    bool keepObsolete = false;
};

// Their descriptions sorted without regard to case, each once, with "N/A" sorted in.
std::vector<std::string> SurgeChoices(const LineList& surge, const SurgeFilter& filter, const LineList& obsolete);

// The index of the first offered protector with the description; none for "N/A".
std::optional<size_t> OfferedSurgeRecord(const LineList& surge, const SurgeFilter& filter, const LineList& obsolete,
                                         std::string_view description);

// The picture of the chosen protector; the placeholder for "N/A" and for a record that
// names none.
std::string SurgePictureName(const LineList& surge, const SurgeFilter& filter, const LineList& obsolete,
                             std::string_view description);

// Resolves the chosen protector into its slot, one per run (quantity overrides do not
// apply): no part clears the slot and ends there; a part is written under its metric
// number. An obsolete part is put to the user first, and then the description to move the
// list to is returned, when an offered protector has the part ordered.
std::optional<std::string> SelectSurgePart(std::vector<std::string>& selection, const QuantityInputs& in,
                                           const LineList& surge, const SurgeFilter& filter, const LineList& obsolete,
                                           std::string_view description, const PartOffer& offer);

} // namespace tav

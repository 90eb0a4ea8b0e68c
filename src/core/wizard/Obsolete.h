#pragma once

#include "core/common/LineList.h"
#include "core/materials/AccessoryList.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// A part the maker no longer supplies, as obsolete.dat names it: "old|new|description|".
struct Replacement
{
    std::string part;
    std::string description;

    // What the notification shows: the new part and its description.
    std::string Text() const { return part + " - " + description; }
};

// The replacement of the first obsolete.dat line for the part (compared with case).
std::optional<Replacement> FindReplacement(const LineList& obsolete, std::string_view part);

// The three settings that govern obsolete parts, read afresh on every call.
bool ObsoleteWarningsOn(const std::string& dataFolder);
bool KeepObsoleteInWizard(const std::string& dataFolder);
bool KeepObsoleteInList(const std::string& dataFolder);
// Turns the notification off for good (settings.dat is written at once).
void StopObsoleteWarnings(const std::string& dataFolder);

// Whether a wizard list offers a part: one there is, and a current one unless obsolete
// parts are kept.
bool PartOffered(std::string_view part, const LineList& obsolete, bool keepObsolete);

// Puts the replacement text to the user; true when the user takes the new part.
using ReplacementQuestion = std::function<bool(const std::string& replacementText)>;

// Asks only while warnings are on; false without asking otherwise.
bool AskReplacement(const std::string& dataFolder, const std::string& replacementText, const ReplacementQuestion& ask);

// The part to order: the replacement when the user accepts it, otherwise the part itself.
std::string OfferReplacement(const std::string& dataFolder, const LineList& obsolete, std::string_view part,
                             const ReplacementQuestion& ask);

// The part to order in place of an obsolete one: the user's answer to the offer.
using PartOffer = std::function<std::string(std::string_view part)>;

// A part a wizard list names, as it is ordered.
struct OrderedChoice
{
    // Its metric number under meters; for an obsolete part the one the user keeps, or the
    // replacement under its own metric number (empty for a replacement that names no part).
    std::string ordered;
    // After an offer: the part as the catalogue lists it, to move the pick list to.
    std::optional<std::string> moveTo;
};

// The part to order for a part a list names (before any metric substitution). An empty
// part orders nothing and is never offered, whatever obsolete.dat holds.
OrderedChoice OrderChosenPart(const std::string& dataFolder, bool meters, const LineList& obsolete,
                              std::string_view listedPart, const PartOffer& offer);

struct ListSubstitution
{
    bool replaced = false;                // the user took the replacement
    std::optional<size_t> replacementRow; // the row that received the quantity; to be made current and shown
    // The user took a replacement the list does not offer; the obsolete part stays ordered
    // and the page should say why.
    std::optional<std::string> missingReplacement;
};

// After an edit of a row of the accessory list: an obsolete part whose replacement the
// user accepts hands its recommended quantity over to the replacement's row (ticking
// its box if it had nothing yet) and drops to 0 itself; otherwise a ticked row gets its
// recommended quantity. A replacement without a row of its own cannot take the order
// over, so the obsolete part keeps it rather than the order being lost. Rows with nothing
// ordered and nothing ticked are left alone.
ListSubstitution SubstituteInList(std::vector<AccessoryListRow>& rows, size_t edited, const LineList& obsolete,
                                  const std::function<std::string(std::string_view part)>& offer,
                                  const RecommendedQuantityFn& recommended);

} // namespace tav

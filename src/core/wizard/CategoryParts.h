#pragma once

#include "core/common/LineList.h"
#include "core/wizard/ChoiceLists.h"
#include "core/wizard/Obsolete.h"
#include "core/wizard/Quantities.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The part a first-level caption of hoist.dat or gps.dat names: field 2 of the first
// record of the first category with exactly that caption that the list offers, so an
// obsolete record hidden from the list is never the one ordered. Empty when there is none.
std::string CategoryPart(const WorkingLists& lists, std::string_view caption, const LineList& obsolete,
                         bool keepObsolete);

// The caption of the category of the first record whose part is exactly the part; none
// for an empty part, a part no record holds, or a category without a caption line.
std::optional<std::string> CategoryOfPart(const WorkingLists& lists, std::string_view part);

// Resolves the chosen caption into its slot (the hoisting grip or the GPS item): no part
// clears the slot; a part is written under its metric number with the slot's quantity. An
// obsolete part is put to the user first, and then the part to move the list to is
// returned (empty when there is none). Whether obsolete parts are offered is read from
// settings.dat.
std::optional<std::string> SelectCategoryPart(std::vector<std::string>& selection, const QuantityInputs& in,
                                              const LineList& obsolete, const WorkingLists& lists,
                                              std::string_view caption, int slot, const PartOffer& offer);

} // namespace tav

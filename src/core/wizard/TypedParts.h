#pragma once

#include "core/catalog/CatalogueFile.h"
#include "core/common/LineList.h"
#include "core/wizard/ChoiceLists.h"
#include "core/wizard/Obsolete.h"
#include "core/wizard/Quantities.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The pages of cblEntry.dat, ground.dat and weather.dat narrow a choice down to a record of
// one category (and, for the kits, one value of a filter field), and a numbered type picks
// the part within the record.

// The key of the first category line with exactly this caption; none when no line has it.
std::optional<std::string> CategoryKeyOf(const WorkingLists& lists, std::string_view caption);

// The number of the first type line with exactly this caption; none when no line has it
// (a placeholder). Throws ConversionError when that line's name is not a whole number.
std::optional<int> TypeNumberOf(const WorkingLists& lists, std::string_view caption);

// What the page's lists show.
struct TypedChoice
{
    std::string_view category;
    std::string_view type;
    int filterField = 0; // 0: every record of the category
    std::string_view filterValue;
};

// The type captions the chosen category (and filter value) has an offered part for, in
// record order with duplicates kept; "None" alone when there is none.
std::vector<std::string> TypedChoices(const WorkingLists& lists, const TypedChoice& choice,
                                      const TypedPartFields& layout, const LineList& obsolete, bool keepObsolete);

// The plate or boot list of a category: its types, then "None" once, as the last entry.
std::vector<std::string> EntryTypeChoices(const WorkingLists& lists, std::string_view category,
                                          const TypedPartFields& layout, const LineList& obsolete, bool keepObsolete);

// The part the choice names, as the catalogue lists it: taken from the first record of the
// category (and filter value) whose field for the type holds a part the list offers, so a
// type offered by a later record orders that record's part. Empty for a placeholder.
std::string TypedPart(const WorkingLists& lists, const TypedChoice& choice, const TypedPartFields& layout,
                      const LineList& obsolete, bool keepObsolete);

// Where a part stands in the catalogue: what the lists show to choose it.
struct PartPlace
{
    std::string category;
    std::string filterValue;
    std::string type;

    friend bool operator==(const PartPlace&, const PartPlace&) = default;
};

// The first record (file order) that holds exactly the part in any of its part fields,
// from the layout's first part field to the record's last field. None for an empty part,
// a part no record holds, or a record whose category has no caption line.
std::optional<PartPlace> PlaceOfPart(const WorkingLists& lists, std::string_view part, const TypedPartFields& layout,
                                     int filterField);

// The value a remembered filter text stands for in another field of the same record: a
// wire length in inches read in millimetres after a unit switch, and back. Taken from the
// first record of the category whose from-field holds the text; none when none does.
std::optional<std::string> TranslateFilterValue(const WorkingLists& lists, std::string_view category, int fromField,
                                                int toField, std::string_view text);

// Resolves an entry plate or boot choice into its slot with the quantity its box shows:
// no part clears the slot and ends there; a part is written under its metric number. An
// obsolete part is put to the user first, and then the part to move the lists to is
// returned. Whether obsolete parts are offered is read from settings.dat.
std::optional<std::string> SelectEntryPart(std::vector<std::string>& selection, const QuantityInputs& in,
                                           const LineList& obsolete, const WorkingLists& lists,
                                           const TypedChoice& choice, int slot, std::string_view quantity,
                                           const PartOffer& offer);

// The same for the grounding kit (slot 15) and the weatherproofing kit (slot 16), with the
// slot's own quantity rule.
std::optional<std::string> SelectTypedPart(std::vector<std::string>& selection, const QuantityInputs& in,
                                           const LineList& obsolete, const WorkingLists& lists,
                                           const TypedChoice& choice, const TypedPartFields& layout, int slot,
                                           const PartOffer& offer);

// The arrestor of cblEntry.dat, the same for every line; empty when the file names none.
std::string ArrestorPart(const std::string& dataFolder);
// Writes the arrestor's slot for the quantity its box shows, as it is listed (no metric or
// obsolete substitution); a quantity of 0 clears it. False when a quantity is asked for but
// the file names no arrestor: the slot is cleared rather than left ordering nothing.
bool WriteArrestorSelection(std::vector<std::string>& selection, const std::string& dataFolder, int quantity);

} // namespace tav

#include "core/wizard/Selection.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Numbers.h"

#include <stdexcept>

namespace tav {

namespace {

std::string& Slot(std::vector<std::string>& selection, int slot)
{
    if (slot < 0 || slot >= kSelectionSlots)
        throw std::out_of_range("selection slot " + IntToStr(slot) + " does not exist");
    // A list that was never reset still gets its fixed slots rather than a write past its end.
    if (selection.size() < static_cast<size_t>(kSelectionSlots))
        selection.resize(kSelectionSlots, kEmptySelectionRecord);
    return selection[static_cast<size_t>(slot)];
}

} // namespace

void ResetSelection(std::vector<std::string>& selection)
{
    selection.assign(kSelectionSlots, kEmptySelectionRecord);
}

void WriteSelection(std::vector<std::string>& selection, int slot, std::string_view part, std::string_view quantity,
                    int section)
{
    std::string record;
    record.reserve(part.size() + quantity.size() + 8);
    record.append(part).append("|").append(quantity).append("|").append(IntToStr(section)).append("|");
    Slot(selection, slot) = std::move(record);
}

void WriteSelection(std::vector<std::string>& selection, int slot, std::string_view part, int quantity, int section)
{
    WriteSelection(selection, slot, part, IntToStr(quantity), section);
}

void WriteSelectionQuantity(std::vector<std::string>& selection, int slot, std::string_view quantity, int section)
{
    const std::string part = GetField(Slot(selection, slot), 1);
    WriteSelection(selection, slot, part, quantity, section);
}

void ClearSelection(std::vector<std::string>& selection, int slot)
{
    Slot(selection, slot) = kEmptySelectionRecord;
}

} // namespace tav

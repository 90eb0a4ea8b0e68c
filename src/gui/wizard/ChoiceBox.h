#pragma once

#include "gui/app/WizardState.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QComboBox;

namespace tav::gui {

// Refills a catalogue pick list: remembers its text, puts in the entries, selects the
// entry RestoreChoice names for that text, and then runs the change handler exactly once
// (none of the list's own change signals fire while it is being refilled). An empty
// handler runs nothing.
void FillChoiceBox(QComboBox& box, const std::vector<std::string>& entries, bool preferLast,
                   const std::function<void()>& changeHandler);
// The same with the text to look for given, for lists that forget some of their texts.
void FillChoiceBox(QComboBox& box, const std::vector<std::string>& entries, const QString& previousText,
                   bool preferLast, const std::function<void()>& changeHandler);

// The same for a list whose entries each carry a number (the catalogue column an entry
// orders): of several entries with the previous text, the one with the previous entry's
// number is chosen again.
void FillChoiceBox(QComboBox& box, const std::vector<std::string>& entries, const std::vector<int>& numbers,
                   const QString& previousText, const std::function<void()>& changeHandler);
// The numbers of a list filled so.
std::vector<int> EntryNumbers(const QComboBox& box);

// Appends "None" unless an entry already reads so (ignoring case); raises no change signal.
void EnsureNoneChoice(QComboBox& box);

// Long part descriptions do not fit the box: every time the list drops down it is made
// as wide as the box plus the number of characters of the longest entry plus 15 pixels,
// and wider still when the longest entry needs more room in the list's font. The closed
// box shows the chosen entry whole where the window has room, in its tooltip otherwise.
void WidenDropDown(QComboBox& box);
int DropDownWidth(const QComboBox& box);

} // namespace tav::gui

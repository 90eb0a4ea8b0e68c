#pragma once

#include <QStringList>
#include <string>
#include <vector>

class QComboBox;

namespace tav::gui {

// Replaces the entries of a pick list and selects one (-1: none, leaving the text
// empty) without raising the list's change signals: the program changing its own
// lists is not a choice of the user.
void FillComboSilently(QComboBox* box, const QStringList& entries, int selected);
void FillComboSilently(QComboBox* box, const std::vector<std::string>& entries, int selected);

// Sets the text of an editable pick list without raising its change signals.
void SetComboTextSilently(QComboBox* box, const QString& text);

// Entries are looked up by their whole text without regard to case; -1 when absent.
int FindEntryNoCase(const QComboBox* box, const QString& text);
int IndexOfNoCase(const QStringList& entries, const QString& text);

} // namespace tav::gui

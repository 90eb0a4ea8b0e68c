#include "gui/app/ComboBoxes.h"

#include "gui/app/TextCodec.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tav::gui {

void FillComboSilently(QComboBox* box, const QStringList& entries, int selected)
{
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(selected < entries.size() ? selected : -1);
    if (box->isEditable())
        box->setEditText(box->currentIndex() >= 0 ? box->currentText() : QString());
}

void FillComboSilently(QComboBox* box, const std::vector<std::string>& entries, int selected)
{
    FillComboSilently(box, FromDataLines(entries), selected);
}

void SetComboTextSilently(QComboBox* box, const QString& text)
{
    const QSignalBlocker block(box);
    const int index = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index >= 0)
        box->setCurrentIndex(index);
    if (box->isEditable())
        box->setEditText(text);
}

int IndexOfNoCase(const QStringList& entries, const QString& text)
{
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int FindEntryNoCase(const QComboBox* box, const QString& text)
{
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace tav::gui

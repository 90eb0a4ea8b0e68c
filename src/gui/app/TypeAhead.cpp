#include "gui/app/TypeAhead.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tav::gui {

TypeAhead::TypeAhead(QComboBox* box) : QObject(box), box_(box)
{
    // A user's key press reaches the box, which hands it to its line edit directly; a
    // press sent to the line edit itself arrives there.
    box_->installEventFilter(this);
    if (box_->lineEdit())
        box_->lineEdit()->installEventFilter(this);
}

bool TypeAhead::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        lastKey_ = static_cast<QKeyEvent*>(event)->key();
    return QObject::eventFilter(watched, event);
}

void TypeAhead::Complete()
{
    QLineEdit* edit = box_->lineEdit();
    if (!edit)
        return;
    const QString typed = edit->text();
    if (lastKey_ == Qt::Key_Backspace || lastKey_ == Qt::Key_Delete) {
        edit->deselect();
        edit->setCursorPosition(static_cast<int>(typed.size()));
        return;
    }
    for (int i = 0; i < box_->count(); ++i) {
        const QString entry = box_->itemText(i);
        if (!entry.startsWith(typed, Qt::CaseInsensitive))
            continue;
        {
            const QSignalBlocker block(box_);
            box_->setCurrentIndex(i);
            edit->setText(entry);
        }
        edit->setSelection(static_cast<int>(entry.size()), -static_cast<int>(entry.size() - typed.size()));
        return;
    }
}

} // namespace tav::gui

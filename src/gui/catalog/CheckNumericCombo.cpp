#include "gui/catalog/CheckNumericCombo.h"

#include "core/common/Numbers.h"
#include "gui/app/TextCodec.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tav::gui {

bool CheckNumericCombo(QComboBox* box, Platform& platform)
{
    if (IsNumeric(ToData(box->currentText())))
        return true;
    {
        // Choosing the replacement is not a change of its own.
        QSignalBlocker block(box);
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
        if (box->count() > 0)
            box->setEditText(box->itemText(0));
        else if (box->isEditable())
            box->clearEditText();
    }
    platform.sounds.Beep();
    platform.boxes.Warning(box->window(), QStringLiteral("This field must contain a numeric value."));
    return false;
}

} // namespace tav::gui

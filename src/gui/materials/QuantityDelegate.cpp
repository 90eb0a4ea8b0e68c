#include "gui/materials/QuantityDelegate.h"

#include "gui/materials/AccessoryListModel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QStyleOptionSpinBox>

namespace tav::gui {

QuantitySpin::QuantitySpin(QWidget* parent) : QSpinBox(parent)
{
    setRange(0, kMaxListQuantity);
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    // The order is taken when the user is done typing, not at every digit.
    setKeyboardTracking(false);
}

void QuantitySpin::stepBy(int steps)
{
    // A step below nothing is refused and leaves the row as it was.
    if (value() + steps < minimum())
        return;
    QSpinBox::stepBy(steps);
    emit stepped();
}

namespace {

bool IsQuantity(const QModelIndex& index)
{
    return index.isValid() && (index.flags() & Qt::ItemIsEditable);
}

QStyle* StyleOf(const QStyleOptionViewItem& option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

// The spin buttons of a quantity cell, drawn as an editor would draw them.
QStyleOptionSpinBox Buttons(const QStyleOptionViewItem& option, int quantity)
{
    QStyleOptionSpinBox spin;
    spin.rect = option.rect;
    spin.palette = option.palette;
    spin.direction = option.direction;
    spin.fontMetrics = option.fontMetrics;
    spin.state = option.state & QStyle::State_Enabled;
    spin.frame = false;
    spin.buttonSymbols = QAbstractSpinBox::UpDownArrows;
    spin.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    spin.stepEnabled = QAbstractSpinBox::StepNone;
    if (quantity > 0)
        spin.stepEnabled |= QAbstractSpinBox::StepDownEnabled;
    if (quantity < kMaxListQuantity)
        spin.stepEnabled |= QAbstractSpinBox::StepUpEnabled;
    return spin;
}

// A button of the cell in the view's coordinates; styles place it within the spin box.
QRect ButtonRect(const QStyleOptionViewItem& option, const QStyleOptionSpinBox& spin, QStyle::SubControl button)
{
    return StyleOf(option)
        ->subControlRect(QStyle::CC_SpinBox, &spin, button, option.widget)
        .translated(option.rect.topLeft());
}

QRect ButtonsRect(const QStyleOptionViewItem& option, const QStyleOptionSpinBox& spin)
{
    return ButtonRect(option, spin, QStyle::SC_SpinBoxUp) | ButtonRect(option, spin, QStyle::SC_SpinBoxDown);
}

// +1 on the up button, -1 on the down button, 0 elsewhere.
int StepAt(const QStyleOptionViewItem& option, const QModelIndex& index, QPoint at)
{
    const QStyleOptionSpinBox spin = Buttons(option, index.data(Qt::EditRole).toInt());
    if (ButtonRect(option, spin, QStyle::SC_SpinBoxUp).contains(at))
        return 1;
    if (ButtonRect(option, spin, QStyle::SC_SpinBoxDown).contains(at))
        return -1;
    return 0;
}

} // namespace

QWidget* TQuantityDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    if (!IsQuantity(index))
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* spin = new QuantitySpin(parent);
    const QPersistentModelIndex cell(index);
    connect(spin, &QuantitySpin::stepped, this, [spin, cell] {
        if (cell.isValid())
            const_cast<QAbstractItemModel*>(cell.model())->setData(cell, spin->value(), AccessoryListModel::kSpunRole);
    });
    return spin;
}

void TQuantityDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* spin = qobject_cast<QuantitySpin*>(editor);
    if (!spin)
        return QStyledItemDelegate::setEditorData(editor, index);
    const QSignalBlocker block(spin);
    spin->setValue(index.data(Qt::EditRole).toInt());
    // Typed digits replace the quantity rather than join it.
    spin->selectAll();
}

void TQuantityDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* spin = qobject_cast<QuantitySpin*>(editor);
    if (!spin)
        return QStyledItemDelegate::setModelData(editor, model, index);
    spin->interpretText();
    model->setData(index, spin->value(), Qt::EditRole);
}

void TQuantityDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!IsQuantity(index))
        return QStyledItemDelegate::paint(painter, option, index);
    const QStyleOptionSpinBox spin = Buttons(option, index.data(Qt::EditRole).toInt());
    const QRect buttons = ButtonsRect(option, spin);
    // The number is centred in what the buttons leave of the cell.
    QStyleOptionViewItem number(option);
    number.rect.setRight(buttons.left() - 1);
    QStyledItemDelegate::paint(painter, number, index);
    QStyleOptionViewItem strip(option);
    strip.rect.setLeft(buttons.left());
    strip.features = QStyleOptionViewItem::None;
    strip.backgroundBrush = index.data(Qt::BackgroundRole).value<QBrush>();
    StyleOf(option)->drawPrimitive(QStyle::PE_PanelItemViewItem, &strip, painter, option.widget);
    StyleOf(option)->drawComplexControl(QStyle::CC_SpinBox, &spin, painter, option.widget);
}

bool TQuantityDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QuantitySpin*>(object);
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    if (editor && key && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
        // Tab takes what was typed and leaves the grid, as it does from any cell of it,
        // instead of moving on to the next cell.
        QWidget* view = editor->parentWidget() ? editor->parentWidget()->parentWidget() : nullptr;
        emit commitData(editor);
        emit closeEditor(editor, NoHint);
        if (view) {
            QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers());
            QCoreApplication::sendEvent(view, &again);
        }
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

bool TQuantityDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                    const QModelIndex& index)
{
    const bool click = event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick;
    if (IsQuantity(index) && click && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (const int step = StepAt(option, index, static_cast<QMouseEvent*>(event)->position().toPoint())) {
            // The model refuses a step below nothing and leaves the row as it was.
            model->setData(index, index.data(Qt::EditRole).toLongLong() + step, AccessoryListModel::kSpunRole);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

} // namespace tav::gui

#pragma once

#include <QSpinBox>
#include <QStyledItemDelegate>

namespace tav::gui {

// The quantity editor of an item row: whole numbers from 0, never below it. A step of its
// arrows is told apart from typing, since only a step drops the recommended quantity.
class QuantitySpin : public QSpinBox
{
    Q_OBJECT
public:
    explicit QuantitySpin(QWidget* parent = nullptr);
    void stepBy(int steps) override;

signals:
    void stepped();
};

// Shows a quantity cell with its spin buttons and edits it in a QuantitySpin. The
// buttons step the quantity without opening the editor; an editor opens with its whole
// text selected, so what the user types replaces the quantity instead of joining it.
class TQuantityDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace tav::gui

#pragma once

#include "doubles/Widgets.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <stdexcept>
#include <string>

namespace tav::test {

// The accessory-list grid as a user reads and fills it: found by its name, read through
// what it shows, and changed by keys and clicks on its cells.
class AccessoryGrid
{
public:
    static constexpr int kPart = 0, kQuantity = 2, kTick = 3;

    explicit AccessoryGrid(const QObject& window) : view_(Named<QTableView>(window, "grdList")) {}

    QTableView& View() const { return view_; }
    QModelIndex Cell(int row, int column) const { return view_.model()->index(row, column); }
    int Rows() const { return view_.model()->rowCount(); }
    bool IsItem(int row) const { return (Cell(row, kQuantity).flags() & Qt::ItemIsEditable) != 0; }
    QString Text(int row, int column = kPart) const { return Cell(row, column).data().toString(); }

    // The item row of the part, -1 when the list has none.
    int Row(const QString& part) const
    {
        for (int r = 0; r < Rows(); ++r)
            if (IsItem(r) && Text(r) == part)
                return r;
        return -1;
    }
    int Quantity(const QString& part) const { return Row(part) < 0 ? -1 : Cell(Row(part), kQuantity).data().toInt(); }
    bool Ticked(const QString& part) const
    {
        return Row(part) >= 0 && Cell(Row(part), kTick).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    // Every row as shown, one a line: headings as "# caption", items as "part quantity"
    // with "+" when ticked.
    std::string Shown() const
    {
        QStringList out;
        for (int r = 0; r < Rows(); ++r)
            out << (IsItem(r) ? Text(r) + " " + Text(r, kQuantity) + (Ticked(Text(r)) ? " +" : "") : "# " + Text(r));
        return out.join('\n').toStdString();
    }

    // Stands on the part's row and types the quantity, then Enter: the first key opens the
    // editor, the others go to it.
    void Type(const QString& part, const QString& keys, int column = kQuantity)
    {
        const QModelIndex at = Cell(Found(part), column);
        view_.setCurrentIndex(at);
        QTest::keyClick(&view_, keys.at(0).toLatin1());
        QWidget* editor = view_.indexWidget(at.siblingAtColumn(kQuantity));
        if (!editor)
            throw std::runtime_error("no editor opened for " + part.toStdString());
        QTest::keyClicks(editor, keys.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor closes once the edit is handled, and what that edit moved follows.
        QApplication::processEvents();
        QApplication::processEvents();
    }
    void Type(const QString& part, int quantity) { Type(part, QString::number(quantity)); }
    // Space on the tick of the part's row.
    void Tick(const QString& part)
    {
        view_.setCurrentIndex(Cell(Found(part), kTick));
        QTest::keyClick(&view_, Qt::Key_Space);
    }
    // Clicks the up (steps > 0) or down button of the part's quantity, once per step. The
    // window must be shown.
    void Step(const QString& part, int steps)
    {
        const QModelIndex at = Cell(Found(part), kQuantity);
        view_.scrollTo(at);
        const QRect cell = view_.visualRect(at);
        const QPoint button(cell.right() - 4,
                            steps > 0 ? cell.top() + cell.height() / 4 : cell.bottom() - cell.height() / 4);
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, button);
    }

private:
    int Found(const QString& part) const
    {
        const int r = Row(part);
        if (r < 0)
            throw std::runtime_error("no row for " + part.toStdString());
        return r;
    }

    QTableView& view_;
};

} // namespace tav::test

#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

namespace tav::gui {

// A captioned group of radio buttons with an item index, where no item may be
// selected (-1) and single items may be disabled.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    TRadioGroup(const QString& objectName, const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const;
    // Selects without raising itemClicked; -1 clears the selection.
    void SetItemIndex(int index);
    void SetItemEnabled(int index, bool enabled);
    bool ItemEnabled(int index) const;
    QRadioButton* Button(int index) const { return buttons_.value(index); }
    int Count() const { return static_cast<int>(buttons_.size()); }

signals:
    // The user clicked an item.
    void itemClicked(int index);

private:
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};

} // namespace tav::gui

#include "gui/app/TRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tav::gui {

TRadioGroup::TRadioGroup(const QString& objectName, const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(objectName + "Item" + QString::number(i));
        group_->addButton(b, i);
        layout->addWidget(b);
        buttons_ << b;
    }
    connect(group_, &QButtonGroup::idClicked, this, &TRadioGroup::itemClicked);
}

int TRadioGroup::ItemIndex() const
{
    return group_->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    const QSignalBlocker block(group_);
    if (index < 0 || index >= buttons_.size()) {
        // An exclusive group never lets the last checked button go.
        group_->setExclusive(false);
        for (QRadioButton* b : buttons_)
            b->setChecked(false);
        group_->setExclusive(true);
        return;
    }
    buttons_[index]->setChecked(true);
}

void TRadioGroup::SetItemEnabled(int index, bool enabled)
{
    if (QRadioButton* b = buttons_.value(index))
        b->setEnabled(enabled);
}

bool TRadioGroup::ItemEnabled(int index) const
{
    const QRadioButton* b = buttons_.value(index);
    return b && b->isEnabled();
}

} // namespace tav::gui

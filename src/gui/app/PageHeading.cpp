#include "gui/app/PageHeading.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tav::gui {

QVBoxLayout* AddPageHeading(QWidget* page, const QString& heading)
{
    auto* layout = new QVBoxLayout(page);
    auto* title = new QLabel(heading, page);
    title->setObjectName("lbl" + page->objectName().mid(2) + "Heading");
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    title->setFont(f);
    layout->addWidget(title);
    return layout;
}

} // namespace tav::gui

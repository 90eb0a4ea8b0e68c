#include "gui/app/TImage.h"

#include <QMouseEvent>

namespace tav::gui {

ClickLabel::ClickLabel(const QString& objectName, QWidget* parent) : QLabel(parent)
{
    setObjectName(objectName);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TImage::TImage(const QString& objectName, QWidget* parent) : ClickLabel(objectName, parent)
{
    setAlignment(Qt::AlignCenter);
}

void TImage::SetPicture(const QPixmap& pixmap, const QString& fileName)
{
    setPixmap(pixmap);
    pictureFile_ = fileName;
}

} // namespace tav::gui

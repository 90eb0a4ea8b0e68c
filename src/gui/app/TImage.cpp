#include "gui/app/TImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
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

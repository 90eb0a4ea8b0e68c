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
    PaintFocus();
}

void ClickLabel::PaintFocus()
{
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

QRect TImage::PictureRect() const
{
    const QPixmap shown = pixmap();
    if (shown.isNull())
        return {};
    const QRect room = contentsRect();
    QSize size = shown.deviceIndependentSize().toSize();
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room.size(), Qt::KeepAspectRatio);
    return QStyle::alignedRect(layoutDirection(), alignment(), size, room);
}

void TImage::paintEvent(QPaintEvent* event)
{
    const QPixmap shown = pixmap();
    const QRect at = PictureRect();
    // A picture that fits is drawn pixel for pixel, as the label draws it.
    if (shown.isNull() || at.size() == shown.deviceIndependentSize().toSize()) {
        ClickLabel::paintEvent(event);
        return;
    }
    {
        QPainter painter(this);
        drawFrame(&painter);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(at, shown);
    }
    PaintFocus();
}

} // namespace tav::gui

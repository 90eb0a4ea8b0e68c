#pragma once

#include <QLabel>

namespace tav::gui {

// A label that reports clicks (the e-mail link, pictures). Given a focus policy it is
// also a keyboard link: Enter or Space click it, and it shows when it has the focus.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString& objectName, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void PaintFocus();
};

// A picture control that can be clicked and knows which file it shows. A picture larger
// than the control is scaled down whole, never cropped: the pictures carry their caption
// along their lower edge.
class TImage : public ClickLabel
{
    Q_OBJECT
public:
    explicit TImage(const QString& objectName, QWidget* parent = nullptr);

    // The file name last loaded successfully; empty while the control shows nothing.
    QString PictureFile() const { return pictureFile_; }
    void SetPicture(const QPixmap& pixmap, const QString& fileName);
    // Where the picture is drawn, in the control's coordinates; empty without a picture.
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString pictureFile_;
};

} // namespace tav::gui

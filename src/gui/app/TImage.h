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
};

// A picture control that can be clicked and knows which file it shows.
class TImage : public ClickLabel
{
    Q_OBJECT
public:
    explicit TImage(const QString& objectName, QWidget* parent = nullptr);

    // The file name last loaded successfully; empty while the control shows nothing.
    QString PictureFile() const { return pictureFile_; }
    void SetPicture(const QPixmap& pixmap, const QString& fileName);

private:
    QString pictureFile_;
};

} // namespace tav::gui

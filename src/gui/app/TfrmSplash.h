#pragma once

#include <QWidget>

class QTimer;

namespace tav::gui {

class TImage;

// The start-up picture, shown for at least three seconds.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplash(const QString& imagesFolder, QWidget* parent = nullptr);

    // True once the timer has fired.
    bool CanClose() const;
    // Processes window messages until the window may close.
    void WaitUntilClosable();

signals:
    void closable();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void Timer1Timer();

private:
    QTimer* Timer1;
    TImage* imgSplash;
};

} // namespace tav::gui

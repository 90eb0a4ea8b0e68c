#include "gui/app/TfrmSplash.h"

#include "gui/app/ImageLoader.h"
#include "gui/app/TImage.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tav::gui {

TfrmSplash::TfrmSplash(const QString& imagesFolder, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("frmSplash");
    setFixedSize(407, 243);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    imgSplash = new TImage("imgSplash", this);
    layout->addWidget(imgSplash);
    // The splash is decoration: a missing picture leaves it plain rather than stopping the start.
    const QPixmap pixmap = LoadPicture(imagesFolder, "splash.gif", devicePixelRatioF());
    if (!pixmap.isNull())
        imgSplash->SetPicture(pixmap, "splash.gif");
    if (imgSplash->PictureFile().isEmpty()) {
        imgSplash->setText("Tavrolin");
        imgSplash->setStyleSheet("font-size: 28pt; font-weight: bold; color: #1b3a6b; background: white;");
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(false);
    Timer1->setInterval(3000);
    // A coarse timer may fire up to 5 % early; the picture must stay its full time.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TfrmSplash::Timer1Timer);
    Timer1->start();
}

void TfrmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The time counts from when the picture can be seen.
    if (Timer1->isActive())
        Timer1->start();
}

void TfrmSplash::Timer1Timer()
{
    Timer1->stop();
    emit closable();
}

bool TfrmSplash::CanClose() const
{
    return !Timer1->isActive();
}

void TfrmSplash::WaitUntilClosable()
{
    if (CanClose())
        return;
    QEventLoop loop;
    connect(this, &TfrmSplash::closable, &loop, &QEventLoop::quit);
    loop.exec();
}

void TfrmSplash::closeEvent(QCloseEvent* event)
{
    if (CanClose())
        event->accept();
    else
        event->ignore();
}

} // namespace tav::gui

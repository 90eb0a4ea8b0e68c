#include "gui/app/MakerLinks.h"

#include "gui/app/ImageLoader.h"
#include "gui/app/Maker.h"
#include "gui/app/TImage.h"
#include "gui/platform/Platform.h"

#include <QBoxLayout>
#include <QUrl>

namespace tav::gui {

void AddMakerLinks(QBoxLayout& row, QWidget* parent, Platform& platform, ImageLoader& images)
{
    auto* logo = new TImage("imgLogo", parent);
    const QString siteHint = QStringLiteral("Visit ") + kMakerSiteLabel;
    logo->setToolTip(siteHint);
    logo->setStatusTip(siteHint);
    logo->setCursor(Qt::PointingHandCursor);
    images.LoadImage(logo, "logo.gif", false);
    if (logo->PictureFile().isEmpty())
        logo->setText(kMakerName);
    logo->setFocusPolicy(Qt::TabFocus);
    QObject::connect(logo, &TImage::clicked, logo, [&platform] { platform.desktop.Open(QUrl(kMakerSite)); });
    row.addWidget(logo);

    auto* email = new ClickLabel("lblemail", parent);
    email->setText(QStringLiteral("email: ") + kSupportEmail);
    email->setStyleSheet("color: blue; text-decoration: underline;");
    email->setCursor(Qt::PointingHandCursor);
    email->setToolTip("email questions and comments");
    email->setStatusTip("email questions and comments");
    email->setFocusPolicy(Qt::TabFocus);
    QObject::connect(email, &ClickLabel::clicked, email, [&platform] {
        platform.desktop.Open(QUrl(QStringLiteral("mailto:") + kSupportEmail + "?subject=Tavrolin"));
    });
    row.addWidget(email);
}

} // namespace tav::gui

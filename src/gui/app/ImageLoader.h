#pragma once

#include "gui/platform/Platform.h"

#include <QPixmap>
#include <QString>

class QWidget;

namespace tav::gui {

class TImage;

// A picture of the folder, sharp on the screen it is shown on: where the device-pixel
// ratio is above 1 the installation's NAME@2x picture, if it has one, drawn at the size
// of NAME. Null when neither can be read.
QPixmap LoadPicture(const QString& folder, const QString& fileName, qreal ratio);

// Loads pictures of the images folder into picture controls.
class ImageLoader
{
public:
    ImageLoader(Platform& platform, QWidget* dialogParent, QString imagesFolder);

    // On failure the control keeps its picture; with showErrors the user hears the
    // information sound and sees "Unable to load " and the file name.
    bool LoadImage(TImage* control, const QString& fileName, bool showErrors);

    const QString& ImagesFolder() const { return imagesFolder_; }

private:
    Platform& platform_;
    QWidget* dialogParent_;
    QString imagesFolder_;
};

} // namespace tav::gui

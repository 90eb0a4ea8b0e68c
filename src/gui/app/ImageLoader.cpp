#include "gui/app/ImageLoader.h"

#include "core/common/Files.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"

#include <QPixmap>

namespace tav::gui {

ImageLoader::ImageLoader(Platform& platform, QWidget* dialogParent, QString imagesFolder)
    : platform_(platform), dialogParent_(dialogParent), imagesFolder_(std::move(imagesFolder))
{}

namespace {

QPixmap LoadFile(const QString& path)
{
    QPixmap pixmap;
    if (const auto resolved = ResolveFile(ToData(path)))
        pixmap.load(FromData(*resolved));
    return pixmap;
}

} // namespace

QPixmap LoadPicture(const QString& folder, const QString& fileName, qreal ratio)
{
    if (fileName.isEmpty())
        return {};
    if (ratio > 1) {
        const int dot = fileName.lastIndexOf('.');
        QString sharp = fileName;
        sharp.insert(dot < 0 ? sharp.size() : dot, QStringLiteral("@2x"));
        QPixmap pixmap = LoadFile(folder + sharp);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2);
            return pixmap;
        }
    }
    return LoadFile(folder + fileName);
}

bool ImageLoader::LoadImage(TImage* control, const QString& fileName, bool showErrors)
{
    const QPixmap pixmap = LoadPicture(imagesFolder_, fileName, control->devicePixelRatioF());
    if (pixmap.isNull()) {
        if (showErrors) {
            platform_.sounds.Information();
            platform_.boxes.Error(dialogParent_, QStringLiteral("Unable to load ") + fileName);
        }
        return false;
    }
    control->SetPicture(pixmap, fileName);
    return true;
}

} // namespace tav::gui

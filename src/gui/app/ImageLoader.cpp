#include "gui/app/ImageLoader.h"

#include "core/common/Files.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"

#include <QPixmap>

namespace tav::gui {

ImageLoader::ImageLoader(Platform& platform, QWidget* dialogParent, QString imagesFolder)
    : platform_(platform), dialogParent_(dialogParent), imagesFolder_(std::move(imagesFolder))
{}

bool ImageLoader::LoadImage(TImage* control, const QString& fileName, bool showErrors)
{
    QPixmap pixmap;
    if (!fileName.isEmpty()) {
        if (const auto path = ResolveFile(ToData(imagesFolder_ + fileName)))
            pixmap.load(FromData(*path));
    }
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

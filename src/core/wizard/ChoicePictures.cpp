#include "core/wizard/ChoicePictures.h"

#include "core/common/Text.h"

namespace tav {

std::string ImageOfCaption(const LineList& images, std::string_view caption)
{
    for (std::string_view line : images) {
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos && EqualsNoCase(line.substr(0, eq), caption))
            return std::string(line.substr(eq + 1));
    }
    return {};
}

std::string ChoicePictureName(const LineList& images, std::string_view chosenText, bool lastEntryChosen,
                              const ChoicePictureRule& rule)
{
    if (rule.lastItemPicture && lastEntryChosen)
        return rule.lastItemPicture;
    if (rule.fixedPicture)
        return rule.fixedPicture;
    return ImageOfCaption(images, chosenText);
}

} // namespace tav

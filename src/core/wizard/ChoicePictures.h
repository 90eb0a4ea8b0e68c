#pragma once

#include "core/common/LineList.h"

#include <string>
#include <string_view>

namespace tav {

// The mounting pages' placeholder picture, shown while a list's last entry ("N/A") is chosen.
inline constexpr const char* kMountPlaceholderPicture = "na.gif";

// The picture file Images.dat names for a caption: the first line whose name equals the
// caption without regard to case, everything after its first "=". Empty when none does.
std::string ImageOfCaption(const LineList& images, std::string_view caption);

// How a pick list chooses its picture: a placeholder while its last entry is chosen,
// a fixed picture for every other entry, or else the one Images.dat names.
struct ChoicePictureRule
{
    const char* lastItemPicture = nullptr; // null: the last entry is looked up like any other
    const char* fixedPicture = nullptr;
};

// The picture to show for the chosen entry; empty when a caption has no picture, and then
// the control keeps what it shows.
std::string ChoicePictureName(const LineList& images, std::string_view chosenText, bool lastEntryChosen,
                              const ChoicePictureRule& rule);

} // namespace tav

#pragma once

#include "core/common/LineList.h"

#include <string>
#include <string_view>

namespace tav {

// The placeholders the accessory pages show while nothing is chosen, and their fixed pictures.
inline constexpr const char* kMountPlaceholderPicture = "na.gif"; // a mounting list's "N/A"
inline constexpr const char* kEntryPlaceholderPicture = "na1.gif";
inline constexpr const char* kArrestorPlaceholderPicture = "na2.gif";
inline constexpr const char* kSurgePlaceholderPicture = "na3.gif";
inline constexpr const char* kConnectorPlaceholderPicture = "na4.gif";
inline constexpr const char* kKitPlaceholderPicture = "na5.gif"; // grounding and weatherproofing
inline constexpr const char* kGpsPlaceholderPicture = "na6.gif";
inline constexpr const char* kBootPicture = "boothd.gif";
inline constexpr const char* kArrestorPicture = "port2.gif";
inline constexpr const char* kGpsPicture = "gps.gif";

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

#pragma once

#include <span>
#include <string_view>

namespace tav {

// The pictures the program loads by their own names from the images folder, beside
// those that data files name: the splash and logo, the location, structure and antenna
// pictures, the placeholders of the accessory pages and the customize dialog's pictures.
std::span<const std::string_view> ProgramPictures();

// The splash window is exactly as large as its picture is meant to be.
inline constexpr const char* kSplashPicture = "splash.gif";
inline constexpr int kSplashWidth = 407;
inline constexpr int kSplashHeight = 243;

} // namespace tav

#pragma once

#include <span>
#include <string_view>

namespace tav {

// One site location of the location page: its button and picture, the word mount.dat
// lists it under, and the structure pictures of the two mounting pages (empty: the site
// has no picture for that side).
struct SiteLocation
{
    const char* button;
    const char* caption;
    const char* image;
    const char* picture;
    const char* word;
    const char* verticalStructure;
    const char* horizontalStructure;
};

// Tower, Monopole, Roof Top, Parapet, Custom, in the page's order.
std::span<const SiteLocation> SiteLocations();
enum class Site
{
    Tower,
    Monopole,
    RoofTop,
    Parapet,
    Custom,
};
const SiteLocation& SiteLocationOf(Site site);

enum class AntennaType
{
    Omni,
    Sector,
    NotApplicable,
};

// The antenna page's picture: the microsite mount when it is ticked, else the antenna type.
const char* AntennaPicture(AntennaType type, bool microsite);
// A parapet carries neither an omni antenna nor the microsite mount.
bool ParapetPossible(AntennaType type, bool microsite);
// The dual-polarization microsite mount doubles the runs.
int RunsWithMicrosite(int runsInBox, bool microsite);

} // namespace tav

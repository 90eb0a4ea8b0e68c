#include "core/wizard/SitePages.h"

#include <array>

namespace tav {

std::span<const SiteLocation> SiteLocations()
{
    static constexpr std::array<SiteLocation, 5> sites{{
        {"rbTower", "Tower", "imgTower", "tower.gif", "Tower", "VertTwrParts.gif", "HorizTwrParts.gif"},
        // The feeders of a monopole run inside the pole.
        {"rbMonopole", "Monopole", "imgMonopole", "monopole.gif", "Monopole", "", "HorizMpParts.gif"},
        {"rbRoofTop", "Roof Top", "imgRooftop", "rooftop.gif", "RoofTop", "rtParts.gif", "rtParts.gif"},
        {"rbParapet", "Parapet", "imgParapet", "parapet.gif", "Parapet", "prParts.gif", ""},
        {"rbCustom", "Custom", "imgCustom", "custom.gif", "Custom", "vcsParts.gif", "hcsParts.gif"},
    }};
    return sites;
}

const SiteLocation& SiteLocationOf(Site site)
{
    return SiteLocations()[static_cast<size_t>(site)];
}

const char* AntennaPicture(AntennaType type, bool microsite)
{
    if (microsite)
        return "micro.gif";
    switch (type) {
    case AntennaType::Omni:
        return "omni.gif";
    case AntennaType::Sector:
        return "sector.gif";
    case AntennaType::NotApplicable:
        break;
    }
    return "other.gif";
}

bool ParapetPossible(AntennaType type, bool microsite)
{
    return type != AntennaType::Omni && !microsite;
}

int RunsWithMicrosite(int runsInBox, bool microsite)
{
    return microsite ? runsInBox * 2 : runsInBox;
}

} // namespace tav

#include "core/app/ProgramPictures.h"

#include <array>

namespace tav {

std::span<const std::string_view> ProgramPictures()
{
    static constexpr std::array<std::string_view, 35> pictures{
        "splash.gif",
        "logo.gif",
        // site locations and the structures they carry
        "tower.gif",
        "monopole.gif",
        "rooftop.gif",
        "parapet.gif",
        "custom.gif",
        "VertTwrParts.gif",
        "HorizTwrParts.gif",
        "HorizMpParts.gif",
        "rtParts.gif",
        "prParts.gif",
        "vcsParts.gif",
        "hcsParts.gif",
        // antenna types
        "sector.gif",
        "omni.gif",
        "other.gif",
        "micro.gif",
        // placeholders and fixed pictures of the accessory pages
        "na.gif",
        "na1.gif",
        "na2.gif",
        "na3.gif",
        "na4.gif",
        "na5.gif",
        "na6.gif",
        "boothd.gif",
        "port2.gif",
        "gps.gif",
        // the customize dialog's pages
        "plainhold1.gif",
        "latchor1.gif",
        "klemmit4.gif",
        "vornclamp.gif",
        "stackor1.gif",
        "ground.gif",
        "hoist.gif",
    };
    return pictures;
}

} // namespace tav

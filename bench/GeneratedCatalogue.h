#pragma once

#include <cstdio>
#include <random>
#include <string>

namespace tav::bench {

// A transmission-line catalogue of the given size, shaped like a maker's: a header,
// then lines over a dozen overlapping bands, three types and eight diameters.
inline std::string GeneratedCatalogue(int lines)
{
    struct BandSpec
    {
        int low, high;
    };
    const BandSpec bands[] = {{30, 88},     {138, 174},   {406, 512},   {806, 960},   {824, 894},   {1700, 2200},
                              {1850, 1990}, {2300, 2700}, {3300, 3800}, {5925, 6425}, {6425, 7125}, {10700, 11700}};
    const char* diameters[] = {"1/4\"", "3/8\"", "1/2\"", "7/8\"", "1-1/4\"", "1-5/8\"", "2-1/4\"", "3\""};
    std::mt19937 rng(7);
    std::string out = "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|Note|Note|Picture|\n";
    char buf[256];
    for (int i = 0; i < lines; ++i) {
        const BandSpec& band = bands[rng() % 12];
        const bool waveguide = band.low >= 3300;
        const char* type = waveguide ? "EW" : (rng() % 3 == 0 ? "AIR" : "FOAM");
        const int d = static_cast<int>(rng() % 8);
        const double a = waveguide ? band.low * 0.6 : 0.2 / (d + 1);
        const double b = waveguide ? 900.0 + d * 100 : 0.001 / (d + 1);
        std::snprintf(buf, sizeof buf, "PN%05d-%c|K%d%s|%d|%d|%s|%s|%.4f|%.5f|%d|%d|||k%d.gif|\n", i,
                      static_cast<char>('A' + rng() % 26), d, type, band.low, band.high, type,
                      waveguide ? "EW" : diameters[d], a, b, 20 + d * 10, 30 + d * 15, d);
        out += buf;
    }
    return out;
}

} // namespace tav::bench

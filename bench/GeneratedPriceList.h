#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

namespace tav::bench {

// A price list of this many records shaped like the maker's: 33 closed fields, part
// number in field 3, description in 5, unit price in 6. Written once per size into the
// temporary folder (a million lines take some 130 MB), never into the repository.
inline const std::string& PriceListFile(int records = 100000)
{
    static std::map<int, std::string> made;
    if (const auto it = made.find(records); it != made.end())
        return it->second;
    const std::string p =
        (std::filesystem::temp_directory_path() / ("tavrolin-bench-M_lom-" + std::to_string(records) + ".dat"))
            .string();
    std::mt19937 rng(42);
    const char* families[] = {"Hanger kit",      "Grounding kit",   "Connector N male",
                              "Entry boot",      "Hoisting grip",   "Weatherproofing kit",
                              "Surge protector", "Adapter bracket", "Cable ladder"};
    const char* sizes[] = {"1/4\"", "1/2\"", "7/8\"", "1-1/4\"", "1-5/8\"", "EW63", "EW77"};
    std::ofstream out(p, std::ios::binary);
    for (int i = 0; i < records; ++i) {
        char price[32];
        std::snprintf(price, sizeof price, "%.2f", 1.0 + (rng() % 250000) / 100.0);
        out << "BRM|" << (i % 40) << "|PN-" << (100000 + i) << "-" << (rng() % 90 + 10) << "|EA|" << families[rng() % 9]
            << " for " << sizes[rng() % 7] << " line, pack of " << (rng() % 20 + 1) << "|" << price << "|USD|"
            << (rng() % 5) << "|";
        for (int f = 9; f <= 33; ++f)
            out << (f % 7 == 0 ? "Y" : "") << "|";
        out << "\r\n";
    }
    return made.emplace(records, p).first->second;
}

} // namespace tav::bench

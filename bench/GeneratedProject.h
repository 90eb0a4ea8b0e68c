#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace tav::bench {

// A saved project of `items` distinct parts that neither the accessory list nor the price
// list knows, fifty under each heading as a save lays them out, for the demo's cable. With
// distinct counts every item's amount differs too.
inline std::string ProjectFile(int items, bool distinctCounts = false)
{
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("tavrolin-bench-project-" + std::to_string(items) + (distinctCounts ? "-d" : "") + ".tvr"))
            .string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "[Header]\r\nCompany Name=\r\n\r\n[SITE 001 LOM]\r\nSite Name=\r\n";
    int row = 1;
    for (int i = 0; i < items; ++i) {
        if (i % 50 == 0)
            ++row; // the heading's row
        out << ++row << "=" << (distinctCounts ? i + 1 : i % 9 + 1) << "|Each|XP-" << (1000000 + i) << "||Part " << i
            << "|12.50|\r\n";
    }
    out << "\r\n[Other]\r\nTline=KF12\r\nNumRuns=3\r\nBegF=806\r\nEndF=960\r\nHlength=15\r\nVlength=100\r\n"
           "Size=1/2\r\nCtype=1\r\nUnits=F\r\n";
    return path;
}

} // namespace tav::bench

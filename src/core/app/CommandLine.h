#pragma once

#include <string>
#include <vector>

namespace tav {

// What the program was asked to do at start.
struct CommandLine
{
    enum class Kind
    {
        None,   // no arguments, or a shape the program does not know
        Open,   // "OPEN" and a project file
        Launch, // part number, horizontal length, vertical length, number of runs
    };
    Kind kind = Kind::None;
    size_t argumentCount = 0;
    std::string projectFile;
    std::string partNumber;
    std::string horizontalLength;
    std::string verticalLength;
    std::string runs;
};

// The arguments without the program's own name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Launches with three or more arguments skip the splash.
inline bool ShowsSplash(size_t argumentCount)
{
    return argumentCount <= 2;
}

} // namespace tav

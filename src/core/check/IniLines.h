#pragma once

#include "core/common/LineList.h"

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The INI store keeps no line numbers, so the check finds them again: it walks the file
// by the store's loading rules (blank and Ctrl-Z lines skipped, lines outside sections
// and repeated sections dropped) and remembers where each kept line stood.
class IniLines
{
public:
    struct Section
    {
        std::string name;
        int headerLine = 0;
        std::vector<int> lines; // file line (from 1) of each line the store keeps
    };
    // A header whose name (ignoring case) an earlier section already has.
    struct Repeat
    {
        std::string name;
        int line = 0;
        int firstLine = 0;
    };

    IniLines() = default;
    explicit IniLines(const LineList& fileLines);

    // The section found without regard to case, or nullptr.
    const Section* Find(std::string_view section) const;
    // The file line of the index-th line of a section; 0 when unknown.
    int LineOf(std::string_view section, size_t index) const;
    int HeaderLineOf(std::string_view section) const;

    const std::vector<Section>& Sections() const { return sections_; }
    const std::vector<Repeat>& Repeats() const { return repeats_; }

private:
    std::vector<Section> sections_;
    std::vector<Repeat> repeats_;
};

} // namespace tav

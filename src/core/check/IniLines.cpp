#include "core/check/IniLines.h"

#include "core/common/Text.h"

namespace tav {

IniLines::IniLines(const LineList& fileLines)
{
    constexpr char kCtrlZ = 26;
    Section* current = nullptr;
    for (size_t i = 0; i < fileLines.size(); ++i) {
        const std::string_view line = fileLines[i];
        const int number = static_cast<int>(i) + 1;
        if (line.empty() || (line.size() == 1 && line[0] == kCtrlZ))
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string_view name = line.substr(1, line.size() - 2);
            if (const Section* first = Find(name)) {
                repeats_.push_back({std::string(name), number, first->headerLine});
                current = nullptr;
            } else {
                sections_.push_back({std::string(name), number, {}});
                current = &sections_.back();
            }
            continue;
        }
        if (current)
            current->lines.push_back(number);
    }
}

const IniLines::Section* IniLines::Find(std::string_view section) const
{
    for (const Section& s : sections_)
        if (EqualsNoCase(s.name, section))
            return &s;
    return nullptr;
}

int IniLines::LineOf(std::string_view section, size_t index) const
{
    const Section* s = Find(section);
    return s && index < s->lines.size() ? s->lines[index] : 0;
}

int IniLines::HeaderLineOf(std::string_view section) const
{
    const Section* s = Find(section);
    return s ? s->headerLine : 0;
}

} // namespace tav

// Any bytes loaded by the INI store, rendered and loaded again give the same store: the
// same sections with the same lines, rendered the same. A store rebuilt section by
// section, as the program writes its files, renders the same text.
#include "Property.h"
#include "core/settings/IniStore.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using Sections = std::vector<std::pair<std::string, std::vector<std::string>>>;

// The sections that hold lines: a section without lines is never written.
Sections Contents(tav::TBigIniFile& ini)
{
    Sections out;
    for (const std::string& name : ini.SectionNames()) {
        std::vector<std::string> lines;
        ini.ReadSectionValues(name, lines);
        if (!lines.empty())
            out.emplace_back(name, std::move(lines));
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using tav::TBigIniFile;
    using tav::fuzz::Expect;

    TBigIniFile first(TBigIniFile::InMemory{}, tav::fuzz::Bytes(data, size));
    const Sections loaded = Contents(first);
    for (const auto& [name, lines] : loaded) {
        Expect(name.find_first_of("\r\n") == std::string::npos, "a section name holds a line break");
        for (const std::string& line : lines)
            Expect(!line.empty() && line != "\x1a" && line.find_first_of("\r\n") == std::string::npos &&
                       !(line.size() >= 2 && line.front() == '[' && line.back() == ']'),
                   "a loaded line is empty, an end-of-file mark, a section heading or holds a line break");
    }
    const std::string text = first.Render();

    // With lines like these a rendering stands for exactly one store, so equal renderings
    // mean equal stores.
    TBigIniFile second(TBigIniFile::InMemory{}, text);
    Expect(second.Render() == text, "the store loaded from its rendering is another store");

    TBigIniFile rebuilt(TBigIniFile::InMemory{}, {});
    for (const auto& [name, lines] : loaded)
        rebuilt.ReplaceSection(name, lines);
    Expect(rebuilt.Render() == text, "a store rebuilt section by section renders another text");
    return 0;
}

// Any bytes loaded by the INI store, rendered and loaded again give the same store: the
// same sections with the same lines, rendered the same. A store rebuilt section by
// section, as the program writes its files, renders the same text. The values of a
// section's lines looked up all at once are those looked up name by name.
#include "Property.h"
#include "core/settings/IniStore.h"
#include "core/settings/SectionLines.h"

#include <string>
#include <vector>

namespace {

using tav::fuzz::Expect;

// What a rendering cannot tell apart: line breaks, empty lines, end-of-file marks and
// section headings never stand inside a loaded section.
void CheckLoadedLines(const std::string& name, const std::vector<std::string>& lines)
{
    Expect(name.find_first_of("\r\n") == std::string::npos, "a section name holds a line break");
    for (const std::string& line : lines)
        Expect(!line.empty() && line != "\x1a" && line.find_first_of("\r\n") == std::string::npos &&
                   !(line.size() >= 2 && line.front() == '[' && line.back() == ']'),
               "a loaded line is empty, an end-of-file mark, a section heading or holds a line break");
}

// Lookups by name go line by line, so only the first lines of the first section are
// compared.
void CheckValuesByName(const std::vector<std::string>& lines)
{
    constexpr size_t kMaxLookups = 8;
    const std::vector<std::string_view> values = tav::ValuesByName(lines);
    for (size_t i = 0; i < lines.size() && i < kMaxLookups; ++i) {
        const auto name = tav::LineName(lines[i]);
        Expect(values[i] == (name ? tav::ValueOfName(lines, *name) : std::string_view()),
               "the values of all lines at once differ from the value of each name");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using tav::TBigIniFile;

    TBigIniFile first(TBigIniFile::InMemory{}, tav::fuzz::Bytes(data, size));
    TBigIniFile rebuilt(TBigIniFile::InMemory{}, {});
    bool valuesChecked = false;
    for (const std::string& name : first.SectionNames()) {
        const std::vector<std::string>& lines = first.SectionLines(name);
        CheckLoadedLines(name, lines);
        if (!valuesChecked && !lines.empty()) {
            CheckValuesByName(lines);
            valuesChecked = true;
        }
        // A section without lines is never written.
        if (!lines.empty())
            rebuilt.ReplaceSection(name, lines);
    }
    const std::string text = first.Render();

    // With lines like these a rendering stands for exactly one store, so equal renderings
    // mean equal stores.
    TBigIniFile second(TBigIniFile::InMemory{}, text);
    Expect(second.Render() == text, "the store loaded from its rendering is another store");
    Expect(rebuilt.Render() == text, "a store rebuilt section by section renders another text");
    return 0;
}

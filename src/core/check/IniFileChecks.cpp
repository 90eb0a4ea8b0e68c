// The dialect every INI-laid-out file shares: repeated sections, lines without "=",
// blanks around names and values, and line names that an earlier line already has.
#include "core/catalog/CatalogueFile.h"
#include "core/check/CheckContext.h"
#include "core/common/Numbers.h"

namespace tav::check {

namespace {

void CheckIniLine(Context& c, const IniFile& f, const std::string& section, const std::vector<std::string>& lines,
                  size_t j)
{
    const Place at = f.At(section, j);
    const std::string& line = lines[j];
    if (line.find('=') == std::string::npos) {
        if (f.linesAreRecords)
            c.Error(at, "the line has no \"=\"; the program still reads it as a line of [" + section +
                            "], with an empty value");
        else
            c.Warning(at, "the line has no \"=\"; no lookup by name finds it");
        return;
    }
    const std::string_view name = NameOfLine(line);
    const std::string_view value = LineValue(line);
    if (HasOuterBlanks(name))
        c.Warning(at, "the name " + Quote(name) + " has blanks around it; names are compared as they stand");
    else if (value.find('|') != std::string_view::npos)
        WarnFieldBlanks(c, at, value);
    else if (f.linesAreRecords && HasOuterBlanks(value))
        c.Warning(at, "the value " + Quote(value) + " has blanks around it; values are read as they stand");
    if (const auto k = EarlierLine(lines, j, [&](std::string_view other) { return IsNamed(other, name); }))
        c.Warning(at, "line name " + Quote(name) + " is also on line " + IntToStr(f.At(section, *k).line) + " of [" +
                          section + "]; lookups by name only ever see that line's value");
}

} // namespace

void CheckIniDialect(Context& c, const IniFile& f)
{
    if (!f.loaded)
        return;
    for (const IniLines::Repeat& r : f.lines.Repeats())
        c.Warning({f.label, r.line}, "section [" + r.name + "] repeats the section of line " + IntToStr(r.firstLine) +
                                         " (names compare without regard to case); the program drops it with all "
                                         "its lines");
    for (const IniLines::Section& s : f.lines.Sections()) {
        const std::vector<std::string> lines = f.Section(s.name);
        for (size_t j = 0; j < lines.size(); ++j)
            CheckIniLine(c, f, s.name, lines, j);
    }
}

} // namespace tav::check

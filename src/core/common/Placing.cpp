#include "core/common/Placing.h"

#include <functional>

namespace tav {

std::optional<ConversionError> PlaceOf(const ConversionError& e, const LineList& lines)
{
    if (lines.Source().empty())
        return std::nullopt;
    const auto line = lines.FileLineAt(e.TextAt());
    if (!line)
        return std::nullopt;
    return e.PlacedAt(lines.Source(), "line " + std::to_string(*line));
}

std::optional<ConversionError> PlaceOf(const ConversionError& e, const FileText& file)
{
    const std::less_equal<const char*> notAfter;
    const char* const at = e.TextAt();
    const char* const begin = file.text.data();
    if (!at || !begin || !notAfter(begin, at) || !notAfter(at, begin + file.text.size()))
        return std::nullopt;
    // Lines end at CR LF, LF or a lone CR, as the program splits them.
    const char* const end = begin + file.text.size();
    size_t line = 1;
    for (const char* p = begin; p < at; ++p)
        if (*p == '\n' || (*p == '\r' && (p + 1 == end || p[1] != '\n')))
            ++line;
    return e.PlacedAt(file.file, "line " + std::to_string(line));
}

} // namespace tav

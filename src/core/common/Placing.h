#pragma once

#include "core/common/Errors.h"
#include "core/common/LineList.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tav {

// A conversion error about a text of the list, naming the list's file and the line; nothing
// when the text is not the list's or the list was read from no file.
std::optional<ConversionError> PlaceOf(const ConversionError& e, const LineList& lines);

// The bytes of one file read whole, for readers that look through them without splitting.
struct FileText
{
    std::string_view text;
    std::string file;
};
std::optional<ConversionError> PlaceOf(const ConversionError& e, const FileText& file);

// Runs f; a conversion error about a text that one of the sources holds leaves naming where
// it stands. A source is anything with a PlaceOf overload (lists, file texts, INI stores).
template <typename F, typename... Sources> decltype(auto) NamingPlace(F&& f, const Sources&... sources)
{
    try {
        return std::forward<F>(f)();
    } catch (const ConversionError& e) {
        if (!e.Placed()) {
            std::optional<ConversionError> placed;
            ((placed = placed ? std::move(placed) : PlaceOf(e, sources)), ...);
            if (placed)
                throw *placed;
        }
        throw;
    }
}

} // namespace tav

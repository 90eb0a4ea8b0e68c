#pragma once

#include <string>
#include <string_view>

namespace tav {

// Addresses read from the maker's pages are capped: nothing longer is a real story link.
inline constexpr size_t kMaxAddressLength = 2048;

// An absolute http or https address (scheme in any case) with a host, free of blanks and
// control characters, no longer than the cap.
bool IsWebAddress(std::string_view address);

// A link of a page resolved against the page's own address. Returns the empty text
// when the result is no web address (another scheme, no host, too long).
std::string ResolveAddress(std::string_view base, std::string_view reference);

// A file name the maker's site may name for a download: no folder part, no "..", no
// control characters, not empty.
bool IsPlainFileName(std::string_view name);

} // namespace tav

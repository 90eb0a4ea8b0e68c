// Any two pages give at most the spotlight and nine releases, each headline one line of
// capped text that reads in its own direction, and each link empty or an http or https
// address with a host.
#include "Property.h"
#include "core/services/Headlines.h"
#include "core/services/WebAddress.h"

#include <string>
#include <string_view>

namespace {

void Fail(const char* what, const tav::Headline& h)
{
    tav::fuzz::Broken(std::string(what) + ": [" + h.text + "] -> [" + h.address + "]");
}

bool HasLineEnd(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// As UTF-8: what starts a new line in the news box (line and paragraph separators, next
// line, the box's frame marks) or turns its text around (the bidirectional controls).
bool HasUnshown(std::string_view s)
{
    static const char* const kUnshown[] = {
        "\xE2\x80\xA8", "\xE2\x80\xA9", "\xC2\x85",     "\xEF\xB7\x90", "\xEF\xB7\x91", "\xD8\x9C",
        "\xE2\x80\x8E", "\xE2\x80\x8F", "\xE2\x80\xAA", "\xE2\x80\xAB", "\xE2\x80\xAC", "\xE2\x80\xAD",
        "\xE2\x80\xAE", "\xE2\x81\xA6", "\xE2\x81\xA7", "\xE2\x81\xA8", "\xE2\x81\xA9",
    };
    for (const char* unshown : kUnshown)
        if (s.find(unshown) != std::string_view::npos)
            return true;
    return false;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Told apart without the reader's own helpers: scheme, "://", then a host before any
// port, path, query or fragment.
bool LooksLikeWebLink(std::string_view a)
{
    std::string lower;
    for (char c : a.substr(0, 8))
        lower += Lower(c);
    size_t rest = 0;
    if (lower.rfind("http://", 0) == 0)
        rest = 7;
    else if (lower.rfind("https://", 0) == 0)
        rest = 8;
    else
        return false;
    std::string_view authority = a.substr(rest);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (const size_t at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    if (!authority.empty() && authority.front() == '[')
        return authority.size() > 2;
    return !authority.substr(0, authority.find(':')).empty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says where the press-release page ends and the home page begins.
    const std::string_view pages = tav::fuzz::Bytes(data + 1, size - 1);
    const size_t split = pages.size() * data[0] / 255;
    const auto list =
        tav::BuildHeadlines(pages.substr(0, split), "http://site.example/whatsnew/pressreleases/default.asp",
                            pages.substr(split), "http://site.example/home/default.asp");
    tav::fuzz::Expect(!list.empty() && list.size() <= 10, "not the spotlight and at most nine releases");
    for (const tav::Headline& h : list) {
        if (HasLineEnd(h.text) || HasLineEnd(h.address))
            Fail("line end", h);
        if (HasUnshown(h.text))
            Fail("line separator or direction control", h);
        if (h.text.size() > tav::kMaxHeadlineLength || h.address.size() > tav::kMaxAddressLength)
            Fail("too long", h);
        if (!h.address.empty() && !LooksLikeWebLink(h.address))
            Fail("not a web link", h);
    }
    return 0;
}

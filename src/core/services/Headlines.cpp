#include "core/services/Headlines.h"

#include "core/common/LineList.h"
#include "core/services/WebAddress.h"

namespace tav {

namespace {

constexpr std::string_view kSpotlightStart = "<!-- SpotLight -->";
constexpr std::string_view kSpotlightEnd = "<!-- End SpotLight -->";
constexpr std::string_view kRedFont = "<font color=\"red\">";
constexpr std::string_view kHref = "HREF=";
constexpr std::string_view kStoryLink = "viewpressrelease.asp?";
constexpr std::string_view kEnglish = "&langid=1";

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\r' || c == '\n';
}

// The length of a character at the front of s that must not reach the news box, or 0:
// what would start a new line there (control characters, the line and paragraph
// separators, the box's own frame marks) becomes a blank; the invisible bidirectional
// controls, which would turn the shown text around, go.
size_t Unshown(std::string_view s, bool& blank)
{
    const auto at = [&](size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
    const unsigned lead = at(0);
    blank = true;
    if (lead < 0x20 || lead == 0x7f)
        return 1;
    if (lead == 0xC2 && at(1) >= 0x80 && at(1) <= 0x9F) // C1 controls, "next line" among them
        return 2;
    if (lead == 0xE2 && at(1) == 0x80 && (at(2) == 0xA8 || at(2) == 0xA9))
        return 3;
    if (lead == 0xEF && at(1) == 0xB7 && (at(2) == 0x90 || at(2) == 0x91))
        return 3;
    blank = false;
    if (lead == 0xD8 && at(1) == 0x9C) // Arabic letter mark
        return 2;
    if (lead == 0xE2 && at(1) == 0x80 && (at(2) == 0x8E || at(2) == 0x8F || (at(2) >= 0xAA && at(2) <= 0xAE)))
        return 3; // marks, embeddings and overrides
    if (lead == 0xE2 && at(1) == 0x81 && at(2) >= 0xA6 && at(2) <= 0xA9)
        return 3; // isolates
    return 0;
}

// Whether s ends in the middle of a UTF-8 sequence, which the next bytes could finish.
bool EndsInsideCharacter(std::string_view s)
{
    size_t tail = 0;
    while (tail < s.size() && tail < 3 && (static_cast<unsigned char>(s[s.size() - 1 - tail]) & 0xC0) == 0x80)
        ++tail;
    if (tail == s.size())
        return false;
    const unsigned lead = static_cast<unsigned char>(s[s.size() - 1 - tail]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return tail + 1 < length;
}

// The text from pos up to the next "<" or the end of the line, one line of plain text
// read the way it is written; the length is capped without splitting a UTF-8 sequence.
std::string TextUpToTag(std::string_view line, size_t pos)
{
    if (pos >= line.size())
        return {};
    std::string_view text = line.substr(pos);
    text = text.substr(0, text.find('<'));
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        bool blank = false;
        if (const size_t n = Unshown(text.substr(i), blank)) {
            // Dropped between the halves of a broken sequence, a mark would let them join
            // into a character of their own, perhaps one of these.
            if (blank || EndsInsideCharacter(out))
                out += ' ';
            i += n;
        } else {
            out += text[i++];
        }
    }
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    out = out.substr(first, out.find_last_not_of(' ') - first + 1);
    if (out.size() > kMaxHeadlineLength) {
        size_t cut = kMaxHeadlineLength;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
    }
    return out;
}

struct Href
{
    std::string_view value;
    size_t end = 0; // just past the value and its closing quote
};

// The value after "HREF=" at pos: quoted with " or ', or up to a blank or ">".
Href ReadHref(std::string_view line, size_t pos)
{
    if (pos < line.size() && (line[pos] == '"' || line[pos] == '\'')) {
        const char quote = line[pos];
        const size_t close = line.find(quote, pos + 1);
        if (close == std::string_view::npos)
            return {line.substr(pos + 1), line.size()};
        return {line.substr(pos + 1, close - pos - 1), close + 1};
    }
    size_t end = pos;
    while (end < line.size() && !IsBlank(line[end]) && line[end] != '>' && line[end] != '"' && line[end] != '\'')
        ++end;
    return {line.substr(pos, end - pos), end};
}

// The part of a home-page line that lies inside the spotlight block, given whether the
// block was open before the line; updates that state.
std::string_view SpotlightPart(std::string_view line, bool& open)
{
    size_t from = 0;
    if (!open) {
        const size_t start = line.find(kSpotlightStart);
        if (start == std::string_view::npos)
            return {};
        open = true;
        from = start + kSpotlightStart.size();
    }
    const size_t end = line.find(kSpotlightEnd, from);
    if (end == std::string_view::npos)
        return line.substr(from);
    open = false;
    return line.substr(from, end - from);
}

Headline Spotlight(std::string_view homePage, std::string_view homeAddress)
{
    Headline entry;
    bool textTaken = false;
    bool linkTaken = false;
    bool open = false;
    const LineList lines = LineList::FromText(homePage);
    for (std::string_view full : lines) {
        const std::string_view line = SpotlightPart(full, open);
        if (line.empty())
            continue;
        if (const size_t font = line.find(kRedFont); !textTaken && font != std::string_view::npos) {
            entry.text = TextUpToTag(line, font + kRedFont.size());
            textTaken = true;
        }
        if (const size_t href = line.find(kHref); !linkTaken && href != std::string_view::npos) {
            const Href link = ReadHref(line, href + kHref.size());
            // A link that names nothing leads to the site itself.
            entry.address = ResolveAddress(homeAddress, link.value.empty() ? std::string_view("/") : link.value);
            linkTaken = true;
        }
        if (textTaken && linkTaken)
            break;
    }
    return entry;
}

} // namespace

std::vector<Headline> BuildHeadlines(std::string_view pressPage, std::string_view pressAddress,
                                     std::string_view homePage, std::string_view homeAddress)
{
    std::vector<Headline> list;
    list.push_back(Spotlight(homePage, homeAddress));
    const LineList lines = LineList::FromText(pressPage);
    for (std::string_view line : lines) {
        if (list.size() > kMaxPressReleases)
            break;
        if (!Contains(line, kStoryLink) || !Contains(line, kEnglish))
            continue;
        const size_t href = line.find(kHref);
        if (href == std::string_view::npos)
            continue;
        const Href link = ReadHref(line, href + kHref.size());
        // The headline is the text after the link's tag, whatever attributes follow the link.
        const size_t tagEnd = line.find('>', link.end);
        Headline entry;
        entry.address = ResolveAddress(pressAddress, link.value);
        if (tagEnd != std::string_view::npos)
            entry.text = TextUpToTag(line, tagEnd + 1);
        list.push_back(std::move(entry));
    }
    return list;
}

} // namespace tav

#include "core/services/WebAddress.h"

#include "core/common/Text.h"

#include <optional>
#include <vector>

namespace tav {

namespace {

bool IsAlpha(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsControlOrBlank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7f;
}

struct Parts
{
    std::optional<std::string_view> scheme;
    std::optional<std::string_view> authority;
    std::string_view path;
    std::optional<std::string_view> query;
    std::optional<std::string_view> fragment;
};

// Splits an address into its five components (RFC 3986, appendix B).
Parts Split(std::string_view text)
{
    Parts p;
    const size_t colon = text.find(':');
    const size_t delimiter = text.find_first_of("/?#");
    if (colon != std::string_view::npos && colon > 0 && (delimiter == std::string_view::npos || colon < delimiter) &&
        IsAlpha(text[0])) {
        bool ok = true;
        for (char c : text.substr(0, colon))
            ok = ok && (IsAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.');
        if (ok) {
            p.scheme = text.substr(0, colon);
            text.remove_prefix(colon + 1);
        }
    }
    if (const size_t hash = text.find('#'); hash != std::string_view::npos) {
        p.fragment = text.substr(hash + 1);
        text = text.substr(0, hash);
    }
    if (const size_t question = text.find('?'); question != std::string_view::npos) {
        p.query = text.substr(question + 1);
        text = text.substr(0, question);
    }
    if (text.substr(0, 2) == "//") {
        text.remove_prefix(2);
        const size_t slash = text.find('/');
        p.authority = text.substr(0, slash);
        text = slash == std::string_view::npos ? std::string_view() : text.substr(slash);
    }
    p.path = text;
    return p;
}

std::string RemoveDotSegments(std::string_view path)
{
    std::vector<std::string_view> out;
    const bool absolute = !path.empty() && path.front() == '/';
    bool trailingSlash = false;
    size_t pos = absolute ? 1 : 0;
    while (pos <= path.size()) {
        const size_t slash = path.find('/', pos);
        const std::string_view segment = path.substr(pos, slash == std::string_view::npos ? slash : slash - pos);
        const bool last = slash == std::string_view::npos;
        if (segment == "..") {
            if (!out.empty())
                out.pop_back();
            trailingSlash = true;
        } else if (segment == ".") {
            trailingSlash = true;
        } else {
            out.push_back(segment);
            trailingSlash = false;
        }
        if (last)
            break;
        pos = slash + 1;
    }
    std::string result = absolute ? "/" : "";
    for (size_t i = 0; i < out.size(); ++i) {
        if (i > 0)
            result += '/';
        result += out[i];
    }
    if (trailingSlash && !out.empty() && !out.back().empty())
        result += '/';
    return result;
}

std::string Join(std::string_view scheme, std::string_view authority, std::string_view path,
                 const std::optional<std::string_view>& query, const std::optional<std::string_view>& fragment)
{
    std::string out = std::string(scheme) + "://" + std::string(authority) + std::string(path);
    if (query)
        out += "?" + std::string(*query);
    if (fragment)
        out += "#" + std::string(*fragment);
    return out;
}

bool IsWebScheme(std::string_view scheme)
{
    return EqualsNoCase(scheme, "http") || EqualsNoCase(scheme, "https");
}

} // namespace

bool IsWebAddress(std::string_view address)
{
    if (address.empty() || address.size() > kMaxAddressLength)
        return false;
    for (char c : address)
        if (IsControlOrBlank(c))
            return false;
    const Parts p = Split(address);
    if (!p.scheme || !IsWebScheme(*p.scheme) || !p.authority)
        return false;
    std::string_view host = *p.authority;
    if (const size_t at = host.rfind('@'); at != std::string_view::npos)
        host.remove_prefix(at + 1);
    if (!host.empty() && host.front() == '[') {
        const size_t close = host.find(']');
        return close != std::string_view::npos && close > 1;
    }
    if (const size_t colon = host.find(':'); colon != std::string_view::npos) {
        for (char c : host.substr(colon + 1))
            if (c < '0' || c > '9')
                return false;
        host = host.substr(0, colon);
    }
    return !host.empty();
}

std::string ResolveAddress(std::string_view base, std::string_view reference)
{
    if (!IsWebAddress(base) || reference.size() > kMaxAddressLength)
        return {};
    const Parts b = Split(base);
    const Parts r = Split(reference);
    std::string result;
    if (r.scheme) {
        if (!IsWebScheme(*r.scheme) || !r.authority)
            return {};
        result = Join(*r.scheme, *r.authority, RemoveDotSegments(r.path), r.query, r.fragment);
    } else if (r.authority) {
        result = Join(*b.scheme, *r.authority, RemoveDotSegments(r.path), r.query, r.fragment);
    } else if (r.path.empty()) {
        result = Join(*b.scheme, *b.authority, b.path, r.query ? r.query : b.query, r.fragment);
    } else if (r.path.front() == '/') {
        result = Join(*b.scheme, *b.authority, RemoveDotSegments(r.path), r.query, r.fragment);
    } else {
        // Merge: the base path up to its last "/", then the reference.
        const size_t slash = b.path.rfind('/');
        const std::string merged = slash == std::string_view::npos
                                       ? "/" + std::string(r.path)
                                       : std::string(b.path.substr(0, slash + 1)) + std::string(r.path);
        result = Join(*b.scheme, *b.authority, RemoveDotSegments(merged), r.query, r.fragment);
    }
    return IsWebAddress(result) ? result : std::string();
}

bool IsPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name.find("..") != std::string_view::npos)
        return false;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || u < 0x20 || u == 0x7f)
            return false;
    }
    return true;
}

} // namespace tav

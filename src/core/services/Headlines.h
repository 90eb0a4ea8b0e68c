#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// One headline of the news window and the story it opens.
struct Headline
{
    std::string text;
    std::string address; // empty when the page gave no usable link
};

// The pages the headlines are read from, below the maker's site address.
inline constexpr const char* kPressReleasePage = "/whatsnew/pressreleases/default.asp";
inline constexpr const char* kHomePage = "/home/default.asp";

// The spotlight and up to this many press releases.
inline constexpr size_t kMaxPressReleases = 9;
inline constexpr size_t kMaxHeadlineLength = 300;

// Entry 0 is the spotlight of the home page (empty when the page has no spotlight
// block); the press releases follow in page order. Each page is given as its bytes and
// its own address, against which its relative links are resolved.
std::vector<Headline> BuildHeadlines(std::string_view pressPage, std::string_view pressAddress,
                                     std::string_view homePage, std::string_view homeAddress);

} // namespace tav

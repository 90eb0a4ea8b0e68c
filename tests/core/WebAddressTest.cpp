#include "core/services/WebAddress.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(WebAddress, LinksResolveAgainstThePage)
{
    const char* page = "http://www.site.example:8080/whatsnew/pressreleases/default.asp";
    struct Case
    {
        const char* link;
        const char* expected;
    };
    const Case cases[] = {
        {"viewpressrelease.asp?id=1&langid=1",
         "http://www.site.example:8080/whatsnew/pressreleases/viewpressrelease.asp?id=1&langid=1"},
        {"/home/x.asp", "http://www.site.example:8080/home/x.asp"},
        {"../archive/a.asp", "http://www.site.example:8080/whatsnew/archive/a.asp"},
        {"../../../../a.asp", "http://www.site.example:8080/a.asp"},
        {"./a/./b/../c.asp", "http://www.site.example:8080/whatsnew/pressreleases/a/c.asp"},
        {"//other.example/p", "http://other.example/p"},
        {"?id=2", "http://www.site.example:8080/whatsnew/pressreleases/default.asp?id=2"},
        {"", "http://www.site.example:8080/whatsnew/pressreleases/default.asp"},
        {"HTTPS://news.example/story", "HTTPS://news.example/story"},
        {"http://news.example/a/../b", "http://news.example/b"},
        {"javascript:alert(1)", ""},
        {"mailto:a@b.example", ""},
        {"file:///etc/passwd", ""},
        {"http:///no-host", ""},
        {"http://", ""},
        {"http://host.example/with space", ""},
        {"http://host.example:80x/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveAddress(page, c.link), c.expected) << c.link;
    EXPECT_EQ(ResolveAddress("not an address", "/a"), "");
    EXPECT_EQ(ResolveAddress(page, "/" + std::string(kMaxAddressLength, 'a')), "");
}

TEST(WebAddress, OnlyPlainFileNamesAreDownloaded)
{
    struct Case
    {
        std::string name;
        bool plain;
    };
    const Case cases[] = {
        {"tavrolin.deb", true},
        {"Setup Tool #2.deb", true},
        {"", false},
        {".", false},
        {"..", false},
        {"../x.deb", false},
        {"a/b.deb", false},
        {"a\\b.exe", false},
        {"x..deb", false},
        {"a\tb", false},
        {"a\nb", false},
        {std::string("a\0b", 3), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainFileName(c.name), c.plain) << c.name;
}

} // namespace
} // namespace tav

#include "core/services/Headlines.h"

#include <gtest/gtest.h>
#include <string>

namespace tav {
namespace {

const std::string kPress = "http://site.example/whatsnew/pressreleases/default.asp";
const std::string kHome = "http://site.example/home/default.asp";

std::string ReleaseLine(int id, const std::string& title)
{
    return "<tr><td><a HREF=\"viewpressrelease.asp?id=" + std::to_string(id) + "&langid=1\">" + title +
           "</a></td></tr>\r\n";
}

std::string Story(int id)
{
    return "http://site.example/whatsnew/pressreleases/viewpressrelease.asp?id=" + std::to_string(id) + "&langid=1";
}

TEST(Headlines, TheFirstNineReleasesFollowTheSpotlight)
{
    std::string press = "<html>\r\n<a HREF=\"default.asp?langid=2\">Other language</a>\r\n";
    for (int id = 1; id <= 12; ++id) {
        press += ReleaseLine(id, "Release " + std::to_string(id));
        if (id == 3) // the same story in another language does not count
            press += "<a HREF=\"viewpressrelease.asp?id=3&langid=2\">Version 3</a>\r\n";
    }
    const std::string home = "<!-- SpotLight -->\n<font color=\"red\">Big news</font>\n"
                             "<a HREF=\"/whatsnew/pressreleases/viewpressrelease.asp?id=7&langid=1\">More</a>\n"
                             "<a HREF=\"/elsewhere.asp\">Second link</a>\n<!-- End SpotLight -->\n";
    const auto list = BuildHeadlines(press, kPress, home, kHome);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0].text, "Big news");
    EXPECT_EQ(list[0].address, Story(7)) << "the first link only";
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(list[i].text, "Release " + std::to_string(i));
        EXPECT_EQ(list[i].address, Story(i));
    }
}

TEST(Headlines, ReleaseLinesInTheirManyShapes)
{
    struct Case
    {
        std::string line;
        bool entry;
        std::string text;
        std::string address;
    };
    const Case cases[] = {
        {"<a HREF=viewpressrelease.asp?id=1&langid=1>Unquoted</a>", true, "Unquoted", Story(1)},
        {"<a HREF=\"viewpressrelease.asp?id=2&langid=1\" class=\"story\">With attributes</a>", true, "With attributes",
         Story(2)},
        {"<a HREF='viewpressrelease.asp?id=3&langid=1' target=_blank>Single quotes</a>", true, "Single quotes",
         Story(3)},
        {"<a HREF=viewpressrelease.asp?id=4&langid=1 class=x>Unquoted, attributes</a>", true, "Unquoted, attributes",
         Story(4)},
        {"<a HREF=\"http://news.example/viewpressrelease.asp?id=5&langid=1\">Absolute</a>", true, "Absolute",
         "http://news.example/viewpressrelease.asp?id=5&langid=1"},
        {"<a HREF=\"javascript:go('viewpressrelease.asp?id=6&langid=1')\">Script</a>", true, "Script", ""},
        {"<a href=\"viewpressrelease.asp?id=7&langid=1\">Lower-case href</a>", false, "", ""},
        {"viewpressrelease.asp?id=8&langid=1 without a link", false, "", ""},
        {"<a HREF=\"viewpressrelease.asp?id=9&langid=1", true, "", Story(9)},
        {"<a HREF=viewpressrelease.asp?id=10&langid=1>", true, "", Story(10)},
        {"x HREF=", false, "", ""},
    };
    for (const auto& c : cases) {
        const auto list = BuildHeadlines(c.line, kPress, "", kHome);
        ASSERT_EQ(list.size(), c.entry ? 2u : 1u) << c.line;
        if (!c.entry)
            continue;
        EXPECT_EQ(list[1].text, c.text) << c.line;
        EXPECT_EQ(list[1].address, c.address) << c.line;
    }
}

TEST(Headlines, SpotlightBlocks)
{
    struct Case
    {
        std::string home;
        std::string text;
        std::string address;
    };
    const Case cases[] = {
        {"<p>No markers here <font color=\"red\">Not spotlight</font> <a HREF=\"/x.asp\">x</a></p>", "", ""},
        {"<!-- SpotLight --><font color=\"red\">Missing link</font><!-- End SpotLight -->", "Missing link", ""},
        {"<!-- SpotLight -->\n<a HREF=>Empty link</a>\n<!-- End SpotLight -->", "", "http://site.example/"},
        {"<!-- SpotLight -->\n<a HREF=\"news/a.asp\">x</a>\n<!-- End SpotLight -->", "",
         "http://site.example/home/news/a.asp"},
        // One line holding the whole page: only what lies between the markers counts.
        {"<a HREF=\"/nav.asp\">Nav</a><!-- SpotLight --><font color=\"red\">One line</font><a "
         "HREF=\"/story.asp\">go</a><!-- End SpotLight --><font color=\"red\">After</font>",
         "One line", "http://site.example/story.asp"},
        {"<!-- SpotLight -->\r\n<font color=\"red\">Unclosed block\r\n<a HREF=/s.asp>", "Unclosed block",
         "http://site.example/s.asp"},
        {"<!-- End SpotLight -->\n<font color=\"red\">Closed first</font>", "", ""},
    };
    for (const auto& c : cases) {
        const auto list = BuildHeadlines("", kPress, c.home, kHome);
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0].text, c.text) << c.home;
        EXPECT_EQ(list[0].address, c.address) << c.home;
    }
}

TEST(Headlines, TextsStayOneCappedLine)
{
    const std::string longTitle(1000, 'T');
    const std::string press = "<a HREF=viewpressrelease.asp?id=1&langid=1>" + longTitle + "</a>\n" +
                              "<a HREF=viewpressrelease.asp?id=2&langid=1>Tab\there\x01</a>\n" +
                              // a multi-byte character right at the cap is not cut in half
                              "<a HREF=viewpressrelease.asp?id=3&langid=1>" + std::string(kMaxHeadlineLength - 1, 'a') +
                              "\xc3\xa9</a>\n";
    const auto list = BuildHeadlines(press, kPress, "", kHome);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].text, longTitle.substr(0, kMaxHeadlineLength));
    EXPECT_EQ(list[2].text, "Tab here");
    EXPECT_EQ(list[3].text, std::string(kMaxHeadlineLength - 1, 'a'));
}

TEST(Headlines, NoCharacterBreaksOrTurnsTheLine)
{
    const struct
    {
        std::string title;
        std::string text;
    } cases[] = {
        {"One\xE2\x80\xA9Two", "One Two"}, // paragraph separator
        {"One\xE2\x80\xA8Two", "One Two"}, // line separator
        {"One\xC2\x85Two", "One Two"},     // next line
        {"One\xEF\xB7\x90Two", "One Two"}, // the text box's frame mark
        {"abc\xE2\x80\xAE"
         "def",
         "abcdef"},                                               // right-to-left override
        {"\xE2\x80\x8Fx\xE2\x81\xA6y\xE2\x81\xA9\xD8\x9C", "xy"}, // mark, isolate, Arabic letter mark
        {"caf\xC3\xA9 \xE2\x80\x94 ok", "caf\xC3\xA9 \xE2\x80\x94 ok"},
        // Dropping the override must not join the broken halves around it into a separator.
        {"a\xE2\x80\xE2\x80\xAE\xA9"
         "b",
         "a\xE2\x80 \xA9"
         "b"},
    };
    for (const auto& c : cases) {
        const auto list = BuildHeadlines("<a HREF=viewpressrelease.asp?id=1&langid=1>" + c.title + "</a>\n", kPress,
                                         "<!-- SpotLight -->\n<font color=\"red\">" + c.title + "</font>\n", kHome);
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0].text, c.text) << c.title;
        EXPECT_EQ(list[1].text, c.text) << c.title;
    }
}

TEST(Headlines, AHugeSpotlightIsReadOnce)
{
    // Every line of the block holds a link; only the first one is the story.
    std::string home = "<!-- SpotLight -->\n<font color=\"red\">Huge</font>\n";
    for (int i = 0; i < 200000; ++i)
        home += "<a HREF=\"/s" + std::to_string(i) + ".asp\">x</a>\n";
    const auto list = BuildHeadlines("", kPress, home, kHome);
    EXPECT_EQ(list[0].address, "http://site.example/s0.asp");
}

} // namespace
} // namespace tav

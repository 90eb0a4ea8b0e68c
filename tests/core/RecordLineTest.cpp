#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(GetField, FieldsAreClosedBySeparators)
{
    struct Case
    {
        const char* line;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {"A|B|C", 1, "A"},       {"A|B|C", 2, "B"},
        {"A|B|C", 3, ""},        // C is not closed by a separator
        {"A|B|C|", 3, "C"},      {"A||C|", 2, ""},
        {"A||C|", 3, "C"},       {" x |y|", 1, " x "}, // untrimmed
        {"A|B|", 0, ""},         {"A|B|", -1, ""},
        {"A|B|", 4, ""},         {"", 1, ""},
        {"|", 1, ""},            {"||", 2, ""},
        {"a|B|c|", 2, "B"},      {"1/2\"|7/8\"|", 2, "7/8\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetField(c.line, c.n), c.expected) << c.line << " field " << c.n;
    EXPECT_EQ(GetField("a;b;", 2, ';'), "b");
}

TEST(ValueList, SortedWithoutCaseAndDuplicatesIgnored)
{
    struct Case
    {
        std::vector<std::string> input;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{"800", "800", "824"}, {"800", "824"}},
        {{"1/2\"", "1/2\""}, {"1/2\""}},
        {{"beta", "Alpha", "ALPHA", "gamma"}, {"Alpha", "beta", "gamma"}},
        {{"b", "B", "a"}, {"a", "b"}}, // the first spelling added stays
        {{"960", "1000", "88"}, {"1000", "88", "960"}}, // text order, not numeric
        {{}, {}},
    };
    for (const auto& c : cases) {
        ValueList list;
        for (const auto& v : c.input)
            list.Add(v);
        EXPECT_EQ(list.Items(), c.expected);
    }
    ValueList list;
    EXPECT_TRUE(list.Add("Foam"));
    EXPECT_FALSE(list.Add("FOAM"));
    EXPECT_TRUE(list.Contains("foam"));
    EXPECT_FALSE(list.Contains("foa"));
}

TEST(SortNumeric, AscendingAndStable)
{
    struct Case
    {
        std::vector<std::string> input;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{"960", "1000", "88", "138.5"}, {"88", "138.5", "960", "1000"}},
        {{"10", "10.0", "9", "1e1"}, {"9", "10", "10.0", "1e1"}}, // equal values keep their order
        {{"-5", "0", "-10"}, {"-10", "-5", "0"}},
        {{}, {}},
    };
    for (auto c : cases) {
        SortNumeric(c.input);
        EXPECT_EQ(c.input, c.expected);
    }
}

TEST(SortNumeric, NonNumberStopsAndLeavesListIntact)
{
    std::vector<std::string> list{"960", "abc", "88"};
    EXPECT_THROW(SortNumeric(list), ConversionError);
    EXPECT_EQ(list, (std::vector<std::string>{"960", "abc", "88"}));
}

TEST(FindFirstLine, FirstMatchWithOrWithoutCase)
{
    const std::vector<std::string> lines{"ab-1|KEY|x|", "AB-1|key|y|", "cd-2|KEY|z|"};
    struct Case
    {
        int field;
        const char* key;
        Compare compare;
        std::optional<size_t> expected;
    };
    const Case cases[] = {
        {1, "AB-1", Compare::IgnoreCase, 0}, {1, "AB-1", Compare::WithCase, 1},
        {2, "key", Compare::WithCase, 1},    {2, "Key", Compare::WithCase, std::nullopt},
        {2, "Key", Compare::IgnoreCase, 0},  {3, "z", Compare::WithCase, 2},
        {4, "", Compare::WithCase, 0}, // a field that is not closed reads as empty
        {1, "zz", Compare::IgnoreCase, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindFirstLine(lines, c.field, c.key, c.compare), c.expected) << c.key;
}

TEST(IsObsolete, ComparesFieldOneWithCase)
{
    const std::vector<std::string> obsolete{"OLD-1|NEW-1|", "old-2|NEW-2|"};
    EXPECT_TRUE(IsObsolete(obsolete, "OLD-1"));
    EXPECT_FALSE(IsObsolete(obsolete, "old-1"));
    EXPECT_FALSE(IsObsolete(obsolete, "NEW-1"));
    EXPECT_FALSE(IsObsolete(std::vector<std::string>{}, "OLD-1"));
}

} // namespace
} // namespace tav

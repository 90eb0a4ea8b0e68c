#include "core/common/Errors.h"
#include "core/common/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>

namespace tav {
namespace {

TEST(Numbers, IntegerTexts)
{
    struct Case
    {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"0", 0},           {"150", 150},         {"-7", -7},          {"+7", 7},
        {"  12", 12},       {"12 ", std::nullopt}, {"", std::nullopt}, {"1.5", std::nullopt},
        {"$64", 100},       {"0x64", 100},        {"0X1f", 31},        {"$", std::nullopt},
        {"0x", std::nullopt}, {"--1", std::nullopt}, {"+-1", std::nullopt}, {"2147483647", 2147483647},
        {"2147483648", std::nullopt}, {"-2147483648", -2147483647 - 1}, {"1,000", std::nullopt}, {"true", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TryStrToInt(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Numbers, FloatTexts)
{
    struct Case
    {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"824", 824.0},  {"0.5", 0.5},      {".5", 0.5},     {"5.", 5.0},     {"-1.25", -1.25},
        {"+3", 3.0},     {" 7.5 ", 7.5},    {"1e3", 1000.0}, {"2.5E-1", 0.25}, {"", std::nullopt},
        {"1,5", std::nullopt}, {"1,000.5", std::nullopt}, {"abc", std::nullopt}, {"inf", std::nullopt},
        {"nan", std::nullopt}, {"0x10", std::nullopt}, {"1e", std::nullopt}, {".", std::nullopt},
        {"-", std::nullopt}, {"1.2.3", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TryStrToFloat(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Numbers, ConversionMessagesNameTheText)
{
    try {
        StrToInt("12a");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'12a' is not a valid integer value");
    }
    try {
        StrToFloat("1,5");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
}

TEST(Numbers, IsNumericAcceptsEmptyText)
{
    EXPECT_TRUE(IsNumeric(""));
    EXPECT_TRUE(IsNumeric("824.5"));
    EXPECT_FALSE(IsNumeric("824,5"));
    EXPECT_FALSE(IsNumeric(" "));
}

TEST(Numbers, FixedFormatsIgnoreTheLocale)
{
    // A user locale with a decimal comma must not leak into the program's texts.
    const char* old = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    struct Case
    {
        double value;
        const char* fixed;
        const char* money;
    };
    const Case cases[] = {
        {7.8159, "7.82", "$7.82"}, {0, "0.00", "$0.00"}, {1234567.891, "1234567.89", "$1234567.89"},
        {-2.5, "-2.50", "$-2.50"}, {0.005, "0.01", "$0.01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed2(c.value), c.fixed);
        EXPECT_EQ(FormatMoney(c.value), c.money);
    }
    EXPECT_EQ(TryStrToFloat("0.5"), 0.5);
    std::setlocale(LC_NUMERIC, old ? old : "C");
}

} // namespace
} // namespace tav

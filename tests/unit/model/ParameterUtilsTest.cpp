// Value conversions and the small text helpers of the parameter model.
#include "params/ParameterUtils.h"
#include "params/ParameterValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace
{
TEST(Conversions, EveryMidiValueSurvivesTheRoundTrip)
{
    for (unsigned n = 0; n < 16384; ++n)
        ASSERT_EQ(floatToInt(IntToFloat(n)), n);
}

TEST(Conversions, FloatToIntRoundsHalvesUpAndNegativesToZero)
{
    const std::pair<float, unsigned> cases[] = {{0.5f, 64},  {1.0f, 127}, {0.0f, 0},   {-0.5f, 0},
                                                {-1e30f, 0}, {0.003f, 0}, {0.004f, 1}, {2.0f, 254}};
    for (const auto& [f, n] : cases)
        EXPECT_EQ(floatToInt(f), n) << f;
    EXPECT_EQ(floatToInt(std::numeric_limits<float>::quiet_NaN()), 0u);
    EXPECT_EQ(floatToInt(std::numeric_limits<float>::infinity()), 4294967295u);
    EXPECT_EQ(floatToUnsignedChar(IntToFloat(256 + 7)), 7);
}

TEST(TextHelpers, TheHostDisplayIsTheDecimalMidiValue)
{
    const std::pair<float, const char*> cases[] = {{0.5f, "64"},
                                                   {1.0f, "127"},
                                                   {0.0f, "0"},
                                                   {IntToFloat(256), "256"},
                                                   {1e9f, "999"}}; // no wrap past 255
    for (const auto& [f, text] : cases)
    {
        std::unique_ptr<char[]> display(floatTo8bitDec(f));
        ASSERT_NE(display, nullptr);
        EXPECT_STREQ(display.get(), text);
    }
}

TEST(TextHelpers, AtoiTakesOnlyPlainDigits)
{
    const std::pair<const char*, int> cases[] = {
        {"42", 42},        {"0042", 42},       {"12a", 0}, {"", 0},
        {"-5", 0},         {" 7", 0},          {"+7", 0},  {"2147483647", 2147483647},
        {"9999999999", 0}, {"12345678901", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(portable_atoi(text), value) << '"' << text << '"';
    EXPECT_EQ(portable_atoi(nullptr), 0);
}

TEST(TextHelpers, ItoaWritesTheDigitsOfANonNegativeNumber)
{
    const std::pair<int, const char*> cases[] = {
        {0, "0"}, {7, "7"}, {1001, "1001"}, {2147483647, "2147483647"}};
    for (const auto& [value, text] : cases)
    {
        char buffer[12] = "unchanged";
        portable_itoa(value, buffer);
        EXPECT_STREQ(buffer, text);
    }
    char buffer[12] = "unchanged";
    portable_itoa(-5, buffer);
    EXPECT_STREQ(buffer, "unchanged");
    portable_itoa(5, nullptr);
}

TEST(TextHelpers, ReverseStrReversesInPlace)
{
    const std::pair<const char*, const char*> cases[] = {{"abc", "cba"}, {"ab", "ba"}, {"a", "a"}, {"", ""}};
    for (const auto& [text, reversed] : cases)
    {
        char buffer[8];
        std::strcpy(buffer, text);
        reverse_str(buffer);
        EXPECT_STREQ(buffer, reversed);
    }
    reverse_str(nullptr);
}
} // namespace

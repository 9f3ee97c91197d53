// Decimal text to double: bit-for-bit agreement with strtod, and texts that are not numbers.
#include "brimlib/qzStringConv.h"

#include "foundation/test_support.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

namespace
{
using namespace tessaform_test;

void ExpectAsStrtod(const std::string& text)
{
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    ASSERT_EQ(end, text.c_str() + text.size()) << "not a whole number for strtod: " << text;
    double value = 12345;
    misc::to_value(text, value);
    EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0)
        << text << ": " << misc::from_value(value) << " instead of " << misc::from_value(expected);
}

TEST(ToValue, AgreesBitForBitWithStrtod)
{
    std::mt19937 random(4711);
    const auto below = [&](unsigned n) { return static_cast<int>(random() % n); };
    for (int n = 0; n < 30000; ++n)
    {
        std::string text = below(3) == 0 ? "-" : below(8) == 0 ? "+" : "";
        // Mostly up to 19 digits (the short path), some longer ones.
        const int digits = 1 + (below(10) == 0 ? below(30) : below(19));
        std::string mantissa;
        for (int d = 0; d < digits; ++d)
            mantissa += static_cast<char>('0' + below(10));
        const int point = below(3) == 0 ? -1 : below(digits + 1);
        if (point >= 0)
            mantissa.insert(static_cast<std::size_t>(point), ".");
        text += mantissa;
        if (below(2) == 0)
        {
            text += below(2) ? "e" : "E";
            text += below(3) == 0 ? "-" : below(2) ? "+" : "";
            if (below(8) == 0)
                text += "0";
            text += std::to_string(below(31));
        }
        ExpectAsStrtod(text);
    }
    for (const char* text : {"0",
                             "-0",
                             "+0",
                             "-0.0e5",
                             "1.",
                             ".5",
                             "-.5",
                             "1.e5",
                             "1e0005",
                             "9007199254740992",
                             "9007199254740993",
                             "0.1",
                             "1e22",
                             "1e23",
                             "8.5e22",
                             "123456789012345678901234567890",
                             "18446744073709551617",
                             "2.2250738585072011e-308",
                             "4.9e-324",
                             "1.7976931348623157e308",
                             "1e400",
                             "-1e400",
                             "1e-400",
                             "-1e-400"})
        ExpectAsStrtod(text);
}

TEST(ToValue, RefusesTextsThatAreNotOneNumber)
{
    for (const char* text : {"", "-", "+", ".", "-.", "1e", "1e+", "e5", "abc", "1.2.3", "0x10", " 1", "1 ",
                             "+-1", "--1", "1,5", "12a"})
    {
        double value = 0;
        EXPECT_EQ(ErrorMessage([&] { misc::to_value(text, value); }),
                  "Invalid number: '" + std::string(text) + "'")
            << text;
    }
    double value = 0;
    misc::to_value("inf", value);
    EXPECT_EQ(value, HUGE_VAL);
    misc::to_value("-inf", value);
    EXPECT_EQ(value, -HUGE_VAL);
    misc::to_value("nan", value);
    EXPECT_TRUE(std::isnan(value));
}
} // namespace

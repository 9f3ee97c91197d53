// Number formatting, narrow/wide conversion and file-name parts.
#include "brimlib/qzFileSystem.h"
#include "brimlib/qzStringConv.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace
{
TEST(FromValue, IntegersAndRealsAreLocaleIndependentDecimal)
{
    EXPECT_EQ(misc::from_value(-42), "-42");
    EXPECT_EQ(misc::from_value(4294967295u), "4294967295");
    EXPECT_EQ(misc::from_value(18446744073709551615ull), "18446744073709551615");
    EXPECT_EQ(misc::from_value(0.1), "0.1");
    EXPECT_EQ(misc::from_value(0.1f), "0.1");
    EXPECT_EQ(misc::from_value(1.0 / 3.0, 6), "0.333333");
    EXPECT_EQ(misc::from_value(1234567.0, 3), "1.23e+06");
    EXPECT_EQ(misc::from_value(std::numeric_limits<double>::infinity()), "inf");
    // A decimal comma locale must not leak into messages.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
    {
        EXPECT_EQ(misc::from_value(2.5, 6), "2.5");
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(WideText, Utf8DecodesAndInvalidBytesKeepTheirValue)
{
    EXPECT_EQ(misc::to_wide("abc"), L"abc");
    EXPECT_EQ(misc::to_wide("\xC3\xBC"), std::wstring(1, static_cast<wchar_t>(0xFC)));
    EXPECT_EQ(misc::to_wide("\xE2\x82\xAC"), std::wstring(1, static_cast<wchar_t>(0x20AC)));
    // Lone continuation byte, truncated sequence, overlong form.
    EXPECT_EQ(misc::to_wide("\x80"), std::wstring(1, static_cast<wchar_t>(0x80)));
    EXPECT_EQ(misc::to_wide("\xE2\x82"), (std::wstring{static_cast<wchar_t>(0xE2), static_cast<wchar_t>(0x82)}));
    // A lead byte without its continuation stays a byte of its own; the next byte is not eaten.
    EXPECT_EQ(misc::to_wide("\xC3"), std::wstring(1, static_cast<wchar_t>(0xC3)));
    EXPECT_EQ(misc::to_wide("\xC3" "A"), (std::wstring{static_cast<wchar_t>(0xC3), L'A'}));
    EXPECT_EQ(misc::to_wide("\xE0\x80\x80").size(), 3u);
}

TEST(WideText, NarrowConversionKeepsAsciiAndMarksTheRest)
{
    for (int c = 0; c < 128; ++c)
        EXPECT_EQ(misc::to_ascii(static_cast<wchar_t>(c)), static_cast<char>(c));
    EXPECT_EQ(misc::to_ascii(static_cast<wchar_t>(0x20AC)), '?');
    EXPECT_EQ(misc::to_ascii(std::wstring(L"ab")), "ab");
}

TEST(FileName, SplitsDirectoryNameAndExtension)
{
    misc::qzFileName name("/tmp/parts/holder.v2.stl", true);
    EXPECT_EQ(name.GetDirectory(), "/tmp/parts/");
    EXPECT_EQ(name.GetFileName(), "holder.v2.stl");
    EXPECT_EQ(name.GetFileExtention(), "stl");
    EXPECT_EQ(name.GetFileTitle(), "holder.v2");
    EXPECT_EQ(misc::qzFileName("plain", true).GetFileExtention(), "");
    EXPECT_EQ(misc::qzFileName(".hidden", true).GetFileExtention(), "");
    EXPECT_EQ(misc::qzFileName(".hidden", true).GetFileTitle(), ".hidden"); // a leading dot is no extension
    EXPECT_EQ(misc::qzFileName("plain", true).GetFileTitle(), "plain");
    EXPECT_EQ(misc::qzFileName("/tmp/dir.d", false).GetFileExtention(), "");
}
} // namespace

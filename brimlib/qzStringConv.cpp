#include "brimlib/qzStringConv.h"

#include <charconv>

namespace misc
{
namespace detail
{
std::string FormatSigned(long long value)
{
    return std::to_string(value);
}

std::string FormatUnsigned(unsigned long long value)
{
    return std::to_string(value);
}

template <class R> static std::string FormatRealImpl(R value, int precision)
{
    char buffer[64];
    std::to_chars_result r = precision < 0
                                 ? std::to_chars(buffer, buffer + sizeof buffer, value)
                                 : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                 std::chars_format::general, precision > 40 ? 40 : precision);
    return std::string(buffer, r.ptr);
}

std::string FormatReal(double value, int precision)
{
    return FormatRealImpl(value, precision);
}

std::string FormatReal(float value, int precision)
{
    return FormatRealImpl(value, precision);
}
} // namespace detail

std::wstring to_wide(const std::string& text)
{
    std::wstring out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;)
    {
        unsigned char b = s[i];
        int extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : 0;
        unsigned long c = extra == 3 ? (b & 0x07u) : extra == 2 ? (b & 0x0Fu) : extra == 1 ? (b & 0x1Fu) : b;
        bool valid = extra > 0;
        if (valid)
        {
            for (int k = 1; k <= extra; ++k)
            {
                if (i + k >= n || (s[i + k] & 0xC0u) != 0x80u)
                {
                    valid = false;
                    break;
                }
                c = (c << 6) | (s[i + k] & 0x3Fu);
            }
            // Overlong forms, surrogates and values beyond Unicode are not valid sequences.
            if (valid && ((extra == 2 && c < 0x800) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
                          (c >= 0xD800 && c <= 0xDFFF)))
                valid = false;
        }
        if (!valid)
        {
            out += static_cast<wchar_t>(b);
            ++i;
            continue;
        }
        if (sizeof(wchar_t) == 2 && c >= 0x10000)
        {
            c -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (c >> 10));
            out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        }
        else
            out += static_cast<wchar_t>(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

char to_ascii(wchar_t c)
{
    auto u = static_cast<unsigned long>(c) & 0xFFFFFFFFul;
    return u <= 0xFF ? static_cast<char>(static_cast<unsigned char>(u)) : '?';
}

std::string to_ascii(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        out += to_ascii(c);
    return out;
}
} // namespace misc

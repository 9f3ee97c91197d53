#include "brimlib/qzStringConv.h"

#include "brimlib/qzException.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>

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

namespace
{
/// The common short decimals ("-12.5", "1.5e-3") without a general conversion: when the digits
/// form a mantissa m below 2^53 and the power of ten 10^k has |k| <= 22, both are exact doubles
/// and one multiplication or division rounds correctly (Clinger's fast path). False for anything
/// else, which the general conversion handles.
bool FastDecimal(const char* c, const char* last, double& value)
{
    static const double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                     1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const bool negative = c != last && *c == '-';
    c += negative;
    std::uint64_t mantissa = 0;
    const char* const digitsStart = c;
    for (; c != last && static_cast<unsigned>(*c - '0') < 10; ++c)
        mantissa = mantissa * 10 + static_cast<unsigned>(*c - '0');
    int digits = static_cast<int>(c - digitsStart);
    int exponent = 0;
    if (c != last && *c == '.')
    {
        const char* const fraction = ++c;
        for (; c != last && static_cast<unsigned>(*c - '0') < 10; ++c)
            mantissa = mantissa * 10 + static_cast<unsigned>(*c - '0');
        exponent = -static_cast<int>(c - fraction);
        digits -= exponent;
    }
    // At most 19 digits cannot overflow the mantissa.
    if (digits == 0 || digits > 19)
        return false;
    if (c != last && (*c == 'e' || *c == 'E'))
    {
        ++c;
        const bool negativeExponent = c != last && *c == '-';
        if (c != last && (*c == '-' || *c == '+'))
            ++c;
        const char* const exponentStart = c;
        int e = 0;
        for (; c != last && static_cast<unsigned>(*c - '0') < 10 && c - exponentStart < 4; ++c)
            e = e * 10 + (*c - '0');
        if (c == exponentStart)
            return false;
        exponent += negativeExponent ? -e : e;
    }
    if (c != last || exponent < -22 || exponent > 22 || mantissa > (std::uint64_t(1) << 53))
        return false;
    const double m = static_cast<double>(mantissa);
    value = exponent < 0 ? m / kPowers[-exponent] : m * kPowers[exponent];
    if (negative)
        value = -value;
    return true;
}
} // namespace

void to_value(const std::string& text, double& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes no leading plus sign; a number text may have one.
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-' && first[1] != '+')
        ++first;
    if (FastDecimal(first, last, value))
        return;
    double result = 0.0;
    const std::from_chars_result r = std::from_chars(first, last, result);
    if (first == last || r.ec == std::errc::invalid_argument || r.ptr != last)
        throw qzException(0, "Invalid number: '" + text + "'");
    // Out of range: like strtod, the nearest representable (infinity or a denormal/zero) value.
    value = r.ec == std::errc::result_out_of_range ? std::strtod(std::string(first, last).c_str(), nullptr) : result;
}

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

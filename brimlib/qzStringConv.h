// Conversions between numbers, narrow and wide text.
#pragma once

#include "tessaform_export.h"

#include <string>
#include <type_traits>

namespace misc
{
namespace detail
{
TESSAFORM_API std::string FormatSigned(long long value);
TESSAFORM_API std::string FormatUnsigned(unsigned long long value);
/// Shortest text that reads back as the same value (precision < 0), or %.*g at the precision.
TESSAFORM_API std::string FormatReal(double value, int precision);
TESSAFORM_API std::string FormatReal(float value, int precision);
} // namespace detail

/// A number as decimal text, independent of the C and C++ locales. Reals are printed in the
/// shortest form that reads back exactly.
template <class T> std::string from_value(const T& value)
{
    static_assert(std::is_arithmetic<T>::value, "from_value formats numbers");
    if constexpr (std::is_same<T, bool>::value)
        return value ? "1" : "0";
    else if constexpr (std::is_same<T, float>::value)
        return detail::FormatReal(value, -1);
    else if constexpr (std::is_floating_point<T>::value)
        return detail::FormatReal(static_cast<double>(value), -1);
    else if constexpr (std::is_signed<T>::value)
        return detail::FormatSigned(static_cast<long long>(value));
    else
        return detail::FormatUnsigned(static_cast<unsigned long long>(value));
}

/// A real with `precision` significant digits (the %g style); integers ignore the precision.
template <class T> std::string from_value(const T& value, int precision)
{
    if constexpr (std::is_floating_point<T>::value)
        return detail::FormatReal(static_cast<double>(value), precision < 1 ? 1 : precision);
    else
        return from_value(value);
}

/// Decimal text to a number (as std::strtod, but independent of the locale and without leading
/// spaces); throws misc::qzException 0 "Invalid number: '<text>'" when the whole text is not one
/// number.
TESSAFORM_API void to_value(const std::string& text, double& value);

/// Narrow text (UTF-8; a byte that is not part of a valid sequence keeps its own value) to wide.
TESSAFORM_API std::wstring to_wide(const std::string& text);

/// One wide character to one narrow character: 0 to 255 keep their value, others become '?'.
TESSAFORM_API char to_ascii(wchar_t c);

/// Wide text to narrow text, character by character as `to_ascii`.
TESSAFORM_API std::string to_ascii(const std::wstring& text);
} // namespace misc

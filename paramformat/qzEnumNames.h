// Names of the enumerators of the parameter model (internal).
//
// The names come from the compiler itself: a function template instantiated for one enumerator
// value spells that value in its signature (__PRETTY_FUNCTION__), as the enumerator's name when
// the enumeration has one for it, as a cast of the number otherwise. So an enumerator added to
// the model is named in the JSON form without a table to keep in step.
#pragma once

#include <array>
#include <string_view>
#include <type_traits>
#include <utility>

namespace paramformat
{
namespace enum_names
{
/// Values looked up: the model's enumerators are small non-negative numbers.
constexpr int kFirst = 0;
constexpr int kCount = 64;

template <class E, E V> constexpr std::string_view Signature()
{
    return __PRETTY_FUNCTION__;
}

/// The enumerator's name in a signature, or an empty view when the value has none.
constexpr std::string_view NameIn(std::string_view signature)
{
    const std::size_t at = signature.rfind("V = ");
    if (at == std::string_view::npos)
        return {};
    std::string_view value = signature.substr(at + 4);
    const std::size_t end = value.find_first_of(";]");
    value = value.substr(0, end);
    if (value.empty() || value.front() == '(' || (value.front() >= '0' && value.front() <= '9') ||
        value.front() == '-')
        return {};
    const std::size_t scope = value.rfind("::");
    return scope == std::string_view::npos ? value : value.substr(scope + 2);
}

template <class E, int... I> constexpr std::array<std::string_view, kCount> Table(std::integer_sequence<int, I...>)
{
    return {NameIn(Signature<E, static_cast<E>(kFirst + I)>())...};
}

template <class E> constexpr std::array<std::string_view, kCount> kNames =
    Table<E>(std::make_integer_sequence<int, kCount>());
} // namespace enum_names

/// The name of the enumerator with this value, or an empty view when it has none.
template <class E> constexpr std::string_view EnumeratorName(int value)
{
    static_assert(std::is_enum<E>::value, "an enumeration");
    return value >= enum_names::kFirst && value < enum_names::kFirst + enum_names::kCount
               ? enum_names::kNames<E>[static_cast<std::size_t>(value - enum_names::kFirst)]
               : std::string_view();
}

/// The value of the enumerator with this name; false when no enumerator has it.
template <class E> constexpr bool EnumeratorValue(std::string_view name, int& value)
{
    if (name.empty())
        return false;
    for (int i = 0; i < enum_names::kCount; ++i)
        if (enum_names::kNames<E>[static_cast<std::size_t>(i)] == name)
        {
            value = enum_names::kFirst + i;
            return true;
        }
    return false;
}
} // namespace paramformat

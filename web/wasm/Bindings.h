#pragma once
// What every binding file shares: model values handed to JavaScript, and the readers of what the
// page hands in. A reader trusts nothing it is given: a wrong type, a missing key, NaN or an
// infinity becomes the field's default, so that no such value reaches the model or a cast.

#include "model/common/Message.h"

#include <emscripten/val.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace web {

using emscripten::val;

// A message as {pattern, values}, each value {text} or {number, digits, form, minus, plus} or a
// sentence of its own {message, context}, for the page to translate and write in its locale.
val message(const decay::Message& message);
// A report as its lines, each a list of messages.
val report(const decay::Report& report);

// The property `key` of a page object; undefined when there is no object to read it from.
val property(const val& object, const char* key);

// A string as it is, a number or a flag as JavaScript writes it, "" for anything else.
std::string text(const val& value);
std::string text(const val& object, const char* key);
// A finite number, `otherwise` for anything else.
double finite(double value, double otherwise = 0);
double number(const val& object, const char* key, double otherwise = 0);
bool flag(const val& object, const char* key);
// The decimal point the page sends with its entries; "." when it sends none.
std::string decimalPoint(const val& texts);
// The seed as decimal text, since JavaScript numbers hold only 53 bits of it.
std::uint64_t seed(const std::string& text);

// A whole number that fits an int (a list's place, a member's number); `otherwise` for fractions,
// NaN, infinities and whatever is no number.
int whole(double value, int otherwise);
int whole(const val& object, const char* key, int otherwise);

// A count the page computed as an integer: truncated toward zero and held inside Int's range,
// `otherwise` for NaN.
template <class Int> Int clamped(double value, Int otherwise)
{
    constexpr double lowest = static_cast<double>(std::numeric_limits<Int>::min()); // -2^(bits-1), exact
    if (std::isnan(value))
        return otherwise;
    if (value <= lowest)
        return std::numeric_limits<Int>::min();
    if (value >= -lowest)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

// A list's choice by its place, the first for a place the list does not have.
template <class T, std::size_t N> T chosen(const std::array<T, N>& items, int place)
{
    return items[place >= 0 && static_cast<std::size_t>(place) < N ? static_cast<std::size_t>(place) : 0];
}
template <class T, std::size_t N> T chosen(const std::array<T, N>& items, const val& object, const char* key)
{
    return chosen(items, whole(object, key, 0));
}

// The number of items of an array; 0 for anything else.
std::size_t length(const val& list);
// The items of an array as texts, each read as text() reads it; none for anything else.
std::vector<std::string> textList(const val& list);

// The first `most` numbers of an array or a typed array, each converted as a typed array of T
// converts it; none for anything else.
val listHead(const val& list, std::size_t most);
template <class T> std::vector<T> numberList(const val& list, std::size_t most)
{
    return emscripten::convertJSArrayToNumberVector<T>(listHead(list, most));
}

// A copy of the values as a Float64Array, so that the page keeps them after the next call.
val numbers(std::span<const double> values);
template <class T>
val numbers(std::span<const T> values)
{
    std::vector<double> copy(values.begin(), values.end());
    return numbers(std::span<const double>(copy));
}
val texts(const std::vector<std::string>& values);

// One of the model's enum values as the module handed it to the page (an object with its
// `value`), the first of `items` for anything else.
template <class T, std::size_t N> T enumValue(const std::array<T, N>& items, const val& object, const char* key)
{
    const int value = whole(property(object, key), "value", -1);
    for (T item : items)
        if (static_cast<int>(item) == value)
            return item;
    return items[0];
}

// Model values as the page receives them, as function results and as fields of value objects: a
// list as an array (numbers as a Float64Array), an optional as its value or null, a message and a
// report as message() and report() write them, anything else as embind converts it.
template <class T> val value(const T& item);
val value(const decay::Message& item);
val value(const decay::Report& item);
val value(const std::vector<double>& items);
template <class T> val value(const std::optional<T>& item);
template <class T> val value(const std::vector<T>& items);

template <class T> val value(const T& item)
{
    return val(item);
}
inline val value(const decay::Message& item)
{
    return message(item);
}
inline val value(const decay::Report& item)
{
    return report(item);
}
inline val value(const std::vector<double>& items)
{
    return numbers(std::span<const double>(items));
}
template <class T> val value(const std::optional<T>& item)
{
    return item ? value(*item) : val::null();
}
template <class T> val value(const std::vector<T>& items)
{
    val list = val::array();
    for (const T& item : items)
        list.call<void>("push", value(item));
    return list;
}

// The setter of a value object's field that the model computes (a method of the object): results
// go out only.
template <class Object, class Field> void computed(Object&, Field) {}

} // namespace web

// Lists, optionals and messages cross embind's border as the values above, under the type of
// emscripten::val. They go out only: what the page hands in is read by the readers above, so
// that a value coming back is dropped.
namespace emscripten::internal {

template <class T> struct AsValue {
    using WireType = EM_VAL;
    static WireType toWireType(const T& item) { return BindingType<val>::toWireType(web::value(item)); }
    static T fromWireType(WireType wire)
    {
        val::take_ownership(wire);
        return {};
    }
};

template <class T> struct TypeID<std::vector<T>> : TypeID<val> {};
template <class T> struct TypeID<std::optional<T>> : TypeID<val> {};
template <> struct TypeID<decay::Message> : TypeID<val> {};
template <> struct TypeID<decay::Report> : TypeID<val> {};
template <class T> struct BindingType<std::vector<T>> : AsValue<std::vector<T>> {};
template <class T> struct BindingType<std::optional<T>> : AsValue<std::optional<T>> {};
template <> struct BindingType<decay::Message> : AsValue<decay::Message> {};
template <> struct BindingType<decay::Report> : AsValue<decay::Report> {};

} // namespace emscripten::internal

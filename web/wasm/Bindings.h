#pragma once
// What every binding file shares: model values handed to JavaScript and read back from it.

#include "model/common/Message.h"

#include <emscripten/val.h>

#include <span>
#include <string>
#include <vector>

namespace web {

using emscripten::val;

// A message as {pattern, values}, each value {text} or {number}, for the page to translate and
// write in the user's way.
val message(const decay::Message& message);

// The property `key` of a page object as text ("" when it is missing), or as a number.
std::string text(const val& object, const char* key);
double number(const val& object, const char* key, double otherwise = 0);
bool flag(const val& object, const char* key);

// A copy of the values as a Float64Array, so that the page keeps them after the next call.
val numbers(std::span<const double> values);
template <class T>
val numbers(std::span<const T> values)
{
    std::vector<double> copy(values.begin(), values.end());
    return numbers(std::span<const double>(copy));
}
val texts(const std::vector<std::string>& values);

} // namespace web

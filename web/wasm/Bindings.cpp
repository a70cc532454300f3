#include "Bindings.h"

#include <emscripten/bind.h>

namespace web {

val message(const decay::Message& message)
{
    val values = val::array();
    for (const auto& value : message.values) {
        val item = val::object();
        if (value.number)
            item.set("number", *value.number);
        else
            item.set("text", value.text);
        if (value.unit)
            item.set("unit", true);
        values.call<void>("push", item);
    }
    val result = val::object();
    result.set("pattern", message.pattern);
    result.set("values", values);
    return result;
}

std::string text(const val& object, const char* key)
{
    const val value = object[key];
    if (value.isUndefined() || value.isNull())
        return {};
    if (value.isString())
        return value.as<std::string>();
    return value.call<std::string>("toString");
}

double number(const val& object, const char* key, double otherwise)
{
    const val value = object[key];
    return value.isNumber() ? value.as<double>() : otherwise;
}

bool flag(const val& object, const char* key)
{
    const val value = object[key];
    return value.isTrue();
}

val numbers(std::span<const double> values)
{
    // A view into the module's memory, copied at once into an array of the page's own.
    const val view(emscripten::typed_memory_view(values.size(), values.data()));
    return val::global("Float64Array").new_(view);
}

val texts(const std::vector<std::string>& values)
{
    val result = val::array();
    for (const auto& value : values)
        result.call<void>("push", value);
    return result;
}

} // namespace web

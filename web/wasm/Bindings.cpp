#include "Bindings.h"

#include <emscripten/bind.h>

#include <cstdlib>

namespace web {

val message(const decay::Message& message)
{
    val values = val::array();
    static constexpr const char* kForms[] = {"significant", "whole", "uncertain", "interval"};
    for (const auto& value : message.values) {
        val item = val::object();
        if (value.message) {
            item.set("message", web::message(*value.message));
            item.set("context", std::string(value.context));
        } else if (value.number) {
            item.set("number", *value.number);
            item.set("digits", value.digits);
            if (value.form != decay::NumberForm::Significant) {
                item.set("form", std::string(kForms[static_cast<int>(value.form)]));
                item.set("minus", value.minus);
                item.set("plus", value.plus);
            }
        } else {
            item.set("text", value.text);
        }
        if (value.unit)
            item.set("unit", true);
        values.call<void>("push", item);
    }
    val result = val::object();
    result.set("pattern", message.pattern);
    result.set("values", values);
    if (message.remedy) {
        val changes = val::array();
        for (const auto& change : message.remedy->changes) {
            val item = val::object();
            item.set("entry", static_cast<int>(change.entry));
            item.set("value", change.value);
            changes.call<void>("push", item);
        }
        val remedy = val::object();
        remedy.set("changes", changes);
        remedy.set("offer", web::message(message.remedy->offer));
        result.set("remedy", remedy);
    }
    return result;
}

val report(const decay::Report& report)
{
    val lines = val::array();
    for (const std::vector<decay::Message>& sentences : report.lines) {
        val line = val::array();
        for (const decay::Message& sentence : sentences)
            line.call<void>("push", message(sentence));
        lines.call<void>("push", line);
    }
    return lines;
}

val property(const val& object, const char* key)
{
    // Reading a property of undefined or null throws in JavaScript, through the model's frames.
    return object.isUndefined() || object.isNull() ? val::undefined() : object[key];
}

std::string text(const val& value)
{
    if (value.isString())
        return value.as<std::string>();
    const std::string type = value.typeOf().as<std::string>();
    if (type == "number" || type == "boolean")
        return val::global("String")(value).as<std::string>();
    return {};
}

std::string text(const val& object, const char* key)
{
    return text(property(object, key));
}

double finite(double value, double otherwise)
{
    return std::isfinite(value) ? value : otherwise;
}

double number(const val& object, const char* key, double otherwise)
{
    const val value = property(object, key);
    return value.isNumber() ? finite(value.as<double>(), otherwise) : otherwise;
}

bool flag(const val& object, const char* key)
{
    return property(object, key).isTrue();
}

std::string decimalPoint(const val& texts)
{
    const val point = property(texts, "decimalPoint");
    return point.isString() ? point.as<std::string>() : std::string(".");
}

std::uint64_t seed(const std::string& text)
{
    return std::strtoull(text.c_str(), nullptr, 10);
}

int whole(double value, int otherwise)
{
    const bool fits = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    return fits && value == std::floor(value) ? static_cast<int>(value) : otherwise;
}

int whole(const val& object, const char* key, int otherwise)
{
    const val value = property(object, key);
    return value.isNumber() ? whole(value.as<double>(), otherwise) : otherwise;
}

std::size_t length(const val& list)
{
    if (!val::global("Array").call<bool>("isArray", list))
        return 0;
    const double count = list["length"].as<double>();
    return count >= 0 && count <= 4294967295.0 ? static_cast<std::size_t>(count) : 0; // an array's length is below 2^32
}

std::vector<std::string> textList(const val& list)
{
    std::vector<std::string> result(length(list));
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = text(list[i]);
    return result;
}

val listHead(const val& list, std::size_t most)
{
    // The methods of the built-in prototypes, not the list's own, which the page could have replaced.
    const double end = static_cast<double>(most);
    if (val::global("ArrayBuffer").call<bool>("isView", list) && !list.instanceof(val::global("DataView"))) {
        const val typedArray = val::global("Object").call<val>("getPrototypeOf", val::global("Int8Array")["prototype"]);
        return typedArray["subarray"].call<val>("call", list, 0, end);
    }
    if (val::global("Array").call<bool>("isArray", list))
        return val::global("Array")["prototype"]["slice"].call<val>("call", list, 0, end);
    return val::array();
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

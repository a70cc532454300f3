#include "PlotJson.h"

#include "JsonOut.h"

#include "model/common/Conversions.h"

namespace webref {
namespace {

std::string layerJson(const decay::PlotLayer& layer)
{
    std::vector<std::string> lines;
    for (const decay::PlotLine& line : layer.lines)
        lines.push_back(object({{"x", numbers(line.x)}, {"y", numbers(line.y)}}));
    const decay::PlotColor& c = layer.color;
    const std::string color = "rgba(" + std::to_string(c.red) + ',' + std::to_string(c.green) + ',' + std::to_string(c.blue) + ','
                              + decay::numberText(c.alpha / 255.0) + ')';
    return object({{"name", messageValues(layer.name)}, {"color", jsonText(color)}, {"kind", std::to_string(static_cast<int>(layer.kind))},
                   {"width", number(layer.width)}, {"dash", numbers(layer.dash)}, {"barWidth", number(layer.barWidth)},
                   {"inLegend", layer.inLegend ? "true" : "false"}, {"lines", array(lines)}});
}

} // namespace

std::string messageValues(const decay::Message& message)
{
    std::vector<std::string> values;
    for (const decay::MessageValue& value : message.values) {
        static constexpr const char* kForms[] = {"significant", "whole", "uncertain", "interval"};
        std::vector<std::pair<std::string, std::string>> members;
        if (value.message) {
            members.emplace_back("message", messageValues(*value.message));
            members.emplace_back("context", jsonText(value.context));
        } else if (value.number) {
            members.emplace_back("number", number(*value.number));
            members.emplace_back("digits", std::to_string(value.digits));
            if (value.form != decay::NumberForm::Significant) {
                members.emplace_back("form", jsonText(kForms[static_cast<int>(value.form)]));
                members.emplace_back("minus", number(value.minus));
                members.emplace_back("plus", number(value.plus));
            }
        } else {
            members.emplace_back("text", jsonText(value.text));
        }
        if (value.unit)
            members.emplace_back("unit", "true");
        values.push_back(object(members));
    }
    return object({{"pattern", jsonText(message.pattern)}, {"values", array(values)}});
}

std::string reportJson(const decay::Report& report)
{
    std::vector<std::string> lines;
    for (const std::vector<decay::Message>& sentences : report.lines) {
        std::vector<std::string> line;
        for (const decay::Message& sentence : sentences)
            line.push_back(messageValues(sentence));
        lines.push_back(array(line));
    }
    return array(lines);
}

std::string plotJson(const decay::Plot& plot)
{
    std::vector<std::string> layers;
    for (const decay::PlotLayer& layer : plot.layers)
        layers.push_back(layerJson(layer));
    return object({{"context", jsonText(plot.context)}, {"title", messageValues(plot.title)}, {"xTitle", messageValues(plot.xTitle)},
                   {"yTitle", messageValues(plot.yTitle)}, {"logX", plot.logX ? "true" : "false"},
                   {"logY", plot.logY ? "true" : "false"}, {"xFloor", number(plot.xFloor)}, {"yFloor", number(plot.yFloor)}, {"layers", array(layers)}});
}

} // namespace webref

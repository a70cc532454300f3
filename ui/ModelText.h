#pragma once

#include "model/common/Message.h"

#include <QString>

#include <functional>

class Platform;
class QWidget;

// A message of the model in the user's language: its pattern translated, its values put back in,
// numbers written as the locale writes them.
QString modelText(const decay::Message& message);
// The same with the pattern translated in `context`.
QString modelText(const decay::Message& message, const char* context);
// A report's sentences in `context`: those of a line after one another, the lines one under another.
QString modelText(const decay::Report& report, const char* context);

// A refusal of the model shown to the user. Where the model knows a change of the entries that
// takes its cause away, the change is offered beside it and, when taken, put into the entries by
// `apply`: true then, so that the command goes on with them.
bool changedOnRefusal(Platform& platform, QWidget* parent, const QString& title, const decay::Message& refusal,
                      const std::function<void(const decay::Remedy::Change&)>& apply);

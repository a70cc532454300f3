#pragma once

#include "model/common/Message.h"

#include <QString>

// A message of the model in the user's language: its pattern translated, its values put back in,
// numbers written as the locale writes them.
QString modelText(const decay::Message& message);
// The same with the pattern translated in `context`.
QString modelText(const decay::Message& message, const char* context);
// A report's sentences in `context`: those of a line after one another, the lines one under another.
QString modelText(const decay::Report& report, const char* context);

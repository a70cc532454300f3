#pragma once

#include "model/Message.h"

#include <QString>

#include <string>

// A message of the model, which writes English, in the user's language: its numbers and quoted
// fields are taken out, the rest is looked up among the model's known messages, and they go back
// into the translation. A message it does not know stays as it is.
QString modelText(const std::string& english);
// A message that keeps its values apart: its pattern translated, the values put back in.
QString modelText(const decay::Message& message);

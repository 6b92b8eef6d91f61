#pragma once

#include <string>
#include <string_view>

#include "cli/calculation_event.h"

// Plain text: each roots or result text on `out` and each message on `err`, every text
// followed by a newline and the Roots box's "\r\n" line ends written as "\n". A write-back
// changes a box and prints nothing.
void AppendPlain(const CalculationEvents& events, std::string& out, std::string& err);

// One line of JSON for the whole calculation, {"events":[...]}, the texts kept exactly:
// {"message":"..."}, {"roots":"..."}, {"result":"..."}, {"set":{"box":"X","text":"0."}}.
void AppendJson(const CalculationEvents& events, std::string& out);

// A usage error in plain text: the problem, then the usage lines.
void AppendPlainUsageError(std::string_view problem, std::string& err);

// A usage error as one line of JSON, {"error":"..."}.
void AppendJsonUsageError(std::string_view problem, std::string& out);

// `text` as a JSON string, quotes included.
void AppendJsonString(std::string_view text, std::string& out);

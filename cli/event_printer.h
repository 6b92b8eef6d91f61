#pragma once

#include <string>
#include <string_view>

#include "cli/calculation_event.h"

// Plain text: each message on `err` in order, and on `out` the roots or result text that the
// calculation finally shows (the Roots box can be set twice, and holds the second text).
// Every text is followed by a newline, and the Roots box's "\r\n" line ends are written as
// "\n". A write-back changes a box and prints nothing. `out` and `err` may be one string: the
// messages then come before the answer, as their boxes come first.
void AppendPlain(const CalculationEvents& events, std::string& out, std::string& err);

// One line of JSON for the whole calculation, {"events":[...]}, every event kept and its text
// exactly: {"message":"..."}, {"roots":"...","values":[...]}, {"result":"...","values":{...}},
// {"set":{"box":"X","text":"0."}}. A roots event's values are its roots at full precision,
// {"re":..,"im":..,"radius":..,"isolated":true}, when the solver gives them; a result's are the
// numbers its text shows, by name ({"re":..,"im":..,"magnitude":..}).
void AppendJson(const CalculationEvents& events, std::string& out);

// A usage error in plain text: the problem, then the usage lines.
void AppendPlainUsageError(std::string_view problem, std::string& err);

// A usage error as one line of JSON, {"error":"..."}.
void AppendJsonUsageError(std::string_view problem, std::string& out);

// `text` as a JSON string, quotes included, always valid UTF-8: every control character is
// escaped, and each byte that is not part of well-formed UTF-8 becomes U+FFFD.
void AppendJsonString(std::string_view text, std::string& out);

// `value` as a JSON number, the shortest that reads back to the same double; JSON has no
// infinities or not-a-numbers, so these are the strings "inf", "-inf", "nan" and "-nan".
void AppendJsonNumber(double value, std::string& out);

#include "cli/event_printer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "cli/help_text.h"
#include "cli/utf8.h"

namespace {

void AppendWithLineFeeds(std::string_view text, std::string& out) {
  for (size_t start = 0;;) {
    const size_t crlf = text.find("\r\n", start);
    if (crlf == std::string_view::npos) {
      out.append(text.substr(start));
      break;
    }
    out.append(text.substr(start, crlf - start));
    out += '\n';
    start = crlf + 2;
  }
  out += '\n';
}

const char* BoxName(CoefficientBox box) {
  static const char* const names[] = {"X4", "X3", "X2", "X", "constant"};
  return names[static_cast<int>(box)];
}

const char* EventName(CalculationEvent::Kind kind) {
  static const char* const names[] = {"message", "roots", "result"};
  return names[static_cast<int>(kind)];
}

// Whether `c` is anything but printable ASCII that a JSON string takes as it is.
bool NeedsCare(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte >= 0x7f || c == '"' || c == '\\';
}

// ,"values":[{"re":..,"im":..,"radius":..,"isolated":true},...]
void AppendRootValues(const std::vector<RootValue>& values, std::string& out) {
  out += ",\"values\":[";
  for (size_t i = 0; i < values.size(); ++i) {
    const RootValue& value = values[i];
    out += i > 0 ? ",{\"re\":" : "{\"re\":";
    AppendJsonNumber(value.re, out);
    out += ",\"im\":";
    AppendJsonNumber(value.im, out);
    out += ",\"radius\":";
    AppendJsonNumber(value.radius, out);
    out += value.isolated ? ",\"isolated\":true}" : ",\"isolated\":false}";
  }
  out += ']';
}

// ,"values":{"re":..,"im":..,"magnitude":..}
void AppendShownNumbers(const std::vector<ShownNumber>& numbers, std::string& out) {
  out += ",\"values\":{";
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0)
      out += ',';
    AppendJsonString(numbers[i].name, out);
    out += ':';
    AppendJsonNumber(numbers[i].value, out);
  }
  out += '}';
}

}  // namespace

void AppendPlain(const CalculationEvents& events, std::string& out, std::string& err) {
  // Where the Roots box is set twice (both special routes of the quartic), only what it
  // finally holds is the answer.
  const CalculationEvent* shown = nullptr;
  for (const CalculationEvent& event : events) {
    switch (event.kind) {
      case CalculationEvent::Kind::Message:
        AppendWithLineFeeds(event.text, err);
        break;
      case CalculationEvent::Kind::Roots:
      case CalculationEvent::Kind::Result:
        shown = &event;
        break;
      case CalculationEvent::Kind::WriteBack:
        break;
    }
  }
  if (shown != nullptr)
    AppendWithLineFeeds(shown->text, out);
}

void AppendJson(const CalculationEvents& events, std::string& out) {
  out += "{\"events\":[";
  for (size_t i = 0; i < events.size(); ++i) {
    const CalculationEvent& event = events[i];
    if (i > 0)
      out += ',';
    if (event.kind == CalculationEvent::Kind::WriteBack) {
      out += "{\"set\":{\"box\":\"";
      out += BoxName(event.box);
      out += "\",\"text\":";
      AppendJsonString(event.text, out);
      out += "}}";
      continue;
    }
    out += "{\"";
    out += EventName(event.kind);
    out += "\":";
    AppendJsonString(event.text, out);
    if (!event.root_values.empty())
      AppendRootValues(event.root_values, out);
    if (!event.numbers.empty())
      AppendShownNumbers(event.numbers, out);
    out += '}';
  }
  out += "]}\n";
}

void AppendPlainUsageError(std::string_view problem, std::string& err) {
  err += "quillet-calc: ";
  err += problem;
  err += '\n';
  err += UsageText();
}

void AppendJsonUsageError(std::string_view problem, std::string& out) {
  out += "{\"error\":";
  AppendJsonString(problem, out);
  out += "}\n";
}

void AppendJsonString(std::string_view text, std::string& out) {
  static const char kHex[] = "0123456789abcdef";
  out += '"';
  while (!text.empty()) {
    // Printable ASCII, all of most texts, goes over in one piece.
    const size_t plain = std::find_if(text.begin(), text.end(), NeedsCare) - text.begin();
    out.append(text.substr(0, plain));
    text.remove_prefix(plain);
    if (text.empty())
      break;
    const size_t length = Utf8SequenceLength(text);
    const std::string_view character = text.substr(0, length);
    text.remove_prefix(length == 0 ? 1 : length);
    if (length == 0) {
      // A byte that is not part of well-formed UTF-8 has no character to stand for; it
      // becomes the replacement character, so that the line stays valid JSON.
      out += "\\ufffd";
    } else if (character == "\"") {
      out += "\\\"";
    } else if (character == "\\") {
      out += "\\\\";
    } else if (character == "\n") {
      out += "\\n";
    } else if (character == "\r") {
      out += "\\r";
    } else if (character == "\t") {
      out += "\\t";
    } else if (IsControlCharacter(character)) {
      const unsigned code = length == 1 ? static_cast<unsigned char>(character[0])
                                        : static_cast<unsigned char>(character[1]);
      out += "\\u00";
      out += kHex[code >> 4];
      out += kHex[code & 0xf];
    } else {
      out += character;
    }
  }
  out += '"';
}

void AppendJsonNumber(double value, std::string& out) {
  if (std::isnan(value)) {
    out += std::signbit(value) ? "\"-nan\"" : "\"nan\"";
  } else if (std::isinf(value)) {
    out += value > 0 ? "\"inf\"" : "\"-inf\"";
  } else {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
  }
}

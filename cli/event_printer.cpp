#include "cli/event_printer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "cli/help_text.h"
#include "cli/utf8.h"

namespace {

// `text` and a newline, each "\r\n" of it written as "\n": the pieces between the carriage
// returns are copied whole into room made once.
void AppendWithLineFeeds(std::string_view text, std::string& out) {
  const size_t start = out.size();
  out.resize(start + text.size() + 1);
  char* to = out.data() + start;
  const char* from = text.data();
  const char* const end = from + text.size();
  while (const auto* cr = static_cast<const char*>(std::memchr(from, '\r', end - from))) {
    const bool line_end = cr + 1 != end && cr[1] == '\n';
    to = std::copy(from, line_end ? cr : cr + 1, to);
    from = cr + 1;
  }
  to = std::copy(from, end, to);
  *to++ = '\n';
  out.resize(static_cast<size_t>(to - out.data()));
}

const char* BoxName(CoefficientBox box) {
  switch (box) {
    case CoefficientBox::X4:
      return "X4";
    case CoefficientBox::X3:
      return "X3";
    case CoefficientBox::X2:
      return "X2";
    case CoefficientBox::X:
      return "X";
    case CoefficientBox::Constant:
      break;
  }
  return "constant";
}

// Whether `c` is anything but printable ASCII that a JSON string takes as it is.
bool NeedsCare(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte >= 0x7f || c == '"' || c == '\\';
}

// ,"values":[{"re":..,"im":..,"radius":..,"isolated":true},...]
void AppendRootValues(const RootValues& values, std::string& out) {
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
void AppendShownNumbers(const ShownNumbers& numbers, std::string& out) {
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

// {"message":".."}, {"roots":"..","values":[..]} or {"set":{"box":"X","text":"0."}}
void AppendJsonEvent(const PolyEffect& effect, std::string& out) {
  switch (effect.kind) {
    case PolyEffect::Kind::Message:
      out += "{\"message\":";
      AppendJsonString(effect.text, out);
      break;
    case PolyEffect::Kind::ShowRoots:
      out += "{\"roots\":";
      AppendJsonString(effect.text, out);
      if (!effect.values.empty())
        AppendRootValues(effect.values, out);
      break;
    case PolyEffect::Kind::WriteBack:
      out += "{\"set\":{\"box\":\"";
      out += BoxName(effect.box);
      out += "\",\"text\":";
      AppendJsonString(effect.text, out);
      out += '}';
      break;
  }
  out += '}';
}

// {"result":"..","values":{..}}
void AppendJsonEvent(const ResultWithNumbers& result, std::string& out) {
  out += "{\"result\":";
  AppendJsonString(result.text, out);
  if (!result.numbers.empty())
    AppendShownNumbers(result.numbers, out);
  out += '}';
}

}  // namespace

void AppendPlain(const CalculationEvents& events, std::string& out, std::string& err) {
  // Where the Roots box is set twice (both special routes of the quartic), only what it
  // finally holds is the answer.
  const std::string* shown = events.result.empty() ? nullptr : &events.result[0].text;
  for (const PolyEffect& effect : events.effects) {
    switch (effect.kind) {
      case PolyEffect::Kind::Message:
        AppendWithLineFeeds(effect.text, err);
        break;
      case PolyEffect::Kind::ShowRoots:
        shown = &effect.text;
        break;
      case PolyEffect::Kind::WriteBack:
        break;
    }
  }
  if (shown != nullptr)
    AppendWithLineFeeds(*shown, out);
}

void AppendJson(const CalculationEvents& events, std::string& out) {
  out += "{\"events\":[";
  for (size_t i = 0; i < events.effects.size(); ++i) {
    if (i > 0)
      out += ',';
    AppendJsonEvent(events.effects[i], out);
  }
  for (const ResultWithNumbers& result : events.result) {
    if (!events.effects.empty())
      out += ',';
    AppendJsonEvent(result, out);
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

#include "cli/event_printer.h"

#include "cli/help_text.h"

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

}  // namespace

void AppendPlain(const CalculationEvents& events, std::string& out, std::string& err) {
  for (const CalculationEvent& event : events) {
    switch (event.kind) {
      case CalculationEvent::Kind::Message:
        AppendWithLineFeeds(event.text, err);
        break;
      case CalculationEvent::Kind::Roots:
      case CalculationEvent::Kind::Result:
        AppendWithLineFeeds(event.text, out);
        break;
      case CalculationEvent::Kind::WriteBack:
        break;
    }
  }
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
    } else {
      out += "{\"";
      out += EventName(event.kind);
      out += "\":";
      AppendJsonString(event.text, out);
      out += '}';
    }
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
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xf];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

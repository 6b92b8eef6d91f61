#include "cli/command_line.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "cli/quoted_word.h"
#include "common/result_text.h"

namespace {

CommandLine Refused(CommandLine line, std::string problem) {
  line.mode = CommandLine::Mode::UsageError;
  line.problem = std::move(problem);
  return line;
}

// The number of digits that `word` gives --digits, if it is a whole number from 1 to 17.
std::optional<int> DigitsWord(std::string_view word) {
  int digits = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), digits);
  if (error != std::errc() || end != word.data() + word.size() || digits < 1 ||
      digits > ResultDigits::kMost)
    return std::nullopt;
  return digits;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> arguments) {
  CommandLine line;
  bool help = false;
  bool version = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "-h" || argument == "--help") {
      help = true;
    } else if (!argument.starts_with("--")) {
      line.words.emplace_back(argument);
    } else if (argument == "--json") {
      line.json = true;
    } else if (argument == "--lenient") {
      line.lenient = true;
    } else if (argument == "--version") {
      version = true;
    } else if (argument == "--digits" || argument.starts_with("--digits=")) {
      std::string_view value;
      if (argument != "--digits")
        value = argument.substr(argument.find('=') + 1);
      else if (i + 1 < arguments.size())
        value = arguments[++i];
      else
        return Refused(std::move(line), "--digits needs a number of digits from 1 to 17");
      const std::optional<int> digits = DigitsWord(value);
      if (!digits) {
        return Refused(std::move(line),
                       "--digits takes a number of digits from 1 to 17, not " + QuotedWord(value));
      }
      line.digits = *digits;
    } else {
      return Refused(std::move(line), "unknown option " + QuotedWord(argument));
    }
  }
  if (help) {
    line.mode = CommandLine::Mode::Help;
  } else if (version) {
    line.mode = CommandLine::Mode::Version;
  } else if (!line.words.empty() && line.words[0] == "-") {
    line.mode = CommandLine::Mode::Batch;
    if (line.words.size() > 1) {
      return Refused(std::move(line),
                     "\"-\" reads the calculations from standard input and takes no other words");
    }
  }
  return line;
}

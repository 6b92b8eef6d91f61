#include "cli/command_line.h"

#include <string_view>

CommandLine ParseCommandLine(std::span<const char* const> arguments) {
  CommandLine line;
  bool help = false;
  bool version = false;
  for (const std::string_view argument : arguments) {
    if (!argument.starts_with("--")) {
      line.words.emplace_back(argument);
    } else if (argument == "--json") {
      line.json = true;
    } else if (argument == "--help") {
      help = true;
    } else if (argument == "--version") {
      version = true;
    } else {
      line.mode = CommandLine::Mode::UsageError;
      line.problem = "unknown option \"" + std::string(argument) + "\"";
      return line;
    }
  }
  if (help) {
    line.mode = CommandLine::Mode::Help;
  } else if (version) {
    line.mode = CommandLine::Mode::Version;
  } else if (!line.words.empty() && line.words[0] == "-") {
    line.mode = CommandLine::Mode::Batch;
    if (line.words.size() > 1) {
      line.mode = CommandLine::Mode::UsageError;
      line.problem = "\"-\" reads the calculations from standard input and takes no other words";
    }
  }
  return line;
}

#pragma once

#include <span>
#include <string>
#include <vector>

// What the command line asks for. Words that begin with "--" are options wherever they
// stand, and so is "-h"; every other word belongs to the calculation, so negative numbers
// need no escape.
struct CommandLine {
  enum class Mode { Calculate, Batch, Help, Version, UsageError };
  Mode mode = Mode::Calculate;
  bool json = false;
  std::vector<std::string> words;  // the calculation, for Calculate
  std::string problem;             // for UsageError
  bool lenient = false;            // --lenient: numbers read as the calculators read boxes
  int digits = 5;                  // --digits N: significant digits of every result

  bool operator==(const CommandLine&) const = default;
};

// `arguments` are the words after the program's name.
CommandLine ParseCommandLine(std::span<const char* const> arguments);

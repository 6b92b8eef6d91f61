#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/calculation_request.h"

// The words of one line of standard input, as a shell would give them: separated by blanks
// and tabs, with double quotes keeping blanks inside a word ("X / Y") and themselves dropped.
// A quote left open is a usage error. A word without quotes is a view of the line itself; a
// word with quotes is gathered, without them, in the splitter's own text. The splitter keeps
// its room from one line to the next, so that a batch of lines costs no allocation a line.
class WordSplitter {
 public:
  // The words of `line`, valid until the next call and while `line` lives.
  std::variant<std::span<const std::string_view>, UsageError> Split(std::string_view line);

 private:
  std::string quoted_words_;
  std::vector<std::string_view> words_;
};

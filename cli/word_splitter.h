#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/calculation_request.h"

// The words of one line of standard input, as a shell would give them: separated by blanks
// and tabs, with double quotes keeping blanks inside a word ("X / Y") and themselves dropped.
// A quote left open is a usage error.
std::variant<std::vector<std::string>, UsageError> SplitWords(std::string_view line);

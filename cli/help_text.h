#pragma once

#include <string>

// The usage lines that every usage error ends with.
const std::string& UsageText();

// What --help prints: the usage, the rules for numbers and batches, and every operation with
// its list position, its list entry and its alias.
std::string HelpText();

// What --version prints.
std::string VersionText();

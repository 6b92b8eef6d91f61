#pragma once

#include <cstdio>
#include <optional>
#include <span>

// The program's command line. A desktop program that opened its window on a mistyped
// argument would surprise people, so it takes only the two arguments every program takes,
// which it answers without a window or a display, and the options of every Qt program
// (-style, -platform, -display, -reverse, ...), which it leaves to Qt.

// Answers `arguments` (argv without the program's name): the help or the version on `out`
// and 0, or a one-line usage on `err` and 2 for anything else. Returns nothing when the
// window is to open: no arguments, or only Qt's options with their values.
std::optional<int> AnswerCommandLine(std::span<const char* const> arguments, std::FILE* out,
                                     std::FILE* err);

#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace {

using Mode = CommandLine::Mode;

struct CommandLineCase {
  std::vector<const char*> arguments;
  CommandLine line;
};

const CommandLineCase kLines[] = {
    {{"roots", "1", "-3", "2"}, {Mode::Calculate, false, {"roots", "1", "-3", "2"}, ""}},
    {{"--json", "complex", "inv", "-3", "4"},
     {Mode::Calculate, true, {"complex", "inv", "-3", "4"}, ""}},
    {{"vector", "2d", "mag", "1", "2", "3", "4", "--json"},
     {Mode::Calculate, true, {"vector", "2d", "mag", "1", "2", "3", "4"}, ""}},
    {{"-"}, {Mode::Batch, false, {"-"}, ""}},
    {{"--json", "-"}, {Mode::Batch, true, {"-"}, ""}},
    {{"--help"}, {Mode::Help, false, {}, ""}},
    {{"roots", "--help"}, {Mode::Help, false, {"roots"}, ""}},
    {{"--version", "--json"}, {Mode::Version, true, {}, ""}},
    {{}, {Mode::Calculate, false, {}, ""}},  // the parser names the missing calculation
    {{"--jsn", "roots"}, {Mode::UsageError, false, {}, "unknown option \"--jsn\""}},
    {{"-", "roots", "1", "2", "3"},
     {Mode::UsageError,
      false,
      {"-", "roots", "1", "2", "3"},
      "\"-\" reads the calculations from standard input and takes no other words"}},
    {{"-h"}, {Mode::Help, false, {}, ""}},
    {{"roots", "1", "-h"}, {Mode::Help, false, {"roots", "1"}, ""}},
    {{"--lenient", "roots", "1", "x", "2"},
     {Mode::Calculate, false, {"roots", "1", "x", "2"}, "", true}},
    {{"--digits", "17", "-", "--json"}, {Mode::Batch, true, {"-"}, "", false, 17}},
    {{"complex", "mag", "1", "2", "--digits=1"},
     {Mode::Calculate, false, {"complex", "mag", "1", "2"}, "", false, 1}},
    {{"--digits", "0", "roots"},
     {Mode::UsageError, false, {}, "--digits takes a number of digits from 1 to 17, not \"0\""}},
    {{"--digits=18"},
     {Mode::UsageError, false, {}, "--digits takes a number of digits from 1 to 17, not \"18\""}},
    {{"--digits", "7x"},
     {Mode::UsageError, false, {}, "--digits takes a number of digits from 1 to 17, not \"7x\""}},
    {{"--digits", "-3"},
     {Mode::UsageError, false, {}, "--digits takes a number of digits from 1 to 17, not \"-3\""}},
    {{"roots", "--digits"},
     {Mode::UsageError, false, {"roots"}, "--digits needs a number of digits from 1 to 17"}},
    {{"--\x1b[2J"}, {Mode::UsageError, false, {}, "unknown option \"--\\x1b[2J\""}},
};

TEST(ParseCommandLine, SeparatesOptionsFromTheCalculation) {
  for (const auto& c : kLines) {
    std::string shown;
    for (const char* argument : c.arguments)
      shown += std::string(argument) + " ";
    EXPECT_EQ(ParseCommandLine(c.arguments), c.line) << shown;
  }
}

}  // namespace

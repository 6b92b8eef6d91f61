#pragma once

#include <cstddef>
#include <cstdio>
#include <istream>
#include <span>
#include <string>
#include <string_view>

#include "cli/calculation_event.h"
#include "cli/number_word.h"
#include "cli/word_splitter.h"
#include "common/result_text.h"

// How a session reads numbers and writes results.
struct SessionOptions {
  NumberReading reading = NumberReading::Strict;
  int digits = ResultDigits::kStandard;  // significant digits of every result text
};

// Answers calculations one after another, in plain text or in JSON. Output is gathered and
// written in large pieces, so that a batch of many lines costs no write per line. Where both
// streams reach one file, terminal or pipe, everything goes out through `out` in the order a
// reader would have seen it; elsewhere each stream keeps its own order.
//
// A failed read or write ends the session: the failure is reported in one line on `err` and
// nothing more is read, calculated or written.
class CalculatorSession {
 public:
  enum class Format { Plain, Json };

  // Exit statuses, in the order of their weight: the session ends with the heaviest seen.
  static constexpr int kAllResults = 0;
  static constexpr int kInputError = 1;
  static constexpr int kUsageError = 2;
  static constexpr int kReadOrWriteError = 3;

  // The longest line a batch reads, in bytes without its line end. No calculation needs a
  // hundredth of it; a longer line is refused without being held whole in memory.
  static constexpr size_t kLineLimit = 65536;

  CalculatorSession(Format format, std::FILE* out, std::FILE* err, SessionOptions options = {});
  ~CalculatorSession();
  CalculatorSession(const CalculatorSession&) = delete;
  CalculatorSession& operator=(const CalculatorSession&) = delete;

  // One calculation given as words.
  void Answer(std::span<const std::string> words);

  // One calculation a line, in order; blank lines are passed over. A line that is not a
  // calculation gets its usage error, which names its line number, and the lines after it
  // are still answered.
  void AnswerLines(std::istream& in);

  void ReportUsageError(std::string_view problem);

  // `text` on standard output as it stands: the help and the version.
  void WriteText(std::string_view text);

  // Writes out what is gathered so far.
  void Flush();

  int ExitStatus() const { return exit_status_; }

 private:
  // `line` is the number of the batch's line that the words stand on, 0 for the command line's;
  // a usage error names it.
  void Calculate(std::span<const std::string_view> words, long line);
  void AnswerLine(std::string_view line, long number);
  // The usage error of the batch's `line` (0: the command line's), named by its number. Out
  // of line, so that the calculations that go well keep a small frame.
  [[gnu::noinline]] void ReportLineError(long line, std::string_view problem);
  // Where plain output gathers the text for standard error.
  std::string& PlainErrorText() { return one_destination_ ? out_ : err_; }
  void Note(int status);
  void FlushWhenLarge();
  void Write(std::string& text, std::FILE* file, const char* stream_name);
  void Fail(std::string what, int error_number);

  Format format_;
  std::FILE* out_file_;
  std::FILE* err_file_;
  SessionOptions options_;
  bool one_destination_;
  bool failed_ = false;
  std::string out_;
  std::string err_;
  // Kept from one line of a batch to the next, with their room.
  WordSplitter splitter_;
  CalculationEvents events_;
  int exit_status_ = kAllResults;
};

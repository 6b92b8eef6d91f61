#pragma once

#include <cstdio>
#include <istream>
#include <span>
#include <string>
#include <string_view>

// Answers calculations one after another, in plain text or in JSON. Output is gathered and
// written in large pieces, so that a batch of many lines costs no write per line.
class CalculatorSession {
 public:
  enum class Format { Plain, Json };

  // Exit statuses, in the order of their weight: the session ends with the heaviest seen.
  static constexpr int kAllResults = 0;
  static constexpr int kInputError = 1;
  static constexpr int kUsageError = 2;

  CalculatorSession(Format format, std::FILE* out, std::FILE* err);
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

  // Writes out what is gathered so far.
  void Flush();

  int ExitStatus() const { return exit_status_; }

 private:
  // `where` leads the problem of a usage error: which line of a batch it stands on.
  void Calculate(std::span<const std::string> words, std::string_view where);
  // The standard-error text of plain output, once what is gathered for standard output
  // has been written.
  std::string& PlainErrorText();
  void Note(int status);
  void FlushWhenLarge();

  Format format_;
  std::FILE* out_file_;
  std::FILE* err_file_;
  std::string out_;
  std::string err_;
  int exit_status_ = kAllResults;
};

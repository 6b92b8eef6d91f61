#pragma once

#include <string>

#include "winsys/win_types.h"

// The framework's string: text held by value, printf-style formatting that does not depend
// on the process locale, and loading from the program's string table.
class CString {
 public:
  CString() = default;
  CString(const char* text) : text_(text ? text : "") {}
  CString(std::string text) : text_(std::move(text)) {}

  // Replaces the contents with printf-style output ('.' decimals whatever the locale).
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Replaces the contents with string `id` of the string table; FALSE (and empty) if none.
  BOOL LoadString(UINT id);

  BOOL IsEmpty() const { return text_.empty(); }
  operator const char*() const { return text_.c_str(); }
  const std::string& str() const { return text_; }

  friend bool operator==(const CString&, const CString&) = default;

 private:
  std::string text_;
};

#include "common/result_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/general_number.h"

namespace {

thread_local int result_digits = ResultDigits::kStandard;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int ReadCount(const char*& p) {
  int count = 0;
  for (; IsDigit(*p); ++p)
    count = 10 * count + (*p - '0');
  return count;
}

// One conversion of a format, %[-][width][.precision]<letter>, with `p` just past its '%'.
struct Conversion {
  bool left = false;
  int width = 0;
  int precision = -1;  // none given
  char letter = '\0';
};

Conversion ReadConversion(const char*& p) {
  Conversion c;
  if (*p == '-') {
    c.left = true;
    ++p;
  }
  c.width = ReadCount(p);
  if (*p == '.') {
    ++p;
    c.precision = ReadCount(p);
  }
  c.letter = *p;
  if (*p != '\0')
    ++p;
  return c;
}

// A text written by pointer into a string, in place of what it held, that grows only when a
// piece does not fit, since the string's own appends cost more than the formatting of the
// numbers.
class TextWriter {
 public:
  TextWriter(std::string& text, size_t expected) : text_(text) {
    if (text_.size() < expected)
      text_.resize(std::max(expected, text_.capacity()));
  }

  // Room for `count` more characters, at the place the next one goes.
  char* Room(size_t count) {
    if (used_ + count > text_.size())
      text_.resize(std::max(2 * text_.size(), used_ + count));
    return text_.data() + used_;
  }
  void Wrote(const char* end) { used_ = static_cast<size_t>(end - text_.data()); }
  void Append(const char* text, size_t count) {
    std::memcpy(Room(count), text, count);
    used_ += count;
  }
  size_t Used() const { return used_; }

  // What was written from `start` on, padded with blanks to the conversion's field width,
  // on the left unless it is left-justified.
  void Pad(size_t start, const Conversion& c) {
    const size_t length = used_ - start;
    const auto width = static_cast<size_t>(c.width);
    if (length >= width)
      return;
    char* field = Room(width - length) - length;
    if (c.left) {
      std::memset(field + length, ' ', width - length);
    } else {
      std::memmove(field + width - length, field, length);
      std::memset(field, ' ', width - length);
    }
    used_ += width - length;
  }

  void Finish() { text_.resize(used_); }

 private:
  std::string& text_;
  size_t used_ = 0;
};

[[noreturn]] void Unsupported(const char* format) {
  std::fprintf(stderr, "result text: unsupported conversion in \"%s\"\n", format);
  std::abort();
}

void WriteResultText(std::string& text, const char* format, va_list args);

}  // namespace

ResultDigits::ResultDigits(int digits) : previous_(result_digits) {
  result_digits = digits;
}

ResultDigits::~ResultDigits() {
  result_digits = previous_;
}

int ResultDigits::InUse() {
  return result_digits;
}

std::string ResultText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = ResultTextV(format, args);
  va_end(args);
  return text;
}

std::string ResultTextV(const char* format, va_list args) {
  std::string text;
  WriteResultText(text, format, args);
  return text;
}

void AssignResultText(std::string& text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  WriteResultText(text, format, args);
  va_end(args);
}

namespace {

void WriteResultText(std::string& text, const char* format, va_list args) {
  const int digits = result_digits;
  TextWriter out(text, std::strlen(format) + 64);
  const char* p = format;
  while (const char* percent = std::strchr(p, '%')) {
    out.Append(p, static_cast<size_t>(percent - p));
    p = percent + 1;
    if (*p == '%') {
      out.Append("%", 1);
      ++p;
      continue;
    }
    Conversion c = ReadConversion(p);
    const size_t start = out.Used();
    switch (c.letter) {
      case 'g': {
        // The calculators' five digits become `digits`, and their columns widen with them.
        if (c.precision == ResultDigits::kStandard && digits != ResultDigits::kStandard) {
          if (c.width > 0)
            c.width += digits - ResultDigits::kStandard;
          c.precision = digits;
        }
        const int precision = c.precision < 0 ? 6 : c.precision;
        const size_t room = static_cast<size_t>(precision) + 8;
        char* first = out.Room(room);
        out.Wrote(WriteGeneralNumber(first, first + room, va_arg(args, double), precision));
        break;
      }
      case 'd': {
        if (c.precision >= 0)
          Unsupported(format);
        char* first = out.Room(16);
        out.Wrote(std::to_chars(first, first + 16, va_arg(args, int)).ptr);
        break;
      }
      case 'c': {
        const char letter = static_cast<char>(va_arg(args, int));
        out.Append(&letter, 1);
        break;
      }
      case 's': {
        const char* text = va_arg(args, const char*);
        out.Append(text, c.precision >= 0 ? strnlen(text, static_cast<size_t>(c.precision))
                                          : std::strlen(text));
        break;
      }
      default:
        Unsupported(format);
    }
    out.Pad(start, c);
  }
  out.Append(p, std::strlen(p));
  out.Finish();
}

}  // namespace

#include "common/result_text.h"

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

// The conversion's text, already at the end of `out` from `start` on, padded with blanks to
// its field width, on the left unless the conversion is left-justified.
void Pad(std::string& out, size_t start, const Conversion& c) {
  const size_t length = out.size() - start;
  const auto width = static_cast<size_t>(c.width);
  if (length >= width)
    return;
  if (c.left)
    out.append(width - length, ' ');
  else
    out.insert(start, width - length, ' ');
}

// printf's %g with `precision` significant digits (none given means 6).
void AppendGeneral(std::string& out, double value, int precision) {
  if (precision < 0)
    precision = 6;
  const size_t start = out.size();
  out.resize(start + static_cast<size_t>(precision) + 8);
  char* first = out.data() + start;
  const char* end = WriteGeneralNumber(first, out.data() + out.size(), value, precision);
  out.resize(start + static_cast<size_t>(end - first));
}

void AppendInteger(std::string& out, int value) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

[[noreturn]] void Unsupported(const char* format) {
  std::fprintf(stderr, "result text: unsupported conversion in \"%s\"\n", format);
  std::abort();
}

}  // namespace

ResultDigits::ResultDigits(int digits) : previous_(result_digits) {
  result_digits = digits;
}

ResultDigits::~ResultDigits() {
  result_digits = previous_;
}

std::string ResultText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = ResultTextV(format, args);
  va_end(args);
  return text;
}

std::string ResultTextV(const char* format, va_list args) {
  const int digits = result_digits;
  std::string out;
  out.reserve(std::strlen(format) + 64);
  const char* p = format;
  while (const char* percent = std::strchr(p, '%')) {
    out.append(p, percent);
    p = percent + 1;
    if (*p == '%') {
      out += '%';
      ++p;
      continue;
    }
    Conversion c = ReadConversion(p);
    const size_t start = out.size();
    switch (c.letter) {
      case 'g':
        // The calculators' five digits become `digits`, and their columns widen with them.
        if (c.precision == ResultDigits::kStandard && digits != ResultDigits::kStandard) {
          if (c.width > 0)
            c.width += digits - ResultDigits::kStandard;
          c.precision = digits;
        }
        AppendGeneral(out, va_arg(args, double), c.precision);
        break;
      case 'd':
        if (c.precision >= 0)
          Unsupported(format);
        AppendInteger(out, va_arg(args, int));
        break;
      case 'c':
        out += static_cast<char>(va_arg(args, int));
        break;
      case 's': {
        const char* text = va_arg(args, const char*);
        out.append(text, c.precision >= 0 ? strnlen(text, static_cast<size_t>(c.precision))
                                          : std::strlen(text));
        break;
      }
      default:
        Unsupported(format);
    }
    Pad(out, start, c);
  }
  out.append(p);
  return out;
}

#include "common/result_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/general_number.h"

namespace {

thread_local int result_digits = ResultDigits::kStandard;

using result_text_detail::Conversion;
using result_text_detail::ReadConversion;

// A text written by pointer into a string, in place of what it held, in the whole room that
// the string has: the resize to its capacity fills with zeros only what the text before did
// not take, nothing when a batch writes one text after another of about the same length. The
// string's own appends, or a stack buffer copied into the string at the end, cost more.
class TextWriter {
 public:
  // Fields and their blanks are written in blocks of kBlock characters, however many of them
  // count, which is cheaper than writing each character.
  static constexpr size_t kBlock = 32;
  // Room enough for every calculator's result text from the start.
  static constexpr size_t kLeastRoom = 256;

  explicit TextWriter(std::string& text) : text_(text) {
    text_.resize(std::max(kLeastRoom, text_.capacity()));
    first_ = next_ = text_.data();
    end_ = first_ + text_.size();
  }
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  // Room for `count` more characters, at the place the next one goes.
  char* Room(size_t count) {
    if (static_cast<size_t>(end_ - next_) < count)
      Grow(count);
    return next_;
  }
  void Append(const char* text, size_t count) {
    std::memcpy(Room(count), text, count);
    next_ += count;
  }

  // `length` characters of `field`, at most all kBlock of it, padded with blanks to the
  // conversion's field width, on the left unless it is left-justified.
  void AppendField(const char (&field)[kBlock], size_t length, const Conversion& c) {
    const auto width = static_cast<size_t>(c.width);
    const size_t blanks = width > length ? width - length : 0;
    if (blanks > kBlock) {
      AppendPadded(field, length, c);
      return;
    }
    static constexpr auto kBlanks = [] {
      std::array<char, kBlock> blanks{};
      blanks.fill(' ');
      return blanks;
    }();
    // Two blocks, each written from a place within the one before.
    char* at = Room(2 * kBlock);
    if (!c.left) {
      std::memcpy(at, kBlanks.data(), kBlock);
      at += blanks;
    }
    std::memcpy(at, field, kBlock);
    at += length;
    if (c.left) {
      std::memcpy(at, kBlanks.data(), kBlock);
      at += blanks;
    }
    next_ = at;
  }

  // The same for a text of any length.
  void AppendPadded(const char* text, size_t length, const Conversion& c) {
    const auto width = static_cast<size_t>(c.width);
    if (width <= length) {
      Append(text, length);
      return;
    }
    const size_t blanks = width - length;
    char* at = Room(blanks + length);
    if (!c.left) {
      std::memset(at, ' ', blanks);
      at += blanks;
    }
    std::memcpy(at, text, length);
    at += length;
    if (c.left) {
      std::memset(at, ' ', blanks);
      at += blanks;
    }
    next_ = at;
  }

  // The string cut to the text written.
  void Finish() { text_.resize(static_cast<size_t>(next_ - first_)); }

 private:
  void Grow(size_t count) {
    const auto used = static_cast<size_t>(next_ - first_);
    text_.resize(std::max(2 * text_.size(), used + count));
    first_ = text_.data();
    next_ = first_ + used;
    end_ = first_ + text_.size();
  }

  std::string& text_;
  char* first_;
  char* next_;
  char* end_;
};

// A %g conversion of `value`, the calculators' five digits made `digits`, and their columns
// widened with them; inlined into the writing of every text, which it is most of.
[[gnu::always_inline]] inline void AppendNumber(TextWriter& out, Conversion c, double value,
                                                int digits) {
  if (c.precision == ResultDigits::kStandard && digits != ResultDigits::kStandard) {
    if (c.width > 0)
      c.width += digits - ResultDigits::kStandard;
    c.precision = digits;
  }
  const int precision = c.precision < 0 ? 6 : c.precision;
  if (precision > ResultDigits::kMost) {
    const auto room = static_cast<size_t>(precision) + 8;
    std::string number(room, '\0');
    const char* end = WriteGeneralNumber(number.data(), number.data() + room, value, precision);
    out.AppendPadded(number.data(), static_cast<size_t>(end - number.data()), c);
    return;
  }
  char field[TextWriter::kBlock] = {};
  const char* end = WriteGeneralNumber(field, std::end(field), value, precision);
  out.AppendField(field, static_cast<size_t>(end - field), c);
}

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

void AssignNumberText(std::string& text, const NumberFormat& format,
                      std::span<const double> numbers) {
  const std::span<const NumberFormat::Field> fields = format.fields();
  if (numbers.size() != fields.size()) {
    std::fprintf(stderr, "result text: %zu numbers for the %zu fields of \"%s\"\n", numbers.size(),
                 fields.size(), format.text());
    std::abort();
  }
  const int digits = result_digits;
  TextWriter out(text);
  for (size_t i = 0; i < fields.size(); ++i) {
    const NumberFormat::Field& field = fields[i];
    out.Append(format.text() + field.literal_begin, static_cast<size_t>(field.literal_length));
    AppendNumber(out, field.conversion, numbers[i], digits);
  }
  out.Append(format.text() + format.tail_begin(), static_cast<size_t>(format.tail_length()));
  out.Finish();
}

namespace {

void WriteResultText(std::string& text, const char* format, va_list args) {
  const int digits = result_digits;
  TextWriter out(text);
  const char* p = format;
  while (const char* percent = std::strchr(p, '%')) {
    out.Append(p, static_cast<size_t>(percent - p));
    p = percent + 1;
    if (*p == '%') {
      out.Append("%", 1);
      ++p;
      continue;
    }
    const Conversion c = ReadConversion(p);
    char field[TextWriter::kBlock] = {};
    switch (c.letter) {
      case 'g':
        AppendNumber(out, c, va_arg(args, double), digits);
        break;
      case 'd': {
        if (c.precision >= 0)
          Unsupported(format);
        const char* end = std::to_chars(field, std::end(field), va_arg(args, int)).ptr;
        out.AppendField(field, static_cast<size_t>(end - field), c);
        break;
      }
      case 'c':
        field[0] = static_cast<char>(va_arg(args, int));
        out.AppendField(field, 1, c);
        break;
      case 's': {
        const char* text = va_arg(args, const char*);
        out.AppendPadded(
            text,
            c.precision >= 0 ? strnlen(text, static_cast<size_t>(c.precision)) : std::strlen(text),
            c);
        break;
      }
      default:
        Unsupported(format);
    }
  }
  out.Append(p, std::strlen(p));
  out.Finish();
}

}  // namespace

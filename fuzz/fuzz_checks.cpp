#include "fuzz/fuzz_checks.h"

#include <cstdio>
#include <cstdlib>

void FuzzFailure(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "fuzz check failed: %.*s\n%.*s\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(detail.size()), detail.data());
  std::abort();
}

std::vector<std::string_view> InputTexts(std::string_view input, size_t count) {
  std::vector<std::string_view> texts;
  while (texts.size() + 1 < count) {
    const size_t end = input.find('\n');
    texts.push_back(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  texts.push_back(input);
  return texts;
}

std::string FiveDigits(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5g", value);
  return text;
}

// Read back in long double: a double just below the largest one prints as 1.7977e+308,
// which is beyond the range of doubles.
bool IsFiveDigitNumber(std::string_view token) {
  if (token.empty() || token.size() > 16)
    return false;
  const std::string copy(token);
  char* end = nullptr;
  const long double value = std::strtold(copy.c_str(), &end);
  char again[32];
  std::snprintf(again, sizeof again, "%.5Lg", value);
  return end == copy.c_str() + copy.size() && copy == again;
}

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Reads blanks, then a token that ends at a blank, a line end, a ')' or the end of the text.
std::string_view TokenAt(std::string_view text, size_t& at) {
  while (at < text.size() && IsBlank(text[at]))
    ++at;
  const size_t start = at;
  while (at < text.size() && !IsBlank(text[at]) && text[at] != '\r' && text[at] != '\n' &&
         text[at] != ')')
    ++at;
  return text.substr(start, at - start);
}

// Passes blanks, then `expected` if it is there.
bool Expect(std::string_view text, size_t& at, char expected) {
  while (at < text.size() && IsBlank(text[at]))
    ++at;
  if (at >= text.size() || text[at] != expected)
    return false;
  ++at;
  return true;
}

size_t CountOf(std::string_view text, std::string_view what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

}  // namespace

std::optional<std::vector<ShownRoot>> ReadRoots(std::string_view text, int count) {
  if (CountOf(text, " = ") != static_cast<size_t>(count))
    return std::nullopt;
  std::vector<ShownRoot> roots;
  size_t at = 0;
  for (int k = 1; k <= count; ++k) {
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "x" + std::to_string(k).
    const std::string label_tail = std::to_string(k) + " = ";
    const std::string lower = std::string(1, 'x').append(label_tail);
    const std::string upper = std::string(1, 'X').append(label_tail);
    const size_t label = std::min(text.find(lower, at), text.find(upper, at));
    if (label == std::string_view::npos)
      return std::nullopt;
    at = label + lower.size();
    ShownRoot root{TokenAt(text, at), "0"};
    if (!IsFiveDigitNumber(root.re))
      return std::nullopt;
    size_t sign = at;
    if (Expect(text, sign, '+') || (root.im_negated = Expect(text, sign, '-'))) {
      at = sign;
      if (!Expect(text, at, 'j') || !Expect(text, at, '('))
        return std::nullopt;
      root.im = TokenAt(text, at);
      if (!IsFiveDigitNumber(root.im) || !Expect(text, at, ')'))
        return std::nullopt;
    }
    roots.push_back(root);
  }
  return roots;
}

std::optional<std::vector<double>> ReadResultNumbers(std::string_view text) {
  std::vector<double> numbers;
  for (size_t at = 0; at < text.size(); ++at) {
    const bool plus = text[at] == '+' && at > 0 && text[at - 1] == ' ';
    if (text[at] != '=' && text[at] != '(' && !plus)
      continue;
    size_t start = at + 1;
    while (start < text.size() && IsBlank(text[start]))
      ++start;
    if (start == text.size() ||
        std::string_view("0123456789-.in").find(text[start]) == std::string_view::npos)
      continue;
    size_t end = start;
    const std::string_view token = TokenAt(text, end);
    if (!IsFiveDigitNumber(token))
      return std::nullopt;
    numbers.push_back(std::strtod(std::string(token).c_str(), nullptr));
  }
  return numbers;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    size_t length = 1;
    unsigned int code = lead;
    if (lead >= 0xF0 && lead <= 0xF4)
      length = 4, code = lead & 0x07;
    else if (lead >= 0xE0)
      length = lead <= 0xEF ? 3 : 0, code = lead & 0x0F;
    else if (lead >= 0xC2)
      length = 2, code = lead & 0x1F;
    else if (lead >= 0x80)
      return false;
    if (length == 0 || at + length > text.size())
      return false;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[at + k]);
      if ((next & 0xC0) != 0x80)
        return false;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond U+10FFFF are not UTF-8.
    if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
        (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
      return false;
    at += length;
  }
  return true;
}

namespace {

// A recursive-descent reader of JSON that only says whether the text is well formed.
class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  bool WholeValue() {
    depth_ = 0;
    if (!Value())
      return false;
    Blanks();
    return at_ == text_.size();
  }

 private:
  void Blanks() {
    while (at_ < text_.size() &&
           std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos)
      ++at_;
  }

  bool Take(char c) {
    Blanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  bool Value() {
    if (++depth_ > 64)
      return false;
    Blanks();
    if (at_ >= text_.size())
      return false;
    bool ok = false;
    switch (text_[at_]) {
      case '{':
        ok = Members('}', true);
        break;
      case '[':
        ok = Members(']', false);
        break;
      case '"':
        ok = String();
        break;
      default:
        ok = Literal();
    }
    --depth_;
    return ok;
  }

  bool Members(char close, bool named) {
    ++at_;
    if (Take(close))
      return true;
    do {
      if (named && (!(Blanks(), String()) || !Take(':')))
        return false;
      if (!Value())
        return false;
    } while (Take(','));
    return Take(close);
  }

  bool String() {
    if (at_ >= text_.size() || text_[at_] != '"')
      return false;
    for (++at_; at_ < text_.size(); ++at_) {
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c < 0x20)
        return false;
      if (c == '\\') {
        if (++at_ >= text_.size())
          return false;
        const char escaped = text_[at_];
        if (escaped == 'u') {
          for (int k = 0; k < 4; ++k)
            if (++at_ >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[at_])))
              return false;
        } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
          return false;
        }
      }
    }
    return false;
  }

  // Numbers, true, false and null: the characters they may hold, then a check of the word.
  bool Literal() {
    const size_t start = at_;
    while (at_ < text_.size() &&
           std::string_view("0123456789+-.eEtruefalsn").find(text_[at_]) != std::string_view::npos)
      ++at_;
    const std::string_view word = text_.substr(start, at_ - start);
    if (word == "true" || word == "false" || word == "null")
      return true;
    if (word.empty() || word.find_first_not_of("0123456789+-.eE") != std::string_view::npos)
      return false;
    const std::string copy(word);
    char* end = nullptr;
    std::strtod(copy.c_str(), &end);
    return end == copy.c_str() + copy.size() && copy[0] != '+' && copy[0] != '.';
  }

  std::string_view text_;
  size_t at_ = 0;
  int depth_ = 0;
};

}  // namespace

bool IsJsonValue(std::string_view line) {
  return JsonReader(line).WholeValue();
}

#include "common/box_number.h"

#include <cmath>
#include <numbers>

#include "common/field_number.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

struct Constant {
  std::string_view name;
  double value;
};

constexpr Constant kConstants[] = {{"pi", std::numbers::pi}, {"e", std::numbers::e}};

struct Function {
  std::string_view name;
  double (*apply)(double);
};

const Function kFunctions[] = {
    {"sqrt", [](double x) { return std::sqrt(x); }},
    {"cbrt", [](double x) { return std::cbrt(x); }},
    {"exp", [](double x) { return std::exp(x); }},
    {"ln", [](double x) { return std::log(x); }},
    {"log10", [](double x) { return std::log10(x); }},
    {"sin", [](double x) { return std::sin(x); }},
    {"cos", [](double x) { return std::cos(x); }},
    {"tan", [](double x) { return std::tan(x); }},
    {"asin", [](double x) { return std::asin(x); }},
    {"acos", [](double x) { return std::acos(x); }},
    {"atan", [](double x) { return std::atan(x); }},
    {"abs", [](double x) { return std::fabs(x); }},
};

// Whether every ')' closes an earlier '(' and every '(' is closed.
bool ParenthesesBalance(std::string_view text) {
  long open = 0;
  for (const char c : text) {
    open += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (open < 0)
      return false;
  }
  return open == 0;
}

// A recursive-descent reading of arithmetic, one grammar rule a member:
//   sum     = product { ("+" | "-") product }
//   product = signed { ("*" | "/") signed }
//   signed  = { "+" | "-" } power
//   power   = primary [ "^" signed ]
//   primary = number | constant | function "(" sum ")" | "(" sum ")"
// At the first fault the reading jumps to the end of the text, so that every rule finishes at
// once and the fault found first is the one reported.
class ArithmeticReader {
 public:
  explicit ArithmeticReader(std::string_view text)
      : text_(text), p_(text.data()), end_(text.data() + text.size()) {}

  BoxNumber Read() {
    const double value = Sum();
    SkipBlanks();
    if (p_ != end_)
      Fail(Fault::Syntax);
    switch (fault_) {
      case Fault::None:
        break;
      case Fault::Syntax:
        return {SyntaxFault(), 0.0};
      case Fault::Depth:
        return {BoxText::NestedTooDeep, 0.0};
    }
    if (tooLarge_)
      return {BoxText::TooLarge, 0.0};
    if (notFinite_)
      return {BoxText::NotFinite, 0.0};
    return {BoxText::Expression, value};
  }

 private:
  enum class Fault { None, Syntax, Depth };

  double Sum() {
    double value = Product();
    while (true) {
      if (Take('+'))
        value = Checked(value + Product());
      else if (Take('-'))
        value = Checked(value - Product());
      else
        return value;
    }
  }

  double Product() {
    double value = Signed();
    while (true) {
      if (Take('*'))
        value = Checked(value * Signed());
      else if (Take('/'))
        value = Checked(value / Signed());
      else
        return value;
    }
  }

  // Signs repeat without recursion, so that a long run of them cannot exhaust the stack.
  double Signed() {
    bool negative = false;
    while (true) {
      if (Take('-'))
        negative = !negative;
      else if (!Take('+'))
        break;
    }
    const double value = Power();
    return negative ? -value : value;
  }

  double Power() {
    const double base = Primary();
    if (!Take('^'))
      return base;
    if (!Enter())
      return 0.0;
    const double exponent = Signed();
    --depth_;
    return Checked(std::pow(base, exponent));
  }

  double Primary() {
    SkipBlanks();
    if (p_ == end_)
      return Fail(Fault::Syntax);
    if (IsLetter(*p_))
      return Named();
    if (Take('('))
      return Parenthesised();
    double value = 0.0;
    const char* const after = ReadUnsignedDecimal(p_, end_, value);
    if (after == p_)
      return Fail(Fault::Syntax);
    p_ = after;
    tooLarge_ = tooLarge_ || std::isinf(value);
    return value;
  }

  double Named() {
    const char* const start = p_;
    while (p_ != end_ && (IsLetter(*p_) || IsDigit(*p_)))
      ++p_;
    const std::string_view name(start, p_ - start);
    for (const Constant& constant : kConstants)
      if (name == constant.name)
        return constant.value;
    for (const Function& function : kFunctions) {
      if (name == function.name) {
        if (!Take('('))
          return Fail(Fault::Syntax);
        return Checked(function.apply(Parenthesised()));
      }
    }
    p_ = start;
    return Fail(Fault::Syntax);
  }

  // What follows a '(' that was just taken: the sum and its ')'.
  double Parenthesised() {
    if (!Enter())
      return 0.0;
    const double value = Sum();
    --depth_;
    if (!Take(')'))
      return Fail(Fault::Syntax);
    return value;
  }

  bool Enter() {
    if (++depth_ <= kMaxNesting)
      return true;
    Fail(Fault::Depth);
    return false;
  }

  void SkipBlanks() {
    while (p_ != end_ && IsBlank(*p_))
      ++p_;
  }

  // Takes `c` when it comes next after blanks.
  bool Take(char c) {
    SkipBlanks();
    if (p_ == end_ || *p_ != c)
      return false;
    ++p_;
    return true;
  }

  // Values are checked as they are made, so that 1/(1/0) is refused as well as 1/0.
  double Checked(double value) {
    notFinite_ = notFinite_ || !std::isfinite(value);
    return value;
  }

  double Fail(Fault fault) {
    if (fault_ == Fault::None) {
      fault_ = fault;
      faultAt_ = p_;
    }
    p_ = end_;
    return 0.0;
  }

  BoxText SyntaxFault() const {
    const bool commaBetweenDigits = faultAt_ != end_ && *faultAt_ == ',' &&
                                    faultAt_ != text_.data() && IsDigit(faultAt_[-1]) &&
                                    faultAt_ + 1 != end_ && IsDigit(faultAt_[1]);
    if (commaBetweenDigits)
      return BoxText::DecimalComma;
    if (!ParenthesesBalance(text_))
      return BoxText::UnbalancedParentheses;
    return BoxText::NotANumber;
  }

  std::string_view text_;
  const char* p_;
  const char* end_;
  int depth_ = 0;
  Fault fault_ = Fault::None;
  const char* faultAt_ = nullptr;
  bool tooLarge_ = false;
  bool notFinite_ = false;
};

}  // namespace

BoxNumber ReadBoxNumber(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && IsBlank(*p))
    ++p;
  if (p == end)
    return {BoxText::Blank, 0.0};
  // A plain number, what nearly every box holds, is found and converted in one pass.
  const char* digits = p;
  const bool negative = *digits == '-';
  if (negative || *digits == '+')
    ++digits;
  double value = 0.0;
  const char* after = ReadUnsignedDecimal(digits, end, value);
  if (after != digits) {
    while (after != end && IsBlank(*after))
      ++after;
    if (after == end) {
      if (std::isinf(value))
        return {BoxText::TooLarge, 0.0};
      return {BoxText::Number, negative ? -value : value};
    }
  }
  return ArithmeticReader(text).Read();
}

std::string_view RefusalReason(BoxText refused) {
  switch (refused) {
    case BoxText::DecimalComma:
      return "is not a number: use a point (.) for the decimal separator";
    case BoxText::TooLarge:
      return "is too large for a double";
    case BoxText::NotFinite:
      return "is not a finite number";
    case BoxText::UnbalancedParentheses:
      return "has unbalanced parentheses";
    case BoxText::NestedTooDeep:
      static_assert(kMaxNesting == 100, "the reason names the limit");
      return "nests deeper than 100 levels";
    case BoxText::Blank:
    case BoxText::Number:
    case BoxText::Expression:
    case BoxText::NotANumber:
      break;
  }
  return "is not a number";
}

std::string RefusedBoxMessage(std::string_view boxName, std::string_view text, BoxText refused) {
  std::string quoted(text);
  if (quoted.size() > kQuotedTextLimit) {
    // Cut before a character, never inside one: continuation bytes are 10xxxxxx.
    size_t cut = kQuotedTextLimit;
    while (cut > 0 && (static_cast<unsigned char>(quoted[cut]) & 0xC0) == 0x80)
      --cut;
    quoted.resize(cut);
    quoted += "...";
  }
  return std::string(boxName) + ": \"" + quoted + "\" " + std::string(RefusalReason(refused)) + ".";
}

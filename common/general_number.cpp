#include "common/general_number.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>

// Most numbers a calculator shows have a magnitude from 1e-20 to 1e5 and five digits. For
// them the digits come from one multiplication by an exact power of ten, where its rounding
// error cannot reach a half-way point, or else from exact integer arithmetic: the double
// m * 2^e times 10^q is m * 5^q * 2^(e + q), which 128 bits hold, and one shift gives its whole
// part and the rest that decides the rounding. Other numbers go to std::to_chars, which does
// the same in general but takes four times as long.

namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr int kMostDigits = 17;
constexpr int kMostScale = 27;  // 5^27 is the largest power of five below 2^64

template <uint64_t base, int count>
constexpr std::array<uint64_t, count> Powers() {
  std::array<uint64_t, count> powers{};
  uint64_t power = 1;
  for (uint64_t& p : powers) {
    p = power;
    power *= base;
  }
  return powers;
}

constexpr auto kPowersOfFive = Powers<5, kMostScale + 1>();
constexpr auto kPowersOfTen = Powers<10, kMostDigits + 2>();

// The powers of ten that a double holds exactly.
constexpr int kMostExactPower = 22;
constexpr std::array<double, kMostExactPower + 1> kExactPowersOfTen = [] {
  std::array<double, kMostExactPower + 1> powers{};
  double power = 1;
  for (double& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// x times 10^q, rounded once, for |q| <= kMostExactPower.
double TimesPowerOfTen(double x, int q) {
  return q >= 0 ? x * kExactPowersOfTen[static_cast<std::size_t>(q)]
                : x / kExactPowersOfTen[static_cast<std::size_t>(-q)];
}

// The integer nearest to y, for 0 <= y < 2^53, half-way points rounded up. The difference
// from the whole part is exact: both are multiples of y's unit in the last place, at most 1.
int64_t NearestInteger(double y) {
  const auto whole = static_cast<int64_t>(y);
  return y - static_cast<double>(whole) < 0.5 ? whole : whole + 1;
}

// x * 10^q rounded to a whole number, where one rounded multiplication (or division) by an
// exact power of ten proves it: the exact product lies strictly between the neighbours of the
// rounded one, and where both have the same nearest integer, that is the exact product's,
// however its ties go. False where a half-way point is within that reach, or the product is
// below 1 or beyond 2^53.
bool QuicklyScaledAndRounded(double x, int q, uint64_t& rounded) {
  if (q < -kMostExactPower || q > kMostExactPower)
    return false;
  const double y = TimesPowerOfTen(x, q);
  if (!(y >= 1 && y < 0x1p53))
    return false;
  const auto bits = std::bit_cast<uint64_t>(y);
  const int64_t k = NearestInteger(std::bit_cast<double>(bits - 1));
  if (k != NearestInteger(std::bit_cast<double>(bits + 1)))
    return false;
  rounded = static_cast<uint64_t>(k);
  return true;
}

// m * 2^e * 10^q rounded to a whole number, ties to even, into `rounded`; false where q is
// beyond the table or the number beyond 64 bits.
bool ScaledAndRounded(uint64_t m, int e, int q, uint64_t& rounded) {
  if (q < 0 || q > kMostScale)
    return false;
  const Wide product = static_cast<Wide>(m) * kPowersOfFive[static_cast<std::size_t>(q)];
  const int shift = e + q;
  Wide whole;
  if (shift >= 0) {
    if (shift >= 64 || (product >> (64 - shift)) != 0)
      return false;
    whole = product << shift;
  } else {
    const int right = -shift;
    if (right >= 128)
      return false;
    whole = product >> right;
    const Wide rest = product - (whole << right);
    const Wide half = static_cast<Wide>(1) << (right - 1);
    if (rest > half || (rest == half && (whole & 1) != 0))
      ++whole;
  }
  if ((whole >> 64) != 0)
    return false;
  rounded = static_cast<uint64_t>(whole);
  return true;
}

// "00" to "99": the digits of every number below 100, two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The last `count` decimal digits of `digits`, leading zeros included, written backwards so
// that they end just before `end`; returns the digits before them, digits / 10^count.
uint64_t WriteLastDigits(char* end, uint64_t digits, int count) {
  for (; count >= 2; count -= 2) {
    end -= 2;
    std::memcpy(end, &kDigitPairs[2 * (digits % 100)], 2);
    digits /= 100;
  }
  if (count == 1) {
    end[-1] = static_cast<char>('0' + digits % 10);
    digits /= 10;
  }
  return digits;
}

// The last `count` digits of `digits` from `out` on; returns the end.
char* WriteDigits(char* out, uint64_t digits, int count) {
  WriteLastDigits(out + count, digits, count);
  return out + count;
}

// RoundToDigits, inlined into the writing of each number, which it is most of.
[[gnu::always_inline]] inline bool Rounded(double value, int precision, RoundedDecimal& rounded) {
  const auto bits = std::bit_cast<uint64_t>(value);
  const int biased = static_cast<int>(bits >> 52 & 0x7ff);
  // Zeros, subnormals, infinities and not-a-numbers, and more digits than a double has.
  if (precision > kMostDigits || biased == 0 || biased == 0x7ff)
    return false;
  const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int e = biased - 1075;  // |value| = m * 2^e, with 2^52 <= m < 2^53
  // floor(log10 |value|), or one less: 78913 / 2^18 is just below log10(2).
  int exponent = ((e + 52) * 78913) >> 18;
  const uint64_t limit = kPowersOfTen[static_cast<std::size_t>(precision)];
  // |value| * 10^q rounded to a whole number, in floating point where that proves it.
  const double magnitude = std::fabs(value);
  const auto scaled = [&](int q, uint64_t& digits) {
    return QuicklyScaledAndRounded(magnitude, q, digits) || ScaledAndRounded(m, e, q, digits);
  };
  uint64_t digits;
  if (!scaled(precision - 1 - exponent, digits))
    return false;
  if (digits > limit) {
    ++exponent;
    if (!scaled(precision - 1 - exponent, digits) || digits > limit)
      return false;
  }
  if (digits < limit / 10)  // never, while the estimate of the exponent holds
    return false;
  if (digits == limit) {  // rounded up into the next power of ten
    digits /= 10;
    ++exponent;
  }
  rounded = {digits, exponent, (bits >> 63) != 0};
  return true;
}

}  // namespace

bool SurelyPrintAlike(double low, double high, int precision) {
  if (precision == 0)
    precision = 1;
  if (precision < 1 || precision > kMostDigits)
    return false;
  // The magnitudes of the ends, the smaller first; the sign is theirs alike.
  double small = low, large = high;
  if (high < 0) {
    small = -high;
    large = -low;
  } else if (!(low > 0)) {
    return false;
  }
  if (!(small <= large) || !(large < HUGE_VAL))
    return false;
  const int biased = static_cast<int>(std::bit_cast<uint64_t>(small) >> 52);
  if (biased == 0)
    return false;
  // floor(log10 small), or one less, as in Rounded; the scaling below tells which.
  const int exponent = ((biased - 1075 + 52) * 78913) >> 18;
  int q = precision - 1 - exponent;
  if (q < -kMostExactPower || q > kMostExactPower)
    return false;
  double a = TimesPowerOfTen(small, q);
  const double top = kExactPowersOfTen[static_cast<std::size_t>(precision)];
  if (a >= top) {
    if (--q < -kMostExactPower)
      return false;
    a = TimesPowerOfTen(small, q);
  }
  // Each product (or quotient) is the double nearest to the exact one, which therefore lies
  // strictly between the neighbours of the rounded one: these bound the whole interval scaled.
  a = std::bit_cast<double>(std::bit_cast<uint64_t>(a) - 1);
  const double b = std::bit_cast<double>(std::bit_cast<uint64_t>(TimesPowerOfTen(large, q)) + 1);
  // Where both bounds have the nearest integer k, k - 1/2 <= a < b < k + 1/2, so that every
  // scaled number lies strictly within half a unit of k: no tie, which the rounding settles to
  // even, and the same rounded k. With a at least 10^(precision - 1) and k below 10^precision,
  // k has precision digits, and all of them round to k * 10^-q, the same digits and exponent,
  // and print alike.
  if (!(b < 0x1p53))
    return false;
  const double least = kExactPowersOfTen[static_cast<std::size_t>(precision - 1)];
  int64_t k;
  if (a >= least) {
    k = NearestInteger(a);
  } else {
    // The interval may begin below the power of ten 10^(precision - 1) * 10^-q, as a disc
    // about a root of 1 does. Its numbers there have one digit fewer before the point, so
    // their digits come at the next scale, and they print as that power where they all round
    // up to 10^precision there (always, while the estimate of the exponent holds); those
    // above it are k = 10^(precision - 1).
    if (q + 1 > kMostExactPower)
      return false;
    const double next =
        std::bit_cast<double>(std::bit_cast<uint64_t>(TimesPowerOfTen(small, q + 1)) - 1);
    if (!(next < 0x1p53) || NearestInteger(next) != static_cast<int64_t>(top))
      return false;
    k = static_cast<int64_t>(least);
  }
  if (static_cast<double>(k) == top) {
    // The interval begins where its numbers round up into the power of ten 10^precision *
    // 10^-q, and may go on past it: those there have one digit more before the point, and
    // print as that power where they round to 10^(precision - 1) at the scale before.
    if (q - 1 < -kMostExactPower)
      return false;
    const double before =
        std::bit_cast<double>(std::bit_cast<uint64_t>(TimesPowerOfTen(large, q - 1)) + 1);
    return before < 0x1p53 && NearestInteger(before) == static_cast<int64_t>(least);
  }
  return k == NearestInteger(b) && static_cast<double>(k) < top;
}

bool RoundToDigits(double value, int precision, RoundedDecimal& rounded) {
  return Rounded(value, precision == 0 ? 1 : precision, rounded);
}

namespace {

// PrintAlike where the cheap test cannot tell, kept out of line so that its room for the texts
// costs nothing where it can.
[[gnu::noinline]] bool PrintAlikeExactly(double low, double high, int precision) {
  RoundedDecimal low_decimal, high_decimal;
  if (RoundToDigits(low, precision, low_decimal) && RoundToDigits(high, precision, high_decimal))
    return low_decimal == high_decimal;
  char low_text[kMostDigits + 16], high_text[kMostDigits + 16];
  const char* low_end = WriteGeneralNumber(low_text, std::end(low_text), low, precision);
  const char* high_end = WriteGeneralNumber(high_text, std::end(high_text), high, precision);
  return std::string_view(low_text, low_end) == std::string_view(high_text, high_end);
}

}  // namespace

bool PrintAlike(double low, double high, int precision) {
  return SurelyPrintAlike(low, high, precision) || PrintAlikeExactly(low, high, precision);
}

char* WriteGeneralNumber(char* first, char* last, double value, int precision) {
  if (precision == 0)
    precision = 1;
  // Zeros, which the roots' cleaned-up parts often are, are "0" and "-0" at any precision.
  if (value == 0) {
    if (std::signbit(value))
      *first++ = '-';
    *first++ = '0';
    return first;
  }
  RoundedDecimal rounded;
  if (!Rounded(value, precision, rounded))
    return std::to_chars(first, last, value, std::chars_format::general, precision).ptr;
  uint64_t digits = rounded.digits;
  const int exponent = rounded.exponent;
  int significant = precision;
  while (significant > 1 && digits % 10 == 0) {
    digits /= 10;
    --significant;
  }

  char* out = first;
  if (rounded.negative)
    *out++ = '-';
  if (exponent < -4 || exponent >= precision) {
    // The digits one place on, the first then moved in front of the point.
    char* const lead = out;
    out = WriteDigits(lead + 1, digits, significant);
    lead[0] = lead[1];
    if (significant > 1)
      lead[1] = '.';
    else
      --out;
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    auto magnitude = static_cast<uint64_t>(exponent < 0 ? -exponent : exponent);
    if (magnitude >= 100) {
      *out++ = static_cast<char>('0' + magnitude / 100);
      magnitude %= 100;
    }
    return WriteDigits(out, magnitude, 2);
  }
  if (exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int i = -1; i > exponent; --i)
      *out++ = '0';
    return WriteDigits(out, digits, significant);
  }
  // The whole part takes exponent + 1 digits, with zeros where the digits dropped are.
  const int fraction = significant - exponent - 1;
  if (fraction <= 0) {
    out = WriteDigits(out, digits, significant);
    for (int i = fraction; i < 0; ++i)
      *out++ = '0';
    return out;
  }
  // The digits after the point first, which leaves those before it (without dividing by a
  // power of ten that is not known beforehand, which takes much longer).
  char* const point = out + exponent + 1;
  char* const end = point + 1 + fraction;
  WriteLastDigits(point, WriteLastDigits(end, digits, fraction), exponent + 1);
  *point = '.';
  return end;
}

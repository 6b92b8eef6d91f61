#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets check, shared by all of them. A failed check prints what it found
// and aborts, which libFuzzer and the corpus replay both report as a failure.

[[noreturn]] void FuzzFailure(std::string_view what, std::string_view detail);

inline void FuzzCheck(bool holds, std::string_view what, std::string_view detail) {
  if (!holds)
    FuzzFailure(what, detail);
}

// The input cut at each '\n' into exactly `count` texts; missing texts are empty, and the
// last text takes the rest.
std::vector<std::string_view> InputTexts(std::string_view input, size_t count);

// Whether `token` is a number as printf's %.5g writes one: it reads back to a double that
// %.5g writes as the same text. The platform's "inf", "-inf", "nan" and "-nan" count.
bool IsFiveDigitNumber(std::string_view token);

// %.5g of `value`, as the texts show it.
std::string FiveDigits(double value);

// A root as a roots text shows it: the texts of its parts. A real root shows no imaginary
// part ("0" here); the quadratic's "-  j (" form shows the negated imaginary part.
struct ShownRoot {
  std::string_view re;
  std::string_view im;
  bool im_negated = false;
};

// The roots a roots text shows, read from the labels "x1 = " or "X1 = " up to the given
// count; nothing when the text does not hold exactly that many well-formed roots.
std::optional<std::vector<ShownRoot>> ReadRoots(std::string_view text, int count);

// The numbers a complex or vector result text shows, each the field after an '=', a "j ("
// or an "i +" / "j +": nothing when one of them is not a well-formed number.
std::optional<std::vector<double>> ReadResultNumbers(std::string_view text);

// Whether `text` is valid UTF-8.
bool IsValidUtf8(std::string_view text);

// Whether `line` is one JSON value and nothing else.
bool IsJsonValue(std::string_view line);

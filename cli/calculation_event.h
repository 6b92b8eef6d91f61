#pragma once

#include <string>
#include <vector>

#include "common/result_text.h"
#include "poly/poly_effects.h"

// One thing a calculation shows, in the order the program would show it.
struct CalculationEvent {
  enum class Kind {
    Message,    // a message box with `text`
    Roots,      // the Roots box set to `text`
    Result,     // a complex or vector result text, which the program shows in a message box
    WriteBack,  // the coefficient box `box` set to `text`
  };
  Kind kind;
  std::string text;
  CoefficientBox box = CoefficientBox::Constant;  // only for WriteBack
  std::vector<RootValue> root_values = {};        // only for Roots: the roots it shows, if given
  std::vector<ShownNumber> numbers = {};          // only for Result: the numbers it shows

  bool operator==(const CalculationEvent&) const = default;
};

using CalculationEvents = std::vector<CalculationEvent>;

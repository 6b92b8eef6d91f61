#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/field_number.h"
#include "fuzz/fuzz_checks.h"
#include "poly/poly_effects.h"
#include "poly/polynomial.h"

// Every effect a polynomial solver returns is well formed: each roots text shows exactly
// `degree` roots, every part a number, infinity or NaN at five digits; where the effect
// carries the roots it shows, each one prints as its text does.
inline void CheckPolyEffects(const PolyEffects& effects, int degree, const std::string& input) {
  for (const PolyEffect& effect : effects) {
    switch (effect.kind) {
      case PolyEffect::Kind::Message:
        FuzzCheck(!effect.text.empty(), "empty message", input);
        break;
      case PolyEffect::Kind::WriteBack:
        FuzzCheck(effect.text == "0.", "write-back other than \"0.\"", input);
        break;
      case PolyEffect::Kind::ShowRoots: {
        const auto roots = ReadRoots(effect.text, degree);
        FuzzCheck(roots.has_value(), "roots text does not read back",
                  input + "\n---\n" + effect.text);
        if (effect.values.empty())
          break;
        FuzzCheck(effect.values.size() == roots->size(), "values and roots differ in number",
                  input + "\n---\n" + effect.text);
        for (size_t k = 0; k < roots->size(); ++k) {
          const RootValue& value = effect.values[k];
          const ShownRoot& root = (*roots)[k];
          const double im = root.im_negated ? -value.im : value.im;
          FuzzCheck(FiveDigits(value.re) == root.re && FiveDigits(im) == root.im,
                    "a root value prints other than its text",
                    input + "\n---\n" + effect.text + "\n---\nroot " + std::to_string(k + 1) +
                        ": " + FiveDigits(value.re) + ", " + FiveDigits(im));
          FuzzCheck(!(value.radius < 0), "negative radius", input);
        }
        break;
      }
    }
  }
}

// The solver of `degree` on the coefficient texts of `input`, one a line from the highest power
// down, each read as the original reads a box; asked for the texts alone, it shows the same
// texts.
inline void CheckSolverOnTexts(const std::string& input, int degree) {
  std::vector<double> coefficients;
  for (const std::string_view text : InputTexts(input, static_cast<size_t>(degree) + 1))
    coefficients.push_back(FieldNumber(text));
  const PolyEffects full = CalculatePolynomial(coefficients);
  CheckPolyEffects(full, degree, input);
  PolyEffects texts_only;
  CalculatePolynomial(coefficients, texts_only, RootsWanted::TextsOnly);
  FuzzCheck(texts_only.size() == full.size(), "texts alone take other effects", input);
  for (size_t k = 0; k < full.size() && k < texts_only.size(); ++k)
    FuzzCheck(texts_only[k].kind == full[k].kind && texts_only[k].text == full[k].text,
              "texts alone differ from the texts with the roots",
              input + "\n---\n" + full[k].text + "\n---\n" + texts_only[k].text);
}

#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/field_number.h"
#include "poly/cubic.h"
#include "poly/poly_effects.h"
#include "poly/polynomial.h"
#include "poly/quadratic.h"
#include "poly/quartic.h"

// The polynomial solvers' effects, written down as the user reads them. Numbers are the exact
// texts printf gives; these helpers only right-align them and put the fixed words around them.

// The coefficient boxes from a list such as "1 _ -4", "_" standing for an empty box.
inline std::vector<std::string> Boxes(const std::string& list) {
  std::istringstream words(list);
  std::vector<std::string> boxes;
  for (std::string word; words >> word;)
    boxes.push_back(word == "_" ? "" : word);
  return boxes;
}

// The numbers that those boxes hold, each read as the original reads a box.
inline std::vector<double> Coefficients(const std::string& list) {
  std::vector<double> coefficients;
  for (const std::string& box : Boxes(list))
    coefficients.push_back(FieldNumber(box));
  return coefficients;
}

// What the solver of their degree shows for the boxes of `list`.
inline PolyEffects Solved(const std::string& list) {
  return CalculatePolynomial(Coefficients(list));
}

inline std::string RightAligned(const std::string& number, size_t width) {
  return std::string(width > number.size() ? width - number.size() : 0, ' ') + number;
}

inline std::string RealQuadratic(const char* x1, const char* x2) {
  return " Two Real Roots: \r\n\r\n x1 = " + RightAligned(x1, 12) +
         " \r\n x2 = " + RightAligned(x2, 12);
}

inline std::string ComplexQuadratic(const char* re, const char* im) {
  return " Two Complex Roots: \r\n\r\n x1 = " + RightAligned(re, 12) + " + j (" +
         RightAligned(im, 12) + ") \r\n\r\n x2 = " + RightAligned(re, 12) + " -  j (" +
         RightAligned(im, 12) + ") ";
}

// "Complex Roots" and a " \r\n\r\n Xk = re + j ( im)" for each root of a list such as
// "2 0; -1 1.7321", real and imaginary part of each root in turn.
inline std::string RootLines(const std::string& list) {
  std::istringstream parts(list);
  std::string text = "Complex Roots", re, im;
  for (int k = 1; parts >> re >> im; ++k) {
    if (!im.empty() && im.back() == ';')
      im.pop_back();
    text += " \r\n\r\n X" + std::to_string(k) + " = " + RightAligned(re, 11) + " + j ( " +
            RightAligned(im, 11) + ")";
  }
  return text;
}

// The cubic's text ends in a blank; the degenerate quartics' starts with one.
inline std::string CubicRoots(const std::string& list) {
  return RootLines(list) + " ";
}
inline std::string QuarticRoots(const std::string& list) {
  return RootLines(list);
}
inline std::string DegenerateQuarticRoots(const std::string& list) {
  // Built by appending: GCC 12 warns falsely (-Wrestrict) on " " + string at -O3.
  return std::string(" ").append(RootLines(list));
}

inline PolyEffect Shown(const std::string& text) {
  return {PolyEffect::Kind::ShowRoots, text};
}
inline PolyEffect Message(const char* text) {
  return {PolyEffect::Kind::Message, text};
}
inline PolyEffect ZeroWrittenInto(CoefficientBox box) {
  return {PolyEffect::Kind::WriteBack, "0.", box};
}

// The effects with the roots' values left out, for comparing kinds, texts and boxes with
// what the user reads; the values are checked on their own.
inline PolyEffects WithoutValues(PolyEffects effects) {
  for (PolyEffect& effect : effects)
    effect.values.clear();
  return effects;
}

struct SolverCase {
  const char* boxes;
  PolyEffects effects;
};

// Runs each case after leaving roots in the work area, as an earlier calculation would,
// which none of them may show.
inline void ExpectEffects(const std::vector<SolverCase>& cases) {
  for (const SolverCase& c : cases) {
    CubicWork.x1 = CubicWork.x2 = CubicWork.x3 = {7.0, 7.0};
    EXPECT_EQ(WithoutValues(Solved(c.boxes)), c.effects) << c.boxes;
  }
}

// Failure reports show an effect's line breaks as \r and \n.
inline void PrintTo(const PolyEffect& effect, std::ostream* out) {
  switch (effect.kind) {
    case PolyEffect::Kind::Message:
      *out << "Message";
      break;
    case PolyEffect::Kind::ShowRoots:
      *out << "ShowRoots";
      break;
    case PolyEffect::Kind::WriteBack:
      *out << "WriteBack";
      break;
  }
  *out << " \"";
  for (char c : effect.text)
    *out << (c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c));
  *out << '"';
}

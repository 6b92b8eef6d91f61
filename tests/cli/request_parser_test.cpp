#include "cli/request_parser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The words of `line`, a text that outlives them, split at blanks.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  while (!line.empty()) {
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos)
      break;
    const size_t end = std::min(line.find(' ', start), line.size());
    words.push_back(line.substr(start, end - start));
    line.remove_prefix(end);
  }
  return words;
}

struct RequestCase {
  const char* line;
  CalculationRequest request;
};

const RequestCase kRequests[] = {
    {"roots 1 -3 2", RootsRequest{{1, -3, 2}}},
    {"roots 1 0 0 -1", RootsRequest{{1, 0, 0, -1}}},
    {"roots 1 x 1.5e2abc 0 4", RootsRequest{{1, 0, 150, 0, 4}}},
    {"complex inv 3 4", ComplexRequest{ComplexOperation::Reciprocal, {3, 4, 0, 0, 0, 0}}},
    {"complex 9 1 2 3 -4", ComplexRequest{ComplexOperation::Quotient, {1, 2, 3, -4, 0, 0}}},
    {"complex zxy 1 2 3 -4 5 6",
     ComplexRequest{ComplexOperation::SumWithQuotient, {1, 2, 3, -4, 5, 6}}},
    {"complex sqrt abc 1.5e2abc",
     ComplexRequest{ComplexOperation::SquareRoot, {0, 150, 0, 0, 0, 0}}},
    {"vector 3d cross 1 2 3 4 5 6",
     VectorRequest{1, VectorOperation::CrossProduct, {1, 2, 3, 4, 5, 6}}},
    {"vector 2d 6 3 4 4 -3", VectorRequest{0, VectorOperation::AngleBetween, {3, 4, 0, 4, -3, 0}}},
    {"vector 2D Magnitude 1 abc 2 3",
     VectorRequest{0, VectorOperation::Magnitude, {1, 0, 0, 2, 3, 0}}},
};

TEST(ParseCalculation, ReadsEachKindOfCalculation) {
  for (const auto& c : kRequests) {
    const ParsedCalculation parsed = ParseCalculation(Words(c.line), NumberReading::Lenient);
    ASSERT_TRUE(std::holds_alternative<CalculationRequest>(parsed))
        << c.line << ": " << std::get<UsageError>(parsed).problem;
    EXPECT_EQ(std::get<CalculationRequest>(parsed), c.request) << c.line;
  }
}

TEST(ParseCalculation, TakesAnOperationWithBlanksAsOneWord) {
  const std::vector<std::string_view> words = {"complex", "natural log (X)", "-1", "0"};
  EXPECT_EQ(ParseCalculation(words, NumberReading::Lenient),
            ParsedCalculation(ComplexRequest{ComplexOperation::NaturalLog, {-1, 0, 0, 0, 0, 0}}));
}

struct ProblemCase {
  const char* line;
  const char* problem;
};

const ProblemCase kProblems[] = {
    {"", "no calculation given"},
    {"cubic 1 2 3 4", "unknown calculation \"cubic\" (roots, complex or vector)"},
    {"roots 1 2", "roots takes 3, 4 or 5 coefficients, not 2"},
    {"roots 1 2 3 4 5 6", "roots takes 3, 4 or 5 coefficients, not 6"},
    {"complex", "complex needs an operation"},
    {"complex cube 1 2", "unknown complex operation \"cube\""},
    {"complex 11 1 2", "unknown complex operation \"11\""},
    {"complex inv 3",
     "complex takes 2, 4 or 6 numbers after the operation (XR XI [YR YI [ZR ZI]]), not 1"},
    {"complex inv 1 2 3 4 5 6 7",
     "complex takes 2, 4 or 6 numbers after the operation (XR XI [YR YI [ZR ZI]]), not 7"},
    {"vector", "vector needs a dimension, 2d or 3d"},
    {"vector 4d mag 1 2 3 4", "unknown dimension \"4d\" (2d or 3d)"},
    {"vector 3d", "vector needs an operation after the dimension"},
    {"vector 3d curl 1 2 3 4 5 6", "unknown vector operation \"curl\""},
    {"vector 3d mag 1 2 3 4", "3d vectors take 6 numbers (3 components of X, then of Y), not 4"},
    {"vector 2d mag 1 2 3 4 5 6",
     "2d vectors take 4 numbers (2 components of X, then of Y), not 6"},
};

TEST(ParseCalculation, NamesWhatIsWrongWithWordsThatAreNoCalculation) {
  for (const auto& c : kProblems)
    EXPECT_EQ(ParseCalculation(Words(c.line), NumberReading::Lenient),
              ParsedCalculation(UsageError{c.problem}))
        << c.line;
}

// The problem names the first word that is not a number, by its place in the calculation.
const ProblemCase kStrictProblems[] = {
    {"roots 1 0 0 0 two", "word 6, \"two\", is not a number"},
    {"roots 1e999 0 1", "word 2, \"1e999\", is too large for a double"},
    {"complex inv 2,5 0",
     "word 3, \"2,5\", is not a number: use a point (.) for the decimal separator"},
    {"roots 1 1/0 2", "word 3, \"1/0\", is not a finite number"},
    {"complex mag (1+2 0", "word 3, \"(1+2\", has unbalanced parentheses"},
    {"complex zxy 1 2 3 4 5 nan", "word 8, \"nan\", is not a number"},
    {"vector 3d mag 1 2 3 0x10 5 6", "word 7, \"0x10\", is not a number"},
    {"vector 2d dot 1 2 3 4e", "word 7, \"4e\", is not a number"},
    {"vector 2d dot inf 2 3 4", "word 4, \"inf\", is not a number"},
};

TEST(ParseCalculation, RefusesAWordThatIsNotWhollyANumber) {
  for (const auto& c : kStrictProblems) {
    EXPECT_EQ(ParseCalculation(Words(c.line), NumberReading::Strict),
              ParsedCalculation(UsageError{c.problem}))
        << c.line;
  }
}

TEST(ParseCalculation, StrictReadingGivesTheSolversTheValuesOfExpressions) {
  EXPECT_EQ(ParseCalculation(Words("roots 1 -1/3 2^-1 .50"), NumberReading::Strict),
            ParsedCalculation(RootsRequest{{1, -1.0 / 3, 0.5, 0.5}}));
  EXPECT_EQ(ParseCalculation(Words("complex mag sqrt(2) 2*pi"), NumberReading::Strict),
            ParsedCalculation(ComplexRequest{ComplexOperation::Magnitude,
                                             {std::sqrt(2.0), 2 * std::numbers::pi, 0, 0, 0, 0}}));
  EXPECT_EQ(
      ParseCalculation(Words("vector 2d dot 1/4 0 -0*1 1e-400"), NumberReading::Strict),
      ParsedCalculation(VectorRequest{0, VectorOperation::DotProduct, {0.25, 0, 0, -0.0, 0, 0}}));
}

TEST(ParseCalculation, StrictReadingGivesTheSameRequestsForNumbers) {
  for (const char* line : {"roots 1 -3 2", "complex 9 1 2 3 -4", "vector 3d cross 1 2 3 4 5 6",
                           "vector 2d 6 3 4 4 -3"}) {
    EXPECT_EQ(ParseCalculation(Words(line), NumberReading::Strict),
              ParseCalculation(Words(line), NumberReading::Lenient))
        << line;
  }
}

// A plain number reaches the solvers as the double that the original's reading of a box gives,
// bit for bit, in either reading: its sign of zero, its last digit beyond seventeen, a number
// that rounds to a subnormal or to zero.
TEST(ParseCalculation, GivesTheSolversTheDoublesThatTheOriginalReadsBitForBit) {
  const char* const numbers[] = {
      "-0",
      "+0.0",
      "1e-400",
      "-1e-400",
      "4.9406564584124654e-324",
      "2.5e-3",
      ".5",
      "7.",
      "-1.0000000000000000000000001",
      "0.1",
      "1e308",
      "123456789012345678901234567890",
      "2.2250738585072011e-308",
  };
  for (const NumberReading reading : {NumberReading::Strict, NumberReading::Lenient}) {
    for (const char* number : numbers) {
      const std::string line = std::string("roots ") + number + " 1 1";
      const ParsedCalculation parsed = ParseCalculation(Words(line), reading);
      ASSERT_TRUE(std::holds_alternative<CalculationRequest>(parsed)) << number;
      const double read =
          std::get<RootsRequest>(std::get<CalculationRequest>(parsed)).coefficients[0];
      // The original's atof, in the "C" locale that the tests run in.
      const double original = std::strtod(number, nullptr);
      EXPECT_EQ(std::memcmp(&read, &original, sizeof read), 0) << number << " read as " << read;
    }
  }
}

}  // namespace

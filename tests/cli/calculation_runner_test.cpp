#include "cli/calculation_runner.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <variant>
#include <vector>

namespace {

CalculationEvents EventsOf(const CalculationRequest& request) {
  CalculationEvents events;
  RunCalculation(request, events);
  return events;
}

std::vector<std::string> Names(const ResultWithNumbers& result) {
  std::vector<std::string> names;
  for (const ShownNumber& number : result.numbers)
    names.emplace_back(number.name);
  return names;
}

// Every number, written as the text writes it (`format`, an imaginary part of the "- j" form
// negated), stands in the text in the order given.
void ExpectTextShowsNumbers(const ResultWithNumbers& event, const char* format) {
  const bool minus_form = event.text.find(" - j (") != std::string::npos;
  size_t from = 0;
  for (const ShownNumber& number : event.numbers) {
    const double shown =
        minus_form && std::string(number.name) == "im" ? -number.value : number.value;
    char written[64];
    std::snprintf(written, sizeof written, format, shown);
    const size_t at = event.text.find(written, from);
    ASSERT_NE(at, std::string::npos) << number.name << " " << written << " in " << event.text;
    from = at + std::string(written).size();
  }
}

const std::vector<std::string> kComplexNames[] = {
    {"re", "im"},
    {"magnitude"},
    {"radians", "degrees"},
    {"re", "im"},
    {"re", "im"},
    {"re", "im", "magnitude"},
    {"re", "im", "magnitude"},
    {"re", "im", "magnitude"},
    {"re", "im", "magnitude"},
    {"re", "im", "magnitude"},
    {"re", "im"},
};

TEST(RunCalculation, GivesEveryComplexResultWithTheNumbersItsTextShows) {
  const std::array<double, 6> inputs[] = {{1, 2, 3, -4, 5, 6},
                                          {-0.3, -1.7, 2.5, 0.25, -1, 1e-3},
                                          {5, 0, 0, 0, 0, 0},
                                          {0, 0, 0, 0, 0, 0}};
  for (const auto& parts : inputs) {
    for (int operation = 0; operation < 11; ++operation) {
      const CalculationEvents events =
          EventsOf(ComplexRequest{static_cast<ComplexOperation>(operation), parts});
      ASSERT_TRUE(events.effects.empty());
      ASSERT_EQ(events.result.size(), 1u);
      const ResultWithNumbers& result = events.result[0];
      EXPECT_EQ(Names(result), kComplexNames[operation]) << operation;
      ExpectTextShowsNumbers(result, "%11.5g");
    }
  }
}

struct VectorNamesCase {
  int dimension;
  VectorOperation operation;
  std::vector<std::string> names;
};

const VectorNamesCase kVectorNames[] = {
    {0, VectorOperation::Magnitude, {"x_magnitude", "y_magnitude"}},
    {1,
     VectorOperation::DirectionCosines,
     {"x_cos_x", "x_cos_y", "x_cos_z", "y_cos_x", "y_cos_y", "y_cos_z"}},
    {0, VectorOperation::DirectionCosines, {"x_cos_x", "x_cos_y", "y_cos_x", "y_cos_y"}},
    {1, VectorOperation::Sum, {"i", "j", "k", "magnitude"}},
    {0, VectorOperation::Difference, {"i", "j", "magnitude"}},
    {1, VectorOperation::DotProduct, {"dot"}},
    {0, VectorOperation::CrossProduct, {"i", "j", "k", "magnitude"}},
    {1, VectorOperation::AngleBetween, {"radians", "degrees"}},
};

TEST(RunCalculation, GivesEveryVectorResultWithTheNumbersItsTextShows) {
  for (const auto& c : kVectorNames) {
    const std::array<double, 6> components = c.dimension == 1
                                                 ? std::array<double, 6>{1, 2, 3, 4, 5, 6}
                                                 : std::array<double, 6>{3, 4, 0, 4, -3, 0};
    const CalculationEvents events = EventsOf(VectorRequest{c.dimension, c.operation, components});
    ASSERT_TRUE(events.effects.empty());
    ASSERT_EQ(events.result.size(), 1u);
    const ResultWithNumbers& result = events.result[0];
    EXPECT_EQ(Names(result), c.names) << result.text;
    ExpectTextShowsNumbers(result, "%12.5g");
  }
}

// The numbers are the full doubles, not the five digits of the text: checked against long
// double arithmetic, to within a unit in the last place.
TEST(RunCalculation, GivesTheNumbersAtFullPrecision) {
  const auto within_an_ulp = [](double value, long double exact) {
    return std::fabs(static_cast<long double>(value) - exact) <=
           std::fabs(std::nextafter(value, 0.0) - value);
  };
  const ResultWithNumbers quotient =
      EventsOf(ComplexRequest{ComplexOperation::Quotient, {1, 2, 3, -4, 0, 0}}).result[0];
  EXPECT_EQ(quotient.numbers[0].value, -0.2);
  EXPECT_EQ(quotient.numbers[1].value, 0.4);
  EXPECT_TRUE(within_an_ulp(quotient.numbers[2].value, std::sqrt(0.2L)));
  const ResultWithNumbers cosines =
      EventsOf(VectorRequest{1, VectorOperation::DirectionCosines, {1, 2, 3, 4, 5, 6}}).result[0];
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(within_an_ulp(cosines.numbers[i].value, (i + 1) / std::sqrt(14.0L))) << i;
    EXPECT_TRUE(within_an_ulp(cosines.numbers[3 + i].value, (i + 4) / std::sqrt(77.0L))) << i;
  }
}

// One list of events for a batch: each calculation leaves in it only what it shows itself,
// whatever the calculation before it showed.
TEST(RunCalculation, ReplacesWhatTheEventsHeldBefore) {
  const RootsRequest cubic{{1, -6, 11, -6}};
  const RootsRequest no_quadratic{{0, 0, 0}};
  // Two special routes: the quartic's most effects, with a longer text than the others.
  const RootsRequest both_routes{{1, -4, 6, -4, 1}};
  const CalculationRequest requests[] = {
      both_routes,
      cubic,
      ComplexRequest{ComplexOperation::Sum, {1, 2, 3, 4, 0, 0}},
      no_quadratic,
      VectorRequest{1, VectorOperation::DotProduct, {1, 2, 3, 4, 5, 6}},
      cubic,
      both_routes,
  };
  CalculationEvents events;
  for (const CalculationRequest& request : requests) {
    RunCalculation(request, events);
    EXPECT_EQ(events, EventsOf(request)) << request.index();
  }
}

// A result's text keeps its room from one result to the next, across a polynomial's line
// that shows none, so that a batch of them costs no allocation a line; a shorter text after
// a longer one keeps nothing of it.
TEST(RunCalculation, WritesEachResultInTheRoomOfTheOneBefore) {
  const ComplexRequest magnitude{ComplexOperation::Magnitude, {3, 4, 0, 0, 0, 0}};
  const CalculationRequest requests[] = {
      RootsRequest{{1, -6, 11, -6}},
      magnitude,
      VectorRequest{0, VectorOperation::Sum, {1, 2, 3, 4, 5, 6}},
      RootsRequest{{0, 0, 0}},
      magnitude,
  };
  CalculationEvents events;
  RunCalculation(VectorRequest{1, VectorOperation::DirectionCosines, {1, 2, 3, 4, 5, 6}}, events);
  const char* const room = events.result[0].text.data();
  for (const CalculationRequest& request : requests) {
    RunCalculation(request, events);
    EXPECT_EQ(events, EventsOf(request)) << request.index();
  }
  EXPECT_EQ(events.result[0].text, " mag(X) =           5 \n");
  EXPECT_EQ(events.result[0].text.data(), room);
}

// The plain text asks for the roots' texts alone: the same texts, without the roots and discs
// that only the JSON shows.
TEST(RunCalculation, GivesTheSameRootsTextsWhenOnlyTheTextsAreWanted) {
  const std::vector<std::vector<double>> polynomials = {
      {1, -3, 2}, {1, -6, 11, -6}, {1, 0, -25, 60, -36}, {1, -7, 17, -17, 6}, {1, 0, 0, 0, 1}};
  for (const std::vector<double>& c : polynomials) {
    RootsRequest request;
    for (double coefficient : c)
      request.coefficients.push_back(coefficient);
    CalculationEvents full, texts_only;
    RunCalculation(request, full, RootsWanted::WithDiscs);
    RunCalculation(request, texts_only, RootsWanted::TextsOnly);
    ASSERT_EQ(texts_only.effects.size(), full.effects.size());
    for (size_t k = 0; k < full.effects.size(); ++k) {
      EXPECT_EQ(texts_only.effects[k].text, full.effects[k].text);
      EXPECT_FALSE(full.effects[k].values.empty());
    }
  }
}

}  // namespace

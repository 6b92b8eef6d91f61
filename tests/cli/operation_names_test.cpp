#include "cli/operation_names.h"

#include <gtest/gtest.h>

#include "complex/complex_ops.h"
#include "vector/vector_ops.h"

namespace {

struct NameCase {
  const char* word;
  std::optional<int> position;
};

const std::optional<int> kNone;

const NameCase kComplexNames[] = {{"0", 0},
                                  {"10", 10},
                                  {"11", kNone},
                                  {"-1", kNone},
                                  {"+1", kNone},
                                  {"X / Y", 9},
                                  {"x/y", 9},
                                  {"exp (X) ", 4},
                                  {"exp(x)", 4},
                                  {"z+(x/y)", 10},
                                  {"inv", 0},
                                  {"MAG", 1},
                                  {"zxy", 10},
                                  {"NaturalLog(x)", 3},
                                  {"", kNone},
                                  {"log", kNone},
                                  {"4294967296", kNone},
                                  {"naturallog", kNone},
                                  {"x+y+", kNone},
                                  {"x + y", 7}};

const NameCase kVectorNames[] = {
    {"6", 6},       {"7", kNone},   {"direction cosines", 1},     {"x - y", 3},
    {"X dot Y", 4}, {"xcrossy", 5}, {"Angle between X and Y", 6}, {"mag", 0},
    {"angle", 6},   {"1/X", kNone},
};

TEST(FindComplexOperation, MatchesPositionsEntriesAndAliases) {
  for (const auto& c : kComplexNames)
    EXPECT_EQ(FindComplexOperation(c.word), c.position) << '"' << c.word << '"';
}

TEST(FindVectorOperation, MatchesPositionsEntriesAndAliases) {
  for (const auto& c : kVectorNames)
    EXPECT_EQ(FindVectorOperation(c.word), c.position) << '"' << c.word << '"';
}

// The aliases are looked up before the entries: no alias may be another operation's entry.
TEST(FindOperations, FindEveryEntryAndAliasAtItsOwnPosition) {
  for (int i = 0; i < kComplexOperationCount; ++i) {
    EXPECT_EQ(FindComplexOperation(kComplexOperationNames[i]), i) << kComplexOperationNames[i];
    EXPECT_EQ(FindComplexOperation(kComplexAliases[i]), i) << kComplexAliases[i];
  }
  for (int i = 0; i < kVectorOperationCount; ++i) {
    EXPECT_EQ(FindVectorOperation(kVectorOperationNames[i]), i) << kVectorOperationNames[i];
    EXPECT_EQ(FindVectorOperation(kVectorAliases[i]), i) << kVectorAliases[i];
  }
}

TEST(FindVectorDimension, TakesTwoDAndThreeDInAnyCase) {
  const NameCase cases[] = {{"2d", 0},         {"2D", 0},           {"3d", 1},
                            {"3D", 1},         {"0", std::nullopt}, {"4d", std::nullopt},
                            {"", std::nullopt}};
  for (const auto& c : cases)
    EXPECT_EQ(FindVectorDimension(c.word), c.position) << '"' << c.word << '"';
}

}  // namespace

#include "vector/vector_ops.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 0/0 carries the processor's default NaN, whose sign differs between machines; the texts
// below are compared with every "-nan" blanked to " nan" (the field width stays).
std::string WithUnsignedNaNs(std::string text) {
  for (size_t at = text.find("-nan"); at != std::string::npos; at = text.find("-nan", at))
    text[at] = ' ';
  return text;
}

using enum VectorOperation;

struct OperationCase {
  VectorOperation operation;
  const char* text;
};

// X = (1, 2, 3), Y = (4, 5, 6) in three dimensions.
const OperationCase kThreeDimensions[] = {
    {Magnitude, "\n Magnitude X =       3.7417 \n Magnitude Y =        8.775"},
    {DirectionCosines,
     "\n Vector X:\n\n cos( omega x) =      0.26726 \n cos( omega y) =      0.53452 \n"
     " cos( omega z) =      0.80178 \n\n\n\n Vector Y: \n\n cos( omega x) =      0.45584 \n"
     " cos( omega y) =       0.5698 \n cos( omega z) =      0.68376 "},
    {Sum,
     "\n X + Y =            5 i +             7 j +             9 k \n\n\n"
     " Magnitude [ X + Y ] =        12.45"},
    {Difference,
     "\n X - Y =           -3 i +            -3 j +            -3 k \n\n\n"
     " Magnitude [ X - Y ] =       5.1962"},
    {DotProduct, "\n X dot Y =           32 "},
    {CrossProduct,
     "\n X cross Y =            -3 i +             6 j +            -3 k \n\n\n"
     " Magnitude [ X cross Y ] =       7.3485"},
    {AngleBetween,
     "\n Angle between X and Y \t=      0.22573 radians \n\n \t\t\t=       12.933 degrees"},
};

// X = (3, 4), Y = (4, -3) in two dimensions, the third components 0 as the dialog passes
// them. The cross product keeps its three components.
const OperationCase kTwoDimensions[] = {
    {Magnitude, "\n Magnitude X =            5 \n Magnitude Y =            5"},
    {DirectionCosines,
     "\n Vector X:\n\n cos( omega x) =          0.6 \n cos( omega y) =          0.8  \n\n\n\n"
     " Vector Y: \n\n cos( omega x) =          0.8 \n cos( omega y) =         -0.6 \n"},
    {Sum, "\n X + Y =            7 i +             1 j \n\n\n Magnitude [ X + Y ] =       7.0711"},
    {Difference,
     "\n X - Y =           -1 i +             7 j \n\n\n Magnitude [ X - Y ] =       7.0711"},
    {DotProduct, "\n X dot Y =            0 "},
    {CrossProduct,
     "\n X cross Y =             0 i +             0 j +           -25 k \n\n\n"
     " Magnitude [ X cross Y ] =           25"},
    {AngleBetween,
     "\n Angle between X and Y \t=       1.5708 radians \n\n \t\t\t=           90 degrees"},
};

// X = 0, Y = (1, 2, 3): only what divides by the magnitude of X is undefined.
const OperationCase kZeroX[] = {
    {Magnitude, "\n Magnitude X =            0 \n Magnitude Y =       3.7417"},
    {DirectionCosines,
     "\n Vector X:\n\n cos( omega x) =          nan \n cos( omega y) =          nan \n"
     " cos( omega z) =          nan \n\n\n\n Vector Y: \n\n cos( omega x) =      0.26726 \n"
     " cos( omega y) =      0.53452 \n cos( omega z) =      0.80178 "},
    {AngleBetween,
     "\n Angle between X and Y \t=          nan radians \n\n \t\t\t=          nan degrees"},
};

struct AngleCase {
  int dimension;
  Vector x, y;
  const char* text;
};

const AngleCase kAngles[] = {
    {1,
     {1, 0, 0},
     {-2, 0, 0},
     "\n Angle between X and Y \t=       3.1416 radians \n\n \t\t\t=          180 degrees"},
    // Parallel vectors whose cosine rounds to just beyond +-1.
    {1,
     {1, 1, 1},
     {1, 1, 1},
     "\n Angle between X and Y \t=            0 radians \n\n \t\t\t=            0 degrees"},
    {1,
     {1, 1, 1},
     {-1, -1, -1},
     "\n Angle between X and Y \t=       3.1416 radians \n\n \t\t\t=          180 degrees"},
    {0,
     {2, 3, 0},
     {4, 6, 0},
     "\n Angle between X and Y \t=            0 radians \n\n \t\t\t=            0 degrees"},
    // Two zero vectors: 0/0 stays undefined.
    {0,
     {0, 0, 0},
     {0, 0, 0},
     "\n Angle between X and Y \t=          nan radians \n\n \t\t\t=          nan degrees"},
};

TEST(VectorResult, ThreeDimensionalTextsMatchTheirFormats) {
  for (const auto& c : kThreeDimensions) {
    EXPECT_EQ(ComputeVectorResult(1, c.operation, {1, 2, 3}, {4, 5, 6}), c.text)
        << "operation " << static_cast<int>(c.operation);
  }
}

TEST(VectorResult, TwoDimensionalTextsUseTheTwoComponentLayouts) {
  for (const int dimension : {0, -1, 2}) {
    for (const auto& c : kTwoDimensions) {
      EXPECT_EQ(ComputeVectorResult(dimension, c.operation, {3, 4, 0}, {4, -3, 0}), c.text)
          << "dimension " << dimension << ", operation " << static_cast<int>(c.operation);
    }
  }
}

TEST(VectorResult, ZeroVectorGivesNaNOnlyWhereItDividesByItsMagnitude) {
  for (const auto& c : kZeroX) {
    EXPECT_EQ(WithUnsignedNaNs(ComputeVectorResult(1, c.operation, {0, 0, 0}, {1, 2, 3})), c.text)
        << "operation " << static_cast<int>(c.operation);
  }
}

TEST(VectorResult, AngleOfParallelVectorsIsClampedInsteadOfNaN) {
  for (const auto& c : kAngles) {
    EXPECT_EQ(WithUnsignedNaNs(ComputeVectorResult(c.dimension, AngleBetween, c.x, c.y)), c.text)
        << "X = (" << c.x.i << ", " << c.x.j << ", " << c.x.k << ")";
  }
}

TEST(VectorResult, OverflowingSquaresGiveInfiniteMagnitudes) {
  EXPECT_EQ(ComputeVectorResult(1, Magnitude, {1e200, 0, 0}, {0, 0, -1e200}),
            "\n Magnitude X =          inf \n Magnitude Y =          inf");
}

TEST(VectorMagnitude, AddsTheSquaresOfIAndJBeforeK) {
  // With a large first component each small square is lost separately; added together first,
  // they survive and lift the root by one unit in the last place.
  EXPECT_EQ(VectorMagnitude({1e8, 1, 1}), 1e8);
  EXPECT_EQ(VectorMagnitude({1, 1, 1e8}), 1e8 + 0x1p-26);
}

TEST(VectorNames, AreTheListEntriesInOrder) {
  const std::string operations[] = {"Magnitude", "Direction cosines",    "X+Y", "X-Y", "X dot Y",
                                    "X cross Y", "Angle between X and Y"};
  for (int i = 0; i < kVectorOperationCount; ++i)
    EXPECT_EQ(kVectorOperationNames[i], operations[i]) << "entry " << i;
  EXPECT_STREQ(kVectorDimensionNames[0], "2D");
  EXPECT_STREQ(kVectorDimensionNames[1], "3D");
}

}  // namespace

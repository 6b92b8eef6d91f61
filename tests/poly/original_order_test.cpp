// Where the accurate roots stand: at the original formula's positions, with ties between the
// two roots of a conjugate pair decided by the roots themselves.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "poly/original_order.h"

namespace {

constexpr double kNaN = NAN;

struct PlacementCase {
  const char* name;
  std::vector<Complex> roots;     // in the order the refinement left them
  std::vector<Complex> original;  // the original formula's roots, in its order
  std::vector<Complex> placed;
};

// A conjugate pair whose imaginary parts differ in their last bits, as refinement leaves them.
const Complex kUpper{1.0000002499979028, 0.00012206954450402637};
const Complex kLower{1.0000002499979028, -0.00012206954450402635};

TEST(PlaceAtOriginalPositions, PutsEachRootAtItsNearestPositionAndDecidesTiesByTheRoots) {
  const std::vector<PlacementCase> cases = {
      {"each root at its own nearest position",
       {{-0.66741, 0}, {2.9618, 0}, {-2.7383, 0}, {0.88819, 0}},
       {{2.9618, 0}, {0.88819, 0}, {-2.7383, 0}, {-0.66741, 0}},
       {{2.9618, 0}, {0.88819, 0}, {-2.7383, 0}, {-0.66741, 0}}},
      // Both roots of the pair are equally near the one position that the original filled;
      // which is nearer by rounding must not matter.
      {"pair tied at a filled position, lower given first",
       {kLower, {1.0001223210826011, 0}, {0.9998781789215931, 0}, kUpper},
       {{1.00000025, 0}, {kNaN, 0}, {kNaN, 0}, {kNaN, 0}},
       {kUpper, {1.0001223210826011, 0}, {0.9998781789215931, 0}, kLower}},
      {"pair tied at a filled position, upper given first",
       {kUpper, {1.0001223210826011, 0}, {0.9998781789215931, 0}, kLower},
       {{1.00000025, 0}, {kNaN, 0}, {kNaN, 0}, {kNaN, 0}},
       {kUpper, {1.0001223210826011, 0}, {0.9998781789215931, 0}, kLower}},
      {"pair tied at a filled position, the other root of the pair nearer by rounding",
       {{1, -0.5}, {1, 0.5000000000000001}},
       {{1, 0}, {kNaN, 0}},
       {{1, 0.5000000000000001}, {1, -0.5}}},
      // Positions that the original left without a value say nothing about the order.
      {"no position filled",
       {kLower, {-2, 0}, kUpper},
       {{kNaN, 0}, {kNaN, 0}, {kNaN, 0}},
       {kLower, {-2, 0}, kUpper}},
      {"double root", {{3, 0}, {3, 0}}, {{3, 0}, {3, 0}}, {{3, 0}, {3, 0}}},
      // A small root's nearness is judged at its own scale beside a large one.
      {"roots of very different sizes",
       {{2e-9, 0}, {1e-9, 0}, {1e12, 0}},
       {{1.0000001e-9, 0}, {1e12, 0}, {2.0000001e-9, 0}},
       {{1e-9, 0}, {1e12, 0}, {2e-9, 0}}},
  };
  for (const PlacementCase& c : cases) {
    std::vector<Complex> roots = c.roots;
    PlaceAtOriginalPositions(roots, c.original);
    ASSERT_EQ(roots.size(), c.placed.size()) << c.name;
    for (size_t k = 0; k < roots.size(); ++k) {
      EXPECT_EQ(roots[k].re, c.placed[k].re) << c.name << ", position " << k;
      EXPECT_EQ(roots[k].im, c.placed[k].im) << c.name << ", position " << k;
    }
  }
}

struct BoxCase {
  const char* name;
  std::vector<Box> boxes;
  std::vector<Complex> original;
  bool kept;
};

// Every point of each box is placed at its own position, or the answer is no; and where it is
// yes, the placement of the boxes' corners (the extreme points) agrees.
TEST(KeepsGivenOrder, HoldsOnlyWhereEveryPointOfEachBoxIsNearestItsOwnPosition) {
  const std::vector<BoxCase> cases = {
      {"apart", {{0.9, 1.1, -0.1, 0.1}, {1.9, 2.1, -0.1, 0.1}}, {{1, 0}, {2, 0}}, true},
      {"a pair", {{1, 1, 1, 1}, {1, 1, -1, -1}}, {{1, 1}, {1, -1}}, true},
      // The box reaches the middle between the positions, where the other is as near.
      {"to the middle", {{0.9, 1.5, 0, 0}, {2, 2, 0, 0}}, {{1, 0}, {2, 0}}, false},
      {"swapped", {{1.9, 2.1, 0, 0}, {0.9, 1.1, 0, 0}}, {{1, 0}, {2, 0}}, false},
      // A root exactly at its position with another one within the tie of it.
      {"within the tie",
       {{1, 1, 0, 0}, {1 + 1e-13, 1 + 1e-13, 0, 0}},
       {{1, 0}, {1 + 1e-13, 0}},
       false},
      {"a position not known", {{1, 1, 0, 0}, {2, 2, 0, 0}}, {{1, 0}, {kNaN, 0}}, false},
      {"a bound not a number", {{1, kNaN, 0, 0}, {2, 2, 0, 0}}, {{1, 0}, {2, 0}}, false},
  };
  for (const BoxCase& c : cases) {
    EXPECT_EQ(KeepsGivenOrder(c.boxes, c.original), c.kept) << c.name;
    if (!c.kept)
      continue;
    for (int corner = 0; corner < 4; ++corner) {
      std::vector<Complex> roots;
      for (const Box& b : c.boxes)
        roots.push_back({corner & 1 ? b.re_high : b.re_low, corner & 2 ? b.im_high : b.im_low});
      const std::vector<Complex> given = roots;
      PlaceAtOriginalPositions(roots, c.original);
      for (size_t k = 0; k < roots.size(); ++k)
        EXPECT_TRUE(roots[k].re == given[k].re && roots[k].im == given[k].im) << c.name;
    }
  }
}

}  // namespace

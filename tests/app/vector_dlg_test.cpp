// The Vector Calculator driven as a person would: choosing a dimension and an operation,
// typing components, pressing Enter or Calculate and reading the message box.

#include <gtest/gtest.h>
#include <QTest>
#include <array>

#include "res/resource_ids.h"
#include "tests/app/dialog_driving.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "vector/vector_dlg.h"

using namespace app_test;
using namespace test_support;

namespace {

enum Dimension { kTwoDimensions, kThreeDimensions };
enum Operation { kMagnitude, kDirectionCosines, kSum, kCrossProduct = 5, kAngle };

// The component boxes in the order x1, x2, x3, y1, y2, y3.
constexpr std::array<int, 6> kBoxes = {IDC_VEC_X1, IDC_VEC_X2, IDC_VEC_X3,
                                       IDC_VEC_Y1, IDC_VEC_Y2, IDC_VEC_Y3};

std::set<int> ShownControls() {
  return ShownAmong({IDOK,
                     IDCANCEL,
                     IDC_VEC_OPERATION_FRAME,
                     IDC_VEC_X1,
                     IDC_VEC_X3,
                     IDC_VEC_X2,
                     IDC_VEC_Y1,
                     IDC_VEC_Y3,
                     IDC_VEC_Y2,
                     IDC_VEC_DIMENSION_LIST,
                     IDC_VEC_OPERATION_LIST,
                     IDC_VEC_X_ARROW,
                     IDC_VEC_Y_ARROW,
                     IDC_VEC_X_I_HAT_PLUS,
                     IDC_VEC_Y_I_HAT_PLUS,
                     IDC_VEC_X_J_HAT_PLUS,
                     IDC_VEC_Y_J_HAT_PLUS,
                     IDC_VEC_X_K_HAT,
                     IDC_VEC_Y_K_HAT,
                     IDC_VEC_X_J_HAT,
                     IDC_VEC_Y_J_HAT,
                     IDC_VEC_DATA_FRAME});
}

const std::set<int> kShownWithoutDimension = {IDOK, IDCANCEL, IDC_VEC_DIMENSION_LIST};

// What either dimension shows besides what the dialog opens with, and what each adds.
std::set<int> ShownInDimension(Dimension dimension) {
  std::set<int> shown = kShownWithoutDimension;
  shown.insert({IDC_VEC_OPERATION_FRAME, IDC_VEC_OPERATION_LIST, IDC_VEC_DATA_FRAME,
                IDC_VEC_X_ARROW, IDC_VEC_Y_ARROW, IDC_VEC_X1, IDC_VEC_X2, IDC_VEC_Y1, IDC_VEC_Y2,
                IDC_VEC_X_I_HAT_PLUS, IDC_VEC_Y_I_HAT_PLUS});
  if (dimension == kThreeDimensions)
    shown.insert({IDC_VEC_X3, IDC_VEC_Y3, IDC_VEC_X_J_HAT_PLUS, IDC_VEC_Y_J_HAT_PLUS,
                  IDC_VEC_X_K_HAT, IDC_VEC_Y_K_HAT});
  else
    shown.insert({IDC_VEC_X_J_HAT, IDC_VEC_Y_J_HAT});
  return shown;
}

void ChooseDimension(Dimension dimension) {
  ClickListEntry(Control(IDC_VEC_DIMENSION_LIST), dimension);
}

void ChooseOperation(Operation operation) {
  ClickListEntry(Control(IDC_VEC_OPERATION_LIST), operation);
}

std::vector<std::string> PressCalculate() {
  return MessagesDuring([] { Click(Control(IDOK)); });
}

struct ResultCase {
  const char* name;
  Dimension dimension;
  Operation operation;
  std::array<const char*, 6> boxes;  // null leaves the box at its "0"
  const char* result;
};

const ResultCase kResultCases[] = {
    {"SumInThreeDimensions",
     kThreeDimensions,
     kSum,
     {"1", "2", "3", "4", "5", "6"},
     "\n X + Y =            5 i +             7 j +             9 k \n\n\n"
     " Magnitude [ X + Y ] =        12.45"},
    {"CrossProductInThreeDimensions",
     kThreeDimensions,
     kCrossProduct,
     {"1", "2", "3", "4", "5", "6"},
     "\n X cross Y =            -3 i +             6 j +            -3 k \n\n\n"
     " Magnitude [ X cross Y ] =       7.3485"},
    {"CrossProductInTwoDimensionsHasThreeComponents",
     kTwoDimensions,
     kCrossProduct,
     {"3", "4", nullptr, "4", "-3"},
     "\n X cross Y =             0 i +             0 j +           -25 k \n\n\n"
     " Magnitude [ X cross Y ] =           25"},
    {"DirectionCosinesInTwoDimensions",
     kTwoDimensions,
     kDirectionCosines,
     {"3", "4", nullptr, "4", "-3"},
     "\n Vector X:\n\n cos( omega x) =          0.6 \n cos( omega y) =          0.8  \n\n\n\n"
     " Vector Y: \n\n cos( omega x) =          0.8 \n cos( omega y) =         -0.6 \n"},
    {"AngleOfOppositeVectors",
     kThreeDimensions,
     kAngle,
     {"1", "0", "0", "-2", "0", "0"},
     "\n Angle between X and Y \t=       3.1416 radians \n\n \t\t\t=          180 degrees"},
    {"AngleOfEqualVectorsIsZero",
     kThreeDimensions,
     kAngle,
     {"1", "1", "1", "1", "1", "1"},
     "\n Angle between X and Y \t=            0 radians \n\n \t\t\t=            0 degrees"},
    {"BlankAndEmptyBoxesReadAsZero",
     kTwoDimensions,
     kMagnitude,
     {" ", "1.5e2", nullptr, "", "-0"},
     "\n Magnitude X =          150 \n Magnitude Y =            0"},
    {"ArithmeticReadsAsItsValue",
     kThreeDimensions,
     kSum,
     {"2-1", "4/2", "sqrt(9)", "2^2", "cbrt(125)", "(1 + 2) * 2"},
     "\n X + Y =            5 i +             7 j +             9 k \n\n\n"
     " Magnitude [ X + Y ] =        12.45"},
};

void PrintTo(const ResultCase& c, std::ostream* out) {
  *out << c.name;
}

class VectorResults : public testing::TestWithParam<ResultCase> {};

TEST_P(VectorResults, ShowTheOperationsResultInAMessageBox) {
  const ResultCase& c = GetParam();
  CVectorDlg dialog;
  RunModal(dialog, [&] {
    ChooseDimension(c.dimension);
    ChooseOperation(c.operation);
    RetypeBoxes(kBoxes, c.boxes);
    EXPECT_EQ(ResultOfCalculate(), c.result);
  });
}

INSTANTIATE_TEST_SUITE_P(ThroughTheDialog, VectorResults, testing::ValuesIn(kResultCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
  const char* name;
  Dimension dimension;
  bool chooseOperation;
  std::array<const char*, 6> boxes;  // null leaves the box at its "0"
  int refused;
  const char* message;
};

const RefusalCase kRefusalCases[] = {
    {"DecimalComma",
     kTwoDimensions,
     true,
     {nullptr, "2,5"},
     IDC_VEC_X2,
     "X second component (j): \"2,5\" is not a number: use a point (.) for the decimal "
     "separator."},
    {"OnlyTheFirstRefusedBoxInReadingOrder",
     kThreeDimensions,
     true,
     {nullptr, nullptr, "abc", "1/0", nullptr, "x"},
     IDC_VEC_X3,
     "X third component (k): \"abc\" is not a number."},
    {"BeforeTheMissingOperation",
     kThreeDimensions,
     false,
     {nullptr, nullptr, nullptr, nullptr, "sqrt(-4)"},
     IDC_VEC_Y2,
     "Y second component (j): \"sqrt(-4)\" is not a finite number."},
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
  *out << c.name;
}

class VectorRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(VectorRefusals, NameTheBoxComputeNothingAndLetTheUserRetypeIt) {
  const RefusalCase& c = GetParam();
  CVectorDlg dialog;
  RunModal(dialog, [&] {
    ChooseDimension(c.dimension);
    if (c.chooseOperation)
      ChooseOperation(kMagnitude);
    RetypeBoxes(kBoxes, c.boxes);
    ExpectCalculateToRefuseTheBox(c.refused, c.message);
  });
}

INSTANTIATE_TEST_SUITE_P(ThroughTheDialog, VectorRefusals, testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VectorDialog, OpensWithTheDimensionListAloneAndAsksForADimension) {
  CVectorDlg dialog;
  RunModal(dialog, [] {
    EXPECT_EQ(ShownControls(), kShownWithoutDimension);
    EXPECT_EQ(EntriesOf(Control(IDC_VEC_DIMENSION_LIST)), (std::vector<std::string>{"2D", "3D"}));
    EXPECT_EQ(EntriesOf(Control(IDC_VEC_OPERATION_LIST)),
              (std::vector<std::string>{"Magnitude", "Direction cosines", "X+Y", "X-Y", "X dot Y",
                                        "X cross Y", "Angle between X and Y"}));
    EXPECT_EQ(SelectionOf(Control(IDC_VEC_DIMENSION_LIST)), -1);
    EXPECT_EQ(SelectionOf(Control(IDC_VEC_OPERATION_LIST)), -1);
    EXPECT_TRUE(UnnamedAmong(kBoxes).empty());
    EXPECT_TRUE(UnnamedAmong(std::array{IDC_VEC_DIMENSION_LIST, IDC_VEC_OPERATION_LIST}).empty());
    EXPECT_EQ(PressCalculate(), std::vector<std::string>{"Please select dimension."});
  });
}

TEST(VectorDialog, ADimensionWithoutAnOperationAsksForTheOperation) {
  CVectorDlg dialog;
  RunModal(dialog, [] {
    ChooseDimension(kTwoDimensions);
    EXPECT_EQ(PressCalculate(), std::vector<std::string>{"Please select operation."});
  });
}

TEST(VectorDialog, EachDimensionShowsItsBoxesAndUnitVectorPictures) {
  CVectorDlg dialog;
  RunModal(dialog, [] {
    ChooseDimension(kThreeDimensions);
    EXPECT_EQ(ShownControls(), ShownInDimension(kThreeDimensions));
    ChooseDimension(kTwoDimensions);
    EXPECT_EQ(ShownControls(), ShownInDimension(kTwoDimensions));
    ChooseDimension(kThreeDimensions);
    EXPECT_EQ(ShownControls(), ShownInDimension(kThreeDimensions));
  });
}

TEST(VectorDialog, ChangingTheDimensionZeroesTheBoxesAndKeepsTheOperation) {
  CVectorDlg dialog;
  RunModal(dialog, [] {
    ChooseDimension(kThreeDimensions);
    ChooseOperation(kMagnitude);
    for (const int box : kBoxes)
      Retype(box, "7");
    ChooseDimension(kTwoDimensions);
    for (const int box : kBoxes)
      EXPECT_EQ(TextIn(box), "0");
    EXPECT_EQ(SelectionOf(Control(IDC_VEC_OPERATION_LIST)), kMagnitude);
    EXPECT_EQ(PressCalculate(), std::vector<std::string>{
                                    "\n Magnitude X =            0 \n Magnitude Y =            0"});
  });
}

TEST(VectorDialog, EnterInABoxCalculatesAndEscapeCloses) {
  CVectorDlg dialog;
  const INT_PTR result = RunModal(dialog, [&] {
    ChooseDimension(kThreeDimensions);
    ChooseOperation(kMagnitude);
    Retype(IDC_VEC_Y3, "2");
    EXPECT_EQ(
        MessagesDuring([] { PressKey(Control(IDC_VEC_Y3), Qt::Key_Return); }),
        std::vector<std::string>{"\n Magnitude X =            0 \n Magnitude Y =            2"});
    EXPECT_EQ(ActiveDialog(), dialog.GetSafeHwnd());
    PressKey(Control(IDC_VEC_Y3), Qt::Key_Escape);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(VectorDialog, ReopeningStartsAgainWithoutDimensionAndWithZeros) {
  CVectorDlg dialog;
  for (const auto& leave : kWaysToLeaveACalculator) {
    const INT_PTR result = RunModal(dialog, [&] {
      EXPECT_EQ(ShownControls(), kShownWithoutDimension);
      EXPECT_EQ(SelectionOf(Control(IDC_VEC_DIMENSION_LIST)), -1);
      EXPECT_EQ(SelectionOf(Control(IDC_VEC_OPERATION_LIST)), -1);
      EXPECT_EQ(EntriesOf(Control(IDC_VEC_DIMENSION_LIST)).size(), 2u);
      EXPECT_EQ(EntriesOf(Control(IDC_VEC_OPERATION_LIST)).size(), 7u);
      for (const int box : kBoxes)
        EXPECT_EQ(TextIn(box), "0");
      ChooseDimension(kThreeDimensions);
      ChooseOperation(kSum);
      Retype(IDC_VEC_X3, "5");
      leave();
    });
    EXPECT_EQ(result, IDCANCEL);
  }
}

}  // namespace

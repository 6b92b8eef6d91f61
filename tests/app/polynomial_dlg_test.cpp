// The Roots of Polynomials calculator driven as a person would: choosing a degree, typing
// coefficients, pressing Enter, reading the Roots box and the messages.

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <array>

#include "poly/polynomial_dlg.h"
#include "res/resource_ids.h"
#include "tests/app/dialog_driving.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"

using namespace app_test;
using namespace test_support;

namespace {

enum Degree { kQuadratic, kCubic, kQuartic };

// The coefficient boxes from the x^4 term to the constant.
constexpr std::array<int, 5> kBoxes = {IDC_POLY_X4, IDC_POLY_X3, IDC_POLY_X2, IDC_POLY_X,
                                       IDC_POLY_CONSTANT};
constexpr int kLabels[] = {IDC_POLY_X4_LABEL,   IDC_POLY_X3_LABEL,    IDC_POLY_X2_LABEL,
                           IDC_POLY_X_LABEL,    IDC_POLY_EXPONENT_4,  IDC_POLY_EXPONENT_3,
                           IDC_POLY_EXPONENT_2, IDC_POLY_EQUALS_LABEL};

std::set<int> ShownCoefficientRow() {
  return ShownAmong({IDC_POLY_COEFFICIENT_FRAME, IDC_POLY_X4, IDC_POLY_X3, IDC_POLY_X2, IDC_POLY_X,
                     IDC_POLY_CONSTANT, IDC_POLY_X4_LABEL, IDC_POLY_X3_LABEL, IDC_POLY_X2_LABEL,
                     IDC_POLY_X_LABEL, IDC_POLY_EXPONENT_4, IDC_POLY_EXPONENT_3,
                     IDC_POLY_EXPONENT_2, IDC_POLY_EQUALS_LABEL});
}

bool RootsShown() {
  const bool frame = IsShown(IDC_POLY_ROOTS_FRAME);
  EXPECT_EQ(frame, IsShown(IDC_POLY_ROOTS)) << "the Roots box and its group part ways";
  return frame;
}

void ChooseDegree(Degree degree) {
  ClickListEntry(Control(IDC_POLY_DEGREE_LIST), degree);
}

// Types the coefficients given (from x^4 down; null leaves a box as it is) and presses Enter
// in the constant box. Returns the messages the calculation raised.
std::vector<std::string> Calculate(const std::array<const char*, 5>& coefficients) {
  RetypeBoxes(kBoxes, coefficients);
  return MessagesDuring([] { PressKey(Control(IDC_POLY_CONSTANT), Qt::Key_Return); });
}

struct RootsCase {
  const char* name;
  Degree degree;
  std::array<const char*, 5> coefficients;
  const char* roots;
};

const RootsCase kRootsCases[] = {
    {"QuadraticRealRoots",
     kQuadratic,
     {nullptr, nullptr, "1", "-3", "2"},
     " Two Real Roots: \r\n\r\n x1 =            2 \r\n x2 =            1"},
    {"QuadraticConjugatePairWithPositiveImaginaryPartFirst",
     kQuadratic,
     {nullptr, nullptr, "-1", "2", "-5"},
     " Two Complex Roots: \r\n\r\n x1 =            1 + j (           2) \r\n\r\n"
     " x2 =            1 -  j (           2) "},
    {"QuadraticSmallRootSurvivesCancellation",
     kQuadratic,
     {nullptr, nullptr, "1", "1e8", "1"},
     " Two Real Roots: \r\n\r\n x1 =       -1e-08 \r\n x2 =       -1e+08"},
    {"CubicThreeRealRoots",
     kCubic,
     {nullptr, "1", "-6", "11", "-6"},
     "Complex Roots \r\n\r\n X1 =           3 + j (           0) \r\n\r\n"
     " X2 =           1 + j (           0) \r\n\r\n X3 =           2 + j (           0) "},
    {"PureCubicListsItsRealRootSecond",
     kCubic,
     {nullptr, "1", "0", "0", "1"},
     "Complex Roots \r\n\r\n X1 =         0.5 + j (     0.86603) \r\n\r\n"
     " X2 =          -1 + j (           0) \r\n\r\n X3 =         0.5 + j (    -0.86603) "},
    {"CubicNegativeTripleRootIsShownWithoutError",
     kCubic,
     {nullptr, "1", "3", "3", "1"},
     "Complex Roots \r\n\r\n X1 =          -1 + j (           0) \r\n\r\n"
     " X2 =          -1 + j (           0) \r\n\r\n X3 =          -1 + j (           0) "},
    {"CubicWithVanishingCardanoTermSolvesWithoutDivisionErrors",
     kCubic,
     {nullptr, "1", "3", "3", "2"},
     "Complex Roots \r\n\r\n X1 =        -0.5 + j (    -0.86603) \r\n\r\n"
     " X2 =        -0.5 + j (     0.86603) \r\n\r\n X3 =          -2 + j (           0) "},
    {"CubicPrefilledLeadingOneAloneHasTripleRootZero",
     kCubic,
     {},
     "Complex Roots \r\n\r\n X1 =           0 + j (           0) \r\n\r\n"
     " X2 =           0 + j (           0) \r\n\r\n X3 =           0 + j (           0) "},
    {"QuarticBiquadratic",
     kQuartic,
     {"1", "0", "-5", "0", "4"},
     "Complex Roots \r\n\r\n X1 =           1 + j (           0) \r\n\r\n"
     " X2 =          -1 + j (           0) \r\n\r\n X3 =           2 + j (           0) \r\n\r\n"
     " X4 =          -2 + j (           0)"},
    {"QuarticFourthRootsKeepTheirLeadingBlankAndNegativeZero",
     kQuartic,
     {"1", "0", "0", "0", "-16"},
     " Complex Roots \r\n\r\n X1 =           2 + j (           0) \r\n\r\n"
     " X2 =           0 + j (           2) \r\n\r\n X3 =          -2 + j (           0) \r\n\r\n"
     " X4 =          -0 + j (          -2)"},
    {"QuarticWithTripleRootInItsResolventSolvesWithoutDivisionErrors",
     kQuartic,
     {"1", "0", "-6", "8", "-3"},
     "Complex Roots \r\n\r\n X1 =           1 + j (           0) \r\n\r\n"
     " X2 =           1 + j (           0) \r\n\r\n X3 =           1 + j (           0) \r\n\r\n"
     " X4 =          -3 + j (           0)"},
};

void PrintTo(const RootsCase& c, std::ostream* out) {
  *out << c.name;
}

class PolynomialRoots : public testing::TestWithParam<RootsCase> {};

TEST_P(PolynomialRoots, ShowTheRootsWithoutAnyMessageAndKeepTheDialogOpen) {
  const RootsCase& c = GetParam();
  CPolynomialDlg dialog;
  RunModal(dialog, [&] {
    ChooseDegree(c.degree);
    EXPECT_TRUE(Calculate(c.coefficients).empty());
    EXPECT_TRUE(RootsShown());
    EXPECT_EQ(TextIn(IDC_POLY_ROOTS), c.roots);
    EXPECT_EQ(ActiveDialog(), dialog.GetSafeHwnd()) << "Enter closed the calculator";
  });
}

INSTANTIATE_TEST_SUITE_P(ThroughTheDialog, PolynomialRoots, testing::ValuesIn(kRootsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Arithmetic reads as the number it means, before the solver's own rules apply: the roots
// are those of the values, letter for letter.
TEST(PolynomialDialog, ArithmeticInTheBoxesReadsAsItsValue) {
  const struct {
    Degree degree;
    std::array<const char*, 5> expressions;
    std::array<const char*, 5> values;
  } cases[] = {
      {kQuadratic,
       {nullptr, nullptr, "1", "-1/3", "2^-1"},
       {nullptr, nullptr, "1", "-0.3333333333333333", "0.5"}},
      {kCubic,
       {nullptr, "2*pi", "sqrt(2)", "-e", "ln(10)"},
       {nullptr, "6.283185307179586", "1.4142135623730951", "-2.718281828459045",
        "2.302585092994046"}},
      {kQuartic, {"1", "0", "-(2+3)", " ", "2^2"}, {"1", "0", "-5", "0", "4"}},
  };
  for (const auto& c : cases) {
    CPolynomialDlg dialog;
    std::string fromExpressions, fromValues;
    RunModal(dialog, [&] {
      ChooseDegree(c.degree);
      EXPECT_TRUE(Calculate(c.expressions).empty());
      fromExpressions = TextIn(IDC_POLY_ROOTS);
      ChooseDegree(c.degree);
      EXPECT_TRUE(Calculate(c.values).empty());
      fromValues = TextIn(IDC_POLY_ROOTS);
    });
    EXPECT_EQ(fromExpressions, fromValues) << c.expressions[2];
    EXPECT_NE(fromValues, "");
  }
}

TEST(PolynomialDialog, ABoxThatIsRefusedIsNamedAndTheRootsStayAsTheyWere) {
  const struct {
    Degree degree;
    std::array<const char*, 5> coefficients;
    int refused;
    const char* message;
  } cases[] = {
      {kQuadratic,
       {nullptr, nullptr, "2,5", "1", "1"},
       IDC_POLY_X2,
       "Coefficient of x^2: \"2,5\" is not a number: use a point (.) for the decimal "
       "separator."},
      // Boxes are read from the highest power down, and the first refused is named.
      {kQuartic,
       {"1", "1", "x", "(", "1/0"},
       IDC_POLY_X2,
       "Coefficient of x^2: \"x\" is not a number."},
      {kCubic,
       {nullptr, "1", "0", "0", "ln(0)"},
       IDC_POLY_CONSTANT,
       "Constant term: \"ln(0)\" is not a finite number."},
      // A refused leading coefficient is named before the solver could call it zero.
      {kCubic,
       {nullptr, "0,0", "1", "1", "1"},
       IDC_POLY_X3,
       "Coefficient of x^3: \"0,0\" is not a number: use a point (.) for the decimal separator."},
  };
  for (const auto& c : cases) {
    CPolynomialDlg dialog;
    RunModal(dialog, [&] {
      ChooseDegree(c.degree);
      EXPECT_TRUE(Calculate({"1", "1", "1", "-3", "2"}).empty());
      const std::string roots = TextIn(IDC_POLY_ROOTS);
      RetypeBoxes(kBoxes, c.coefficients);
      ASSERT_FALSE(RootsShown());
      ExpectCalculateToRefuseTheBox(c.refused, c.message);
      EXPECT_FALSE(RootsShown()) << c.message;
      EXPECT_EQ(TextIn(IDC_POLY_ROOTS), roots) << c.message;
    });
  }
}

TEST(PolynomialDialog, ALeadingCoefficientOfZeroIsRefusedWithoutRoots) {
  const struct {
    Degree degree;
    std::array<const char*, 5> coefficients;
    const char* message;
  } cases[] = {
      {kQuadratic, {nullptr, nullptr, "", "1", "2"}, "\n Input Error \n"},
      {kCubic,
       {nullptr, "1e-9", "1", "2", "3"},
       "\n Error: the X^3 coefficient must be non-zero. \n"},
      {kQuartic, {"0", "1", "2", "3", "4"}, "\n Error: the X^4 coefficient must be non-zero. \n"},
  };
  CPolynomialDlg dialog;
  RunModal(dialog, [&] {
    for (const auto& [degree, coefficients, message] : cases) {
      SCOPED_TRACE(message);
      ChooseDegree(degree);
      EXPECT_EQ(Calculate(coefficients), std::vector<std::string>{message});
      EXPECT_FALSE(RootsShown());
    }
  });
}

TEST(PolynomialDialog, TheQuadraticsZeroWriteBacksKeepTheRootsShown) {
  const struct {
    std::array<const char*, 5> coefficients;
    const char* xBox;
    const char* constantBox;
  } cases[] = {
      {{nullptr, nullptr, "1", "", "-4"}, "0.", "-4"},
      {{nullptr, nullptr, "1", "-2", "-0"}, "-2", "0."},
      {{nullptr, nullptr, "1", "0", " "}, "0.", "0."},
  };
  CPolynomialDlg dialog;
  RunModal(dialog, [&] {
    ChooseDegree(kQuadratic);
    for (const auto& [coefficients, xBox, constantBox] : cases) {
      SCOPED_TRACE(xBox);
      EXPECT_TRUE(Calculate(coefficients).empty());
      EXPECT_TRUE(RootsShown());
      EXPECT_EQ(TextIn(IDC_POLY_X), xBox);
      EXPECT_EQ(TextIn(IDC_POLY_CONSTANT), constantBox);
    }
  });
}

TEST(PolynomialDialog, OpensWithTheDegreeListAloneAndCalculateDoesNothing) {
  CPolynomialDlg dialog;
  RunModal(dialog, [] {
    QWidget* list = Control(IDC_POLY_DEGREE_LIST);
    EXPECT_EQ(EntriesOf(list), (std::vector<std::string>{"quadratic", "cubic", "quartic"}));
    EXPECT_EQ(SelectionOf(list), -1);
    EXPECT_TRUE(ShownCoefficientRow().empty());
    EXPECT_FALSE(RootsShown());
    for (const int box : kBoxes)
      EXPECT_EQ(TextIn(box), " ");
    EXPECT_TRUE(UnnamedAmong(kBoxes).empty());
    EXPECT_TRUE(UnnamedAmong(std::array{IDC_POLY_DEGREE_LIST, IDC_POLY_ROOTS}).empty());
    EXPECT_TRUE(MessagesDuring([] { PressKey(ActiveDialog(), Qt::Key_Return); }).empty());
    EXPECT_TRUE(MessagesDuring([] { Click(Control(IDOK)); }).empty());
    EXPECT_TRUE(ShownCoefficientRow().empty());
    EXPECT_FALSE(RootsShown());
  });
}

TEST(PolynomialDialog, EachDegreeShowsItsBoxesWithTheLeadingOne) {
  const struct {
    Degree degree;
    std::set<int> shown;
    int leadingBox;
  } cases[] = {
      {kQuadratic,
       {IDC_POLY_COEFFICIENT_FRAME, IDC_POLY_X2, IDC_POLY_X, IDC_POLY_CONSTANT, IDC_POLY_X2_LABEL,
        IDC_POLY_X_LABEL, IDC_POLY_EXPONENT_2, IDC_POLY_EQUALS_LABEL},
       IDC_POLY_X2},
      {kCubic,
       {IDC_POLY_COEFFICIENT_FRAME, IDC_POLY_X3, IDC_POLY_X2, IDC_POLY_X, IDC_POLY_CONSTANT,
        IDC_POLY_X3_LABEL, IDC_POLY_X2_LABEL, IDC_POLY_X_LABEL, IDC_POLY_EXPONENT_3,
        IDC_POLY_EXPONENT_2, IDC_POLY_EQUALS_LABEL},
       IDC_POLY_X3},
      {kQuartic,
       {IDC_POLY_COEFFICIENT_FRAME, IDC_POLY_X4, IDC_POLY_X3, IDC_POLY_X2, IDC_POLY_X,
        IDC_POLY_CONSTANT, IDC_POLY_X4_LABEL, IDC_POLY_X3_LABEL, IDC_POLY_X2_LABEL,
        IDC_POLY_X_LABEL, IDC_POLY_EXPONENT_4, IDC_POLY_EXPONENT_3, IDC_POLY_EXPONENT_2,
        IDC_POLY_EQUALS_LABEL},
       IDC_POLY_X4},
  };
  CPolynomialDlg dialog;
  RunModal(dialog, [&] {
    // From quartic down to quadratic and back up, so that every change hides what the
    // degree before showed.
    for (const Degree degree : {kQuartic, kQuadratic, kCubic, kQuartic, kCubic, kQuadratic}) {
      const auto& expected = cases[degree];
      SCOPED_TRACE(degree);
      ChooseDegree(degree);
      EXPECT_EQ(ShownCoefficientRow(), expected.shown);
      for (const int box : kBoxes)
        EXPECT_EQ(TextIn(box), box == expected.leadingBox ? "1" : " ");
    }
    const char* labels[] = {"X    +", "X     +", "X    +", "X  +", "4", "3", "2", "= 0"};
    for (size_t i = 0; i < std::size(kLabels); ++i)
      EXPECT_EQ(TextIn(kLabels[i]), labels[i]);
  });
}

TEST(PolynomialDialog, ANewDegreeDiscardsTypedCoefficientsAndHidesTheRoots) {
  CPolynomialDlg dialog;
  RunModal(dialog, [] {
    ChooseDegree(kQuadratic);
    ASSERT_TRUE(Calculate({nullptr, nullptr, "2", "5", "-3"}).empty());
    ASSERT_TRUE(RootsShown());
    ChooseDegree(kQuartic);
    EXPECT_FALSE(RootsShown());
    EXPECT_EQ(TextIn(IDC_POLY_X4), "1");
    for (const int box : {IDC_POLY_X3, IDC_POLY_X2, IDC_POLY_X, IDC_POLY_CONSTANT})
      EXPECT_EQ(TextIn(box), " ");
  });
}

TEST(PolynomialDialog, TypingIntoAnyCoefficientBoxHidesTheRootsUntilTheNextCalculate) {
  CPolynomialDlg dialog;
  RunModal(dialog, [] {
    ChooseDegree(kQuartic);
    for (const int box : kBoxes) {
      SCOPED_TRACE(box);
      ASSERT_TRUE(Calculate({nullptr, nullptr, nullptr, nullptr, "-1"}).empty());
      ASSERT_TRUE(RootsShown());
      TypeInto(Control(box), "0");
      EXPECT_FALSE(RootsShown());
    }
  });
}

TEST(PolynomialDialog, TheWriteBacksWaitUntilTheInputErrorIsClosed) {
  CPolynomialDlg dialog;
  RunModal(dialog, [] {
    ChooseDegree(kQuadratic);
    Retype(IDC_POLY_X2, "");
    QWidget* xBox = Control(IDC_POLY_X);
    std::string caption, xBoxWhileShown;
    OnNextModal([&](QWidget* box) {
      caption = box->windowTitle().toStdString();
      xBoxWhileShown = TextOf(xBox);
      CloseMessageBox(box, CloseWith::kOkButton);
    });
    PressKey(xBox, Qt::Key_Return);
    EXPECT_EQ(caption, "Quillet");
    EXPECT_EQ(xBoxWhileShown, " ");
    EXPECT_EQ(TextIn(IDC_POLY_X), "0.");
  });
}

TEST(PolynomialDialog, TheRootsCanBeSelectedAndCopied) {
  CPolynomialDlg dialog;
  RunModal(dialog, [] {
    ChooseDegree(kQuadratic);
    ASSERT_TRUE(Calculate({nullptr, nullptr, "1", "-3", "2"}).empty());
    QApplication::clipboard()->clear();
    QWidget* roots = Control(IDC_POLY_ROOTS);
    PressKey(roots, Qt::Key_A, Qt::ControlModifier);
    PressKey(roots, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              " Two Real Roots: \n\n x1 =            2 \n x2 =            1");
  });
}

TEST(PolynomialDialog, EscapeTheCloseBoxAndReturnToMainMenuCloseItAndItReopensFresh) {
  CPolynomialDlg dialog;
  for (const auto& leave : kWaysToLeaveACalculator) {
    const INT_PTR result = RunModal(dialog, [&] {
      EXPECT_EQ(SelectionOf(Control(IDC_POLY_DEGREE_LIST)), -1);
      EXPECT_TRUE(ShownCoefficientRow().empty());
      ChooseDegree(kCubic);
      ASSERT_TRUE(Calculate({nullptr, "2", "0", "-8", "0"}).empty());
      leave();
    });
    EXPECT_EQ(result, IDCANCEL);
  }
}

}  // namespace

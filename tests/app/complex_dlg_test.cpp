// The Complex Number Calculator driven as a person would: picking an operation, typing the
// parts of X, Y and Z, pressing Enter or Calculate and reading the message box.

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QTest>
#include <array>

#include "complex/complex_dlg.h"
#include "res/resource_ids.h"
#include "tests/app/dialog_driving.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"

using namespace app_test;
using namespace test_support;

namespace {

// The boxes in the order X real, X imaginary, Y real, Y imaginary, Z real, Z imaginary.
constexpr std::array<int, 6> kBoxes = {IDC_CPX_X_REAL, IDC_CPX_X_IMAG, IDC_CPX_Y_REAL,
                                       IDC_CPX_Y_IMAG, IDC_CPX_Z_REAL, IDC_CPX_Z_IMAG};

enum Operation { kReciprocal = 0, kMagnitude = 1, kProduct = 8, kQuotient = 9, kZPlusQuotient };

struct ResultCase {
  const char* name;
  Operation operation;
  std::array<const char*, 6> boxes;  // null leaves the box at its "0"
  const char* result;
};

const ResultCase kResultCases[] = {
    {"ReciprocalTakesTheMinusForm",
     kReciprocal,
     {"3", "4"},
     " 1/X =        0.12 - j (       0.16) \n"},
    {"ReciprocalOfTheInitialZerosIsNotANumber",
     kReciprocal,
     {},
     " 1/X =        -nan - j (        nan) \n"},
    {"MagnitudeOfTheInitialZeros", kMagnitude, {}, " mag(X) =           0 \n"},
    {"ProductWithItsMagnitude",
     kProduct,
     {"1", "2", "3", "-4"},
     " X*Y =          11 + j (          2) \n\n\n mag (X*Y) =       11.18 \n"},
    {"QuotientWithItsMagnitude",
     kQuotient,
     {"1", "2", "3", "-4"},
     " X/Y =        -0.2 + j (        0.4) \n\n\n mag (X/Y) =     0.44721 \n"},
    {"ZPlusQuotientReadsZ",
     kZPlusQuotient,
     {"1", "2", "3", "-4", "5", "6"},
     " Z + (X/Y) =         4.8 + j (        6.4) \n"},
    {"UnusedBoxesNeverCauseAMessage",
     kMagnitude,
     {"3", "4", "1e308", "", "-1e-400", "1e300*1e8"},
     " mag(X) =           5 \n"},
    {"ExponentsAreRead", kMagnitude, {"1e3"}, " mag(X) =        1000 \n"},
    {"AnEmptyBoxReadsAsZero", kMagnitude, {"", "-7"}, " mag(X) =           7 \n"},
    {"BlanksReadAsZero", kMagnitude, {"  ", " -7 "}, " mag(X) =           7 \n"},
    {"OneThirdReadsAsMeant", kMagnitude, {"1/3"}, " mag(X) =     0.33333 \n"},
    {"ArithmeticInEveryBoxReadsAsItsValue",
     kZPlusQuotient,
     {"2^0", "4/2", "sqrt(9)", "-2*2", "pi - pi + 5", "abs(-6)"},
     " Z + (X/Y) =         4.8 + j (        6.4) \n"},
};

void PrintTo(const ResultCase& c, std::ostream* out) {
  *out << c.name;
}

class ComplexResults : public testing::TestWithParam<ResultCase> {};

TEST_P(ComplexResults, ShowTheOperationsResultInAMessageBox) {
  const ResultCase& c = GetParam();
  CComplexDlg dialog;
  RunModal(dialog, [&] {
    ClickListEntry(Control(IDC_CPX_OPERATION_LIST), c.operation);
    RetypeBoxes(kBoxes, c.boxes);
    EXPECT_EQ(ResultOfCalculate(), c.result);
  });
}

INSTANTIATE_TEST_SUITE_P(ThroughTheDialog, ComplexResults, testing::ValuesIn(kResultCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
  const char* name;
  std::array<const char*, 6> boxes;  // null leaves the box at its "0"
  int refused;
  const char* message;
};

const RefusalCase kRefusalCases[] = {
    {"DecimalComma",
     {"2,5"},
     IDC_CPX_X_REAL,
     "X real part: \"2,5\" is not a number: use a point (.) for the decimal separator."},
    {"LettersInABoxThatTheOperationDoesNotUse",
     {nullptr, nullptr, "abc"},
     IDC_CPX_Y_REAL,
     "Y real part: \"abc\" is not a number."},
    {"TrailingText", {"2.5 volts"}, IDC_CPX_X_REAL, "X real part: \"2.5 volts\" is not a number."},
    {"OnlyTheFirstRefusedBoxInReadingOrder",
     {nullptr, "1/0", nullptr, nullptr, nullptr, "x"},
     IDC_CPX_X_IMAG,
     "X imaginary part: \"1/0\" is not a finite number."},
    {"TooLarge",
     {nullptr, nullptr, nullptr, nullptr, "1e999"},
     IDC_CPX_Z_REAL,
     "Z real part: \"1e999\" is too large for a double."},
    {"Unbalanced",
     {nullptr, nullptr, nullptr, "(1+2"},
     IDC_CPX_Y_IMAG,
     "Y imaginary part: \"(1+2\" has unbalanced parentheses."},
    {"LongTextIsQuotedInPart",
     {nullptr, nullptr, nullptr, nullptr, nullptr,
      "((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((("
      "(((((((((((((((((((((1"},
     IDC_CPX_Z_IMAG,
     "Z imaginary part: \"((((((((((((((((((((((((((((((((((((((((...\" nests deeper than 100 "
     "levels."},
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
  *out << c.name;
}

class ComplexRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(ComplexRefusals, NameTheBoxComputeNothingAndLetTheUserRetypeIt) {
  const RefusalCase& c = GetParam();
  CComplexDlg dialog;
  RunModal(dialog, [&] {
    ClickListEntry(Control(IDC_CPX_OPERATION_LIST), kMagnitude);
    RetypeBoxes(kBoxes, c.boxes);
    ExpectCalculateToRefuseTheBox(c.refused, c.message);
  });
}

INSTANTIATE_TEST_SUITE_P(ThroughTheDialog, ComplexRefusals, testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComplexDialog, TheRetypedBoxIsReadAtTheNextCalculate) {
  CComplexDlg dialog;
  RunModal(dialog, [] {
    ClickListEntry(Control(IDC_CPX_OPERATION_LIST), kMagnitude);
    Retype(IDC_CPX_X_IMAG, "4");
    Retype(IDC_CPX_X_REAL, "2,5");
    ExpectCalculateToRefuseTheBox(
        IDC_CPX_X_REAL,
        "X real part: \"2,5\" is not a number: use a point (.) for the decimal separator.");
    EXPECT_EQ(MessagesDuring([] { PressKey(QApplication::focusWidget(), Qt::Key_Return); }),
              std::vector<std::string>{" mag(X) =           5 \n"});
  });
}

TEST(ComplexDialog, AMissingOperationIsReportedBeforeAnyBoxIsRead) {
  CComplexDlg dialog;
  RunModal(dialog, [] {
    Retype(IDC_CPX_X_REAL, "abc");
    EXPECT_EQ(MessagesDuring([] { Click(Control(IDOK)); }),
              std::vector<std::string>{"Please select calculation type. "});
  });
}

TEST(ComplexDialog, OpensWithZerosAndTheElevenOperationsNoneSelected) {
  CComplexDlg dialog;
  RunModal(dialog, [] {
    const std::vector<std::string> operations = {
        "1/X", "mag (X)", "phase (X)", "natural log (X)", "exp (X) ",  "sqrt (X)",
        "X^2", "X + Y",   "X * Y",     "X / Y",           "Z + (X/Y)",
    };
    EXPECT_EQ(EntriesOf(Control(IDC_CPX_OPERATION_LIST)), operations);
    EXPECT_EQ(SelectionOf(Control(IDC_CPX_OPERATION_LIST)), -1);
    for (const int box : kBoxes)
      EXPECT_EQ(TextIn(box), "0");
    EXPECT_TRUE(UnnamedAmong(kBoxes).empty());
    EXPECT_TRUE(UnnamedAmong(std::array{IDC_CPX_OPERATION_LIST}).empty());
    EXPECT_EQ(MessagesDuring([] { Click(Control(IDOK)); }),
              std::vector<std::string>{"Please select calculation type. "});
  });
}

TEST(ComplexDialog, ChoosingOrDoubleClickingAnOperationComputesNothing) {
  CComplexDlg dialog;
  RunModal(dialog, [] {
    auto* list = qobject_cast<QListWidget*>(Control(IDC_CPX_OPERATION_LIST));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(MessagesDuring([list] {
                  ClickListEntry(list, kMagnitude);
                  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                                     list->visualItemRect(list->item(kQuotient)).center());
                }).empty());
    EXPECT_EQ(SelectionOf(list), kQuotient);
  });
}

TEST(ComplexDialog, EnterInAnyBoxCalculatesAndKeepsTheDialogOpen) {
  CComplexDlg dialog;
  RunModal(dialog, [&] {
    ClickListEntry(Control(IDC_CPX_OPERATION_LIST), kMagnitude);
    Retype(IDC_CPX_X_REAL, "-12");
    for (const int box : kBoxes) {
      SCOPED_TRACE(box);
      EXPECT_EQ(MessagesDuring([box] { PressKey(Control(box), Qt::Key_Return); }),
                std::vector<std::string>{" mag(X) =          12 \n"});
      EXPECT_EQ(ActiveDialog(), dialog.GetSafeHwnd());
    }
  });
}

TEST(ComplexDialog, TheResultCanBeCopiedFromItsMessageBox) {
  CComplexDlg dialog;
  RunModal(dialog, [] {
    ClickListEntry(Control(IDC_CPX_OPERATION_LIST), kMagnitude);
    QApplication::clipboard()->clear();
    OnNextModal([](QWidget* box) {
      QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
      CloseMessageBox(box, CloseWith::kEscape);
    });
    Click(Control(IDOK));
    EXPECT_NE(QApplication::clipboard()->text().toStdString().find(" mag(X) =           0 "),
              std::string::npos);
  });
}

TEST(ComplexDialog, ClosingAndReopeningStartsAgainFromZerosAndNoSelection) {
  CComplexDlg dialog;
  for (const auto& leave : kWaysToLeaveACalculator) {
    const INT_PTR result = RunModal(dialog, [&] {
      EXPECT_EQ(SelectionOf(Control(IDC_CPX_OPERATION_LIST)), -1);
      EXPECT_EQ(EntriesOf(Control(IDC_CPX_OPERATION_LIST)).size(), 11u);
      for (const int box : kBoxes)
        EXPECT_EQ(TextIn(box), "0");
      ClickListEntry(Control(IDC_CPX_OPERATION_LIST), kProduct);
      Retype(IDC_CPX_Y_IMAG, "8");
      leave();
    });
    EXPECT_EQ(result, IDCANCEL);
  }
}

}  // namespace

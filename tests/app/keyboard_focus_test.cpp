// Where the keyboard puts what a person types: Tab and Shift+Tab visit the boxes in reading
// order, and a box that the dialog gives the focus selects its text, so that typing replaces
// it; a box the mouse clicks into keeps the caret where the click put it.

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <array>

#include "complex/complex_dlg.h"
#include "res/resource_ids.h"
#include "tests/app/dialog_driving.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "vector/vector_dlg.h"
#include "winsys/control_id.h"

using namespace app_test;
using namespace test_support;

namespace {

// The id of the control that has the keyboard focus, or 0.
int FocusedId() {
  const QWidget* focus = QApplication::focusWidget();
  return focus ? ControlId(focus) : 0;
}

// Presses keys on whatever has the focus, as a person at the keyboard does.
void PressOnFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
void TypeOnFocus(const QString& text) {
  QTest::keyClicks(QApplication::focusWidget(), text);
}

// The ids that Tab (or Shift+Tab) visits, starting from the focused control.
std::vector<int> FocusPath(size_t steps, Qt::KeyboardModifiers modifiers) {
  std::vector<int> path;
  for (size_t step = 0; step < steps; ++step) {
    PressOnFocus(Qt::Key_Tab, modifiers);
    path.push_back(FocusedId());
  }
  return path;
}

TEST(KeyboardFocus, TabVisitsTheThreeDimensionalBoxesInReadingOrder) {
  CVectorDlg dialog;
  RunModal(dialog, [] {
    ClickListEntry(Control(IDC_VEC_DIMENSION_LIST), 1);
    ClickListEntry(Control(IDC_VEC_OPERATION_LIST), 5);
    // From the operation list, Tab goes into X's first box and on through both rows.
    EXPECT_EQ(FocusPath(6, Qt::NoModifier), (std::vector<int>{IDC_VEC_X1, IDC_VEC_X2, IDC_VEC_X3,
                                                              IDC_VEC_Y1, IDC_VEC_Y2, IDC_VEC_Y3}));
    EXPECT_EQ(FocusPath(5, Qt::ShiftModifier),
              (std::vector<int>{IDC_VEC_Y2, IDC_VEC_Y1, IDC_VEC_X3, IDC_VEC_X2, IDC_VEC_X1}));
    // Shift+Tab from X's first box goes back to the operation list.
    EXPECT_EQ(FocusPath(1, Qt::ShiftModifier), std::vector<int>{IDC_VEC_OPERATION_LIST});
  });
}

TEST(KeyboardFocus, TypingWithTabBetweenComponentsFillsTheVectorsInOrder) {
  CVectorDlg dialog;
  RunModal(dialog, [] {
    ClickListEntry(Control(IDC_VEC_DIMENSION_LIST), 1);
    ClickListEntry(Control(IDC_VEC_OPERATION_LIST), 5);
    // Each box holds "0" and selects it when Tab arrives, so typing replaces it.
    for (const char* component : {"1", "2", "3", "4", "5", "6"}) {
      PressOnFocus(Qt::Key_Tab);
      TypeOnFocus(component);
    }
    const std::array<std::pair<int, const char*>, 6> expected = {{{IDC_VEC_X1, "1"},
                                                                  {IDC_VEC_X2, "2"},
                                                                  {IDC_VEC_X3, "3"},
                                                                  {IDC_VEC_Y1, "4"},
                                                                  {IDC_VEC_Y2, "5"},
                                                                  {IDC_VEC_Y3, "6"}}};
    for (const auto& [box, text] : expected)
      EXPECT_EQ(TextIn(box), text) << box;
    EXPECT_EQ(MessagesDuring([] { PressOnFocus(Qt::Key_Return); }),
              std::vector<std::string>{
                  "\n X cross Y =            -3 i +             6 j +            -3 k \n\n\n"
                  " Magnitude [ X cross Y ] =       7.3485"});
  });
}

TEST(KeyboardFocus, ShiftTabSelectsTheBoxItArrivesIn) {
  CVectorDlg dialog;
  RunModal(dialog, [] {
    ClickListEntry(Control(IDC_VEC_DIMENSION_LIST), 1);
    Click(Control(IDC_VEC_Y3));
    PressOnFocus(Qt::Key_Tab, Qt::ShiftModifier);
    TypeOnFocus("-8");
    EXPECT_EQ(TextIn(IDC_VEC_Y2), "-8");
  });
}

// What a box reads after a person typed `typed` into it at each way the focus can come to it.
struct FocusCase {
  const char* name;
  const char* typed;
  const char* expected;
};

// The box that held the focus when a message box opened gets it back when the box closes,
// and then holds its whole text selected.
TEST(KeyboardFocus, ABoxThatGetsTheFocusBackAfterAMessageIsReplacedByTyping) {
  const FocusCase cases[] = {
      {"a digit", "7", "7"},
      {"a negative number", "-3", "-3"},
      {"a decimal", ".5", ".5"},
  };
  for (const FocusCase& c : cases) {
    SCOPED_TRACE(c.name);
    CComplexDlg dialog;
    RunModal(dialog, [&] {
      Click(Control(IDC_CPX_X_REAL));
      EXPECT_EQ(FocusedId(), IDC_CPX_X_REAL);
      EXPECT_EQ(MessagesDuring([] { PressOnFocus(Qt::Key_Return); }),
                std::vector<std::string>{"Please select calculation type. "});
      // The window manager gives the dialog back its activation after the message has gone.
      EXPECT_TRUE(QTest::qWaitFor([] { return FocusedId() == IDC_CPX_X_REAL; }));
      TypeOnFocus(c.typed);
      EXPECT_EQ(TextIn(IDC_CPX_X_REAL), c.expected);
    });
  }
}

TEST(KeyboardFocus, AMouseClickPlacesTheCaretWithoutSelecting) {
  CComplexDlg dialog;
  RunModal(dialog, [] {
    // The click lands to the right of the "0", so the caret goes after it.
    Click(Control(IDC_CPX_Y_IMAG));
    TypeOnFocus("5");
    EXPECT_EQ(TextIn(IDC_CPX_Y_IMAG), "05");
  });
}

TEST(KeyboardFocus, TabIntoABoxOfTheComplexCalculatorSelectsItsText) {
  CComplexDlg dialog;
  RunModal(dialog, [] {
    Click(Control(IDC_CPX_X_REAL));
    PressOnFocus(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), IDC_CPX_X_IMAG);
    TypeOnFocus("2");
    EXPECT_EQ(TextIn(IDC_CPX_X_IMAG), "2");
  });
}

}  // namespace

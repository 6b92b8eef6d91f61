// DoModal: the window built afresh at each opening, the dialog manager's keys and buttons,
// the owner disabled meanwhile, and the wrappers bound only while the window lives.

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"
#include "winsys/control_id.h"

using namespace test_support;

namespace {

struct EndingCase {
  const char* name;
  std::function<void()> userAction;
  INT_PTR endCode;
  int okRuns;
  int cancelRuns;
};

TEST(ModalDialog, EachWayOfEndingRunsItsHandlerAndReturnsItsCode) {
  const EndingCase cases[] = {
      {"Calculate button", [] { Click(Control(IDOK)); }, IDOK, 1, 0},
      {"Enter in an edit box", [] { PressKey(Control(IDC_CPX_X_REAL), Qt::Key_Return); }, IDOK, 1,
       0},
      {"Enter on the keypad in a list",
       [] { PressKey(Control(IDC_CPX_OPERATION_LIST), Qt::Key_Enter, Qt::KeypadModifier); }, IDOK,
       1, 0},
      {"Return to Main Menu button", [] { Click(Control(IDCANCEL)); }, IDCANCEL, 0, 1},
      {"Enter on the focused Cancel button", [] { PressKey(Control(IDCANCEL), Qt::Key_Return); },
       IDCANCEL, 0, 1},
      {"Escape in an edit box", [] { PressKey(Control(IDC_CPX_Y_IMAG), Qt::Key_Escape); }, IDCANCEL,
       0, 1},
      {"close box", [] { ActiveDialog()->close(); }, IDCANCEL, 0, 1},
  };
  for (const EndingCase& ending : cases) {
    SCOPED_TRACE(ending.name);
    TestDialog dialog(IDD_COMPLEX);
    EXPECT_EQ(RunModal(dialog, ending.userAction), ending.endCode);
    EXPECT_EQ(dialog.okRuns, ending.okRuns);
    EXPECT_EQ(dialog.cancelRuns, ending.cancelRuns);
  }
}

TEST(ModalDialog, AnOnOkThatComputesKeepsTheDialogOpenOnEnter) {
  TestDialog dialog(IDD_COMPLEX);
  dialog.okEndsDialog = false;
  bool stillOpen = false;
  RunModal(dialog, [&] {
    PressKey(Control(IDC_CPX_X_REAL), Qt::Key_Return);
    Click(Control(IDOK));
    stillOpen = ActiveDialog() && ActiveDialog()->isVisible();
    PressKey(ActiveDialog(), Qt::Key_Escape);
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(dialog.okRuns, 2);
  EXPECT_EQ(dialog.cancelRuns, 1);
}

TEST(ModalDialog, InitialisationRunsOneDataExchangeAndTheFrameworkOkAnother) {
  TestDialog dialog(IDD_ABOUTBOX);
  RunModal(dialog, [] { PressKey(Control(IDOK), Qt::Key_Return); });
  EXPECT_EQ(dialog.initDialogRuns, 1);
  EXPECT_EQ(dialog.dataExchanges, 2);
}

TEST(ModalDialog, FocusStartsOnTheFirstTabStop) {
  const struct {
    UINT templateId;
    int firstTabStop;
  } cases[] = {{IDD_MAIN_MENU, IDCANCEL}, {IDD_POLYNOMIAL, IDOK}, {IDD_ABOUTBOX, IDOK}};
  for (const auto& [templateId, firstTabStop] : cases) {
    SCOPED_TRACE(templateId);
    TestDialog dialog(templateId);
    int focused = 0;
    RunModal(dialog, [&] { focused = ControlId(QApplication::focusWidget()); });
    EXPECT_EQ(focused, firstTabStop);
  }
}

TEST(ModalDialog, TabVisitsTheTabStopsInTemplateOrder) {
  TestDialog dialog(IDD_COMPLEX);
  std::vector<int> visited;
  RunModal(dialog, [&] {
    for (int i = 0; i < 9; ++i) {
      visited.push_back(ControlId(QApplication::focusWidget()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
  });
  const std::vector<int> templateOrder = {IDOK,           IDCANCEL,       IDC_CPX_OPERATION_LIST,
                                          IDC_CPX_X_REAL, IDC_CPX_X_IMAG, IDC_CPX_Y_REAL,
                                          IDC_CPX_Y_IMAG, IDC_CPX_Z_REAL, IDC_CPX_Z_IMAG};
  EXPECT_EQ(visited, templateOrder);
}

TEST(ModalDialog, OnlyTheTemplatesDefaultButtonIsDrawnAsDefault) {
  const struct {
    UINT templateId;
    int box;
    int button;
    bool isDefault;
  } cases[] = {{IDD_POLYNOMIAL, IDC_POLY_X, IDOK, true},
               {IDD_POLYNOMIAL, IDC_POLY_X, IDCANCEL, false},
               {IDD_COMPLEX, IDC_CPX_OPERATION_LIST, IDOK, true},
               {IDD_COMPLEX, IDC_CPX_OPERATION_LIST, IDCANCEL, false}};
  for (const auto& [templateId, box, button, isDefault] : cases) {
    SCOPED_TRACE(button);
    TestDialog dialog(templateId);
    bool drawnAsDefault = !isDefault;
    // With the focus in a box, no focused push button borrows the default look.
    RunModal(dialog, [&, box = box, button = button] {
      Control(box)->setFocus();
      drawnAsDefault = qobject_cast<QPushButton*>(Control(button))->isDefault();
    });
    EXPECT_EQ(drawnAsDefault, isDefault);
  }
}

TEST(ModalDialog, EveryOpeningBuildsTheWindowAfreshAndRebindsTheWrappers) {
  TestDialog dialog(IDD_COMPLEX, IDC_CPX_OPERATION_LIST, IDC_CPX_X_REAL);
  QWidget* firstEdit = nullptr;
  RunModal(dialog, [&] {
    firstEdit = dialog.edit.GetSafeHwnd();
    EXPECT_EQ(firstEdit, Control(IDC_CPX_X_REAL));
    TypeInto(firstEdit, "42");
    dialog.list.InsertString(0, "left over");
  });
  EXPECT_EQ(dialog.edit.GetSafeHwnd(), nullptr);
  EXPECT_EQ(dialog.list.GetSafeHwnd(), nullptr);
  RunModal(dialog, [&] {
    CString text;
    dialog.edit.GetWindowText(text);
    EXPECT_EQ(text, CString(""));
    EXPECT_TRUE(EntriesOf(Control(IDC_CPX_OPERATION_LIST)).empty());
    EXPECT_EQ(dialog.edit.GetSafeHwnd(), Control(IDC_CPX_X_REAL));
  });
}

TEST(ModalDialog, TheOwnerStaysDisabledWhileADialogRunsOverIt) {
  TestDialog owner(IDD_MAIN_MENU);
  CWnd* previousMainWindow = std::exchange(AfxGetApp()->m_pMainWnd, &owner);
  bool ownerEnabledDuringInner = true;
  bool ownerEnabledAfter = false;
  RunModal(owner, [&] {
    TestDialog inner(IDD_ABOUTBOX);
    RunModal(inner, [&] { ownerEnabledDuringInner = owner.GetSafeHwnd()->isEnabled(); });
    ownerEnabledAfter = owner.GetSafeHwnd()->isEnabled();
  });
  AfxGetApp()->m_pMainWnd = previousMainWindow;
  EXPECT_FALSE(ownerEnabledDuringInner);
  EXPECT_TRUE(ownerEnabledAfter);
}

TEST(ModalDialog, AMissingTemplateRunsNothing) {
  TestDialog dialog(9999);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_EQ(dialog.initDialogRuns, 0);
}

}  // namespace

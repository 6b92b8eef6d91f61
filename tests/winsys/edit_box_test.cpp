// Edit boxes and window texts: EN_CHANGE for the user's edits only, read-only multi-line
// boxes, and showing and hiding controls.

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"

using namespace test_support;

namespace {

TEST(EditBox, OnlyTheUsersEditsAreNotified) {
  const struct {
    const char* name;
    std::function<void(QWidget* box, CEdit& wrapper)> act;
    std::string text;
    int notifications;
  } cases[] = {
      {"typing", [](QWidget* box, CEdit&) { TypeInto(box, "12"); }, "12", 2},
      {"Backspace",
       [](QWidget* box, CEdit&) {
         TypeInto(box, "7");
         PressKey(box, Qt::Key_Backspace);
       },
       "", 2},
      {"pasting",
       [](QWidget* box, CEdit&) {
         QApplication::clipboard()->setText("3.5");
         PressKey(box, Qt::Key_V, Qt::ControlModifier);
       },
       "3.5", 1},
      {"the program's own write", [](QWidget*, CEdit& wrapper) { wrapper.SetWindowText("0."); },
       "0.", 0},
  };
  for (const auto& [name, act, text, notifications] : cases) {
    SCOPED_TRACE(name);
    TestDialog dialog(IDD_POLYNOMIAL, 0, IDC_POLY_X);
    RunModal(dialog, [&] {
      act(Control(IDC_POLY_X), dialog.edit);
      CString read;
      dialog.edit.GetWindowText(read);
      EXPECT_EQ(read.str(), text);
    });
    EXPECT_EQ(dialog.editChanges, notifications);
  }
}

TEST(EditBox, AReadOnlyMultiLineBoxShowsLineBreaksAndKeepsItsText) {
  TestDialog dialog(IDD_POLYNOMIAL, 0, IDC_POLY_ROOTS);
  const char* roots = " Two Real Roots: \r\n\r\n x1 =            2 \r\n x2 =            1";
  RunModal(dialog, [&] {
    dialog.edit.SetWindowText(roots);
    auto* box = qobject_cast<QPlainTextEdit*>(Control(IDC_POLY_ROOTS));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->document()->blockCount(), 4);
    EXPECT_EQ(box->document()->findBlockByNumber(2).text().toStdString(), " x1 =            2 ");
    TypeInto(box, "typed");
    CString read;
    dialog.edit.GetWindowText(read);
    EXPECT_EQ(read.str(), roots);

    PressKey(box, Qt::Key_A, Qt::ControlModifier);
    PressKey(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              " Two Real Roots: \n\n x1 =            2 \n x2 =            1");
  });
}

TEST(EditBox, AReadOnlyMultiLineBoxScrollsWithoutScrollBars) {
  TestDialog dialog(IDD_POLYNOMIAL, 0, IDC_POLY_ROOTS);
  RunModal(dialog, [&] {
    std::string manyLines;
    for (int line = 0; line < 40; ++line)
      manyLines += " line " + std::to_string(line) + " \r\n";
    dialog.edit.SetWindowText(manyLines.c_str());
    auto* box = qobject_cast<QPlainTextEdit*>(Control(IDC_POLY_ROOTS));
    EXPECT_FALSE(box->verticalScrollBar()->isVisible());
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    PressKey(box, Qt::Key_End, Qt::ControlModifier);
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
  });
}

TEST(EditBox, ShowWindowHidesAndShowsAndAHiddenBoxKeepsItsText) {
  TestDialog dialog(IDD_POLYNOMIAL, 0, IDC_POLY_X);
  RunModal(dialog, [&] {
    QWidget* box = Control(IDC_POLY_X);
    dialog.edit.SetWindowText("1.5");
    const struct {
      int command;
      BOOL wasVisible;
      bool visible;
    } steps[] = {{SW_HIDE, TRUE, false},
                 {SW_HIDE, FALSE, false},
                 {SW_SHOW, FALSE, true},
                 {SW_SHOW, TRUE, true}};
    for (const auto& [command, wasVisible, visible] : steps) {
      EXPECT_EQ(dialog.edit.ShowWindow(command), wasVisible);
      EXPECT_EQ(box->isVisible(), visible);
      CString read;
      dialog.edit.GetWindowText(read);
      EXPECT_EQ(read.str(), "1.5");
    }
  });
}

TEST(EditBox, ControlsHiddenDuringInitialisationStayHiddenWhenTheDialogShows) {
  struct HidingDialog : TestDialog {
    HidingDialog() : TestDialog(IDD_POLYNOMIAL, 0, IDC_POLY_X) {}
    void DoDataExchange(CDataExchange* dx) override {
      TestDialog::DoDataExchange(dx);
      visibleBeforeShow = edit.ShowWindow(SW_HIDE);
    }
    BOOL visibleBeforeShow = FALSE;
  } dialog;
  bool shown = true;
  RunModal(dialog, [&] { shown = Control(IDC_POLY_X)->isVisible(); });
  EXPECT_TRUE(dialog.visibleBeforeShow);
  EXPECT_FALSE(shown);
}

}  // namespace

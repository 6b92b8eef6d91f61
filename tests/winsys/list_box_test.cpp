// List boxes: entries at explicit positions despite the sort style, the selection, and the
// notifications for the user's changes only.

#include <gtest/gtest.h>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"

using namespace test_support;

namespace {

const std::vector<std::string> kDegrees = {"quadratic", "cubic", "quartic"};

void FillDegrees(CListBox& list) {
  for (int position = 0; position < 3; ++position)
    list.InsertString(position, kDegrees[position].c_str());
}

TEST(ListBox, InsertStringPutsEachEntryAtItsPositionDespiteTheSortStyle) {
  const struct {
    std::vector<std::pair<int, const char*>> inserts;
    std::vector<int> results;
    std::vector<std::string> entries;
  } cases[] = {
      {{{0, "quartic"}, {0, "cubic"}, {0, "quadratic"}}, {0, 0, 0}, kDegrees},
      {{{0, "b"}, {-1, "c"}, {0, "a"}}, {0, 1, 0}, {"a", "b", "c"}},
      {{{0, "z"}, {1, "a"}, {1, "m"}}, {0, 1, 1}, {"z", "m", "a"}},
      {{{0, "only"}, {2, "beyond the end"}, {-5, "negative"}}, {0, LB_ERR, LB_ERR}, {"only"}},
  };
  for (const auto& [inserts, results, entries] : cases) {
    TestDialog dialog(IDD_POLYNOMIAL, IDC_POLY_DEGREE_LIST);
    RunModal(dialog, [&] {
      std::vector<int> returned;
      for (const auto& [position, text] : inserts)
        returned.push_back(dialog.list.InsertString(position, text));
      EXPECT_EQ(returned, results);
      EXPECT_EQ(EntriesOf(Control(IDC_POLY_DEGREE_LIST)), entries);
    });
  }
}

TEST(ListBox, AFreshListHasNothingSelectedAlsoWithTheFocus) {
  TestDialog dialog(IDD_POLYNOMIAL, IDC_POLY_DEGREE_LIST);
  RunModal(dialog, [&] {
    FillDegrees(dialog.list);
    EXPECT_EQ(dialog.list.GetCurSel(), LB_ERR);
    Control(IDC_POLY_DEGREE_LIST)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(dialog.list.GetCurSel(), LB_ERR);
  });
  EXPECT_EQ(dialog.selectionChanges, 0);
}

// Each step acts on the list, and says which entry is then selected and how many
// notifications the dialog has had in all.
struct Step {
  std::function<void(QWidget* list, CListBox& wrapper)> act;
  int selection;
  int notifications;
};

void Key(QWidget* list, Qt::Key key) {
  PressKey(list, key);
}

TEST(ListBox, TheUsersChangesAreNotifiedAndTheProgramsAreNot) {
  const struct {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"click, then the same entry again",
       {{[](QWidget* l, CListBox&) { ClickListEntry(l, 1); }, 1, 1},
        {[](QWidget* l, CListBox&) { ClickListEntry(l, 1); }, 1, 1},
        {[](QWidget* l, CListBox&) { ClickListEntry(l, 2); }, 2, 2}}},
      {"Down in a fresh list selects the entry after the caret",
       {{[](QWidget* l, CListBox&) { Key(l, Qt::Key_Down); }, 1, 1},
        {[](QWidget* l, CListBox&) { Key(l, Qt::Key_Down); }, 2, 2},
        {[](QWidget* l, CListBox&) { Key(l, Qt::Key_Down); }, 2, 2}}},
      {"Up in a fresh list selects the first entry",
       {{[](QWidget* l, CListBox&) { Key(l, Qt::Key_Up); }, 0, 1},
        {[](QWidget* l, CListBox&) { Key(l, Qt::Key_Up); }, 0, 1}}},
      {"Home and End",
       {{[](QWidget* l, CListBox&) { Key(l, Qt::Key_End); }, 2, 1},
        {[](QWidget* l, CListBox&) { Key(l, Qt::Key_Home); }, 0, 2},
        {[](QWidget* l, CListBox&) { Key(l, Qt::Key_Home); }, 0, 2}}},
      {"a letter selects the entry it starts",
       {{[](QWidget* l, CListBox&) { Key(l, Qt::Key_C); }, 1, 1}}},
      {"Ctrl+click never takes the selection away",
       {{[](QWidget* l, CListBox&) { ClickListEntry(l, 0); }, 0, 1},
        {[](QWidget* l, CListBox&) {
           auto* view = qobject_cast<QListWidget*>(l);
           QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                             view->visualItemRect(view->item(0)).center());
         },
         0, 1}}},
      {"emptying and refilling",
       {{[](QWidget* l, CListBox&) { ClickListEntry(l, 2); }, 2, 1},
        {[](QWidget*, CListBox& w) {
           w.ResetContent();
           FillDegrees(w);
         },
         -1, 1},
        {[](QWidget*, CListBox& w) { w.InsertString(0, "first"); }, -1, 1}}},
  };
  for (const auto& [name, steps] : cases) {
    SCOPED_TRACE(name);
    TestDialog dialog(IDD_POLYNOMIAL, IDC_POLY_DEGREE_LIST);
    RunModal(dialog, [&] {
      FillDegrees(dialog.list);
      QWidget* list = Control(IDC_POLY_DEGREE_LIST);
      int stepNumber = 0;
      for (const Step& step : steps) {
        SCOPED_TRACE(++stepNumber);
        step.act(list, dialog.list);
        EXPECT_EQ(dialog.list.GetCurSel(), step.selection);
        EXPECT_EQ(dialog.selectionChanges, step.notifications);
      }
    });
  }
}

TEST(ListBox, AHandlerMayRunADialogAndRefillTheList) {
  const struct {
    const char* name;
    std::function<void(QWidget* list)> choose;
  } cases[] = {
      {"click", [](QWidget* list) { ClickListEntry(list, 1); }},
      {"arrow key", [](QWidget* list) { PressKey(list, Qt::Key_Down); }},
  };
  for (const auto& [name, choose] : cases) {
    SCOPED_TRACE(name);
    TestDialog dialog(IDD_MAIN_MENU, IDC_FUNCTION_LIST);
    int innerRuns = 0;
    // As the main menu does: open a dialog for the entry, then start the list again.
    dialog.onSelectionChange = [&] {
      TestDialog inner(IDD_ABOUTBOX);
      OnNextModal([](QWidget* window) { QTest::keyClick(window, Qt::Key_Escape); });
      inner.DoModal();
      ++innerRuns;
      dialog.list.ResetContent();
      FillDegrees(dialog.list);
    };
    RunModal(dialog, [&] {
      FillDegrees(dialog.list);
      QWidget* list = Control(IDC_FUNCTION_LIST);
      choose(list);
      EXPECT_EQ(EntriesOf(list), kDegrees);
      EXPECT_EQ(dialog.list.GetCurSel(), LB_ERR);
      choose(list);
    });
    EXPECT_EQ(innerRuns, 2);
    EXPECT_EQ(dialog.selectionChanges, 2);
  }
}

}  // namespace

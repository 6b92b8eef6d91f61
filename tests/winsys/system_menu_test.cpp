// The dialogs' own system menu: opened with Alt+Space or a right click on the background,
// standard commands first, the program's items appended, every choice a WM_SYSCOMMAND.

#include <gtest/gtest.h>
#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"

using namespace test_support;

namespace {

constexpr UINT kAboutCommand = 0x0010;

void AppendAbout(TestDialog& dialog) {
  CMenu* menu = dialog.GetSystemMenu(FALSE);
  ASSERT_NE(menu, nullptr);
  menu->AppendMenu(MF_SEPARATOR);
  menu->AppendMenu(MF_STRING, kAboutCommand, "&About Quillet...");
}

TEST(SystemMenu, OffersTheStandardCommandsThenTheAppendedOnes) {
  const struct {
    const char* name;
    std::function<void()> open;
  } ways[] = {
      {"Alt+Space", [] { PressKey(Control(IDC_FUNCTION_LIST), Qt::Key_Space, Qt::AltModifier); }},
      // What Qt makes of a right click on the dialog's background; Qt's offscreen platform
      // makes nothing of a simulated one.
      {"right click on the background",
       [] {
         QWidget* dialog = ActiveDialog();
         QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                                 dialog->mapToGlobal(QPoint(3, 3)));
         QApplication::sendEvent(dialog, &click);
       }},
  };
  for (const auto& [name, open] : ways) {
    SCOPED_TRACE(name);
    TestDialog dialog(IDD_MAIN_MENU);
    std::vector<std::string> items;
    RunModal(dialog, [&] {
      AppendAbout(dialog);
      items = OpenMenuAndChoose(open, "");
    });
    const std::vector<std::string> expected = {
        "&Restore", "Mi&nimize", "Ma&ximize", "-", "&Close\tAlt+F4", "-", "&About Quillet..."};
    EXPECT_EQ(items, expected);
    EXPECT_TRUE(dialog.systemCommands.empty());
  }
}

TEST(SystemMenu, EveryChoiceArrivesAsWmSysCommand) {
  const struct {
    std::string item;
    UINT command;
    bool passOn;
    bool minimized;
  } cases[] = {
      {"&About Quillet...", kAboutCommand, true, false},
      {"Mi&nimize", SC_MINIMIZE, true, true},
      {"Mi&nimize", SC_MINIMIZE, false, false},
  };
  for (const auto& [item, command, passOn, minimized] : cases) {
    SCOPED_TRACE(item);
    TestDialog dialog(IDD_MAIN_MENU);
    dialog.passSystemCommandsOn = passOn;
    bool wasMinimized = !minimized;
    RunModal(dialog, [&, item = item] {
      AppendAbout(dialog);
      OpenMenuAndChoose([] { PressKey(ActiveDialog(), Qt::Key_Space, Qt::AltModifier); }, item);
      wasMinimized = dialog.IsIconic();
    });
    EXPECT_EQ(dialog.systemCommands, std::vector<UINT>{command});
    EXPECT_EQ(wasMinimized, minimized);
  }
}

TEST(SystemMenu, CloseEndsTheDialogThroughOnCancel) {
  TestDialog dialog(IDD_POLYNOMIAL);
  const INT_PTR result = RunModal(dialog, [] {
    OpenMenuAndChoose([] { PressKey(ActiveDialog(), Qt::Key_Space, Qt::AltModifier); },
                      "&Close\tAlt+F4");
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dialog.cancelRuns, 1);
}

TEST(SystemMenu, AWindowlessWrapperHasNone) {
  TestDialog dialog(IDD_MAIN_MENU);
  EXPECT_EQ(dialog.GetSystemMenu(FALSE), nullptr);
}

}  // namespace

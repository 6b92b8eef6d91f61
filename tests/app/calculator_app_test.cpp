// The whole program in the test's process: the application object's start-up runs the main
// menu, which opens a calculator, and ends when the main menu ends.

#include <gtest/gtest.h>
#include <QTest>

#include "app/calculator_app.h"
#include "res/resource_ids.h"
#include "tests/app/dialog_driving.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"

using namespace app_test;
using namespace test_support;

namespace {

TEST(CalculatorApp, StartUpRunsTheMainMenuAsMainWindowAndEndsWithIt) {
  bool ran = false;
  OnNextModal([&ran](QWidget* mainMenu) {
    ran = true;
    EXPECT_EQ(theApp.m_pMainWnd->GetSafeHwnd(), mainMenu);
    EXPECT_EQ(ModalsDuring([] { ClickListEntry(Control(IDC_FUNCTION_LIST), 1); }),
              (std::vector<ModalSeen>{{"Complex Number Calculator", ""}}));
    PressKey(mainMenu, Qt::Key_Escape);
  });
  EXPECT_FALSE(theApp.InitInstance());
  EXPECT_TRUE(ran);
}

TEST(CalculatorApp, TheHelpCommandIsTheApplicationsOwn) {
  EXPECT_TRUE(theApp.OnCmdMsg(ID_HELP, 0));
  EXPECT_FALSE(theApp.OnCmdMsg(ID_HELP + 1, 0));
}

}  // namespace

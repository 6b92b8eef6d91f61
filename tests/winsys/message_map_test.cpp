// Message maps: each message reaches the handler its entry names, the base class's map
// after the class's own, and commands no window handles go on to the application.

#include <gtest/gtest.h>
#include <QTest>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"

using namespace test_support;

namespace {

constexpr int kAppCommand = 0x8001;

// An application object with a map of its own, as the program's has.
class TestApp : public CWinApp {
 public:
  int helpRequests = 0;

 private:
  void OnHelpRequested() { ++helpRequests; }
  DECLARE_MESSAGE_MAP(TestApp)
};

IMPLEMENT_MESSAGE_MAP(TestApp, CWinApp){
    OnCommand(ID_HELP, &TestApp::OnHelpRequested),
    OnCommand(kAppCommand, &CWinApp::OnHelp),
};

TEST(MessageMap, EachMessageReachesTheHandlerOfItsEntry) {
  const struct {
    const char* name;
    UINT message;
    WPARAM wParam;
    int selectionChanges;
    int editChanges;
    std::vector<UINT> systemCommands;
    int okRuns;
  } cases[] = {
      {"list selection change",
       WM_COMMAND,
       MAKEWPARAM(IDC_POLY_DEGREE_LIST, LBN_SELCHANGE),
       1,
       0,
       {},
       0},
      {"edit change", WM_COMMAND, MAKEWPARAM(IDC_POLY_X, EN_CHANGE), 0, 1, {}, 0},
      {"a notification its entry does not name",
       WM_COMMAND,
       MAKEWPARAM(IDC_POLY_X, LBN_SELCHANGE),
       0,
       0,
       {},
       0},
      {"an unmapped control", WM_COMMAND, MAKEWPARAM(IDC_POLY_X4, EN_CHANGE), 0, 0, {}, 0},
      {"system command", WM_SYSCOMMAND, 0x0013, 0, 0, {0x0013}, 0},
      {"OK through the base class's map", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0, 0, {}, 1},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.name);
    TestDialog dialog(IDD_POLYNOMIAL);
    dialog.passSystemCommandsOn = false;
    dialog.okEndsDialog = false;
    dialog.SendMessage(entry.message, entry.wParam, 0);
    EXPECT_EQ(dialog.selectionChanges, entry.selectionChanges);
    EXPECT_EQ(dialog.editChanges, entry.editChanges);
    EXPECT_EQ(dialog.systemCommands, entry.systemCommands);
    EXPECT_EQ(dialog.okRuns, entry.okRuns);
  }
}

TEST(MessageMap, TheApplicationsMapTakesCommandsAHandlerOfTheBaseClassIncluded) {
  TestApp app;
  EXPECT_EQ(AfxGetApp(), &app);
  EXPECT_TRUE(app.OnCmdMsg(ID_HELP, BN_CLICKED));
  EXPECT_TRUE(app.OnCmdMsg(kAppCommand, BN_CLICKED));
  EXPECT_FALSE(app.OnCmdMsg(kAppCommand + 1, BN_CLICKED));
  EXPECT_EQ(app.helpRequests, 1);
}

TEST(MessageMap, F1InADialogIsTheHelpCommandOfTheApplication) {
  TestApp app;
  app.m_pszAppName = "Quillet";
  TestDialog dialog(IDD_COMPLEX);
  RunModal(dialog, [] {
    PressKey(Control(IDC_CPX_X_REAL), Qt::Key_F1);
    PressKey(Control(IDC_CPX_OPERATION_LIST), Qt::Key_F1);
  });
  EXPECT_EQ(app.helpRequests, 2);
}

}  // namespace

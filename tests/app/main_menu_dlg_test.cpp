// The main menu driven as a person would: opening the calculators from its list, ending it,
// its system menu with the About box, its icons and the icon it draws when minimized.

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/main_menu_dlg.h"
#include "res/resource_ids.h"
#include "tests/app/dialog_driving.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "winsys/icon_resource.h"

using namespace app_test;
using namespace test_support;

namespace {

const std::vector<std::string> kFunctions = {"Vectors", "Complex Numbers", "Roots of Polynomials"};
const ModalSeen kAboutBox = {"About Quillet", ""};

void ExpectFreshList() {
  EXPECT_EQ(EntriesOf(Control(IDC_FUNCTION_LIST)), kFunctions);
  EXPECT_EQ(SelectionOf(Control(IDC_FUNCTION_LIST)), -1);
}

// Opens the system menu with Alt+Space, presses `key` in it and returns its entries ("-" for
// a separator).
std::vector<std::string> PressInSystemMenu(Qt::Key key) {
  std::vector<std::string> entries;
  QTimer::singleShot(0, [&entries, key] {
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (const QAction* action : menu->actions())
      entries.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    QTest::keyClick(menu, key);
  });
  PressKey(ActiveDialog(), Qt::Key_Space, Qt::AltModifier);
  return entries;
}

// Whether `image` shows the program's icon with its top left at `at`, as far as the icon lies
// inside the image.
bool ShowsIconAt(const QImage& image, QPoint at) {
  const QImage icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME)->icon.pixmap(32, 32).toImage();
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      const QPoint pixel = at + QPoint(x, y);
      if (image.rect().contains(pixel) && image.pixelColor(pixel) != icon.pixelColor(x, y))
        return false;
    }
  }
  return true;
}

TEST(MainMenu, OpensWithItsCaptionAndThreeUnselectedEntriesAndExitFocused) {
  CMainMenuDlg mainMenu;
  RunModal(mainMenu, [] {
    EXPECT_EQ(ActiveDialog()->windowTitle().toStdString(), "Quillet Calculator, Version 1.4");
    ExpectFreshList();
    EXPECT_TRUE(UnnamedAmong(std::array{IDC_FUNCTION_LIST}).empty());
    EXPECT_EQ(QApplication::focusWidget(), Control(IDCANCEL));
  });
}

TEST(MainMenu, EachEntryOpensItsCalculatorEveryTimeAndTheListComesBackUnselected) {
  const char* captions[] = {"Vector Calculator", "Complex Number Calculator",
                            "Roots of Polynomials"};
  CMainMenuDlg mainMenu;
  RunModal(mainMenu, [&] {
    for (const int row : {2, 2, 0, 1, 0}) {
      SCOPED_TRACE(row);
      EXPECT_EQ(ModalsDuring([row] { ClickListEntry(Control(IDC_FUNCTION_LIST), row); }),
                (std::vector<ModalSeen>{{captions[row], ""}}));
      ExpectFreshList();
    }
  });
}

TEST(MainMenu, TabIntoTheListAndAnArrowKeyOpensACalculatorAtOnce) {
  const struct {
    Qt::Key key;
    const char* caption;
  } cases[] = {{Qt::Key_Down, "Complex Number Calculator"},
               {Qt::Key_Up, "Vector Calculator"},
               {Qt::Key_End, "Roots of Polynomials"}};
  CMainMenuDlg mainMenu;
  RunModal(mainMenu, [&] {
    for (const auto& [key, caption] : cases) {
      QTest::keyClick(Control(IDCANCEL), Qt::Key_Tab);
      ASSERT_EQ(QApplication::focusWidget(), Control(IDC_FUNCTION_LIST));
      EXPECT_EQ(ModalsDuring([key = key] { QTest::keyClick(Control(IDC_FUNCTION_LIST), key); }),
                (std::vector<ModalSeen>{{caption, ""}}));
      ExpectFreshList();
      // The offscreen platform leaves no window active once a calculator closes; a window
      // manager would give the activation back to the main menu.
      ActiveDialog()->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(ActiveDialog()));
      Control(IDCANCEL)->setFocus();
    }
  });
}

TEST(MainMenu, ExitEscapeTheCloseBoxAndEnterInTheListEndIt) {
  const struct {
    const char* how;
    std::function<void()> end;
    INT_PTR result;
  } cases[] = {
      {"Exit", [] { Click(Control(IDCANCEL)); }, IDCANCEL},
      {"Escape", [] { PressKey(Control(IDC_FUNCTION_LIST), Qt::Key_Escape); }, IDCANCEL},
      {"close box", [] { ActiveDialog()->close(); }, IDCANCEL},
      {"Enter", [] { PressKey(Control(IDC_FUNCTION_LIST), Qt::Key_Return); }, IDOK},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    CMainMenuDlg mainMenu;
    EXPECT_EQ(RunModal(mainMenu, c.end), c.result);
  }
}

TEST(MainMenu, TheSystemMenuEndsWithTheAboutEntryThatOpensTheAboutBox) {
  CMainMenuDlg mainMenu;
  RunModal(mainMenu, [] {
    std::vector<std::string> entries;
    EXPECT_EQ(ModalsDuring([&entries] { entries = PressInSystemMenu(Qt::Key_A); }),
              std::vector<ModalSeen>{kAboutBox});
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(entries[entries.size() - 2], "-");
    EXPECT_EQ(entries.back(), "&About Quillet...");
  });
}

TEST(MainMenu, SystemCommandsDifferingOnlyInTheLowFourBitsOpenTheAboutBox) {
  const struct {
    UINT command;
    bool opensAbout;
  } cases[] = {{0x0010, true}, {0x0013, true}, {0x001F, true}, {0x0020, false}, {0x0000, false}};
  CMainMenuDlg mainMenu;
  RunModal(mainMenu, [&] {
    for (const auto& [command, opensAbout] : cases) {
      SCOPED_TRACE(command);
      const auto opened = ModalsDuring(
          [&mainMenu, command = command] { mainMenu.SendMessage(WM_SYSCOMMAND, command, 0); });
      EXPECT_EQ(opened, opensAbout ? std::vector<ModalSeen>{kAboutBox} : std::vector<ModalSeen>{});
    }
  });
}

TEST(MainMenu, TheAboutBoxClosesWithOkEnterOrEscape) {
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
    CMainMenuDlg mainMenu;
    RunModal(mainMenu, [&mainMenu, key] {
      std::string caption;
      OnNextModal([&caption, key](QWidget* about) {
        caption = about->windowTitle().toStdString();
        // Space presses the button that has the focus, OK.
        ASSERT_TRUE(QTest::qWaitForWindowActive(about));
        QTest::keyClick(QApplication::focusWidget(), key);
      });
      mainMenu.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
      EXPECT_EQ(caption, "About Quillet");
      EXPECT_EQ(ActiveDialog(), mainMenu.GetSafeHwnd());
    });
  }
}

TEST(MainMenu, StandardSystemCommandsKeepTheirDefaultProcessing) {
  CMainMenuDlg mainMenu;
  RunModal(mainMenu, [&mainMenu] {
    mainMenu.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(mainMenu.IsIconic());
  });
}

TEST(MainMenu, TheWindowCarriesTheProgramsIconBigAndSmall) {
  CMainMenuDlg mainMenu;
  RunModal(mainMenu, [&mainMenu] {
    const HICON programIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    EXPECT_EQ(mainMenu.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(programIcon));
    // Setting an icon answers with the one it replaces.
    EXPECT_EQ(mainMenu.SendMessage(WM_SETICON, ICON_BIG, 0),
              reinterpret_cast<LRESULT>(programIcon));
    EXPECT_EQ(mainMenu.SendMessage(WM_SETICON, ICON_SMALL, 0),
              reinterpret_cast<LRESULT>(programIcon));
  });
}

TEST(MainMenu, MinimizedItDrawsItsIconCentredByIntegerDivision) {
  const struct {
    int clientSize;
    QPoint drawnAt;
  } cases[] = {{36, {2, 2}}, {35, {2, 2}}, {30, {0, 0}}};
  for (const auto& [clientSize, drawnAt] : cases) {
    SCOPED_TRACE(clientSize);
    CMainMenuDlg mainMenu;
    const QImage painted = RenderMinimized(mainMenu, clientSize);
    EXPECT_TRUE(ShowsIconAt(painted, drawnAt));
    // One pixel off is told apart, so the truncated -1 / 2 of a 30 pixel client is seen.
    EXPECT_FALSE(ShowsIconAt(painted, drawnAt - QPoint(1, 1)));
  }
}

}  // namespace

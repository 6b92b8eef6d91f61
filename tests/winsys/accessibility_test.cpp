// What screen readers find in Qt's accessibility tree, which the AT-SPI bridge hands on as it
// is: the program under its title, and each dialog's system menu while it is open, with the
// names of its entries, as a window of the program whose parent is the program.

#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"

using namespace test_support;

namespace {

QAccessibleInterface* Program() {
  return QAccessible::queryAccessibleInterface(qApp);
}

// The program's popup menus in its accessibility tree.
std::vector<QAccessibleInterface*> MenusOfTheProgram() {
  std::vector<QAccessibleInterface*> menus;
  QAccessibleInterface* program = Program();
  for (int index = 0; index < program->childCount(); ++index) {
    if (QAccessibleInterface* child = program->child(index);
        child && child->role() == QAccessible::PopupMenu)
      menus.push_back(child);
  }
  return menus;
}

std::vector<std::string> EntryNames(QAccessibleInterface* menu) {
  std::vector<std::string> names;
  for (int index = 0; index < menu->childCount(); ++index) {
    if (QAccessibleInterface* entry = menu->child(index); entry->role() == QAccessible::MenuItem)
      names.push_back(entry->text(QAccessible::Name).toStdString());
  }
  return names;
}

// What the tree shows of the open system menu of the active dialog.
struct OpenMenuSeen {
  size_t menus = 0;
  std::string name;
  std::vector<std::string> entries;
  bool readsTheSameUpwards = false;
};

// Opens the active dialog's system menu with Alt+Space, reads the tree while it is open and
// closes it again.
OpenMenuSeen OpenTheSystemMenu() {
  OpenMenuSeen seen;
  QTimer reader;
  reader.setSingleShot(true);
  QObject::connect(&reader, &QTimer::timeout, [&] {
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000))
      return;
    const std::vector<QAccessibleInterface*> menus = MenusOfTheProgram();
    seen.menus = menus.size();
    if (!menus.empty()) {
      QAccessibleInterface* menu = menus.front();
      seen.name = menu->text(QAccessible::Name).toStdString();
      seen.entries = EntryNames(menu);
      seen.readsTheSameUpwards =
          menu->parent() == Program() && Program()->child(Program()->indexOfChild(menu)) == menu;
    }
    QApplication::activePopupWidget()->close();
  });
  reader.start(0);
  PressKey(ActiveDialog(), Qt::Key_Space, Qt::AltModifier);
  return seen;
}

TEST(Accessibility, TheProgramIsNamedWithItsTitle) {
  ASSERT_NE(Program(), nullptr);
  EXPECT_EQ(Program()->role(), QAccessible::Application);
  EXPECT_EQ(Program()->text(QAccessible::Name), "Quillet");
}

TEST(Accessibility, AnOpenSystemMenuIsAWindowOfTheProgramWithItsEntries) {
  const std::vector<std::string> standard = {"Restore", "Minimize", "Maximize", "Close\tAlt+F4"};
  std::vector<std::string> withAbout = standard;
  withAbout.push_back("About Quillet...");
  struct Case {
    unsigned templateId;
    const std::vector<std::string>& entries;
  };
  const Case cases[] = {
      {IDD_MAIN_MENU, withAbout}, {IDD_ABOUTBOX, standard},   {IDD_VECTOR, standard},
      {IDD_COMPLEX, standard},    {IDD_POLYNOMIAL, standard},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.templateId);
    TestDialog dialog(c.templateId);
    RunModal(dialog, [&] {
      if (c.entries.size() > standard.size()) {
        CMenu* systemMenu = dialog.GetSystemMenu(FALSE);
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, 0x0010, "&About Quillet...");
      }
      EXPECT_TRUE(MenusOfTheProgram().empty()) << "a closed menu is in the tree";
      const OpenMenuSeen seen = OpenTheSystemMenu();
      EXPECT_EQ(seen.menus, 1u);
      EXPECT_EQ(seen.name, "System");
      EXPECT_EQ(seen.entries, c.entries);
      EXPECT_TRUE(seen.readsTheSameUpwards);
      EXPECT_TRUE(MenusOfTheProgram().empty()) << "a closed menu is in the tree";
    });
  }
}

}  // namespace

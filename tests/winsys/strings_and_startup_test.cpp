// CString formatting and loading, and the start-up steps shared by the program and tests.

#include <clocale>

#include <gtest/gtest.h>
#include <QApplication>
#include <QStyle>

#include "res/resource_ids.h"
#include "tests/common/locale_guard.h"
#include "winsys/afxwin.h"
#include "winsys/early_startup.h"
#include "winsys/startup.h"

namespace {

TEST(CString, FormatIgnoresACommaDecimalLocale) {
  const CommaDecimalLocale comma;
  if (!comma.active())
    GTEST_SKIP() << "no comma-decimal locale installed";
  const struct {
    const char* format;
    double value;
    const char* text;
  } cases[] = {
      {"%11.5g", 1234.5, "     1234.5"},
      {"%12.5g", -0.000123456, " -0.00012346"},
      {" x1 = %12.5g \r\n", 2.0, " x1 =            2 \r\n"},
  };
  for (const auto& [format, value, text] : cases) {
    CString formatted("previous contents");
    formatted.Format(format, value);
    EXPECT_EQ(formatted.str(), text);
  }
}

TEST(CString, LoadStringReadsTheStringTable) {
  CString text("previous contents");
  EXPECT_TRUE(text.LoadString(IDS_ABOUTBOX));
  EXPECT_EQ(text.str(), "&About Quillet...");
  EXPECT_FALSE(text.LoadString(9999));
  EXPECT_TRUE(text.IsEmpty());
}

TEST(Startup, TheTitleIsTheExecutablesNameWithoutItsExtension) {
  const struct {
    const char* path;
    const char* title;
  } cases[] = {
      {"/usr/bin/Quillet", "Quillet"},    {"Quillet.EXE", "Quillet"},
      {"./build/app/Quillet", "Quillet"}, {"/opt/tools/a.b.c", "a.b"},
      {"/home/u/.hidden", ".hidden"},     {"", ""},
  };
  for (const auto& [path, title] : cases)
    EXPECT_EQ(AppTitleFromExecutable(path), title) << path;
}

// The desktops' platforms reach screen readers through the session bus; the test platforms
// have no screen readers, and a connection there could even start a bus of its own.
TEST(Startup, OnlyTheDesktopPlatformsConnectToTheSessionBus) {
  const struct {
    const char* platform;
    bool usesTheBus;
  } cases[] = {
      {"xcb", true},      {"wayland", true},   {"wayland-egl", true}, {"offscreen", false},
      {"minimal", false}, {"vnc", false},      {"eglfs", false},      {"", false},
      {"xcbx", false},    {"xwayland", false},
  };
  for (const auto& [platform, usesTheBus] : cases)
    EXPECT_EQ(PlatformUsesTheSessionBus(platform), usesTheBus) << platform;
  // The suite runs on the offscreen platform: no thread is started.
  EXPECT_FALSE(ConnectToTheSessionBusMeanwhile().joinable());
}

TEST(Startup, TheClassicStyleAndTheCNumbersHoldWhateverTheDesktop) {
  EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
  // The bitmaps' grey is the dialogs' own, so the pictures have no visible edge.
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(QApplication::palette().color(QPalette::Button), QColor(192, 192, 192));
  EXPECT_EQ(QApplication::palette().color(QPalette::Base), QColor(Qt::white));
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  ConfigureQtApplication();
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  std::setlocale(LC_ALL, "C");
}

}  // namespace

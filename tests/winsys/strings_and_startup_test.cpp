// CString formatting and loading, and the start-up steps shared by the program and tests.

#include <clocale>
#include <utility>
#include <vector>

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

// Qt 6.4 reads colours only from a KDE Plasma session's scheme, with its theme for KDE, which
// it picks for that desktop name, upper-cased, and a session version of 4 or later.
TEST(Startup, TheDesktopThemeIsLoadedWhereItMayOfferColours) {
  const struct {
    const char* desktop;
    const char* kdeVersion;
    const char* namedTheme;
    bool loaded;
  } cases[] = {
      {"KDE", "5", "", true},      {"KDE", "6", "", true},        {"kde", "4", "", true},
      {"KDE", "3", "", false},     {"KDE", "", "", false},        {"KDE:GNOME", "5", "", false},
      {"GNOME", "", "", false},    {"X-Cinnamon", "", "", false}, {"", "5", "", false},
      {"GNOME", "", "gtk3", true}, {"", "", "kde", true},
  };
  const char* const variables[] = {"XDG_CURRENT_DESKTOP", "KDE_SESSION_VERSION",
                                   "QT_QPA_PLATFORMTHEME"};
  std::vector<std::pair<const char*, QByteArray>> saved;
  for (const char* variable : variables)
    saved.emplace_back(variable, qgetenv(variable));
  for (const auto& [desktop, kdeVersion, namedTheme, loaded] : cases) {
    qputenv("XDG_CURRENT_DESKTOP", desktop);
    qputenv("KDE_SESSION_VERSION", kdeVersion);
    qputenv("QT_QPA_PLATFORMTHEME", namedTheme);
    EXPECT_EQ(DesktopThemeHasColours(), loaded)
        << desktop << " " << kdeVersion << " " << namedTheme;
  }
  for (const auto& [variable, value] : saved) {
    if (value.isNull())
      qunsetenv(variable);
    else
      qputenv(variable, value);
  }
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

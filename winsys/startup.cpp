#include "winsys/startup.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QPointer>
#include <QStyle>

#include "winsys/accessibility.h"
#include "winsys/contrast.h"
#include "winsys/cwinapp.h"
#include "winsys/dialog_units.h"
#include "winsys/early_startup.h"
#include "winsys/window_captions.h"
#include "winsys/window_size.h"

int AfxWinMain(int argc, char** argv) {
  PrepareQtStartup();
  const bool styleAsked = StyleAskedFor(argc, argv);
  std::jthread fontConfiguration = LoadTheFontConfigurationMeanwhile();
  QApplication qtApplication(argc, argv);
  // Made after the QApplication, so that its thread has ended before the QApplication does.
  const std::jthread sessionBus = ConnectToTheSessionBusMeanwhile();
  fontConfiguration.join();
  ConfigureQtApplication(styleAsked);

  CWinApp* app = AfxGetApp();
  if (!app)
    return 1;
  // The program names no title of its own, so the title is the executable's name.
  static const std::string title = AppTitleFromExecutable(argc > 0 ? argv[0] : "");
  if (!*app->m_pszAppName)
    app->m_pszAppName = title.c_str();
  // An application whose InitInstance returns FALSE has done its work inside it: it gets
  // no message loop.
  if (app->InitInstance())
    qtApplication.exec();
  const int status = app->ExitInstance();
  if (CompositorMayResizeAnyWindow())
    EndWithoutClosingTheDisplay(status);
  return status;
}

void EndWithoutClosingTheDisplay(int status) {
  // Qt 6.4's Wayland client can wait forever while it closes its connection: the destructor
  // of its display joins an event thread that sits in wl_display_read_events waiting for a
  // reader that never comes. Every window is gone by now and the program keeps no files, so
  // what the orderly teardown would still do (free memory, destroy the compositor's copies of
  // our objects, which it does itself when the connection closes) can be left to the system.
  // Only what was written to the standard streams must not be lost.
  std::fflush(nullptr);
  std::_Exit(status);
}

bool DesktopThemeHasColours() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME"))
    return true;
  // Qt's own theme for KDE Plasma, which it picks on this desktop and these versions only,
  // reads the user's colour scheme from kdeglobals. The GNOME theme of Qt 6.4 reports no
  // colours of its own, so loading it would only cost time.
  return qgetenv("XDG_CURRENT_DESKTOP").toUpper() == "KDE" &&
         qEnvironmentVariableIntValue("KDE_SESSION_VERSION") >= 4;
}

void PrepareQtStartup() {
  // Where the desktop's theme may offer dark or high-contrast colours, it is loaded, and its
  // colours followed where they are (ConfigureQtApplication); otherwise no desktop theme is
  // loaded, which keeps start-up short.
  QGuiApplication::setDesktopSettingsAware(DesktopThemeHasColours());
  ChooseWhoDrawsCaptions();
}

bool StyleAskedFor(int argc, const char* const* argv) {
  if (!qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
    return true;
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument.starts_with("--"))
      argument.remove_prefix(1);
    if (argument == "-style" || argument.starts_with("-style="))
      return true;
  }
  return false;
}

bool PaletteAskedFor(const QPalette& offered) {
  // Black on white, or white on black, is what high-contrast themes give; light text on a
  // dark face is a dark theme. An ordinary light theme leaves the classic look alone.
  constexpr double kHighContrast = 19.0;
  const QColor face = offered.color(QPalette::Active, QPalette::Window);
  const QColor text = offered.color(QPalette::Active, QPalette::WindowText);
  return Luminance(face) < Luminance(text) || ContrastRatio(face, text) >= kHighContrast;
}

void SetDesktopApplicationId(const char* id) {
  // Wayland takes the application id from the desktop file name. X11 docks read WM_CLASS,
  // which Qt makes of the instance name (RESOURCE_NAME, unless the user set it) and the
  // application name; the program's title is its own and does not come from either.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(id));
  QCoreApplication::setApplicationName(QString::fromUtf8(id));
  if (qEnvironmentVariableIsEmpty("RESOURCE_NAME"))
    qputenv("RESOURCE_NAME", id);
}

QPalette ClassicPalette() {
  // The 3-D face grey of the classic desktop, which the vector bitmaps are drawn on, with
  // its white and grey bevels and the navy selection.
  const QColor face(192, 192, 192);
  QPalette palette(face, face);
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
  palette.setColor(QPalette::Dark, QColor(128, 128, 128));
  palette.setColor(QPalette::Mid, QColor(160, 160, 160));
  palette.setColor(QPalette::Shadow, Qt::black);
  palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
  return palette;
}

namespace {

// The classic palette, unless the user asked for a style, whose own colours then come with it,
// or the desktop's theme offers dark or high-contrast colours; in both, a text that would not
// stand out from its background gets black or white instead.
void ChoosePalette(bool styleAsked) {
  const QPalette offered = QApplication::palette();
  if (!styleAsked && !PaletteAskedFor(offered))
    QApplication::setPalette(ClassicPalette());
  else if (const QPalette legible = WithLegibleTexts(offered); legible != offered)
    QApplication::setPalette(legible);
}

// Chooses again when the user picks other colours on the desktop while the program runs (KDE
// Plasma tells Qt's theme over the session bus). Qt resolves the program's palette against the
// theme's new one, which would keep the classic look on a dark scheme, or mix the schemes, so
// the choice starts from the theme's own palette again.
class ThemeChangeFollower : public QObject {
 public:
  explicit ThemeChangeFollower(bool styleAsked) : QObject(qApp), styleAsked_(styleAsked) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Qt tells every window; once for each of them is harmless, since the choice is the same.
    if (event->type() == QEvent::ThemeChange && watched->isWindowType()) {
      QApplication::setPalette(QPalette());
      ChoosePalette(styleAsked_);
    }
    return false;
  }

 private:
  bool styleAsked_;
};

}  // namespace

void ConfigureQtApplication(bool styleAsked) {
  if (!styleAsked)
    QApplication::setStyle("Windows");
  ChoosePalette(styleAsked);
  // One follower for the application, however often the tests configure it.
  static QPointer<ThemeChangeFollower> follower;
  if (QGuiApplication::desktopSettingsAware() && !follower)
    follower = new ThemeChangeFollower(styleAsked);
  // Message boxes and menus use the font Windows gives them, whatever the theme's fonts: with
  // no class named, this also drops the fonts the theme gave to classes of widgets.
  QApplication::setFont(TemplateFont("MS Sans Serif", 8, 0));
  std::setlocale(LC_NUMERIC, "C");
  InstallAccessibility();
}

std::string AppTitleFromExecutable(const char* executablePath) {
  std::string_view name = executablePath ? executablePath : "";
  if (const size_t slash = name.find_last_of('/'); slash != std::string_view::npos)
    name.remove_prefix(slash + 1);
  if (const size_t dot = name.find_last_of('.'); dot != std::string_view::npos && dot > 0)
    name = name.substr(0, dot);
  return std::string(name);
}

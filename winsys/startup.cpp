#include "winsys/startup.h"

#include <clocale>
#include <string_view>

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include "winsys/accessibility.h"
#include "winsys/cwinapp.h"
#include "winsys/dialog_units.h"

int AfxWinMain(int argc, char** argv) {
  PrepareQtStartup();
  QApplication qtApplication(argc, argv);
  ConfigureQtApplication();

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
  return app->ExitInstance();
}

void PrepareQtStartup() {
  QGuiApplication::setDesktopSettingsAware(false);
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

void ConfigureQtApplication() {
  QApplication::setStyle("Windows");
  QApplication::setPalette(ClassicPalette());
  // Message boxes and menus use the font Windows gives them.
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

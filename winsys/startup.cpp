#include "winsys/startup.h"

#include <clocale>
#include <string_view>

#include <QApplication>
#include <QStyle>

#include "winsys/dialog_units.h"

void PrepareQtStartup() {
  QGuiApplication::setDesktopSettingsAware(false);
}

void ConfigureQtApplication() {
  if (QStyle* style = QApplication::setStyle("Windows"))
    QApplication::setPalette(style->standardPalette());
  // Message boxes and menus use the font Windows gives them.
  QApplication::setFont(TemplateFont("MS Sans Serif", 8, 0));
  std::setlocale(LC_NUMERIC, "C");
}

std::string AppTitleFromExecutable(const char* executablePath) {
  std::string_view name = executablePath ? executablePath : "";
  if (const size_t slash = name.find_last_of('/'); slash != std::string_view::npos)
    name.remove_prefix(slash + 1);
  if (const size_t dot = name.find_last_of('.'); dot != std::string_view::npos && dot > 0)
    name = name.substr(0, dot);
  return std::string(name);
}

#include "winsys/window_captions.h"

#include <QGuiApplication>

#include "winsys/wayland_globals.h"

namespace {

constexpr char kDecorationSwitch[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";

bool qtTitleBarTurnedOff = false;
bool forcedByTest = false;

// Whether Qt may take the Wayland platform: the user named it, or a compositor is there for
// Qt to pick by itself.
bool WaylandLikely() {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    return qgetenv("QT_QPA_PLATFORM").startsWith("wayland");
  return qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

}  // namespace

void ChooseWhoDrawsCaptions() {
  if (qEnvironmentVariableIsSet(kDecorationSwitch) || !WaylandLikely())
    return;
  // Only a compositor that surely draws no title bars gets the program's: with no answer the
  // title bar stays Qt's, which at least is there.
  if (CompositorAdvertises("zxdg_decoration_manager_v1") != false)
    return;
  // Qt's Wayland plugin reads the switch when its first window is made; the X11 plugin never.
  qputenv(kDecorationSwitch, "1");
  qtTitleBarTurnedOff = true;
}

bool ProgramDrawsCaptions() {
  return forcedByTest || (qtTitleBarTurnedOff &&
                          QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
}

void SetProgramDrawsCaptions(bool draws) {
  forcedByTest = draws;
}

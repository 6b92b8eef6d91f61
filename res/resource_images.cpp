// Where the icon and the bitmaps live in Qt's resource system.

#include <QtCore/qglobal.h>

#include "res/resource_ids.h"
#include "res/resource_lookup.h"

// The images are compiled into this static library by rcc, in an object file that nothing
// names; a linker keeps such an object only if something refers to it. Registering the
// images from here, the one way to reach them, ties them to every program that asks for a
// path. Q_INIT_RESOURCE cannot be used inside a namespace, hence a file-local function.
static bool RegisterImages() {
  Q_INIT_RESOURCE(images);
  return true;
}

std::string ResourceImagePath(unsigned id) {
  [[maybe_unused]] static const bool registered = RegisterImages();
  switch (id) {
    case IDR_MAINFRAME:
      return ":/res/icon_128.ico";
    case IDB_J_HAT_PLUS:
    case IDB_I_HAT_PLUS:
    case IDB_J_HAT:
    case IDB_X_ARROW_EQUALS:
    case IDB_Y_ARROW_EQUALS:
    case IDB_I_HAT_PLUS_SPARE:
    case IDB_K_HAT:
      return ":/res/bitmap_" + std::to_string(id) + ".bmp";
    default:
      return {};
  }
}

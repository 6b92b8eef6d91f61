#pragma once

#include <QIcon>

#include "winsys/win_types.h"

// What an HICON stands for: an icon of the program's resources, or one a test makes.
struct IconResource {
  QIcon icon;
};

// Icon `id` of the program's resources, loaded once and kept for the life of the process;
// an icon that cannot be loaded is a null QIcon, never a null handle.
HICON LoadIconResource(unsigned id);

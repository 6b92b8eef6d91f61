#pragma once

// Everything of the window-system layer that the program's dialogs use.
#include "winsys/cdialog.h"
#include "winsys/cmenu.h"
#include "winsys/controls.h"
#include "winsys/cstring.h"
#include "winsys/cwinapp.h"
#include "winsys/cwnd.h"
#include "winsys/gdi.h"
#include "winsys/message_map.h"
#include "winsys/win_types.h"

#pragma once

#include "winsys/win_types.h"

class QWidget;

// The system's default processing of a message sent to `window`: what a window does with a
// message that no message map handles, or that a handler passes on with CWnd::Default.
LRESULT DefWindowProc(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam);

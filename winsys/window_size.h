#pragma once

#include <QSize>

class QWidget;

// Windows of a fixed size on every desktop.
//
// On X11 a window whose smallest and largest sizes are equal is one that the window manager
// neither resizes nor maximizes. A Wayland compositor may still ask any window to be
// maximized or fullscreen (weston does so from its key bindings), and the window must then
// take the size it is given or the compositor ends the connection. There the window keeps
// its smallest size, takes whatever size a maximize or fullscreen gives it for as long as
// that lasts, and asks to be restored at once; a size that the user drags is undone.

// Whether the program's windows are on Wayland, where the compositor's requests above come.
bool CompositorMayResizeAnyWindow();

// Keeps top-level `window` at `size` as above. `compositorMayResize` chooses the Wayland
// behaviour (CompositorMayResizeAnyWindow() unless a test picks one).
void KeepWindowSize(QWidget* window, QSize size, bool compositorMayResize);
void KeepWindowSize(QWidget* window, QSize size);

// The width that a window needs for the client-drawn title bar of Qt's Wayland decoration
// to show `title` in full: it centres the title over the window and cuts it between the
// window icon and the three title-bar buttons. 0 where the desktop draws the title bar.
int WidthForWholeTitle(const QString& title);

#pragma once

// Who draws the windows' title bars. On X11 the window manager does; so does a Wayland
// compositor that offers server-side decorations (xdg-decoration, as KDE's does), which Qt
// asks it for. A compositor without them (weston, GNOME's) leaves the title bar to the client,
// and Qt's own then offers minimize and maximize on every window and an icon that does
// nothing; there the program turns Qt's off and draws its own (CaptionStrip).

// Before the QApplication exists: turns Qt's Wayland title bar off where the compositor draws
// none, unless the user has chosen about it in QT_WAYLAND_DISABLE_WINDOWDECORATION.
void ChooseWhoDrawsCaptions();

// Whether the program's windows carry the title bar that the program draws: Qt's was turned
// off and the windows are on Wayland.
bool ProgramDrawsCaptions();

// For the tests, which draw the program's title bars on any platform.
void SetProgramDrawsCaptions(bool draws);

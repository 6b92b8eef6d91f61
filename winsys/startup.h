#pragma once

#include <string>

#include "winsys/contrast.h"

class QColor;
class QPalette;

// The framework's start-up, and the steps of it that the tests share, so that dialogs look
// and behave the same in both.

// The framework's start-up: makes the Qt application, calls the application object's
// InitInstance, then its ExitInstance, and returns the process exit code.
// On Wayland it ends the process with EndWithoutClosingTheDisplay instead of returning.
int AfxWinMain(int argc, char** argv);

// Ends the process with `status` once every window is gone, without the Qt application's
// teardown, after flushing the standard streams.
[[noreturn]] void EndWithoutClosingTheDisplay(int status);

// Whether the desktop's theme may offer colours of its own: one named in QT_QPA_PLATFORMTHEME,
// or Qt's theme for a KDE Plasma session, which reads the user's colour scheme.
bool DesktopThemeHasColours();

// Before the QApplication exists: the desktop's theme is loaded only where it may offer
// colours (DesktopThemeHasColours), which keeps start-up short and the look the program's own.
// It also chooses who draws the title bars on Wayland (ChooseWhoDrawsCaptions).
void PrepareQtStartup();

// Whether the command line (-style NAME, -style=NAME, or with two dashes) or QT_STYLE_OVERRIDE
// asks Qt for a style.
bool StyleAskedFor(int argc, const char* const* argv);

// Once the QApplication exists: the classic Windows style and palette, unless the user asked
// for a style (`styleAsked`), which then keeps its own colours, or for a palette
// (PaletteAskedFor), with each of its texts made legible (WithLegibleTexts), chosen again
// whenever the desktop's theme changes; the program's own font for every kind of widget,
// message boxes and menus too; the "C" rules for numbers in the C library, which Qt has just
// set from the user's locale; and what screen readers see of the program.
void ConfigureQtApplication(bool styleAsked = false);

// Whether `offered`, the palette of the desktop's theme, is one that a user chose over the
// program's look: dark (text lighter than the window behind it) or of high contrast.
bool PaletteAskedFor(const QPalette& offered);

// Before the QApplication exists: the name of the program's desktop entry, without its
// ".desktop", by which docks match its windows to its launcher. It becomes the windows' X11
// class and their Wayland application id.
void SetDesktopApplicationId(const char* id);

// The colours of the classic desktop: grey 3-D faces, white edit fields, a navy selection.
QPalette ClassicPalette();

// The application's title: the file name of `executablePath` without its extension.
std::string AppTitleFromExecutable(const char* executablePath);

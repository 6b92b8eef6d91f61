#pragma once

#include <string>

class QPalette;

// The framework's start-up, and the steps of it that the tests share, so that dialogs look
// and behave the same in both.

// The framework's start-up: makes the Qt application, calls the application object's
// InitInstance, then its ExitInstance, and returns the process exit code.
int AfxWinMain(int argc, char** argv);

// Before the QApplication exists: no desktop theme plugin is loaded (a user's explicit
// QT_QPA_PLATFORMTHEME still is), which keeps start-up short and the look the program's own.
void PrepareQtStartup();

// Once the QApplication exists: the classic Windows style and palette whatever the desktop,
// the message boxes' font, the "C" rules for numbers in the C library, which Qt has just set
// from the user's locale, and what screen readers see of the program.
void ConfigureQtApplication();

// Before the QApplication exists: the name of the program's desktop entry, without its
// ".desktop", by which docks match its windows to its launcher. It becomes the windows' X11
// class and their Wayland application id.
void SetDesktopApplicationId(const char* id);

// The colours of the classic desktop: grey 3-D faces, white edit fields, a navy selection.
QPalette ClassicPalette();

// The application's title: the file name of `executablePath` without its extension.
std::string AppTitleFromExecutable(const char* executablePath);

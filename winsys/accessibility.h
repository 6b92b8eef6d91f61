#pragma once

// What screen readers see of the program beyond what Qt shows of its widgets by itself: the
// program under its own title, and every popup menu while it is open (a dialog's system menu,
// an edit box's menu) as a window of the program. Qt leaves popup menus out of the
// accessibility tree unless a menu bar holds them, and the program has no menu bar, so
// without this the About entry could not be reached.

// Installs the accessibility interfaces above; call it once the QApplication exists.
void InstallAccessibility();

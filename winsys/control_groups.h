#pragma once

#include <initializer_list>
#include <string>

#include "common/field_number.h"
#include "winsys/afxwin.h"

// Small operations on groups of controls that the calculator dialogs perform.

// Hides (SW_HIDE) or shows (SW_SHOW) each window in turn, in the order given.
inline void ShowWindows(std::initializer_list<CWnd*> windows, int command) {
  for (CWnd* window : windows)
    window->ShowWindow(command);
}

// Gives each window the same text, in the order given.
inline void SetWindowTexts(std::initializer_list<CWnd*> windows, const char* text) {
  for (CWnd* window : windows)
    window->SetWindowText(text);
}

// Fetches a box's whole text into the module's scratch string, which keeps it until the next
// box is read, and returns a copy for the calculation.
inline std::string ReadThroughScratch(const CWnd& box, CString& scratch) {
  box.GetWindowText(scratch);
  return scratch.str();
}

// A box's value as a Field number, its text fetched through the module's scratch string.
inline double ReadFieldNumber(const CWnd& box, CString& scratch) {
  return FieldNumber(ReadThroughScratch(box, scratch));
}

#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "common/box_number.h"
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

// A box's value, its text fetched through the module's scratch string, which keeps it. A
// text that is refused is reported in a message box that names the box as screen readers
// name it and quotes the text; once the message is closed, the box has the focus with its
// whole text selected, so that what the user types replaces it. Nothing is returned then.
inline std::optional<double> ReadBoxValue(CEdit& box, CString& scratch) {
  box.GetWindowText(scratch);
  const BoxNumber number = ReadBoxNumber(scratch.str());
  if (!number.Refused())
    return number.value;
  AfxMessageBox(RefusedBoxMessage(box.GetAccessibleName(), scratch.str(), number.reading).c_str(),
                0, 0);
  box.SetFocus();
  box.SetSel(0, -1);
  return std::nullopt;
}

// Reads each box in turn into `values`, as ReadBoxValue does, up to the first that is
// refused; returns whether all were read.
inline bool ReadBoxValues(std::initializer_list<CEdit*> boxes, CString& scratch, double* values) {
  for (CEdit* box : boxes) {
    const std::optional<double> value = ReadBoxValue(*box, scratch);
    if (!value)
      return false;
    *values++ = *value;
  }
  return true;
}

#pragma once

#include "winsys/cwnd.h"

// The control wrappers. Each is attached to a child of a dialog with DDX_Control.

class CListBox : public CWnd {
 public:
  // LB_INSERTSTRING: puts `text` at zero-based `index` (-1: at the end), never sorting,
  // whatever the list's style says. Returns the index, or LB_ERR.
  int InsertString(int index, const char* text);
  // LB_RESETCONTENT: empties the list.
  void ResetContent();
  // LB_GETCURSEL: the selected position, or LB_ERR (-1) when nothing is selected.
  int GetCurSel() const;

 protected:
  // The list's own handling of the list-box messages.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CEdit : public CWnd {
 public:
  // EM_SETSEL: selects the characters from `start` up to `end`; (0, -1) selects all.
  void SetSel(int start, int end);
};
class CStatic : public CWnd {};
class CButton : public CWnd {};

#pragma once

#include <memory>

#include "winsys/cstring.h"
#include "winsys/win_types.h"

class QWidget;
class CMenu;

// A window: a wrapper around a Qt widget that it does not own. A wrapper has no window until
// the dialog that owns the widget attaches it (DDX_Control, or CDialog for itself), and comes
// loose again when that window is destroyed.
class CWnd {
 public:
  CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  // The whole text of the window: a control's text, or a dialog's caption.
  void SetWindowText(const char* text);
  void GetWindowText(CString& text) const;

  // SW_HIDE (0) or SW_SHOW (5); returns whether the window was visible before.
  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  BOOL IsIconic() const;
  void GetClientRect(CRect* rect) const;

  // The window's own system menu (revert = FALSE), or null for a window without one.
  CMenu* GetSystemMenu(BOOL revert);

  // Handles `message` at once, the way the window would handle it from the system:
  // WM_SETICON, WM_ICONERASEBKGND, WM_PAINT, WM_SYSCOMMAND, WM_QUERYDRAGICON, WM_COMMAND and
  // the list-box messages LB_INSERTSTRING, LB_RESETCONTENT, LB_GETCURSEL.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  int GetDlgCtrlID() const;
  // The Qt widget behind the wrapper, or null while it has no window.
  QWidget* GetSafeHwnd() const { return widget_; }

 protected:
  // The system's default processing of the message now being handled.
  LRESULT Default();

  // Routes a message to the class's message map; the base handles nothing and returns FALSE.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  friend class WindowBinding;
  QWidget* widget_ = nullptr;
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const CurrentMessage* current_ = nullptr;
};

#pragma once

#include <string>

#include <QPointer>

#include "winsys/cstring.h"
#include "winsys/win_types.h"

class QWidget;
class CMenu;

// A window: a wrapper around a Qt widget that it does not own. A wrapper has no window until
// the dialog that owns the widget attaches it (DDX_Control, or CDialog for itself), and comes
// loose again by itself when that widget is destroyed, which is why it holds a QPointer.
class CWnd {
 public:
  CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  // Attaches the wrapper to `widget`: a dialog's window or one of its controls.
  void Attach(QWidget* widget);

  // The whole text of the window: a control's text, or a dialog's caption.
  void SetWindowText(const char* text);
  void GetWindowText(CString& text) const;

  // The name that screen readers speak for the window: a control's comes from its template.
  std::string GetAccessibleName() const;

  // Gives the window the keyboard focus; in a window that is not active, the focus goes
  // there once the window is active again.
  void SetFocus();

  // SW_HIDE (0) or SW_SHOW (5); returns whether the window was visible before.
  BOOL ShowWindow(int command);
  BOOL IsIconic() const;
  void GetClientRect(CRect* rect) const;

  // The window's own system menu (revert = FALSE), or null for a window without one.
  virtual CMenu* GetSystemMenu(BOOL revert);

  // Handles `message` at once, the way the window would handle it from the system: the
  // class's message map first, then the default processing.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // The Qt widget behind the wrapper, or null while it has no window.
  QWidget* GetSafeHwnd() const;

 protected:
  // The system's default processing of the message now being handled.
  LRESULT Default();

  // Routes a message to the class's message map; the base handles nothing and returns FALSE.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // What the window does with a message that no message map handles; a plain window does
  // nothing and returns 0.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  QPointer<QWidget> widget_;
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const CurrentMessage* current_ = nullptr;
};

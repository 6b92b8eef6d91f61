#pragma once

#include <memory>

#include "winsys/controls.h"
#include "winsys/cwnd.h"
#include "winsys/message_map.h"

class CDataExchange;
class DialogWindow;

// A modal dialog built from a dialog template of the program's resources.
class CDialog : public CWnd {
 public:
  // Binds the template; creates no window.
  CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // Builds the window and every control of the template afresh, runs OnInitDialog, disables
  // the owner (the parent, or else the application's main window), runs the modal loop,
  // destroys the window and returns the code given to EndDialog (-1 if the template is
  // missing or the dialog is already running).
  virtual INT_PTR DoModal();
  void EndDialog(int result);

  // The system menu of the running dialog's window, if its template gives it one.
  CMenu* GetSystemMenu(BOOL revert) override;

 protected:
  // Runs one data exchange (DoDataExchange) and returns TRUE: the focus goes to the first
  // tab stop.
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* dx);
  // Id 1 and Enter: one data exchange from the controls, then ends the dialog with IDOK.
  virtual void OnOK();
  // Id 2, Escape and the close box: ends the dialog with IDCANCEL.
  virtual void OnCancel();

  // The dialog window's default processing: WM_SETICON, WM_SYSCOMMAND, WM_PAINT,
  // WM_ICONERASEBKGND, and commands that the dialog does not handle, which go on to the
  // application.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  UINT templateId_;
  CWnd* parent_;
  std::unique_ptr<DialogWindow> window_;

  DECLARE_MESSAGE_MAP(CDialog)
};

// The context of one data exchange.
class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  BOOL m_bSaveAndValidate;
  CDialog* m_pDlgWnd;
};

// Attaches `control` to the dialog's child with identifier `id` for the life of the window;
// a wrapper already attached to that child stays as it is.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

#pragma once

#include "winsys/win_types.h"

class CWnd;

// The application object. The program defines exactly one, as a static object; the
// framework's start-up (AfxWinMain, startup.h) calls its InitInstance and, when that returns FALSE,
// ends the program without running a message loop of its own.
class CWinApp {
 public:
  CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  virtual BOOL InitInstance();
  virtual int ExitInstance();

  // An icon of the program's resources (the icon lives as long as the program).
  HICON LoadIcon(UINT id) const;
  BOOL Enable3dControls();
  // The help command: no help file is part of the program, so it shows nothing.
  void OnHelp();

  // Routes a command (a menu or accelerator identifier such as ID_HELP) that no window
  // handled to the application's message map; FALSE when nothing handles it.
  BOOL OnCmdMsg(UINT id, UINT code);

  // The application's title: the executable's file name without its extension.
  const char* m_pszAppName = "";
  CWnd* m_pMainWnd = nullptr;

 protected:
  // The application's message map; the base handles nothing.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

 private:
  // The application object that this one stands in for while it lives (tests make their
  // own); the program has only one.
  CWinApp* previousApp_;
};

CWinApp* AfxGetApp();
void AfxEnableControlContainer();

// A modal box over the active window: the text as given (line feeds break lines), one OK
// button, no icon, the application's title as caption. Returns IDOK when it is closed.
int AfxMessageBox(const char* text, UINT type = 0, UINT helpId = 0);

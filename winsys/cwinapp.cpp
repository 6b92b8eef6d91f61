#include "winsys/cwinapp.h"

#include <QApplication>
#include <QPointer>

#include "winsys/icon_resource.h"
#include "winsys/message_box_window.h"

namespace {

// Constant-initialised, so the application object may register itself from any static
// constructor.
CWinApp* theApplication = nullptr;

}  // namespace

CWinApp::CWinApp() : previousApp_(theApplication) {
  theApplication = this;
}

CWinApp::~CWinApp() {
  if (theApplication == this)
    theApplication = previousApp_;
}

BOOL CWinApp::InitInstance() {
  return TRUE;
}

int CWinApp::ExitInstance() {
  return 0;
}

HICON CWinApp::LoadIcon(UINT id) const {
  return LoadIconResource(id);
}

BOOL CWinApp::Enable3dControls() {
  // The classic style that the start-up chooses draws every control in 3-D already.
  return TRUE;
}

void CWinApp::OnHelp() {}

BOOL CWinApp::OnCmdMsg(UINT id, UINT code) {
  LRESULT result = 0;
  return OnWndMsg(WM_COMMAND, MAKEWPARAM(id, code), 0, &result);
}

BOOL CWinApp::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) {
  return FALSE;
}

CWinApp* AfxGetApp() {
  return theApplication;
}

void AfxEnableControlContainer() {
  // No control of the program is an ActiveX control, so there is no container to set up.
}

int AfxMessageBox(const char* text, UINT, UINT) {
  // Type 0 asks for one OK button and no icon, which is all the program ever asks for.
  QWidget* over = QApplication::activeModalWidget();
  if (!over)
    over = QApplication::activeWindow();
  const QPointer<QWidget> focus = over ? over->focusWidget() : nullptr;
  const CWinApp* app = AfxGetApp();
  MessageBoxWindow box(over, QString::fromUtf8(app ? app->m_pszAppName : ""),
                       QString::fromUtf8(text ? text : ""));
  box.exec();
  // As on Windows, the window under the box is active again once the box has gone, and the
  // control that had the focus has it back, whether or not a window manager sees to it. A
  // caller that wants the focus elsewhere sets it after this returns.
  if (over)
    over->activateWindow();
  if (focus)
    focus->setFocus(Qt::ActiveWindowFocusReason);
  return IDOK;
}

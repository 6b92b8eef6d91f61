#include "app/calculator_app.h"

#include "app/main_menu_dlg.h"
#include "app/static_init_order.h"

[[gnu::init_priority(kApplicationInitPriority)]] CCalculatorApp theApp;

BOOL CCalculatorApp::InitInstance() {
  AfxEnableControlContainer();
  Enable3dControls();

  CMainMenuDlg mainMenu;
  m_pMainWnd = &mainMenu;
  mainMenu.DoModal();
  return FALSE;
}

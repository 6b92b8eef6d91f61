#include "app/calculator_app.h"

#include "app/main_menu_dlg.h"
#include "res/static_init_order.h"

[[gnu::init_priority(kApplicationInitPriority)]] CCalculatorApp theApp;

IMPLEMENT_MESSAGE_MAP(CCalculatorApp, CWinApp){
    // No help file is part of the program; the framework's handler knows that.
    OnCommand<CCalculatorApp>(ID_HELP, &CWinApp::OnHelp),
};

BOOL CCalculatorApp::InitInstance() {
  AfxEnableControlContainer();
  Enable3dControls();

  {
    CMainMenuDlg mainMenu;
    m_pMainWnd = &mainMenu;
    mainMenu.DoModal();
  }
  // The main menu and its calculators are gone; nothing may reach them through the
  // application any more.
  m_pMainWnd = nullptr;
  return FALSE;
}

#include "app/main_menu_dlg.h"

#include "app/about_dlg.h"
#include "res/resource_ids.h"

namespace {

// The function list's positions; a position opens one calculator.
enum Function { kVectors = 0, kComplexNumbers = 1, kRootsOfPolynomials = 2 };
const char* const kFunctionNames[] = {"Vectors", "Complex Numbers", "Roots of Polynomials"};

}  // namespace

CMainMenuDlg::CMainMenuDlg(CWnd* parent)
    : CDialog(IDD_MAIN_MENU, parent),
      vectorDlg_(nullptr),
      complexDlg_(nullptr),
      polynomialDlg_(nullptr),
      icon_(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

IMPLEMENT_MESSAGE_MAP(CMainMenuDlg, CDialog){
    OnWmSysCommand(&CMainMenuDlg::OnSysCommand),
    OnWmPaint(&CMainMenuDlg::OnPaint),
    OnWmQueryDragIcon(&CMainMenuDlg::OnQueryDragIcon),
    OnLbnSelchange(IDC_FUNCTION_LIST, &CMainMenuDlg::OnSelchangeFunction),
    OnCommand(ID_HELP, &CMainMenuDlg::OnHelp),
};

void CMainMenuDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_FUNCTION_LIST, functionList_);
}

BOOL CMainMenuDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
    CString aboutEntry;
    aboutEntry.LoadString(IDS_ABOUTBOX);
    if (!aboutEntry.IsEmpty()) {
      systemMenu->AppendMenu(MF_SEPARATOR);
      systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutEntry);
    }
  }
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

  InsertFunctions();
  // The dialog manager puts the focus on the first tab stop.
  return TRUE;
}

void CMainMenuDlg::OnSysCommand(UINT id, LPARAM) {
  // System commands that differ from the About entry only in their low four bits open it too.
  if ((id & kSystemCommandMask) == IDM_ABOUTBOX) {
    CAboutDlg about;
    about.DoModal();
  } else {
    Default();
  }
}

void CMainMenuDlg::OnHelp() {
  // F1, the help key of desktop programs, opens the About box: some desktops keep Alt+Space
  // for a window menu of their own and never let the program's system menu open with it.
  SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
}

void CMainMenuDlg::OnPaint() {
  if (!IsIconic()) {
    Default();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, dc.GetSafeHdc(), 0);
  const int iconWidth = GetSystemMetrics(SM_CXICON);
  const int iconHeight = GetSystemMetrics(SM_CYICON);
  CRect client;
  GetClientRect(&client);
  // Integer division truncates toward zero, so a client one pixel narrower than the icon
  // still draws it at 0, not at -1.
  const int x = (client.Width() - iconWidth + 1) / 2;
  const int y = (client.Height() - iconHeight + 1) / 2;
  dc.DrawIcon(x, y, icon_);
}

HCURSOR CMainMenuDlg::OnQueryDragIcon() {
  return icon_;
}

void CMainMenuDlg::OnSelchangeFunction() {
  switch (functionList_.GetCurSel()) {
    case kVectors:
      vectorDlg_.DoModal();
      break;
    case kComplexNumbers:
      complexDlg_.DoModal();
      break;
    case kRootsOfPolynomials:
      polynomialDlg_.DoModal();
      break;
  }
  // Back in the main menu no entry stays selected, also when none was.
  functionList_.ResetContent();
  InsertFunctions();
}

void CMainMenuDlg::InsertFunctions() {
  // Explicit positions keep the order although the list has the sort style.
  for (int function = kVectors; function <= kRootsOfPolynomials; ++function)
    functionList_.InsertString(function, kFunctionNames[function]);
}

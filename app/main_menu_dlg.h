#pragma once

#include "complex/complex_dlg.h"
#include "poly/polynomial_dlg.h"
#include "vector/vector_dlg.h"
#include "winsys/afxwin.h"

// The program's only top-level window. Choosing an entry of its function list runs that
// calculator modally over it; its system menu and F1 offer the About box, and it draws its icon
// when minimized. Ending it ends the program.
class CMainMenuDlg : public CDialog {
 public:
  explicit CMainMenuDlg(CWnd* parent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;

 private:
  void OnSysCommand(UINT id, LPARAM param);
  // The help command (F1): the About box, as the system menu's entry opens it.
  void OnHelp();
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnSelchangeFunction();

  void InsertFunctions();

  // Each calculator is one object, run again at every choice of its entry; its window exists
  // only while it runs.
  CVectorDlg vectorDlg_;
  CComplexDlg complexDlg_;
  CPolynomialDlg polynomialDlg_;
  CListBox functionList_;
  HICON icon_;

  DECLARE_MESSAGE_MAP(CMainMenuDlg)
};

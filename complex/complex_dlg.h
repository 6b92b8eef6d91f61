#pragma once

#include "winsys/afxwin.h"

// The Complex Number Calculator: three complex numbers X, Y and Z typed as real and imaginary
// parts, one of eleven operations picked from a list, and the result in a message box.
class CComplexDlg : public CDialog {
 public:
  explicit CComplexDlg(CWnd* parent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  // Calculate: shows the selected operation's result and keeps the dialog open.
  void OnOK() override;

 private:
  CListBox operationList_;
  CEdit zRealBox_;
  CEdit zImaginaryBox_;
  CEdit yRealBox_;
  CEdit yImaginaryBox_;
  CEdit xRealBox_;
  CEdit xImaginaryBox_;

  DECLARE_MESSAGE_MAP(CComplexDlg)
};

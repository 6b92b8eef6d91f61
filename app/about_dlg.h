#pragma once

#include "winsys/afxwin.h"

// The About box of the main menu's system menu; its OK button closes it.
class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
};

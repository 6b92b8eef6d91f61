#pragma once

#include "winsys/afxwin.h"

// The application object. Its start-up runs the main menu modally; when the main menu ends,
// the program ends, without a message loop of its own.
class CCalculatorApp : public CWinApp {
 public:
  // Returns FALSE always, so that the framework ends the program after the main menu.
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP(CCalculatorApp)
};

extern CCalculatorApp theApp;

#pragma once

#include "winsys/afxwin.h"

// The Vector Calculator: two vectors X and Y in two or three dimensions, one of seven
// operations, and the result in a message box. Choosing a dimension lays out the component
// boxes and their unit-vector pictures and discards what was typed.
class CVectorDlg : public CDialog {
 public:
  explicit CVectorDlg(CWnd* parent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  // Calculate: shows the selected operation's result and keeps the dialog open.
  void OnOK() override;

 private:
  void OnSelchangeDimension();
  // Hides everything but the dimension list, the credit and the buttons.
  void HideDimensionControls();
  void ZeroComponentBoxes();

  CStatic xJHatPlus_;
  CStatic yKHat_;
  CStatic yJHatPlus_;
  CStatic yJHat_;
  CStatic yIHatPlus_;
  CStatic yArrow_;
  CStatic xKHat_;
  CStatic xJHat_;
  CStatic xIHatPlus_;
  CStatic xArrow_;
  CListBox operationList_;
  CListBox dimensionList_;
  CButton dataGroup_;
  CEdit y3Box_;
  CEdit y2Box_;
  CEdit y1Box_;
  CEdit x3Box_;
  CEdit x2Box_;
  CEdit x1Box_;
  CButton operationGroup_;

  DECLARE_MESSAGE_MAP(CVectorDlg)
};

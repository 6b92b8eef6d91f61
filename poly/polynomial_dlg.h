#pragma once

#include "poly/poly_effects.h"
#include "winsys/afxwin.h"

// The Roots of Polynomials calculator. The user picks a degree, types the coefficients into
// the boxes of that degree and presses Calculate; the solver of the degree writes the roots
// into the Roots box. Any edit of a coefficient box hides the roots until the next Calculate.
class CPolynomialDlg : public CDialog {
 public:
  explicit CPolynomialDlg(CWnd* parent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  // Calculate: runs the solver of the selected degree and keeps the dialog open.
  void OnOK() override;

 private:
  void OnSelchangeDegree();
  void OnChangeCoefficient();

  // Carries out a solver's effects in the order the solver produced them.
  void ApplyEffects(const PolyEffects& effects);

  void HideCoefficientRow();
  void BlankCoefficientBoxes();
  void HideRoots();
  CEdit& Box(CoefficientBox box);

  CButton rootsGroup_;
  CEdit rootsBox_;
  CButton coefficientGroup_;
  CStatic x4Label_;
  CStatic x3Label_;
  CStatic x2Label_;
  CStatic xLabel_;
  CStatic exponent4_;
  CStatic exponent3_;
  CStatic exponent2_;
  CStatic equalsLabel_;
  CEdit constantBox_;
  CEdit xBox_;
  CEdit x2Box_;
  CEdit x3Box_;
  CEdit x4Box_;
  CListBox degreeList_;

  DECLARE_MESSAGE_MAP(CPolynomialDlg)
};

#include "poly/polynomial_dlg.h"

#include <optional>
#include <span>

#include "poly/polynomial.h"
#include "res/resource_ids.h"
#include "res/static_init_order.h"
#include "winsys/control_groups.h"

namespace {

// The degree list's positions; a position is the degree's code.
enum Degree { kQuadratic = 0, kCubic = 1, kQuartic = 2 };
const char* const kDegreeNames[] = {"quadratic", "cubic", "quartic"};

// The coefficient texts on their way to the quadratic solver.
[[gnu::init_priority(kPolynomialModuleInitPriority)]] CString quadraticScratch;
// The coefficient texts on their way to the cubic and quartic solvers, and every text the
// solvers produce for display: messages and roots alike pass through it.
[[gnu::init_priority(kPolynomialModuleInitPriority)]] CString solverScratch;
// Set from the degree list at each degree change and each Calculate, then used at once.
int selectedDegree;

}  // namespace

CPolynomialDlg::CPolynomialDlg(CWnd* parent) : CDialog(IDD_POLYNOMIAL, parent) {}

IMPLEMENT_MESSAGE_MAP(CPolynomialDlg, CDialog){
    OnLbnSelchange(IDC_POLY_DEGREE_LIST, &CPolynomialDlg::OnSelchangeDegree),
    OnEnChange(IDC_POLY_X4, &CPolynomialDlg::OnChangeCoefficient),
    OnEnChange(IDC_POLY_X3, &CPolynomialDlg::OnChangeCoefficient),
    OnEnChange(IDC_POLY_X2, &CPolynomialDlg::OnChangeCoefficient),
    OnEnChange(IDC_POLY_X, &CPolynomialDlg::OnChangeCoefficient),
    OnEnChange(IDC_POLY_CONSTANT, &CPolynomialDlg::OnChangeCoefficient),
};

void CPolynomialDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_POLY_ROOTS_FRAME, rootsGroup_);
  DDX_Control(dx, IDC_POLY_ROOTS, rootsBox_);
  DDX_Control(dx, IDC_POLY_COEFFICIENT_FRAME, coefficientGroup_);
  DDX_Control(dx, IDC_POLY_X4_LABEL, x4Label_);
  DDX_Control(dx, IDC_POLY_X3_LABEL, x3Label_);
  DDX_Control(dx, IDC_POLY_X2_LABEL, x2Label_);
  DDX_Control(dx, IDC_POLY_X_LABEL, xLabel_);
  DDX_Control(dx, IDC_POLY_EXPONENT_4, exponent4_);
  DDX_Control(dx, IDC_POLY_EXPONENT_3, exponent3_);
  DDX_Control(dx, IDC_POLY_EXPONENT_2, exponent2_);
  DDX_Control(dx, IDC_POLY_EQUALS_LABEL, equalsLabel_);
  DDX_Control(dx, IDC_POLY_CONSTANT, constantBox_);
  DDX_Control(dx, IDC_POLY_X, xBox_);
  DDX_Control(dx, IDC_POLY_X2, x2Box_);
  DDX_Control(dx, IDC_POLY_X3, x3Box_);
  DDX_Control(dx, IDC_POLY_X4, x4Box_);
  DDX_Control(dx, IDC_POLY_DEGREE_LIST, degreeList_);

  // Explicit positions keep the order although the list has the sort style.
  for (int degree = kQuadratic; degree <= kQuartic; ++degree)
    degreeList_.InsertString(degree, kDegreeNames[degree]);
  HideCoefficientRow();
  BlankCoefficientBoxes();
  HideRoots();
}

void CPolynomialDlg::OnSelchangeDegree() {
  selectedDegree = degreeList_.GetCurSel();
  HideCoefficientRow();
  BlankCoefficientBoxes();
  HideRoots();
  ShowWindows({&coefficientGroup_, &constantBox_, &xBox_, &x2Box_, &x2Label_, &xLabel_, &exponent2_,
               &equalsLabel_},
              SW_SHOW);
  if (selectedDegree >= kCubic)
    ShowWindows({&x3Box_, &x3Label_, &exponent3_}, SW_SHOW);
  if (selectedDegree >= kQuartic)
    ShowWindows({&x4Box_, &x4Label_, &exponent4_}, SW_SHOW);

  switch (selectedDegree) {
    case kQuadratic:
      x2Box_.SetWindowText("1");
      break;
    case kCubic:
      x3Box_.SetWindowText("1");
      break;
    case kQuartic:
      x4Box_.SetWindowText("1");
      break;
  }
}

void CPolynomialDlg::OnChangeCoefficient() {
  HideRoots();
}

void CPolynomialDlg::OnOK() {
  selectedDegree = degreeList_.GetCurSel();
  // With no degree chosen, Calculate does nothing.
  if (selectedDegree < kQuadratic || selectedDegree > kQuartic)
    return;
  // The quadratic's texts pass through a scratch string of their own, the cubic's and
  // quartic's through the one that also carries the solvers' texts.
  CString& scratch = selectedDegree == kQuadratic ? quadraticScratch : solverScratch;
  // The boxes of the degree, from its highest power down to the constant: the quadratic at
  // position 0 has three, and each degree above it one more.
  CEdit* const boxes[] = {&x4Box_, &x3Box_, &x2Box_, &xBox_, &constantBox_};
  const size_t boxCount = static_cast<size_t>(selectedDegree) + 3;
  const std::span<CEdit* const> degreeBoxes = std::span(boxes).last(boxCount);
  double coefficients[5];
  for (size_t i = 0; i < boxCount; ++i) {
    // A box that is refused ends the calculation, and the Roots box stays as it was.
    const std::optional<double> value = ReadBoxValue(*degreeBoxes[i], scratch);
    if (!value)
      return;
    coefficients[i] = *value;
  }
  ApplyEffects(CalculatePolynomial(std::span(coefficients, boxCount)));
}

void CPolynomialDlg::ApplyEffects(const PolyEffects& effects) {
  for (const PolyEffect& effect : effects) {
    switch (effect.kind) {
      case PolyEffect::Kind::Message:
        // The box blocks until the user closes it; the calculation goes on after that.
        solverScratch = CString(effect.text);
        AfxMessageBox(solverScratch, 0, 0);
        break;
      case PolyEffect::Kind::ShowRoots:
        solverScratch = CString(effect.text);
        ShowWindows({&rootsGroup_, &rootsBox_}, SW_SHOW);
        rootsBox_.SetWindowText(solverScratch);
        // A screen reader speaks the box that takes the focus, so the new roots are read out
        // at once; Tab order stays as it was.
        rootsBox_.SetFocus();
        break;
      case PolyEffect::Kind::WriteBack:
        // The dialog's own write is no edit by the user, so the roots stay visible.
        Box(effect.box).SetWindowText(effect.text.c_str());
        break;
    }
  }
}

void CPolynomialDlg::HideCoefficientRow() {
  ShowWindows(
      {&x4Box_, &x3Box_, &x2Box_, &xBox_, &constantBox_, &coefficientGroup_, &x4Label_, &x3Label_,
       &x2Label_, &xLabel_, &exponent4_, &exponent3_, &exponent2_, &equalsLabel_},
      SW_HIDE);
}

void CPolynomialDlg::BlankCoefficientBoxes() {
  SetWindowTexts({&x4Box_, &x3Box_, &x2Box_, &xBox_, &constantBox_}, " ");
}

void CPolynomialDlg::HideRoots() {
  ShowWindows({&rootsGroup_, &rootsBox_}, SW_HIDE);
}

CEdit& CPolynomialDlg::Box(CoefficientBox box) {
  switch (box) {
    case CoefficientBox::X4:
      return x4Box_;
    case CoefficientBox::X3:
      return x3Box_;
    case CoefficientBox::X2:
      return x2Box_;
    case CoefficientBox::X:
      return xBox_;
    case CoefficientBox::Constant:
      break;
  }
  return constantBox_;
}

#include "complex/complex_dlg.h"

#include "complex/complex_ops.h"
#include "res/resource_ids.h"
#include "res/static_init_order.h"
#include "winsys/control_groups.h"

namespace {

// Each box's text on its way to the conversion, then the result text that is shown.
[[gnu::init_priority(kComplexModuleInitPriority)]] CString scratch;

}  // namespace

CComplexDlg::CComplexDlg(CWnd* parent) : CDialog(IDD_COMPLEX, parent) {}

// Choosing an operation computes nothing by itself: only Calculate does.
IMPLEMENT_MESSAGE_MAP(CComplexDlg, CDialog){};

void CComplexDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_CPX_OPERATION_LIST, operationList_);
  DDX_Control(dx, IDC_CPX_Z_REAL, zRealBox_);
  DDX_Control(dx, IDC_CPX_Z_IMAG, zImaginaryBox_);
  DDX_Control(dx, IDC_CPX_Y_REAL, yRealBox_);
  DDX_Control(dx, IDC_CPX_Y_IMAG, yImaginaryBox_);
  DDX_Control(dx, IDC_CPX_X_REAL, xRealBox_);
  DDX_Control(dx, IDC_CPX_X_IMAG, xImaginaryBox_);

  // Explicit positions keep the order although the list has the sort style; the position is
  // the operation's index.
  for (int operation = 0; operation < kComplexOperationCount; ++operation)
    operationList_.InsertString(operation, kComplexOperationNames[operation]);
  SetWindowTexts(
      {&xRealBox_, &xImaginaryBox_, &yRealBox_, &yImaginaryBox_, &zRealBox_, &zImaginaryBox_}, "0");
}

void CComplexDlg::OnOK() {
  const int operation = operationList_.GetCurSel();
  if (operation < 0 || operation >= kComplexOperationCount) {
    AfxMessageBox("Please select calculation type. ", 0, 0);
    return;
  }
  // All six boxes are read whatever the operation uses; the first that is refused ends the
  // calculation.
  double parts[6];
  if (!ReadBoxValues(
          {&xRealBox_, &xImaginaryBox_, &yRealBox_, &yImaginaryBox_, &zRealBox_, &zImaginaryBox_},
          scratch, parts))
    return;
  const Complex x{parts[0], parts[1]}, y{parts[2], parts[3]}, z{parts[4], parts[5]};
  scratch = CString(ComputeComplexResult(static_cast<ComplexOperation>(operation), x, y, z));
  AfxMessageBox(scratch, 0, 0);
}

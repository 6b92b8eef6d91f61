#include "complex/complex_dlg.h"

#include "common/field_number.h"
#include "common/static_init_order.h"
#include "complex/complex_ops.h"
#include "res/resource.h"
#include "winsys/control_groups.h"

namespace {

// Each box's text on its way to the conversion, then the result text that is shown.
[[gnu::init_priority(kComplexModuleInitPriority)]] CString scratch;

double ReadPart(const CEdit& box) {
  return FieldNumber(ReadThroughScratch(box, scratch));
}

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
  // All six boxes are read whatever the operation uses.
  Complex x, y, z;
  x.re = ReadPart(xRealBox_);
  x.im = ReadPart(xImaginaryBox_);
  y.re = ReadPart(yRealBox_);
  y.im = ReadPart(yImaginaryBox_);
  z.re = ReadPart(zRealBox_);
  z.im = ReadPart(zImaginaryBox_);
  scratch = CString(ComputeComplexResult(static_cast<ComplexOperation>(operation), x, y, z));
  AfxMessageBox(scratch, 0, 0);
}

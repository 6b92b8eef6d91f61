#include "vector/vector_dlg.h"

#include "res/resource_ids.h"
#include "res/static_init_order.h"
#include "vector/vector_ops.h"
#include "winsys/control_groups.h"

namespace {

// Each box's text on its way to the conversion, then the result text that is shown.
[[gnu::init_priority(kVectorModuleInitPriority)]] CString scratch;
// Both are read afresh from their lists before each use.
int selectedOperation;
int selectedDimension;

}  // namespace

CVectorDlg::CVectorDlg(CWnd* parent) : CDialog(IDD_VECTOR, parent) {}

IMPLEMENT_MESSAGE_MAP(CVectorDlg, CDialog){
    OnLbnSelchange(IDC_VEC_DIMENSION_LIST, &CVectorDlg::OnSelchangeDimension),
};

void CVectorDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_VEC_X_J_HAT_PLUS, xJHatPlus_);
  DDX_Control(dx, IDC_VEC_Y_K_HAT, yKHat_);
  DDX_Control(dx, IDC_VEC_Y_J_HAT_PLUS, yJHatPlus_);
  DDX_Control(dx, IDC_VEC_Y_J_HAT, yJHat_);
  DDX_Control(dx, IDC_VEC_Y_I_HAT_PLUS, yIHatPlus_);
  DDX_Control(dx, IDC_VEC_Y_ARROW, yArrow_);
  DDX_Control(dx, IDC_VEC_X_K_HAT, xKHat_);
  DDX_Control(dx, IDC_VEC_X_J_HAT, xJHat_);
  DDX_Control(dx, IDC_VEC_X_I_HAT_PLUS, xIHatPlus_);
  DDX_Control(dx, IDC_VEC_X_ARROW, xArrow_);
  DDX_Control(dx, IDC_VEC_OPERATION_LIST, operationList_);
  DDX_Control(dx, IDC_VEC_DIMENSION_LIST, dimensionList_);
  DDX_Control(dx, IDC_VEC_DATA_FRAME, dataGroup_);
  DDX_Control(dx, IDC_VEC_Y3, y3Box_);
  DDX_Control(dx, IDC_VEC_Y2, y2Box_);
  DDX_Control(dx, IDC_VEC_Y1, y1Box_);
  DDX_Control(dx, IDC_VEC_X3, x3Box_);
  DDX_Control(dx, IDC_VEC_X2, x2Box_);
  DDX_Control(dx, IDC_VEC_X1, x1Box_);
  DDX_Control(dx, IDC_VEC_OPERATION_FRAME, operationGroup_);

  // Explicit positions keep the order although the lists have the sort style; a position is
  // the code of the choice.
  for (int dimension = 0; dimension < kVectorDimensionCount; ++dimension)
    dimensionList_.InsertString(dimension, kVectorDimensionNames[dimension]);
  HideDimensionControls();
  ZeroComponentBoxes();
  operationList_.ResetContent();
  for (int operation = 0; operation < kVectorOperationCount; ++operation)
    operationList_.InsertString(operation, kVectorOperationNames[operation]);
}

void CVectorDlg::OnSelchangeDimension() {
  HideDimensionControls();
  ZeroComponentBoxes();
  ShowWindows({&operationGroup_, &operationList_, &dataGroup_, &xArrow_, &yArrow_, &y2Box_, &y1Box_,
               &x2Box_, &x1Box_, &yIHatPlus_, &xIHatPlus_},
              SW_SHOW);
  selectedDimension = dimensionList_.GetCurSel();
  if (selectedDimension == kThreeDimensionsPosition)
    ShowWindows({&y3Box_, &x3Box_, &yKHat_, &xKHat_, &yJHatPlus_, &xJHatPlus_}, SW_SHOW);
  else
    ShowWindows({&yJHat_, &xJHat_}, SW_SHOW);
}

void CVectorDlg::OnOK() {
  selectedOperation = operationList_.GetCurSel();
  selectedDimension = dimensionList_.GetCurSel();
  // Hidden third components are read too: in two dimensions they hold "0". The first box
  // that is refused ends the calculation before the selections are looked at.
  double components[6];
  if (!ReadBoxValues({&x1Box_, &x2Box_, &x3Box_, &y1Box_, &y2Box_, &y3Box_}, scratch, components))
    return;
  const Vector x{components[0], components[1], components[2]};
  const Vector y{components[3], components[4], components[5]};

  const bool operationChosen = selectedOperation >= 0 && selectedOperation < kVectorOperationCount;
  if (selectedDimension < 0 || selectedDimension >= kVectorDimensionCount)
    AfxMessageBox("Please select dimension.", 0, 0);
  else if (!operationChosen)
    AfxMessageBox("Please select operation.", 0, 0);
  // The operation list stays hidden until a dimension is chosen, so an operation is never
  // chosen without a dimension.
  if (operationChosen) {
    scratch = CString(ComputeVectorResult(selectedDimension,
                                          static_cast<VectorOperation>(selectedOperation), x, y));
    AfxMessageBox(scratch, 0, 0);
  }
}

void CVectorDlg::HideDimensionControls() {
  ShowWindows({&y3Box_, &y2Box_, &y1Box_, &x3Box_, &x2Box_, &x1Box_, &dataGroup_, &xArrow_,
               &yArrow_, &yIHatPlus_, &xIHatPlus_, &operationGroup_, &operationList_, &yKHat_,
               &xKHat_, &yJHatPlus_, &xJHatPlus_, &yJHat_, &xJHat_},
              SW_HIDE);
}

void CVectorDlg::ZeroComponentBoxes() {
  SetWindowTexts({&y3Box_, &y2Box_, &y1Box_, &x3Box_, &x2Box_, &x1Box_}, "0");
}

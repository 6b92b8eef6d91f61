#include "tests/winsys/test_dialog.h"

#include "res/resource_ids.h"

TestDialog::TestDialog(UINT templateId, int listId, int editId, CWnd* parent)
    : CDialog(templateId, parent), listId_(listId), editId_(editId) {}

IMPLEMENT_MESSAGE_MAP(TestDialog, CDialog){
    OnLbnSelchange(IDC_FUNCTION_LIST, &TestDialog::OnSelchange),
    OnLbnSelchange(IDC_POLY_DEGREE_LIST, &TestDialog::OnSelchange),
    OnLbnSelchange(IDC_CPX_OPERATION_LIST, &TestDialog::OnSelchange),
    OnEnChange(IDC_POLY_X, &TestDialog::OnEditChange),
    OnEnChange(IDC_CPX_X_REAL, &TestDialog::OnEditChange),
    OnWmSysCommand(&TestDialog::OnSysCommand),
    OnWmPaint(&TestDialog::OnPaint),
    OnWmQueryDragIcon(&TestDialog::OnQueryDragIcon),
};

BOOL TestDialog::OnInitDialog() {
  ++initDialogRuns;
  return CDialog::OnInitDialog();
}

void TestDialog::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  ++dataExchanges;
  if (listId_)
    DDX_Control(dx, listId_, list);
  if (editId_)
    DDX_Control(dx, editId_, edit);
}

void TestDialog::OnOK() {
  ++okRuns;
  if (okEndsDialog)
    CDialog::OnOK();
}

void TestDialog::OnCancel() {
  ++cancelRuns;
  CDialog::OnCancel();
}

void TestDialog::OnSelchange() {
  ++selectionChanges;
  if (onSelectionChange)
    onSelectionChange();
}

void TestDialog::OnEditChange() {
  ++editChanges;
}

void TestDialog::OnSysCommand(UINT id, LPARAM) {
  systemCommands.push_back(id);
  if (passSystemCommandsOn)
    Default();
}

void TestDialog::OnPaint() {
  if (onPaint)
    onPaint();
  else
    Default();
}

HCURSOR TestDialog::OnQueryDragIcon() {
  return dragIcon;
}

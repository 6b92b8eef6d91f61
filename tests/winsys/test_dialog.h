#pragma once

#include <functional>
#include <vector>

#include "winsys/afxwin.h"

// A dialog made from one of the program's templates that records what the layer delivers to
// it: data exchanges, OK and Cancel, notifications, system commands and painting.
class TestDialog : public CDialog {
 public:
  // `listId` and `editId`, when not 0, are bound to `list` and `edit` at each data exchange.
  explicit TestDialog(UINT templateId, int listId = 0, int editId = 0, CWnd* parent = nullptr);

  CListBox list;
  CEdit edit;

  int initDialogRuns = 0;
  int dataExchanges = 0;
  int okRuns = 0;
  int cancelRuns = 0;
  // Whether OnOK ends the dialog, as the framework's does; a calculator's never does.
  bool okEndsDialog = true;

  int selectionChanges = 0;
  std::function<void()> onSelectionChange;
  int editChanges = 0;

  std::vector<UINT> systemCommands;
  // Whether OnSysCommand passes each command on to the default processing.
  bool passSystemCommandsOn = true;

  // Runs for WM_PAINT instead of the default painting, when set.
  std::function<void()> onPaint;
  HICON dragIcon = nullptr;

  using CWnd::Default;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void OnSelchange();
  void OnEditChange();
  void OnSysCommand(UINT id, LPARAM param);
  void OnPaint();
  HCURSOR OnQueryDragIcon();

  int listId_;
  int editId_;

  DECLARE_MESSAGE_MAP(TestDialog)
};

#pragma once

#include <QMenu>

#include "winsys/cmenu.h"

// A dialog's own system menu. Linux window managers keep their window menus to themselves,
// so each dialog with a system menu carries this one: the standard window commands the
// toolkit can carry out, then whatever the program appends.
class SystemMenu : public CMenu {
 public:
  SystemMenu(QWidget* window, bool canMinimize, bool canMaximize);

  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) override;

  // Shows the menu at `position` (global) and returns the identifier of the command chosen,
  // or 0 when the menu was dismissed.
  UINT Choose(const QPoint& position);
  // Back to the standard commands alone.
  void Revert();

 private:
  void AddCommand(UINT id, const QString& text);

  QWidget* window_;
  bool canMinimize_;
  bool canMaximize_;
  QMenu menu_;
};

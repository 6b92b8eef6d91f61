#pragma once

#include <memory>

#include "winsys/win_types.h"

class QMenu;
class QPoint;
class QString;
class QWidget;

// A dialog's system menu, the one menu the program has. Linux window managers keep their
// window menus to themselves, so each dialog with a system menu carries this one: the
// standard window commands the toolkit can carry out, then whatever the program appends.
class CMenu {
 public:
  CMenu(QWidget* window, bool canMinimize, bool canMaximize);
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;
  ~CMenu();

  // MF_SEPARATOR, or MF_STRING with a command identifier and a text ('&' marks the mnemonic).
  // Items are appended at the end.
  BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);

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
  std::unique_ptr<QMenu> menu_;
};

#include "winsys/cmenu.h"

#include <QAction>
#include <QMenu>

CMenu::CMenu(QWidget* window, bool canMinimize, bool canMaximize)
    : window_(window),
      canMinimize_(canMinimize),
      canMaximize_(canMaximize),
      menu_(std::make_unique<QMenu>(window)) {
  // Screen readers know a window's system menu by this name.
  menu_->setAccessibleName("System");
  Revert();
}

CMenu::~CMenu() = default;

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
  if (flags & MF_SEPARATOR)
    menu_->addSeparator();
  else
    AddCommand(static_cast<UINT>(id), QString::fromUtf8(text ? text : ""));
  return TRUE;
}

UINT CMenu::Choose(const QPoint& position) {
  // The commands a window in its present state cannot carry out are greyed, as on Windows.
  const bool minimized = window_->isMinimized();
  const bool maximized = window_->isMaximized();
  for (QAction* action : menu_->actions()) {
    switch (action->data().toUInt()) {
      case SC_RESTORE:
        action->setEnabled(minimized || maximized);
        break;
      case SC_MINIMIZE:
        action->setEnabled(canMinimize_ && !minimized);
        break;
      case SC_MAXIMIZE:
        action->setEnabled(canMaximize_ && !maximized);
        break;
    }
  }
  const QAction* chosen = menu_->exec(position);
  return chosen ? chosen->data().toUInt() : 0;
}

void CMenu::Revert() {
  menu_->clear();
  AddCommand(SC_RESTORE, "&Restore");
  AddCommand(SC_MINIMIZE, "Mi&nimize");
  AddCommand(SC_MAXIMIZE, "Ma&ximize");
  menu_->addSeparator();
  AddCommand(SC_CLOSE, "&Close\tAlt+F4");
}

void CMenu::AddCommand(UINT id, const QString& text) {
  menu_->addAction(text)->setData(id);
}

#include "winsys/controls.h"

#include <QLineEdit>

#include "winsys/list_box_control.h"

int CListBox::InsertString(int index, const char* text) {
  return static_cast<int>(
      SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

void CListBox::ResetContent() {
  SendMessage(LB_RESETCONTENT);
}

int CListBox::GetCurSel() const {
  // Asking the list changes nothing, as on Windows, where a const wrapper sends it too.
  return static_cast<int>(const_cast<CListBox*>(this)->SendMessage(LB_GETCURSEL));
}

LRESULT CListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  auto* list = qobject_cast<ListBoxControl*>(GetSafeHwnd());
  if (!list)
    return CWnd::DefWindowProc(message, wParam, lParam);
  switch (message) {
    case LB_INSERTSTRING:
      return list->InsertString(static_cast<int>(wParam),
                                QString::fromUtf8(reinterpret_cast<const char*>(lParam)));
    case LB_RESETCONTENT:
      list->ResetContent();
      return 0;
    case LB_GETCURSEL:
      return list->CurrentSelection();
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}

void CEdit::SetSel(int start, int end) {
  auto* box = qobject_cast<QLineEdit*>(GetSafeHwnd());
  if (!box)
    return;
  if (start == 0 && end == -1)
    box->selectAll();
  else
    box->setSelection(start, end - start);
}

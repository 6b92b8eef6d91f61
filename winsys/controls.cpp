#include "winsys/controls.h"

#include <string>

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

int CListBox::GetCount() const {
  return static_cast<int>(const_cast<CListBox*>(this)->SendMessage(LB_GETCOUNT));
}

void CListBox::GetText(int index, CString& text) const {
  auto* self = const_cast<CListBox*>(this);
  const LRESULT length = self->SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) {
    text = CString();
    return;
  }
  std::string buffer(static_cast<size_t>(length), '\0');
  self->SendMessage(LB_GETTEXT, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(buffer.data()));
  text = CString(std::move(buffer));
}

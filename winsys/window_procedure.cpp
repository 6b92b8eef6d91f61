#include "winsys/window_procedure.h"

#include <cstring>

#include "winsys/cwinapp.h"
#include "winsys/dialog_window.h"
#include "winsys/gdi.h"
#include "winsys/list_box_control.h"

namespace {

LRESULT ListBoxProcedure(ListBoxControl& list, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(wParam);
  switch (message) {
    case LB_INSERTSTRING:
      return list.InsertString(index, QString::fromUtf8(reinterpret_cast<const char*>(lParam)));
    case LB_RESETCONTENT:
      list.ResetContent();
      return 0;
    case LB_GETCURSEL:
      return list.CurrentSelection();
    case LB_GETCOUNT:
      return list.count();
    case LB_GETTEXTLEN:
      return index >= 0 && index < list.count() ? list.item(index)->text().toUtf8().size() : LB_ERR;
    case LB_GETTEXT: {
      if (index < 0 || index >= list.count())
        return LB_ERR;
      const QByteArray text = list.item(index)->text().toUtf8();
      std::memcpy(reinterpret_cast<char*>(lParam), text.constData(), text.size() + 1);
      return text.size();
    }
    default:
      return 0;
  }
}

LRESULT DialogProcedure(DialogWindow& dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETICON:
      return dialog.SetIcon(wParam, reinterpret_cast<HICON>(lParam));
    case WM_SYSCOMMAND:
      dialog.CarryOutSystemCommand(static_cast<UINT>(wParam));
      return 0;
    case WM_PAINT:
      dialog.PaintDefault();
      return 0;
    case WM_ICONERASEBKGND:
      if (const CDC* dc = reinterpret_cast<const CDC*>(wParam); dc && dc->painter())
        dialog.EraseBackground(*dc->painter());
      return 1;
    case WM_COMMAND:
      // A command that the dialog does not handle goes on to the application, as the
      // framework routes commands.
      if (HIWORD(wParam) == BN_CLICKED && AfxGetApp())
        AfxGetApp()->OnCmdMsg(LOWORD(wParam), BN_CLICKED);
      return 0;
    default:
      return 0;
  }
}

}  // namespace

LRESULT DefWindowProc(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto* list = qobject_cast<ListBoxControl*>(window))
    return ListBoxProcedure(*list, message, wParam, lParam);
  if (auto* dialog = qobject_cast<DialogWindow*>(window))
    return DialogProcedure(*dialog, message, wParam, lParam);
  return 0;
}

#include "winsys/cwnd.h"

#include <QWidget>

#include "winsys/control_id.h"
#include "winsys/control_kinds.h"
#include "winsys/dialog_window.h"
#include "winsys/window_procedure.h"

namespace {

// The WS_VISIBLE bit of a window: a control keeps it while its dialog is still hidden.
bool HasVisibleStyle(const QWidget* widget) {
  if (widget->isWindow())
    return widget->isVisible();
  return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
           widget->testAttribute(Qt::WA_WState_Hidden));
}

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (!widget_)
    return;
  if (auto* window = qobject_cast<DialogWindow*>(widget_->window()))
    window->Forget(*this);
}

void CWnd::SetWindowText(const char* text) {
  if (!widget_)
    return;
  const QString newText = QString::fromUtf8(text ? text : "");
  if (widget_->isWindow())
    widget_->setWindowTitle(newText);
  else
    SetControlText(widget_, newText);
}

void CWnd::GetWindowText(CString& text) const {
  if (!widget_) {
    text = CString();
    return;
  }
  const QString windowText = widget_->isWindow() ? widget_->windowTitle() : ControlText(widget_);
  text = CString(windowText.toUtf8().toStdString());
}

BOOL CWnd::ShowWindow(int command) {
  if (!widget_)
    return FALSE;
  const BOOL wasVisible = HasVisibleStyle(widget_);
  if (command == SW_HIDE)
    widget_->hide();
  else if (command == SW_SHOW)
    widget_->show();
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
  for (const QWidget* widget = widget_; widget; widget = widget->parentWidget()) {
    if (!HasVisibleStyle(widget))
      return FALSE;
    if (widget->isWindow())
      return TRUE;
  }
  return FALSE;
}

BOOL CWnd::IsIconic() const {
  return widget_ && widget_->isMinimized();
}

void CWnd::GetClientRect(CRect* rect) const {
  *rect = CRect{};
  if (widget_) {
    rect->right = widget_->width();
    rect->bottom = widget_->height();
  }
}

CMenu* CWnd::GetSystemMenu(BOOL revert) {
  auto* window = qobject_cast<DialogWindow*>(widget_);
  return window ? window->GetSystemMenu(revert) : nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage handled{message, wParam, lParam};
  const CurrentMessage* outer = std::exchange(current_, &handled);
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result))
    result = DefWindowProc(widget_, message, wParam, lParam);
  current_ = outer;
  return result;
}

int CWnd::GetDlgCtrlID() const {
  return widget_ ? ControlId(widget_) : 0;
}

LRESULT CWnd::Default() {
  return current_ ? DefWindowProc(widget_, current_->message, current_->wParam, current_->lParam)
                  : 0;
}

BOOL CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) {
  return FALSE;
}

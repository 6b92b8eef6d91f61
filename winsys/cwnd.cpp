#include "winsys/cwnd.h"

#include <utility>

#include <QWidget>

#include "winsys/control_kinds.h"

CWnd::CWnd() = default;

CWnd::~CWnd() = default;

void CWnd::Attach(QWidget* widget) {
  widget_ = widget;
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

std::string CWnd::GetAccessibleName() const {
  return widget_ ? widget_->accessibleName().toStdString() : std::string();
}

void CWnd::SetFocus() {
  // The keyboard focus, and with it what a screen reader reads next.
  if (widget_)
    widget_->setFocus(Qt::OtherFocusReason);
}

BOOL CWnd::ShowWindow(int command) {
  if (!widget_)
    return FALSE;
  // A widget that is not hidden has the WS_VISIBLE style, whether or not its dialog shows.
  const BOOL wasVisible = !widget_->isHidden();
  if (command == SW_HIDE)
    widget_->hide();
  else if (command == SW_SHOW)
    widget_->show();
  return wasVisible;
}

BOOL CWnd::IsIconic() const {
  return widget_ && widget_->isMinimized();
}

void CWnd::GetClientRect(CRect* rect) const {
  *rect = CRect{};
  // A window's client area lies below the title bar that the program may draw.
  if (widget_) {
    const QSize size = widget_->isWindow() ? widget_->contentsRect().size() : widget_->size();
    rect->right = size.width();
    rect->bottom = size.height();
  }
}

CMenu* CWnd::GetSystemMenu(BOOL) {
  return nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage handled{message, wParam, lParam};
  const CurrentMessage* outer = std::exchange(current_, &handled);
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result))
    result = DefWindowProc(message, wParam, lParam);
  current_ = outer;
  return result;
}

QWidget* CWnd::GetSafeHwnd() const {
  return widget_;
}

LRESULT CWnd::Default() {
  return current_ ? DefWindowProc(current_->message, current_->wParam, current_->lParam) : 0;
}

BOOL CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) {
  return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT, WPARAM, LPARAM) {
  return 0;
}

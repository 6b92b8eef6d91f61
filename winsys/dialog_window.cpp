#include "winsys/dialog_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "res/dialog_template.h"
#include "winsys/caption_strip.h"
#include "winsys/cmenu.h"
#include "winsys/control_id.h"
#include "winsys/control_kinds.h"
#include "winsys/cwnd.h"
#include "winsys/dialog_units.h"
#include "winsys/icon_resource.h"
#include "winsys/window_captions.h"
#include "winsys/window_size.h"

namespace {

Qt::WindowFlags WindowFlagsOf(const DialogTemplate& dialog) {
  // An application window has its own taskbar button; other dialogs stay with their owner.
  Qt::WindowFlags flags = (dialog.exStyle & WS_EX_APPWINDOW) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint;
  if ((dialog.style & WS_CAPTION) == WS_CAPTION)
    flags |= Qt::WindowTitleHint;
  if (dialog.style & WS_SYSMENU)
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (dialog.style & WS_MINIMIZEBOX)
    flags |= Qt::WindowMinimizeButtonHint;
  // A dialog keeps the size of its template, so a maximize box would offer what the window
  // cannot do: the desktop gets none, whatever the template asks for.
  return flags;
}

int DefaultCommandIdOf(const DialogTemplate& dialog) {
  for (const ControlTemplate& control : dialog.controls) {
    if (control.windowClass == ControlClass::kButton &&
        (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      return control.id;
  }
  return IDOK;
}

// Whether the dialog manager, rather than the user's mouse or the program, gives the focus
// for `reason`: Tab and Shift+Tab, a mnemonic, and the focus coming back to the window when a
// dialog opens or a window over it closes.
bool FocusGivenByTheDialog(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::ActiveWindowFocusReason:
      return true;
    default:
      return false;
  }
}

// An edit box that the dialog manager gives the focus selects its whole text, so that what
// the user types next replaces it instead of joining it: a "0" followed by a typed "-3"
// would read "0-3", which is 0.
void SelectAllOfABox(QObject* control) {
  if (auto* box = qobject_cast<QLineEdit*>(control))
    box->selectAll();
  else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
    box->selectAll();
}

bool CanTakeFocus(const QWidget* control) {
  return control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(control->window()) &&
         control->isEnabled();
}

}  // namespace

DialogWindow::DialogWindow(CWnd& dialog, const DialogTemplate& dialogTemplate)
    : QDialog(nullptr, WindowFlagsOf(dialogTemplate)),
      dialog_(dialog),
      defaultCommandId_(DefaultCommandIdOf(dialogTemplate)) {
  setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  setFont(DialogFont(dialogTemplate));
  const DialogBaseUnits units = DialogBaseUnitsOf(dialogTemplate);
  if (dialogTemplate.style & WS_SYSMENU)
    systemMenu_ = std::make_unique<CMenu>(this, dialogTemplate.style & WS_MINIMIZEBOX, false);
  if (ProgramDrawsCaptions() && (dialogTemplate.style & WS_CAPTION) == WS_CAPTION) {
    CaptionStrip::SystemMenuOpener openSystemMenu;
    if (systemMenu_)
      openSystemMenu = [this](QPoint position) { OpenSystemMenu(position); };
    new CaptionStrip(this, openSystemMenu,
                     [this] { dialog_.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); });
  }
  // The client area keeps the template's size below the title bar that the program draws.
  const QRect client = contentsRect();
  const QSize clientSize =
      DialogUnitsToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy, units).size();
  KeepWindowSize(this, clientSize.grownBy(contentsMargins()));
  // Creation order is the keyboard order, so the template order is the tab order.
  int index = 0;
  for (const ControlTemplate& control : dialogTemplate.controls) {
    QWidget* widget =
        CreateControl(control, index++, this, units,
                      [this, id = control.id](unsigned code) { SendCommand(id, code); });
    widget->move(widget->pos() + client.topLeft());
    widget->installEventFilter(this);
    controls_.emplace_back(widget, &control);
  }
  // A keyboard order that the template gives changes where Tab goes, not the creation order.
  QWidget* previous = nullptr;
  for (const int id : dialogTemplate.keyboardOrder) {
    QWidget* next = FindControl(this, id);
    if (previous && next)
      setTabOrder(previous, next);
    previous = next;
  }
  dialog.Attach(this);
}

DialogWindow::~DialogWindow() = default;

void DialogWindow::PlaceOver(QWidget* owner) {
  const QRect area = owner ? owner->frameGeometry()
                           : (screen() ? screen()->availableGeometry() : QRect(0, 0, 0, 0));
  move(area.center() - rect().center());
  if (owner && owner->windowHandle()) {
    winId();
    windowHandle()->setTransientParent(owner->windowHandle());
  }
}

void DialogWindow::FocusFirstTabStop() {
  for (const auto& [widget, control] : controls_) {
    if ((control->style & WS_TABSTOP) && CanTakeFocus(widget)) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void DialogWindow::done(int result) {
  ended_ = true;
  QDialog::done(result);
}

void DialogWindow::SendCommand(int id, unsigned code) {
  dialog_.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), code), 0);
}

CMenu* DialogWindow::GetSystemMenu(bool revert) {
  if (!systemMenu_)
    return nullptr;
  if (revert) {
    systemMenu_->Revert();
    return nullptr;
  }
  return systemMenu_.get();
}

LRESULT DialogWindow::SetIcon(WPARAM which, HICON icon) {
  HICON& slot = which == ICON_BIG ? bigIcon_ : smallIcon_;
  const HICON previous = std::exchange(slot, icon);
  // One QIcon carries both images: the window manager takes the small one for the caption
  // and the big one for the task switcher.
  QIcon windowIcon;
  const int big = GetSystemMetrics(SM_CXICON);
  if (bigIcon_)
    windowIcon.addPixmap(bigIcon_->icon.pixmap(big, big));
  if (smallIcon_)
    windowIcon.addPixmap(smallIcon_->icon.pixmap(big / 2, big / 2));
  setWindowIcon(windowIcon);
  return reinterpret_cast<LRESULT>(previous);
}

void DialogWindow::CarryOutSystemCommand(UINT command) {
  switch (command & kSystemCommandMask) {
    case SC_MINIMIZE:
      showMinimized();
      break;
    case SC_MAXIMIZE:
      // The window keeps its template's size.
      break;
    case SC_RESTORE:
      showNormal();
      break;
    case SC_CLOSE:
      SendCommand(IDCANCEL, BN_CLICKED);
      break;
  }
}

void DialogWindow::PaintDefault() {
  if (paintEvent_)
    QDialog::paintEvent(paintEvent_);
}

void DialogWindow::EraseBackground(QPainter& painter) const {
  painter.fillRect(rect(), palette().window());
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType())
    return HandleDialogKey(static_cast<QKeyEvent*>(event), static_cast<QWidget*>(watched));
  if (event->type() == QEvent::FocusIn &&
      FocusGivenByTheDialog(static_cast<QFocusEvent*>(event)->reason()))
    SelectAllOfABox(watched);
  return QDialog::eventFilter(watched, event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (!HandleDialogKey(event, focusWidget()))
    QWidget::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The close box is the dialog's Cancel action; OnCancel decides whether the window goes.
  event->ignore();
  SendCommand(IDCANCEL, BN_CLICKED);
}

void DialogWindow::paintEvent(QPaintEvent* event) {
  paintEvent_ = event;
  dialog_.SendMessage(WM_PAINT);
  paintEvent_ = nullptr;
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  // Only the background opens the system menu: a box or a list keeps its own right click.
  const QWidget* child = childAt(event->pos());
  if (!child || child->focusPolicy() == Qt::NoFocus)
    OpenSystemMenu(event->globalPos());
}

bool DialogWindow::HandleDialogKey(QKeyEvent* event, QWidget* focus) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  auto* focusedButton = qobject_cast<QPushButton*>(focus);
  if (modifiers == Qt::AltModifier && key == Qt::Key_Space) {
    OpenSystemMenu(mapToGlobal(QPoint(0, 0)));
    return true;
  }
  if (modifiers != Qt::NoModifier)
    return false;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A focused push button is the default button for as long as it has the focus.
      SendCommand(focusedButton ? ControlId(focusedButton) : defaultCommandId_, BN_CLICKED);
      return true;
    case Qt::Key_Escape:
      SendCommand(IDCANCEL, BN_CLICKED);
      return true;
    case Qt::Key_F1:
      SendCommand(ID_HELP, BN_CLICKED);
      return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right:
      if (!focusedButton)
        return false;
      MoveFocusWithinGroup(focusedButton, key == Qt::Key_Down || key == Qt::Key_Right);
      return true;
    default:
      return false;
  }
}

void DialogWindow::MoveFocusWithinGroup(QWidget* from, bool forward) {
  // A group runs from a control with WS_GROUP (or the first control) to the next one.
  const auto at = std::find_if(controls_.begin(), controls_.end(),
                               [from](const auto& entry) { return entry.first == from; });
  if (at == controls_.end())
    return;
  auto first = at;
  while (first != controls_.begin() && !(first->second->style & WS_GROUP))
    --first;
  auto last = at + 1;
  while (last != controls_.end() && !(last->second->style & WS_GROUP))
    ++last;
  const auto size = last - first;
  for (auto step = 1; step < size; ++step) {
    const auto offset = ((at - first) + (forward ? step : size - step)) % size;
    QWidget* candidate = (first + offset)->first;
    if (CanTakeFocus(candidate)) {
      candidate->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void DialogWindow::OpenSystemMenu(const QPoint& position) {
  if (!systemMenu_)
    return;
  if (const UINT command = systemMenu_->Choose(position))
    dialog_.SendMessage(WM_SYSCOMMAND, command, 0);
}

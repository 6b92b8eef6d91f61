#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QDialog>

#include "winsys/win_types.h"

class CMenu;
class CWnd;
struct ControlTemplate;
struct DialogTemplate;

// The window of a running CDialog: a Qt dialog with every control of the template, in
// template order. It turns what the user does into the messages that it sends to the dialog's
// wrapper (commands, notifications, system commands, painting), and carries out the default
// processing of those messages when the dialog passes them back.
class DialogWindow : public QDialog {
  Q_OBJECT

 public:
  // Builds the window and its controls and attaches `dialog`, the wrapper that receives the
  // window's messages, to it.
  DialogWindow(CWnd& dialog, const DialogTemplate& dialogTemplate);
  ~DialogWindow() override;

  // Centres the window over `owner`, or over the screen without one, and keeps it above it.
  void PlaceOver(QWidget* owner);
  // What the dialog manager does when OnInitDialog returns TRUE.
  void FocusFirstTabStop();
  // Whether EndDialog has been called, perhaps before the modal loop started.
  bool Ended() const { return ended_; }
  void done(int result) override;

  // Sends WM_COMMAND for control or command `id` with notification `code` to the dialog.
  void SendCommand(int id, unsigned code);

  // The default processing of the window's messages.
  CMenu* GetSystemMenu(bool revert);
  LRESULT SetIcon(WPARAM which, HICON icon);
  void CarryOutSystemCommand(UINT command);
  void PaintDefault();
  void EraseBackground(QPainter& painter) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // The dialog manager's keys: Enter, Escape, F1, Alt+Space, and the arrow keys on a push
  // button. Returns whether the key was one of them.
  bool HandleDialogKey(QKeyEvent* event, QWidget* focus);
  void MoveFocusWithinGroup(QWidget* from, bool forward);
  void OpenSystemMenu(const QPoint& position);

  CWnd& dialog_;
  std::vector<std::pair<QWidget*, const ControlTemplate*>> controls_;
  int defaultCommandId_;
  std::unique_ptr<CMenu> systemMenu_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  QPaintEvent* paintEvent_ = nullptr;
  bool ended_ = false;
};

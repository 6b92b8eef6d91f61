#pragma once

#include <QMessageBox>

class CaptionStrip;

// The window of AfxMessageBox: plain text, one OK button and no icon, in a dialog frame with
// only a close button and the whole caption in view. Ctrl+C copies the box as a Windows
// message box does: caption, text and button between dashed lines.
class MessageBoxWindow : public QMessageBox {
  Q_OBJECT

 public:
  MessageBoxWindow(QWidget* parent, const QString& caption, const QString& text);

  // What Ctrl+C puts on the clipboard.
  QString CopiedText() const;

  // Closes the box; the window below is asked to take the keyboard back first, while this
  // box is still the application's active window, which is when a Wayland compositor lets a
  // program hand on its activation.
  void done(int result) override;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void KeepOwnSize();

  CaptionStrip* caption_ = nullptr;
};

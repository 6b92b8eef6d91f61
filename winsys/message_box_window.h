#pragma once

#include <QMessageBox>

// The window of AfxMessageBox: plain text, one OK button and no icon. Ctrl+C copies the
// box as a Windows message box does: caption, text and button between dashed lines.
class MessageBoxWindow : public QMessageBox {
  Q_OBJECT

 public:
  MessageBoxWindow(QWidget* parent, const QString& caption, const QString& text);

  // What Ctrl+C puts on the clipboard.
  QString CopiedText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

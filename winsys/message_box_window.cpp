#include "winsys/message_box_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

MessageBoxWindow::MessageBoxWindow(QWidget* parent, const QString& caption, const QString& text)
    : QMessageBox(parent) {
  setWindowTitle(caption);
  setIcon(QMessageBox::NoIcon);
  // A plain-text label keeps the text as given: its line feeds, and its leading and trailing
  // blanks.
  setTextFormat(Qt::PlainText);
  setText(text);
  setStandardButtons(QMessageBox::Ok);
  setDefaultButton(QMessageBox::Ok);
  setEscapeButton(QMessageBox::Ok);
}

QString MessageBoxWindow::CopiedText() const {
  const QString line = QStringLiteral("---------------------------\n");
  return line + windowTitle() + "\n" + line + text() + "\n" + line +
         button(QMessageBox::Ok)->text().remove('&') + "\n" + line;
}

void MessageBoxWindow::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(CopiedText());
    event->accept();
    return;
  }
  QMessageBox::keyPressEvent(event);
}

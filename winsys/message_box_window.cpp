#include "winsys/message_box_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "winsys/cwinapp.h"

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

int AfxMessageBox(const char* text, UINT, UINT) {
  // Type 0 asks for one OK button and no icon, which is all the program ever asks for.
  QWidget* over = QApplication::activeModalWidget();
  if (!over)
    over = QApplication::activeWindow();
  const CWinApp* app = AfxGetApp();
  MessageBoxWindow box(over, QString::fromUtf8(app ? app->m_pszAppName : ""),
                       QString::fromUtf8(text ? text : ""));
  box.exec();
  // As on Windows, the window under the box is active again once the box has gone, and its
  // focused control has the focus back, whether or not a window manager sees to it.
  if (over)
    over->activateWindow();
  return IDOK;
}

#include "winsys/message_box_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QKeyEvent>

#include "winsys/caption_strip.h"
#include "winsys/window_captions.h"
#include "winsys/window_size.h"

MessageBoxWindow::MessageBoxWindow(QWidget* parent, const QString& caption, const QString& text)
    : QMessageBox(parent) {
  // Neither minimize nor maximize: a message waits for its answer, at its own size.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(caption);
  // Where the program draws the title bar, the box's is the same with no icon, since a
  // message has no system menu of its own; its close button answers as Escape does.
  if (ProgramDrawsCaptions())
    caption_ = new CaptionStrip(this, nullptr, [this] { close(); });
  setIcon(QMessageBox::NoIcon);
  // A plain-text label keeps the text as given: its line feeds, and its leading and trailing
  // blanks.
  setTextFormat(Qt::PlainText);
  setText(text);
  setStandardButtons(QMessageBox::Ok);
  // The desktop's theme may ask for icons on dialog buttons (KDE's and GNOME's do); the
  // program's OK is a plain button.
  button(QMessageBox::Ok)->setIcon(QIcon());
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

void MessageBoxWindow::done(int result) {
  if (QWidget* below = parentWidget())
    below->window()->activateWindow();
  QMessageBox::done(result);
}

bool MessageBoxWindow::event(QEvent* event) {
  const bool handled = QMessageBox::event(event);
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::LayoutRequest:
    case QEvent::WindowTitleChange:
      KeepOwnSize();
      break;
    default:
      break;
  }
  return handled;
}

void MessageBoxWindow::KeepOwnSize() {
  // The box lays itself out to its text whenever it is shown or its layout changes, and then
  // fixes its size; that size is kept the way every window of the program keeps its own,
  // wide enough for the whole caption.
  const int width = std::max(
      this->width(), caption_ ? caption_->WidthForWholeTitle() : WidthForWholeTitle(windowTitle()));
  if (minimumSize() == maximumSize() || this->width() < width)
    KeepWindowSize(this, QSize(width, height()));
}

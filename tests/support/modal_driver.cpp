#include "tests/support/modal_driver.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace test_support {

namespace {

// Ends every modal window, the innermost first.
void EndAllModals() {
  while (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
    window->done(kEndedByDriver);
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& script, int timeoutMs) {
  bool timedOut = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&timedOut] {
    timedOut = true;
    EndAllModals();
  });
  // A timer of this call's own, so that a dialog that never reaches its loop leaves no
  // script behind to run later.
  QTimer starter;
  starter.setSingleShot(true);
  QObject::connect(&starter, &QTimer::timeout, [&dialog, &script, &watchdog, timeoutMs] {
    QWidget* window = dialog.GetSafeHwnd();
    if (!window)
      return;
    watchdog.start(timeoutMs);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "the dialog never became active";
    script();
    // The script may have ended the dialog; its window goes only when DoModal returns.
    if (QPointer<QWidget> still = dialog.GetSafeHwnd(); still && still->isVisible())
      static_cast<QDialog*>(still.data())->done(kEndedByDriver);
  });
  starter.start(0);
  const INT_PTR result = dialog.DoModal();
  EXPECT_FALSE(timedOut) << "the modal run took longer than " << timeoutMs << " ms";
  return result;
}

QWidget* ActiveModal() {
  return QApplication::activeModalWidget();
}

void OnNextModal(const std::function<void(QWidget* window)>& action, int timeoutMs) {
  QPointer<QWidget> before = QApplication::activeModalWidget();
  auto* poll = new QTimer;
  auto elapsed = std::make_shared<QElapsedTimer>();
  elapsed->start();
  QObject::connect(poll, &QTimer::timeout, [poll, before, action, elapsed, timeoutMs] {
    QWidget* top = QApplication::activeModalWidget();
    if (top && top != before && top->isVisible()) {
      poll->stop();
      poll->deleteLater();
      action(top);
    } else if (elapsed->elapsed() > timeoutMs) {
      poll->stop();
      poll->deleteLater();
      ADD_FAILURE() << "no modal window opened within " << timeoutMs << " ms";
    }
  });
  poll->start(5);
}

void CloseMessageBox(QWidget* box, CloseWith closeWith) {
  switch (closeWith) {
    case CloseWith::kEnter:
      QTest::keyClick(box, Qt::Key_Return);
      break;
    case CloseWith::kEscape:
      QTest::keyClick(box, Qt::Key_Escape);
      break;
    case CloseWith::kOkButton:
      if (auto* messageBox = qobject_cast<QMessageBox*>(box))
        QTest::mouseClick(messageBox->button(QMessageBox::Ok), Qt::LeftButton);
      break;
    case CloseWith::kCloseBox:
      box->close();
      break;
  }
}

MessageBoxSeen ExpectMessageBox(const std::function<void()>& trigger, CloseWith closeWith) {
  MessageBoxSeen seen;
  OnNextModal([&seen, closeWith](QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (!box) {
      ADD_FAILURE() << "the window that opened is not a message box";
      return;
    }
    seen.shown = true;
    seen.caption = box->windowTitle().toStdString();
    seen.text = box->text().toStdString();
    CloseMessageBox(box, closeWith);
  });
  trigger();
  // The trigger returns once the box is closed; a box raised later is waited for here.
  EXPECT_TRUE(QTest::qWaitFor([&seen] { return seen.shown; }, kModalTimeoutMs))
      << "no message box was shown";
  return seen;
}

QImage RenderMinimized(CDialog& dialog, int clientSize) {
  QImage painted;
  RunModal(dialog, [&] {
    QWidget* window = dialog.GetSafeHwnd();
    window->setFixedSize(clientSize, clientSize);
    window->showMinimized();
    ASSERT_TRUE(dialog.IsIconic());
    painted = QImage(window->size(), QImage::Format_RGB32);
    window->render(&painted);
  });
  return painted;
}

}  // namespace test_support

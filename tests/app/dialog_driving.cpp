#include "tests/app/dialog_driving.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "winsys/win_types.h"

namespace app_test {

using test_support::Control;

bool IsShown(int id) {
  const QWidget* control = Control(id);
  return control && control->isVisible();
}

std::set<int> ShownAmong(std::initializer_list<int> ids) {
  std::set<int> shown;
  for (const int id : ids) {
    if (IsShown(id))
      shown.insert(id);
  }
  return shown;
}

std::set<int> UnnamedAmong(std::span<const int> ids) {
  std::set<int> unnamed;
  for (const int id : ids) {
    if (const QWidget* control = Control(id); control && control->accessibleName().isEmpty())
      unnamed.insert(id);
  }
  return unnamed;
}

std::string TextIn(int id) {
  return test_support::TextOf(Control(id));
}

void Retype(int id, const QString& text) {
  QWidget* box = Control(id);
  test_support::PressKey(box, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty())
    test_support::PressKey(box, Qt::Key_Delete);
  else
    test_support::TypeInto(box, text);
}

void RetypeBoxes(std::span<const int> boxes, std::span<const char* const> texts) {
  for (size_t i = 0; i < boxes.size() && i < texts.size(); ++i) {
    if (texts[i])
      Retype(boxes[i], texts[i]);
  }
}

std::string ResultOfCalculate() {
  const test_support::MessageBoxSeen box =
      test_support::ExpectMessageBox([] { test_support::Click(Control(IDOK)); });
  EXPECT_EQ(box.caption, "Quillet");
  return box.text;
}

void ExpectCalculateToRefuseTheBox(int id, const std::string& message) {
  const QString text = QString::fromStdString(TextIn(id));
  EXPECT_EQ(ModalsDuring([] { test_support::Click(Control(IDOK)); }),
            (std::vector<ModalSeen>{{"Quillet", message}}));
  auto* box = qobject_cast<QLineEdit*>(Control(id));
  ASSERT_NE(box, nullptr);
  // The dialog is active again once the message has gone, which may take a turn of the loop.
  EXPECT_TRUE(QTest::qWaitFor([box] { return QApplication::focusWidget() == box; }, 1000))
      << "the focus is on " << (QApplication::focusWidget() ? "another control" : "nothing");
  EXPECT_EQ(box->selectedText(), text);
  QTest::keyClicks(QApplication::focusWidget(), "3");
  EXPECT_EQ(TextIn(id), "3");
}

const std::function<void()> kWaysToLeaveACalculator[3] = {
    [] { test_support::PressKey(test_support::ActiveDialog(), Qt::Key_Escape); },
    [] { test_support::ActiveDialog()->close(); },
    [] { test_support::Click(Control(IDCANCEL)); },
};

std::vector<ModalSeen> ModalsDuring(const std::function<void()>& step) {
  std::vector<ModalSeen> seen;
  const QPointer<QWidget> base = QApplication::activeModalWidget();
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&seen, &base] {
    QWidget* top = QApplication::activeModalWidget();
    if (!top || top == base || !top->isVisible())
      return;
    ModalSeen window{top->windowTitle().toStdString(), {}};
    if (auto* box = qobject_cast<QMessageBox*>(top)) {
      window.text = box->text().toStdString();
      test_support::CloseMessageBox(box, test_support::CloseWith::kEnter);
    } else {
      QTest::keyClick(top, Qt::Key_Escape);
    }
    seen.push_back(window);
  });
  watcher.start(5);
  step();
  return seen;
}

std::vector<std::string> MessagesDuring(const std::function<void()>& step) {
  std::vector<std::string> texts;
  for (const ModalSeen& window : ModalsDuring(step))
    texts.push_back(window.text);
  return texts;
}

}  // namespace app_test

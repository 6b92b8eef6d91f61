#include "tests/support/widget_actions.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "winsys/control_id.h"
#include "winsys/control_kinds.h"

namespace test_support {

QWidget* ActiveDialog() {
  QWidget* dialog = QApplication::activeModalWidget();
  EXPECT_NE(dialog, nullptr) << "no dialog is open";
  return dialog;
}

QWidget* Control(int id) {
  QWidget* dialog = ActiveDialog();
  QWidget* control = dialog ? FindControl(dialog, id) : nullptr;
  EXPECT_NE(control, nullptr) << "the active dialog has no control " << id;
  return control;
}

void Click(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton);
}

void ClickListEntry(QWidget* list, int row) {
  auto* view = qobject_cast<QListWidget*>(list);
  ASSERT_NE(view, nullptr) << "not a list";
  ASSERT_LT(row, view->count());
  view->scrollToItem(view->item(row));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                    view->visualItemRect(view->item(row)).center());
}

void TypeInto(QWidget* box, const QString& text) {
  box->setFocus(Qt::MouseFocusReason);
  QTest::keyClicks(box, text);
}

void PressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  target->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(target, key, modifiers);
}

std::string TextOf(const QWidget* control) {
  return ControlText(control).toStdString();
}

std::vector<std::string> EntriesOf(const QWidget* list) {
  std::vector<std::string> entries;
  if (const auto* view = qobject_cast<const QListWidget*>(list)) {
    for (int row = 0; row < view->count(); ++row)
      entries.push_back(view->item(row)->text().toStdString());
  }
  return entries;
}

int SelectionOf(const QWidget* list) {
  const auto* view = qobject_cast<const QListWidget*>(list);
  if (!view || view->selectedItems().isEmpty())
    return -1;
  return view->row(view->selectedItems().first());
}

std::vector<std::string> OpenMenuAndChoose(const std::function<void()>& open,
                                           const std::string& choice) {
  std::vector<std::string> items;
  bool opened = false;
  QTimer chooser;
  chooser.setSingleShot(true);
  QObject::connect(&chooser, &QTimer::timeout, [&] {
    if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000))
      return;
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
      return;
    opened = true;
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
      items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
      if (action->text().toStdString() == choice)
        chosen = action;
    }
    if (chosen)
      QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                        menu->actionGeometry(chosen).center());
    else
      menu->close();
  });
  chooser.start(0);
  open();
  EXPECT_TRUE(opened) << "no menu opened";
  return items;
}

}  // namespace test_support

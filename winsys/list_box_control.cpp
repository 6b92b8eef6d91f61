#include "winsys/list_box_control.h"

#include <algorithm>
#include <utility>

#include <QKeyEvent>
#include <QMouseEvent>

ListBoxControl::ListBoxControl(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
}

int ListBoxControl::InsertString(int index, const QString& text) {
  if (index == -1)
    index = count();
  if (index < 0 || index > count())
    return -1;
  insertItem(index, text);
  return index;
}

void ListBoxControl::ResetContent() {
  clear();
}

int ListBoxControl::CurrentSelection() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.first());
}

std::optional<int> ListBoxControl::NavigationTarget(int key) const {
  const int last = count() - 1;
  if (last < 0)
    return std::nullopt;
  const int caret = currentRow() >= 0 ? currentRow() : 0;
  const int page = std::max(1, viewport()->height() / std::max(1, sizeHintForRow(0)) - 1);
  switch (key) {
    case Qt::Key_Up:
      return std::max(caret - 1, 0);
    case Qt::Key_Down:
      return std::min(caret + 1, last);
    case Qt::Key_PageUp:
      return std::max(caret - page, 0);
    case Qt::Key_PageDown:
      return std::min(caret + page, last);
    case Qt::Key_Home:
      return 0;
    case Qt::Key_End:
      return last;
    default:
      return std::nullopt;
  }
}

void ListBoxControl::keyPressEvent(QKeyEvent* event) {
  const int before = CurrentSelection();
  if (const std::optional<int> target = NavigationTarget(event->key())) {
    setCurrentRow(*target, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(*target));
    event->accept();
  } else {
    QListWidget::keyPressEvent(event);
  }
  NotifyIfChangedFrom(before);
}

void ListBoxControl::mousePressEvent(QMouseEvent* event) {
  if (!selectionAtPress_)
    selectionAtPress_ = CurrentSelection();
  QListWidget::mousePressEvent(event);
}

void ListBoxControl::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!selectionAtPress_)
    selectionAtPress_ = CurrentSelection();
  QListWidget::mouseDoubleClickEvent(event);
}

void ListBoxControl::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  // As in a Windows list, the selection follows the pressed button and the change is
  // reported when it is released.
  if (const std::optional<int> before = std::exchange(selectionAtPress_, std::nullopt))
    NotifyIfChangedFrom(*before);
}

QItemSelectionModel::SelectionFlags ListBoxControl::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
  // One entry is always selected by a click or a key, whatever the modifiers: a Windows list
  // never lets Ctrl+click take the selection away.
  if (!index.isValid() || (event && event->type() == QEvent::MouseButtonRelease))
    return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect;
}

void ListBoxControl::NotifyIfChangedFrom(int before) {
  if (notifying_ || CurrentSelection() == before)
    return;
  notifying_ = true;
  emit selectionChangedByUser();
  notifying_ = false;
}

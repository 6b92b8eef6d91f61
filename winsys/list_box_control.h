#pragma once

#include <optional>

#include <QListWidget>

// A list box as the dialogs know it: entries at the positions the program gives, at most one
// selected, and a notification for every change of the selection that the user makes (a
// click, an arrow key, Home, End, Page Up or Down, a letter), never for the program's own.
//
// Keyboard navigation follows a Windows list: the caret starts on the first entry, so in a
// list with nothing selected Down selects the second entry and Up or Home the first; each
// of these selects, where Qt's list would only move its current row.
class ListBoxControl : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBoxControl(QWidget* parent);

  // Puts `text` at `index` (-1: at the end), never sorting; returns the index, or -1 if the
  // index lies beyond the end.
  int InsertString(int index, const QString& text);
  // Empties the list; the caret goes back to the first position.
  void ResetContent();
  // The selected position, or -1 when nothing is selected.
  int CurrentSelection() const;

 signals:
  // Emitted after the user changed the selection. A handler may run a modal dialog and empty
  // and refill the list; the list touches none of its entries afterwards.
  void selectionChangedByUser();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  // The position a navigation key moves the caret to, or nullopt for other keys and in an
  // empty list.
  std::optional<int> NavigationTarget(int key) const;
  void NotifyIfChangedFrom(int before);

  std::optional<int> selectionAtPress_;
  bool notifying_ = false;
};

#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QString>
#include <Qt>

class QWidget;

// Finding the controls of the running dialog and acting on them as a user would: real
// widgets, real mouse clicks and key presses.

namespace test_support {

// The top modal dialog now open; fails the test if there is none.
QWidget* ActiveDialog();
// Control `id` of the active dialog; fails the test if it has none.
QWidget* Control(int id);

// A left click in the middle of `control`.
void Click(QWidget* control);
// A left click on entry `row` of a list.
void ClickListEntry(QWidget* list, int row);
// Gives `box` the focus and types `text` into it, key by key.
void TypeInto(QWidget* box, const QString& text);
// Presses and releases `key` on `target`, which first gets the focus.
void PressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// What GetWindowText reads from the control.
std::string TextOf(const QWidget* control);
// The entries of a list, top to bottom.
std::vector<std::string> EntriesOf(const QWidget* list);
// The selected position of a list, or -1.
int SelectionOf(const QWidget* list);

// Waits for the popup menu that `open` shows, notes its items ("-" for a separator) and
// chooses the one whose text is `choice` (none if empty). Fails the test if no menu opens.
std::vector<std::string> OpenMenuAndChoose(const std::function<void()>& open,
                                           const std::string& choice);

}  // namespace test_support

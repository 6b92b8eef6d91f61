#pragma once

#include <functional>
#include <initializer_list>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <QString>

// What the calculator tests do to the running dialog beyond the shared test support: read the
// visibility and texts of its controls, retype a box, and watch the windows a step opens.

namespace app_test {

// Whether control `id` of the active dialog is shown.
bool IsShown(int id);
// The ids among `ids` whose controls the active dialog shows.
std::set<int> ShownAmong(std::initializer_list<int> ids);
// The ids among `ids` whose controls have no accessible name for screen readers.
std::set<int> UnnamedAmong(std::span<const int> ids);
// The text of control `id` of the active dialog.
std::string TextIn(int id);

// Replaces the text of box `id` as a person does: selects all of it and types over it, or
// deletes it when `text` is empty.
void Retype(int id, const QString& text);

// Retypes each box whose text is given, in order; a null text leaves its box as it is.
void RetypeBoxes(std::span<const int> boxes, std::span<const char* const> texts);

// Presses Calculate, expects one message box captioned with the program's name, closes it
// and returns its text.
std::string ResultOfCalculate();

// Presses Calculate, which must raise one message box, `message`, captioned with the
// program's name, and no other window. Once it is closed, box `id` must have the focus with
// its whole text selected, so that a "3" typed at the keyboard replaces that text.
void ExpectCalculateToRefuseTheBox(int id, const std::string& message);

// The ways a person leaves a calculator: Escape, its close box and "Return to Main Menu".
extern const std::function<void()> kWaysToLeaveACalculator[3];

// A modal window that opened while a step ran.
struct ModalSeen {
  std::string caption;
  std::string text;  // a message box's text; empty for a dialog
  bool operator==(const ModalSeen&) const = default;
};

// Runs `step` and returns, in order, every modal window that opened over the current one
// meanwhile. Each is closed as soon as it is read: a message box with Enter, a dialog with
// Escape.
std::vector<ModalSeen> ModalsDuring(const std::function<void()>& step);
// The texts of the message boxes that `step` raised, in order.
std::vector<std::string> MessagesDuring(const std::function<void()>& step);

}  // namespace app_test

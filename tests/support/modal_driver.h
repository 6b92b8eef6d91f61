#pragma once

#include <functional>
#include <string>

#include <QImage>

#include "winsys/afxwin.h"

class QWidget;

// Driving modal dialogs from a test. DoModal and AfxMessageBox block in Qt's modal loop, so a
// test hands the user's actions to the loop as a script; every wait has a timeout that fails
// the test instead of hanging it.
//
//   RunModal(dialog, [] {
//     ClickListEntry(Control(IDC_POLY_DEGREE_LIST), 0);
//     TypeInto(Control(IDC_POLY_X2), "0");
//     const MessageBoxSeen box = ExpectMessageBox([] { PressKey(Control(IDOK), Qt::Key_Return); });
//     EXPECT_EQ(box.text, "\n Input Error \n");
//     PressKey(ActiveDialog(), Qt::Key_Escape);
//   });

namespace test_support {

inline constexpr int kModalTimeoutMs = 5000;
// The end code of a dialog that the script left open, or that the watchdog closed.
inline constexpr int kEndedByDriver = -2;

// Runs dialog.DoModal() and, once its window is shown and active, `script` inside its modal
// loop. A dialog still open when the script returns is ended with kEndedByDriver; one still
// open after `timeoutMs` fails the test and is ended the same way, with every modal window
// over it. Returns what DoModal returned.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& script,
                 int timeoutMs = kModalTimeoutMs);

// The top modal window now open (a dialog or a message box), or null.
QWidget* ActiveModal();

// Runs `action` with the next modal window that opens over the current top one, as soon as
// it is shown; fails the test if none opens within `timeoutMs`. Call it before the step
// that opens the window, since that step blocks until the window closes.
void OnNextModal(const std::function<void(QWidget* window)>& action,
                 int timeoutMs = kModalTimeoutMs);

// How a test closes a message box.
enum class CloseWith { kEnter, kEscape, kOkButton, kCloseBox };

struct MessageBoxSeen {
  bool shown = false;
  std::string caption;
  std::string text;
};

// Runs `trigger`, which is expected to raise a message box; reads the box, closes it as
// `closeWith` says and returns what it showed. Fails the test if no box opens.
MessageBoxSeen ExpectMessageBox(const std::function<void()>& trigger,
                                CloseWith closeWith = CloseWith::kEnter);

// Closes the message box `box` as `closeWith` says.
void CloseMessageBox(QWidget* box, CloseWith closeWith);

// Runs `dialog` with a square client area of `clientSize` pixels, minimizes it and returns
// what it then paints.
QImage RenderMinimized(CDialog& dialog, int clientSize);

}  // namespace test_support

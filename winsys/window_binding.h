#pragma once

class CWnd;
class QWidget;

// Ties a window wrapper to the widget that stands for its window, and unties it when that
// window goes. Only the dialog window that owns the widget does either.
class WindowBinding {
 public:
  static void Attach(CWnd& wrapper, QWidget* widget);
  static void Detach(CWnd& wrapper);
};

#include "winsys/window_binding.h"

#include "winsys/cwnd.h"

void WindowBinding::Attach(CWnd& wrapper, QWidget* widget) {
  wrapper.widget_ = widget;
}

void WindowBinding::Detach(CWnd& wrapper) {
  wrapper.widget_ = nullptr;
}

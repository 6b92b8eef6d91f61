#pragma once

#include "winsys/cwnd.h"
#include "winsys/win_types.h"

// A device context to draw on.
class CDC {
 public:
  virtual ~CDC() = default;
  BOOL DrawIcon(int x, int y, HICON icon);
  // The handle the window-system messages take as their WPARAM (WM_ICONERASEBKGND).
  WPARAM GetSafeHdc() const { return reinterpret_cast<WPARAM>(this); }

 protected:
  struct Painter;
  Painter* painter_ = nullptr;
};

// Begins painting `window` on construction and ends it on destruction.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
  ~CPaintDC() override;
};

// SM_CXICON and SM_CYICON: the system's icon size, 32 x 32.
int GetSystemMetrics(int index);

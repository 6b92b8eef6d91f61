#pragma once

#include <memory>

#include "winsys/cwnd.h"
#include "winsys/win_types.h"

class QPainter;

// A device context to draw on.
class CDC {
 public:
  CDC();
  virtual ~CDC();
  // Draws `icon` at its system size (SM_CXICON x SM_CYICON) with its top left at (x, y).
  BOOL DrawIcon(int x, int y, HICON icon);
  // The handle the window-system messages take as their WPARAM (WM_ICONERASEBKGND).
  WPARAM GetSafeHdc() const { return reinterpret_cast<WPARAM>(this); }
  // The Qt painter behind the context; null or inactive when it has nothing to paint on.
  QPainter* painter() const { return painter_.get(); }

 protected:
  std::unique_ptr<QPainter> painter_;
};

// Begins painting `window` on construction and ends it on destruction. Painting can only
// begin while the window handles WM_PAINT.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
  ~CPaintDC() override;
};

#include "winsys/gdi.h"

#include <QPainter>
#include <QWidget>

#include "winsys/icon_resource.h"

CDC::CDC() = default;

CDC::~CDC() = default;

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
  if (!painter_ || !painter_->isActive() || !icon)
    return FALSE;
  const QSize size(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  const qreal pixelRatio = painter_->device()->devicePixelRatioF();
  painter_->drawPixmap(QPoint(x, y), icon->icon.pixmap(size, pixelRatio));
  return TRUE;
}

CPaintDC::CPaintDC(CWnd* window) {
  if (QWidget* widget = window->GetSafeHwnd()) {
    painter_ = std::make_unique<QPainter>(widget);
    // Client coordinates start below the title bar that the program may draw.
    if (widget->isWindow())
      painter_->translate(widget->contentsRect().topLeft());
  }
}

CPaintDC::~CPaintDC() = default;

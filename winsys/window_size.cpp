#include "winsys/window_size.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

namespace {

constexpr Qt::WindowStates kStatesGivenBySize = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches a window on Wayland: a maximize or fullscreen is left at once (the window has taken
// the compositor's size meanwhile, which is all the protocol demands), and any other size the
// compositor gives, as when the user drags an edge, is put back to the window's own.
class SizeKeeper : public QObject {
 public:
  SizeKeeper(QWidget* window, QSize size) : QObject(window), window_(window), size_(size) {
    setObjectName(QLatin1String(kName));
  }
  static constexpr char kName[] = "quillet-size-keeper";
  void SetSize(QSize size) { size_ = size; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_)
      return false;
    switch (event->type()) {
      case QEvent::WindowStateChange:
        if (window_->windowState() & kStatesGivenBySize) {
          // Until the compositor has restored the window, the size it gave stands.
          restoring_ = true;
          window_->setWindowState(window_->windowState() & ~kStatesGivenBySize);
        }
        break;
      case QEvent::Resize:
        // Only a size from the window system is undone: the program's own are its business.
        if (window_->size() == size_)
          restoring_ = false;
        else if (event->spontaneous() && !restoring_ &&
                 !(window_->windowState() & kStatesGivenBySize))
          window_->resize(size_);
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
  QSize size_;
  bool restoring_ = false;
};

}  // namespace

bool CompositorMayResizeAnyWindow() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void KeepWindowSize(QWidget* window, QSize size, bool compositorMayResize) {
  if (!compositorMayResize) {
    window->setFixedSize(size);
    return;
  }
  window->setMinimumSize(size);
  window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window->resize(size);
  // The keeper has no meta-object of its own, so it is known by its name.
  if (auto* keeper = dynamic_cast<SizeKeeper*>(window->findChild<QObject*>(
          QLatin1String(SizeKeeper::kName), Qt::FindDirectChildrenOnly)))
    keeper->SetSize(size);
  else
    window->installEventFilter(new SizeKeeper(window, size));
}

void KeepWindowSize(QWidget* window, QSize size) {
  KeepWindowSize(window, size, CompositorMayResizeAnyWindow());
}

int WidthForWholeTitle(const QString& title) {
  if (!CompositorMayResizeAnyWindow())
    return 0;
  // Qt's decoration draws the title at 14 pixels in the application's font, between a 22-pixel
  // icon and three 18-pixel buttons, with 5-pixel spacings and a 3-pixel frame on each side.
  QFont font = QGuiApplication::font();
  font.setPixelSize(14);
  const int titleWidth = QFontMetrics(font).horizontalAdvance(title);
  constexpr int kLeftOfTitle = 3 + 5 + 22 + 5;
  constexpr int kRightOfTitle = 8 + 3 * 18 + 2 * 5 + 5;
  // Centred, the title needs the wider of the two sides on both.
  return titleWidth + 2 * std::max(kLeftOfTitle, kRightOfTitle);
}

#include "winsys/window_size.h"

#include <utility>

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr Qt::WindowStates kStatesGivenBySize = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches a window on Wayland: a maximize or fullscreen is left as soon as the window has
// shown itself at the compositor's size, which is all the protocol demands, and any other size
// the compositor gives, as when the user drags an edge, is put back to the window's own.
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
          leaveAfterPaint_ = true;
          window_->update();
        }
        break;
      case QEvent::Paint:
        // weston takes the new state only with the first frame drawn in it: a request to leave
        // it that comes before that frame is lost, and the window stays at the compositor's
        // size. The frame goes to the compositor once this paint is done.
        if (std::exchange(leaveAfterPaint_, false))
          QTimer::singleShot(0, this, [this] {
            if (window_ && (window_->windowState() & kStatesGivenBySize))
              window_->setWindowState(window_->windowState() & ~kStatesGivenBySize);
          });
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
  bool leaveAfterPaint_ = false;
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

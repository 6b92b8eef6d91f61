#pragma once

#include <functional>

#include <QColor>
#include <QWidget>

class QPalette;

// The title bar that the program draws where nobody else does (window_captions.h), across the
// top of a top-level window: the system-menu icon, the whole title, and one close button.
// There is no minimize or maximize: the program's windows keep their size, and a message
// waits for its answer. Dragging the strip moves the window; a double click does nothing.
//
// The window gives up the strip's height at its top (its contents margins), so that what
// lies below, the window's client area, keeps its own coordinates and size.
class CaptionStrip : public QWidget {
  Q_OBJECT

 public:
  // What a click on the icon (or a right click anywhere on the strip) opens, at a global
  // position; null for a window without a system menu, which then shows no icon.
  using SystemMenuOpener = std::function<void(QPoint)>;

  CaptionStrip(QWidget* window, SystemMenuOpener openSystemMenu, std::function<void()> close);

  // The width the window needs to show its whole title.
  int WidthForWholeTitle() const;
  QRect IconRect() const;
  QRect CloseButtonRect() const;
  QRect TitleRect() const;

  // The strip's colours, active or not: those of a selection while the window has the
  // keyboard, as classic title bars are, and the window's own otherwise.
  struct Colours {
    QColor face;
    QColor text;
  };
  static Colours ColoursOf(const QPalette& palette, bool active);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void FollowWindow();
  void PaintIcon(QPainter& painter) const;
  void PaintCloseButton(QPainter& painter) const;

  QWidget* window_;
  SystemMenuOpener openSystemMenu_;
  std::function<void()> close_;
  bool closePressed_ = false;
  bool closeUnderMouse_ = false;
};

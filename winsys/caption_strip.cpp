#include "winsys/caption_strip.h"

#include <algorithm>
#include <utility>

#include <QContextMenuEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>

#include "winsys/contrast.h"

namespace {

constexpr int kIconSize = 16;
// Between the strip's edge and the icon or the close button, and around the title.
constexpr int kEdge = 2;
constexpr int kGap = 4;

QFont CaptionFont(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

CaptionStrip::CaptionStrip(QWidget* window, SystemMenuOpener openSystemMenu,
                           std::function<void()> close)
    : QWidget(window),
      window_(window),
      openSystemMenu_(std::move(openSystemMenu)),
      close_(std::move(close)) {
  setObjectName(QStringLiteral("caption"));
  setFocusPolicy(Qt::NoFocus);
  setFont(CaptionFont(window->font()));
  setMouseTracking(true);
  const int height = std::max(kIconSize, fontMetrics().height()) + 2 * kEdge + 1;
  setFixedHeight(height);
  window->setContentsMargins(0, height, 0, 0);
  window->installEventFilter(this);
  FollowWindow();
}

int CaptionStrip::WidthForWholeTitle() const {
  // One pixel more than the title's advance: the last glyph may reach past it.
  return TitleRect().left() + fontMetrics().horizontalAdvance(window_->windowTitle()) + 1 + kGap +
         CloseButtonRect().width() + kEdge;
}

QRect CaptionStrip::IconRect() const {
  if (!openSystemMenu_)
    return QRect(kEdge, 0, 0, 0);
  return QRect(kEdge, (height() - 1 - kIconSize) / 2, kIconSize, kIconSize);
}

QRect CaptionStrip::CloseButtonRect() const {
  // A little wider than high, as the classic title-bar buttons are.
  const int buttonHeight = height() - 1 - 2 * kEdge;
  const int buttonWidth = buttonHeight + 2;
  return QRect(width() - kEdge - buttonWidth, kEdge, buttonWidth, buttonHeight);
}

QRect CaptionStrip::TitleRect() const {
  const int left = IconRect().isEmpty() ? kGap : IconRect().right() + 1 + kGap;
  const int right = CloseButtonRect().left() - kGap;
  return QRect(left, 0, std::max(0, right - left), height() - 1);
}

CaptionStrip::Colours CaptionStrip::ColoursOf(const QPalette& palette, bool active) {
  if (active) {
    // A theme's selection may be too pale for its own selected text to read well as a title;
    // then the title is black or white, whichever reads better.
    constexpr double kLegible = 4.5;
    const QColor face = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor text = palette.color(QPalette::Active, QPalette::HighlightedText);
    if (ContrastRatio(face, text) >= kLegible)
      return {face, text};
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return {face, ContrastRatio(face, black) > ContrastRatio(face, white) ? black : white};
  }
  return {palette.color(QPalette::Inactive, QPalette::Window),
          palette.color(QPalette::Inactive, QPalette::WindowText)};
}

bool CaptionStrip::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    switch (event->type()) {
      case QEvent::Resize:
        FollowWindow();
        break;
      case QEvent::WindowTitleChange:
      case QEvent::WindowIconChange:
      case QEvent::ActivationChange:
        update();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CaptionStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Colours colours = ColoursOf(palette(), window_->isActiveWindow());
  painter.fillRect(rect(), colours.face);
  // The line that parts the strip from the client area below.
  painter.fillRect(QRect(0, height() - 1, width(), 1), palette().color(QPalette::Dark));
  PaintIcon(painter);
  const QRect titleRect = TitleRect();
  painter.setPen(colours.text);
  painter.drawText(
      titleRect, Qt::AlignLeft | Qt::AlignVCenter,
      fontMetrics().elidedText(window_->windowTitle(), Qt::ElideRight, titleRect.width()));
  PaintCloseButton(painter);
}

void CaptionStrip::PaintIcon(QPainter& painter) const {
  const QRect iconRect = IconRect();
  if (iconRect.isEmpty())
    return;
  const QIcon icon = window_->windowIcon();
  if (!icon.isNull()) {
    icon.paint(&painter, iconRect);
    return;
  }
  // A window without an icon of its own still shows where its menu opens: the bar of the
  // classic system-menu box.
  painter.fillRect(iconRect.adjusted(1, 1, -1, -1), palette().color(QPalette::Button));
  painter.fillRect(QRect(iconRect.left() + 3, iconRect.center().y() - 1, iconRect.width() - 6, 3),
                   palette().color(QPalette::ButtonText));
}

void CaptionStrip::PaintCloseButton(QPainter& painter) const {
  QStyleOptionButton button;
  button.initFrom(this);
  button.rect = CloseButtonRect();
  button.state |= (closePressed_ && closeUnderMouse_) ? QStyle::State_Sunken : QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);
  // The cross in the button's text colour, which the palette keeps legible on its face.
  const QRectF cross = QRectF(button.rect)
                           .adjusted(button.rect.width() * 0.3, button.rect.height() * 0.28,
                                     -button.rect.width() * 0.3, -button.rect.height() * 0.28);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::ButtonText), 1.6));
  painter.drawLine(cross.topLeft(), cross.bottomRight());
  painter.drawLine(cross.topRight(), cross.bottomLeft());
  painter.restore();
}

void CaptionStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const QPoint position = event->position().toPoint();
  if (IconRect().contains(position)) {
    openSystemMenu_(mapToGlobal(IconRect().bottomLeft() + QPoint(0, 1)));
  } else if (CloseButtonRect().contains(position)) {
    closePressed_ = closeUnderMouse_ = true;
    update();
  } else if (QWindow* handle = window_->windowHandle()) {
    // The compositor moves the window: a Wayland client cannot place its own.
    handle->startSystemMove();
  }
  event->accept();
}

void CaptionStrip::mouseMoveEvent(QMouseEvent* event) {
  const bool underMouse = CloseButtonRect().contains(event->position().toPoint());
  if (closePressed_ && underMouse != closeUnderMouse_) {
    closeUnderMouse_ = underMouse;
    update();
  }
  event->accept();
}

void CaptionStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && std::exchange(closePressed_, false)) {
    update();
    if (CloseButtonRect().contains(event->position().toPoint()))
      close_();
  }
  event->accept();
}

void CaptionStrip::mouseDoubleClickEvent(QMouseEvent* event) {
  // No maximize: the window keeps its size.
  event->accept();
}

void CaptionStrip::contextMenuEvent(QContextMenuEvent* event) {
  if (openSystemMenu_)
    openSystemMenu_(event->globalPos());
  event->accept();
}

void CaptionStrip::FollowWindow() {
  setGeometry(0, 0, window_->width(), height());
}

// Every control of every template drawn whole at the device pixel ratio the test runs at
// (ctest runs this at QT_SCALE_FACTOR 1, 1.25, 1.5, 1.75 and 2): each frame's edges on the
// dialog's screenshot are those of the control drawn on its own, and no text runs out of its
// control.

#include <gtest/gtest.h>
#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QWidget>
#include <cmath>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/winsys/test_dialog.h"
#include "winsys/control_id.h"
#include "winsys/dialog_units.h"

using namespace test_support;

namespace {

const unsigned kTemplateIds[] = {IDD_ABOUTBOX, IDD_MAIN_MENU, IDD_VECTOR, IDD_COMPLEX,
                                 IDD_POLYNOMIAL};

// A number as long as any the calculators show, so that the boxes are checked with text.
constexpr char kLongNumber[] = "-1.2345e-308";

bool HasFrame(const QWidget* control) {
  if (const auto* box = qobject_cast<const QLineEdit*>(control))
    return box->hasFrame();
  if (const auto* area = qobject_cast<const QAbstractScrollArea*>(control))
    return area->frameShape() != QFrame::NoFrame;
  return qobject_cast<const QPushButton*>(control) || qobject_cast<const QGroupBox*>(control);
}

std::string NameOf(const QWidget* control) {
  return std::string(control->metaObject()->className()) + " " +
         std::to_string(ControlId(control)) + " #" + std::to_string(TemplateIndex(control));
}

// The edges of `control`, drawn on its own, that differ on `shot`, the dialog's screenshot:
// the outermost device pixels of each side (as many as two logical pixels cover), along the
// middle half of that side, where no neighbour reaches.
std::vector<std::string> BrokenEdges(QWidget* control, const QImage& shot) {
  const double ratio = shot.devicePixelRatio();
  const QImage alone = control->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QPoint origin(static_cast<int>(std::lround(control->x() * ratio)),
                      static_cast<int>(std::lround(control->y() * ratio)));
  const int depth = static_cast<int>(std::ceil(2 * ratio));
  const int width = alone.width();
  const int height = alone.height();
  struct Side {
    const char* name;
    QRect strip;  // in the control's own pixels
  };
  const Side sides[] = {
      {"left", QRect(0, height / 4, depth, height / 2)},
      {"right", QRect(width - depth, height / 4, depth, height / 2)},
      {"top", QRect(width / 4, 0, width / 2, depth)},
      {"bottom", QRect(width / 4, height - depth, width / 2, depth)},
  };
  std::vector<std::string> broken;
  for (const Side& side : sides) {
    int differing = 0;
    for (int y = side.strip.top(); y <= side.strip.bottom(); ++y) {
      for (int x = side.strip.left(); x <= side.strip.right(); ++x) {
        const QRgb own = alone.pixel(x, y);
        // Where the control draws nothing, the dialog shows what lies under it.
        if (qAlpha(own) == 255 && own != shot.pixel(origin + QPoint(x, y)))
          ++differing;
      }
    }
    if (differing > 0)
      broken.push_back(NameOf(control) + " " + side.name + ": " + std::to_string(differing) +
                       " pixels differ");
  }
  return broken;
}

// Whether a label's text has ink beyond the label: drawn on its own at twice its size, with
// the same alignment (top left), nothing but its background may show outside its real
// rectangle.
bool LabelTextIsClipped(QLabel* label) {
  const QSize size = label->size();
  label->resize(size * 2);
  const QImage large = label->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  label->resize(size);
  const double ratio = large.devicePixelRatio();
  const QRect inside(QPoint(0, 0), size * ratio);
  const QRgb background = label->palette().color(QPalette::Window).rgba();
  for (int y = 0; y < large.height(); ++y) {
    for (int x = 0; x < large.width(); ++x) {
      if (!inside.contains(x, y) && large.pixel(x, y) != background)
        return true;
    }
  }
  return false;
}

// The controls whose text does not fit them: labels by their ink, push buttons and boxes by
// the room their style leaves for the text.
std::vector<std::string> ClippedTexts(QWidget* dialog) {
  std::vector<std::string> clipped;
  for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QFontMetrics metrics(control->font());
    bool fits = true;
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
      fits = !LabelTextIsClipped(label);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      const QRect room =
          button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
      const QRect text = metrics.boundingRect(button->text());
      fits = text.width() <= room.width() && metrics.height() <= room.height();
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
      const QRect room = box->contentsRect().marginsRemoved(box->textMargins());
      // A line edit keeps a margin of its own inside its frame.
      fits =
          metrics.height() <=
          room.height() - 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    } else if (auto* group = qobject_cast<QGroupBox*>(control);
               group && !group->title().isEmpty()) {
      fits = metrics.horizontalAdvance(group->title()) < group->width();
    }
    if (!fits)
      clipped.push_back(NameOf(control));
  }
  return clipped;
}

TEST(Scaling, ControlsStartOnWholeDevicePixelsAtMostTwoPixelsAway) {
  for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
    for (int coordinate = -8; coordinate <= 800; ++coordinate) {
      const QPoint point = OnWholeDevicePixels(QPoint(coordinate, coordinate + 3), ratio);
      for (const auto& [given, placed] :
           {std::pair{coordinate, point.x()}, std::pair{coordinate + 3, point.y()}}) {
        EXPECT_LE(std::abs(placed - given), 2) << given << " at " << ratio;
        EXPECT_DOUBLE_EQ(placed * ratio, std::round(placed * ratio)) << given << " at " << ratio;
      }
    }
  }
  // Where no coordinate within reach is whole, the one nearest to whole is taken.
  EXPECT_EQ(OnWholeDevicePixels(QPoint(5, 5), 1.1), QPoint(3, 3));
}

TEST(Scaling, EveryFrameIsWholeOnTheScreenshot) {
  for (const unsigned id : kTemplateIds) {
    SCOPED_TRACE(id);
    TestDialog dialog(id);
    RunModal(dialog, [&] {
      QWidget* window = dialog.GetSafeHwnd();
      for (auto* box : window->findChildren<QLineEdit*>())
        box->setText(kLongNumber);
      const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
      std::vector<std::string> broken;
      for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible() && HasFrame(control)) {
          const std::vector<std::string> edges = BrokenEdges(control, shot);
          broken.insert(broken.end(), edges.begin(), edges.end());
        }
      }
      EXPECT_EQ(broken, std::vector<std::string>{})
          << "at a device pixel ratio of " << shot.devicePixelRatio();
    });
  }
}

TEST(Scaling, NoTextIsClipped) {
  for (const unsigned id : kTemplateIds) {
    SCOPED_TRACE(id);
    TestDialog dialog(id);
    RunModal(dialog, [&] {
      QWidget* window = dialog.GetSafeHwnd();
      EXPECT_EQ(ClippedTexts(window), std::vector<std::string>{})
          << "at a device pixel ratio of " << window->devicePixelRatioF();
    });
  }
}

}  // namespace

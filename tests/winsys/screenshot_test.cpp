// Shows each of the five templates as built with the installed fonts, checks that the picture
// shows every visible control where the template puts it, and saves it under the build folder
// (screenshots/template_<id>.png), for a person to look at.

#include <set>

#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/winsys/test_dialog.h"
#include "winsys/control_id.h"

using namespace test_support;

namespace {

// The number of different colours in `area` of `image`, counting up to two.
int ColoursIn(const QImage& image, const QRect& area) {
  std::set<QRgb> colours;
  for (int y = area.top(); y <= area.bottom() && colours.size() < 2; ++y) {
    for (int x = area.left(); x <= area.right() && colours.size() < 2; ++x)
      colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

TEST(Screenshots, EachTemplateIsSavedAsShown) {
  const QString folder = QStringLiteral(QUILLET_SCREENSHOT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const unsigned id : {IDD_ABOUTBOX, IDD_MAIN_MENU, IDD_VECTOR, IDD_COMPLEX, IDD_POLYNOMIAL}) {
    SCOPED_TRACE(id);
    TestDialog dialog(id);
    QPixmap shot;
    // The visible controls, each with its rectangle in the picture's device pixels.
    std::vector<std::pair<std::string, QRect>> shown;
    RunModal(dialog, [&] {
      QWidget* window = dialog.GetSafeHwnd();
      shot = window->grab();
      const qreal ratio = shot.devicePixelRatio();
      for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (TemplateIndex(control) < 0 || !control->isVisible())
          continue;
        const QRect area = control->geometry();
        shown.emplace_back("control " + std::to_string(ControlId(control)) + " #" +
                               std::to_string(TemplateIndex(control)),
                           QRect((area.topLeft() * ratio), area.size() * ratio));
      }
    });
    ASSERT_FALSE(shot.isNull());
    // A control that a broken layout moved out of the window, shrank to nothing or left
    // unpainted shows a single colour, or none, where the template puts it: every control of
    // the templates draws a frame, a text or a picture.
    const QImage image = shot.toImage();
    EXPECT_FALSE(shown.empty());
    for (const auto& [name, area] : shown) {
      SCOPED_TRACE(name);
      EXPECT_TRUE(image.rect().contains(area));
      EXPECT_EQ(ColoursIn(image, area.intersected(image.rect())), 2);
    }
    EXPECT_TRUE(shot.save(folder + QStringLiteral("/template_%1.png").arg(id)));
  }
}

}  // namespace

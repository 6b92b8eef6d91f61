// The classic look by default, and the colours a user asks for otherwise: a dark or
// high-contrast palette of the desktop's theme is followed, with every text legible on the
// face behind it. The templates are saved in the dark palette too (screenshots/
// template_<id>_dark.png), for a person to look at.

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/winsys/test_dialog.h"
#include "winsys/startup.h"

using namespace test_support;

namespace {

QPalette TwoColours(QColor face, QColor text) {
  QPalette palette(text, face, face.lighter(), face.darker(), face.darker(120), text, text,
                   face.darker(110), face);
  return palette;
}

QPalette DarkPalette() {
  QPalette palette = TwoColours(QColor(0x31, 0x36, 0x3b), QColor(0xef, 0xf0, 0xf1));
  palette.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
  palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
  palette.setColor(QPalette::HighlightedText, QColor(0xef, 0xf0, 0xf1));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7f, 0x8c, 0x8d));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x7f, 0x8c, 0x8d));
  return palette;
}

TEST(Palette, OnlyDarkOrHighContrastColoursAreTakenOverTheClassicLook) {
  const struct {
    const char* name;
    QPalette palette;
    bool taken;
  } cases[] = {
      {"classic", ClassicPalette(), false},
      {"light theme", TwoColours(QColor(0xef, 0xef, 0xef), Qt::black), false},
      {"grey text on white", TwoColours(Qt::white, QColor(0x60, 0x60, 0x60)), false},
      {"dark theme", DarkPalette(), true},
      {"high contrast, white on black", TwoColours(Qt::black, Qt::white), true},
      {"high contrast, black on white", TwoColours(Qt::white, Qt::black), true},
  };
  for (const auto& [name, palette, taken] : cases)
    EXPECT_EQ(PaletteAskedFor(palette), taken) << name;
}

// Breeze's selection, near white on a light blue, reads at 2.4:1: it gets black, at 8.4:1. A
// legible text keeps its colour, and so does a disabled one, which is meant to recede.
TEST(Palette, ATextThatDoesNotStandOutGetsBlackOrWhite) {
  QPalette dark = DarkPalette();
  dark.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
  dark.setColor(QPalette::ToolTipBase, QColor(0x31, 0x36, 0x3b));
  dark.setColor(QPalette::ToolTipText, QColor(0x40, 0x40, 0x40));
  const QPalette legible = WithLegibleTexts(dark);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    SCOPED_TRACE(group);
    EXPECT_EQ(legible.color(group, QPalette::HighlightedText), QColor(Qt::black));
    EXPECT_EQ(legible.color(group, QPalette::ToolTipText), QColor(Qt::white));
    for (const QPalette::ColorRole kept :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::Window,
          QPalette::Highlight, QPalette::Base})
      EXPECT_EQ(legible.color(group, kept), dark.color(group, kept)) << kept;
  }
  EXPECT_EQ(legible.color(QPalette::Disabled, QPalette::WindowText),
            dark.color(QPalette::Disabled, QPalette::WindowText));
  EXPECT_EQ(WithLegibleTexts(ClassicPalette()), ClassicPalette());
}

TEST(Palette, ContrastRunsFromOneToTwentyOne) {
  EXPECT_DOUBLE_EQ(ContrastRatio(Qt::black, Qt::white), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(Qt::white, Qt::black), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(QColor(192, 192, 192), QColor(192, 192, 192)), 1.0);
  // The classic look: black on the 3-D grey, whose luminance is ((0.7529 + 0.055) / 1.055)^2.4.
  EXPECT_NEAR(ContrastRatio(Qt::black, QColor(192, 192, 192)), 11.54, 0.01);
}

TEST(Palette, InADarkPaletteEveryTextIsLegible) {
  const QString folder = QStringLiteral(QUILLET_SCREENSHOT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));
  const QPalette classic = QApplication::palette();
  QApplication::setPalette(DarkPalette());
  for (const unsigned id : {IDD_ABOUTBOX, IDD_MAIN_MENU, IDD_VECTOR, IDD_COMPLEX, IDD_POLYNOMIAL}) {
    SCOPED_TRACE(id);
    TestDialog dialog(id);
    QPixmap shot;
    RunModal(dialog, [&] {
      QWidget* window = dialog.GetSafeHwnd();
      for (QWidget* control : window->findChildren<QWidget*>()) {
        // What each control draws its text on: a box its base, anything else the face.
        const QPalette& colours = control->palette();
        const bool box = control->inherits("QAbstractScrollArea") || control->inherits("QLineEdit");
        const QColor text = colours.color(box ? QPalette::Text : QPalette::WindowText);
        const QColor back = colours.color(box ? QPalette::Base : QPalette::Window);
        EXPECT_GE(ContrastRatio(text, back), 4.5)
            << control->metaObject()->className() << " " << control->objectName().toStdString();
      }
      shot = window->grab();
    });
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(folder + QStringLiteral("/template_%1_dark.png").arg(id)));
  }
  QApplication::setPalette(classic);
}

}  // namespace

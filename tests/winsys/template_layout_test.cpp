// Every control of every template is built as its kind says, at the pixel rectangle its dialog
// units give, with its text and accessible name; and the templates' fonts map to installed
// fonts of the same metrics.

#include <gtest/gtest.h>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "res/resource_lookup.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"
#include "winsys/control_id.h"
#include "winsys/dialog_units.h"

using namespace test_support;

namespace {

const unsigned kTemplateIds[] = {IDD_ABOUTBOX, IDD_MAIN_MENU, IDD_VECTOR, IDD_COMPLEX,
                                 IDD_POLYNOMIAL};

// Base units no installed font has, so that nothing here depends on the fonts.
constexpr DialogBaseUnits kFixedUnits = {7, 15};

// Dialog units to pixels for kFixedUnits, rounded half up as MulDiv rounds.
int HorizontalPixels(int units) {
  return (units * 7 + 2) / 4;
}
int VerticalPixels(int units) {
  return (units * 15 + 4) / 8;
}

// The control built for the template's control number `templateIndex`.
QWidget* ControlAt(const QWidget* dialog, int templateIndex) {
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (TemplateIndex(child) == templateIndex)
      return child;
  }
  return nullptr;
}

// The size of a picture's image: pictures take the size of what they show.
QSize PictureSize(const ControlTemplate& control) {
  if ((control.style & SS_TYPEMASK) == SS_ICON)
    return {32, 32};
  return QPixmap(QString::fromStdString(ResourceImagePath(control.imageId))).size();
}

bool IsPicture(const ControlTemplate& control) {
  return control.windowClass == ControlClass::kStatic &&
         ((control.style & SS_TYPEMASK) == SS_ICON || (control.style & SS_TYPEMASK) == SS_BITMAP);
}

// Whether `widget` is the Qt widget that stands for the control's kind.
bool HasTheWidgetOfItsKind(const ControlTemplate& control, QWidget* widget) {
  switch (control.windowClass) {
    case ControlClass::kButton:
      if ((control.style & BS_TYPEMASK) == BS_GROUPBOX)
        return qobject_cast<QGroupBox*>(widget);
      return qobject_cast<QPushButton*>(widget);
    case ControlClass::kStatic:
      return qobject_cast<QLabel*>(widget);
    case ControlClass::kEdit:
      if (control.style & ES_MULTILINE)
        return qobject_cast<QPlainTextEdit*>(widget);
      return qobject_cast<QLineEdit*>(widget);
    case ControlClass::kListBox:
      return qobject_cast<QListWidget*>(widget);
  }
  return false;
}

TEST(TemplateLayout, EveryControlSitsAtThePixelsOfItsDialogUnits) {
  const ScopedDialogBaseUnits fixed(kFixedUnits);
  for (const unsigned id : kTemplateIds) {
    SCOPED_TRACE(id);
    const DialogTemplate* dialogTemplate = FindDialogTemplate(id);
    ASSERT_NE(dialogTemplate, nullptr);
    TestDialog dialog(id);
    RunModal(dialog, [&] {
      QWidget* window = ActiveDialog();
      EXPECT_EQ(window->size(),
                QSize(HorizontalPixels(dialogTemplate->cx), VerticalPixels(dialogTemplate->cy)));
      EXPECT_EQ(window->windowTitle().toStdString(), dialogTemplate->caption);
      int index = 0;
      for (const ControlTemplate& control : dialogTemplate->controls) {
        SCOPED_TRACE(index);
        QWidget* widget = ControlAt(window, index++);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(ControlId(widget), control.id);
        QRect expected(HorizontalPixels(control.x), VerticalPixels(control.y),
                       HorizontalPixels(control.cx), VerticalPixels(control.cy));
        if (IsPicture(control) && !PictureSize(control).isEmpty())
          expected.setSize(PictureSize(control));
        EXPECT_EQ(widget->geometry(), expected);
        EXPECT_TRUE(HasTheWidgetOfItsKind(control, widget));
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(TextOf(widget), control.text);
        EXPECT_EQ(widget->accessibleName().toStdString(),
                  control.accessibleName ? control.accessibleName : "");
      }
    });
  }
}

TEST(TemplateLayout, EveryBoxAndListHasAnAccessibleName) {
  for (const unsigned id : kTemplateIds) {
    for (const ControlTemplate& control : FindDialogTemplate(id)->controls) {
      if (control.windowClass == ControlClass::kEdit ||
          control.windowClass == ControlClass::kListBox) {
        EXPECT_NE(control.accessibleName, nullptr) << id << " control " << control.id;
      }
    }
  }
}

TEST(TemplateLayout, TextsKeepTheirBlanks) {
  const struct {
    unsigned templateId;
    int templateIndex;
    const char* text;
  } cases[] = {
      {IDD_POLYNOMIAL, 4, "Select Polynomial "},
      {IDD_POLYNOMIAL, 13, "X  +"},
      {IDD_POLYNOMIAL, 14, "X    +"},
      {IDD_POLYNOMIAL, 15, "X     +"},
      {IDD_COMPLEX, 7, "+ j"},
      {IDD_MAIN_MENU, 2, ""},
  };
  for (const auto& [templateId, templateIndex, text] : cases) {
    TestDialog dialog(templateId);
    RunModal(dialog, [templateIndex = templateIndex, text = text] {
      EXPECT_EQ(TextOf(ControlAt(ActiveDialog(), templateIndex)), text);
    });
  }
}

TEST(TemplateFonts, TemplateFacesMapToInstalledFontsAtTheScreensResolution) {
  const struct {
    unsigned templateId;
    int pixelSize;
  } cases[] = {{IDD_ABOUTBOX, 11},
               {IDD_MAIN_MENU, 12},
               {IDD_VECTOR, 13},
               {IDD_COMPLEX, 13},
               {IDD_POLYNOMIAL, 12}};
  for (const auto& [templateId, pixelSize] : cases) {
    SCOPED_TRACE(templateId);
    const QFont font = DialogFont(*FindDialogTemplate(templateId));
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
    EXPECT_EQ(font.pixelSize(), pixelSize);
  }
}

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
  const struct {
    int number, numerator, denominator, result;
  } cases[] = {
      {10, 6, 4, 15}, {11, 6, 4, 17}, {1, 1, 2, 1},   {3, 1, 2, 2},
      {-1, 1, 2, -1}, {-3, 1, 2, -2}, {7, 13, 8, 11}, {0, 9, 4, 0},
  };
  for (const auto& [number, numerator, denominator, result] : cases)
    EXPECT_EQ(MulDiv(number, numerator, denominator), result) << number << "*" << numerator;
}

}  // namespace

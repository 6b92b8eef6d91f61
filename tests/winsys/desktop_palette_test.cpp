// The program's start-up on a KDE Plasma desktop, faked by kde_session_test.sh with a
// kdeglobals of its own: a dark colour scheme is followed, with every text legible, a light
// one leaves the classic look, and in both the program keeps its own font and plain buttons.
// A high-contrast scheme is followed too. Run only through that script, which picks the cases
// that fit its scheme (KdeDark.*, KdeContrast.* or KdeLight.*); each dialog is saved as
// screenshots/kde_<scheme>_<id>.png.

#include <functional>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QStyle>
#include <QTimer>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"
#include "winsys/contrast.h"
#include "winsys/dialog_units.h"
#include "winsys/startup.h"

using namespace test_support;

namespace {

constexpr unsigned kTemplates[] = {IDD_ABOUTBOX, IDD_MAIN_MENU, IDD_VECTOR, IDD_COMPLEX,
                                   IDD_POLYNOMIAL};

// Each window the user meets, shown in turn: every dialog, then a message box over the
// calculator of complex numbers and the system menu of the main menu, each handed to `look`
// while it is open, with the name of its screenshot.
void ForEveryWindow(const std::function<void(QWidget*, const QString&)>& look) {
  for (const unsigned id : kTemplates) {
    SCOPED_TRACE(id);
    TestDialog dialog(id);
    RunModal(dialog, [&] { look(dialog.GetSafeHwnd(), QString::number(id)); });
  }
  TestDialog calculator(IDD_COMPLEX);
  RunModal(calculator, [&] {
    OnNextModal([&](QWidget* box) {
      look(box, QStringLiteral("message"));
      CloseMessageBox(box, CloseWith::kEnter);
    });
    AfxMessageBox("Please select calculation type. ", 0, 0);
  });
  TestDialog mainMenu(IDD_MAIN_MENU);
  RunModal(mainMenu, [&] {
    OpenMenuAndChoose(
        [&] {
          QTimer::singleShot(0, [&] {
            if (QWidget* menu = QApplication::activePopupWidget())
              look(menu, QStringLiteral("system_menu"));
          });
          PressKey(Control(IDC_FUNCTION_LIST), Qt::Key_Space, Qt::AltModifier);
        },
        "");
  });
}

void Save(QWidget* window, const QString& scheme, const QString& name) {
  const QString folder = QStringLiteral(QUILLET_SCREENSHOT_DIR);
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_TRUE(window->grab().save(folder + "/kde_" + scheme + "_" + name + ".png"));
}

// The program's own font and plain buttons, whatever the desktop's theme offers: the template
// font in every control, message box and menu, and no icon on a push button.
void ExpectTheProgramsFontAndPlainButtons(const QString& scheme) {
  const QFont font = TemplateFont("MS Sans Serif", 8, 0);
  EXPECT_EQ(QApplication::font(), font);
  EXPECT_EQ(QApplication::font("QMessageBox"), font);
  EXPECT_EQ(QApplication::font("QMenu"), font);
  ForEveryWindow([&](QWidget* window, const QString& name) {
    // A dialog has the size of its template's font, a message box and a menu the one above.
    EXPECT_EQ(window->font().family(), font.family());
    if (!window->inherits("DialogWindow")) {
      EXPECT_EQ(window->font(), font);
    }
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.append(window);
    for (QWidget* widget : widgets) {
      const std::string what = widget->metaObject()->className();
      EXPECT_EQ(widget->font().family(), font.family()) << what;
      // A menu kept for later is a window of its own, with the font above.
      if (widget == window || !widget->isWindow()) {
        EXPECT_EQ(widget->font().pixelSize(), window->font().pixelSize()) << what;
      }
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        EXPECT_TRUE(button->icon().isNull()) << what << " " << button->text().toStdString();
      }
    }
    Save(window, scheme, name);
  });
}

// Every text of every window stands out from what it is drawn on.
void ExpectEveryTextLegible() {
  ForEveryWindow([](QWidget* window, const QString&) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.append(window);
    for (QWidget* widget : widgets) {
      if (!widget->isEnabled())
        continue;
      // What each kind of control draws its text on: a box its base, a button its button
      // face, a menu its button face too in the classic style, anything else the window.
      const QPalette& colours = widget->palette();
      const bool box = widget->inherits("QAbstractScrollArea") || widget->inherits("QLineEdit");
      const bool face = widget->inherits("QAbstractButton") || widget->inherits("QMenu");
      const auto [text, back] = box    ? std::pair(QPalette::Text, QPalette::Base)
                                : face ? std::pair(QPalette::ButtonText, QPalette::Button)
                                       : std::pair(QPalette::WindowText, QPalette::Window);
      const std::string what = widget->metaObject()->className();
      EXPECT_GE(ContrastRatio(colours.color(text), colours.color(back)), 4.5) << what;
      EXPECT_GE(ContrastRatio(colours.color(QPalette::HighlightedText),
                              colours.color(QPalette::Highlight)),
                4.5)
          << what;
    }
  });
}

TEST(KdeDark, TheSchemesColoursAreFollowed) {
  const QPalette palette = QApplication::palette();
  EXPECT_EQ(palette.color(QPalette::Window), QColor(49, 54, 59));
  EXPECT_EQ(palette.color(QPalette::WindowText), QColor(239, 240, 241));
  EXPECT_EQ(palette.color(QPalette::Button), QColor(49, 54, 59));
  EXPECT_EQ(palette.color(QPalette::Base), QColor(35, 38, 41));
  EXPECT_EQ(palette.color(QPalette::Text), QColor(239, 240, 241));
  EXPECT_EQ(palette.color(QPalette::Highlight), QColor(61, 174, 233));
  // The program's own style stays, only its colours change.
  EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
}

TEST(KdeDark, EveryTextIsLegibleInTheProgramsFontWithPlainButtons) {
  ExpectEveryTextLegible();
  ExpectTheProgramsFontAndPlainButtons(QStringLiteral("dark"));
}

// Black on white is what a user asks for who needs the most contrast.
TEST(KdeContrast, TheSchemesColoursAreFollowed) {
  const QPalette palette = QApplication::palette();
  for (const QPalette::ColorRole face : {QPalette::Window, QPalette::Button, QPalette::Base})
    EXPECT_EQ(palette.color(face), QColor(Qt::white)) << face;
  for (const QPalette::ColorRole text :
       {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    EXPECT_EQ(palette.color(text), QColor(Qt::black)) << text;
  EXPECT_EQ(palette.color(QPalette::Highlight), QColor(Qt::black));
  EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
}

TEST(KdeContrast, EveryTextIsLegibleInTheProgramsFontWithPlainButtons) {
  ExpectEveryTextLegible();
  ExpectTheProgramsFontAndPlainButtons(QStringLiteral("contrast"));
}

TEST(KdeLight, TheClassicLookStays) {
  EXPECT_EQ(QApplication::palette(), ClassicPalette());
  EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
}

TEST(KdeLight, TheProgramKeepsItsFontAndPlainButtons) {
  ExpectTheProgramsFontAndPlainButtons(QStringLiteral("light"));
}

}  // namespace

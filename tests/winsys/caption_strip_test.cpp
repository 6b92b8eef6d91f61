// The title bar that the program draws where the desktop draws none: above a client area that
// keeps the template's size and coordinates; the system menu from its icon or a right click;
// one close button that does what the menu's Close does; the whole title; legible colours.

#include <gtest/gtest.h>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <map>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/support/widget_actions.h"
#include "tests/winsys/test_dialog.h"
#include "winsys/caption_strip.h"
#include "winsys/control_id.h"
#include "winsys/startup.h"
#include "winsys/window_captions.h"

using namespace test_support;

namespace {

constexpr UINT kAboutCommand = 0x0010;
constexpr UINT kTemplates[] = {IDD_MAIN_MENU, IDD_ABOUTBOX, IDD_VECTOR, IDD_COMPLEX,
                               IDD_POLYNOMIAL};

// Draws the program's title bars for the length of a test, on the offscreen platform.
class Caption : public ::testing::Test {
 protected:
  void SetUp() override { SetProgramDrawsCaptions(true); }
  void TearDown() override { SetProgramDrawsCaptions(false); }
};

CaptionStrip* StripOf(QWidget* window) {
  auto* strip = window ? window->findChild<CaptionStrip*>() : nullptr;
  EXPECT_NE(strip, nullptr) << "the window has no title bar of the program's";
  return strip;
}

struct Layout {
  QSize window;
  QSize client;
  std::map<int, QRect> controls;  // by template position
};

Layout LayoutOf(UINT templateId) {
  TestDialog dialog(templateId);
  Layout layout;
  RunModal(dialog, [&] {
    QWidget* window = ActiveDialog();
    layout.window = window->size();
    CRect client;
    dialog.GetClientRect(&client);
    layout.client = QSize(client.Width(), client.Height());
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (TemplateIndex(child) >= 0)
        layout.controls[TemplateIndex(child)] = child->geometry();
    }
  });
  return layout;
}

// Presses the mouse on `strip` at `press` and lets it go at `release`, as a user does.
void PressAndRelease(QWidget* strip, QPoint press, QPoint release) {
  QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, press);
  QTest::mouseMove(strip, release);
  QTest::mouseRelease(strip, Qt::LeftButton, Qt::NoModifier, release);
}

TEST_F(Caption, TheClientAreaKeepsItsSizeAndCoordinatesBelowTheStrip) {
  for (const UINT templateId : kTemplates) {
    SCOPED_TRACE(templateId);
    SetProgramDrawsCaptions(false);
    const Layout plain = LayoutOf(templateId);
    SetProgramDrawsCaptions(true);
    const Layout drawn = LayoutOf(templateId);
    TestDialog dialog(templateId);
    int stripHeight = 0;
    RunModal(dialog, [&] {
      CaptionStrip* strip = StripOf(ActiveDialog());
      ASSERT_NE(strip, nullptr);
      EXPECT_EQ(strip->geometry(), QRect(0, 0, ActiveDialog()->width(), strip->height()));
      stripHeight = strip->height();
    });
    EXPECT_GE(stripHeight, 18);
    EXPECT_EQ(drawn.window, plain.window + QSize(0, stripHeight));
    EXPECT_EQ(drawn.client, plain.client);
    ASSERT_EQ(drawn.controls.size(), plain.controls.size());
    for (const auto& [index, rect] : plain.controls)
      EXPECT_EQ(drawn.controls.at(index), rect.translated(0, stripHeight)) << "control " << index;
  }
}

TEST_F(Caption, TheIconOrARightClickOpensTheSystemMenu) {
  const struct {
    const char* name;
    std::function<void(CaptionStrip*)> open;
  } ways[] = {
      {"a click on the icon",
       [](CaptionStrip* strip) {
         QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, strip->IconRect().center());
       }},
      {"a right click on the title",
       [](CaptionStrip* strip) {
         const QPoint at = strip->TitleRect().center();
         QContextMenuEvent click(QContextMenuEvent::Mouse, at, strip->mapToGlobal(at));
         QApplication::sendEvent(strip, &click);
       }},
  };
  for (const auto& [name, open] : ways) {
    SCOPED_TRACE(name);
    TestDialog dialog(IDD_MAIN_MENU);
    std::vector<std::string> items;
    RunModal(dialog, [&, open = open] {
      CMenu* menu = dialog.GetSystemMenu(FALSE);
      ASSERT_NE(menu, nullptr);
      menu->AppendMenu(MF_SEPARATOR);
      menu->AppendMenu(MF_STRING, kAboutCommand, "&About Quillet...");
      CaptionStrip* strip = StripOf(ActiveDialog());
      ASSERT_NE(strip, nullptr);
      items = OpenMenuAndChoose([&] { open(strip); }, "&About Quillet...");
    });
    EXPECT_EQ(items.back(), "&About Quillet...");
    EXPECT_EQ(dialog.systemCommands, std::vector<UINT>{kAboutCommand});
  }
}

TEST_F(Caption, TheCloseButtonClosesOnlyWhenReleasedOverIt) {
  const struct {
    const char* name;
    bool releasedOverIt;
  } cases[] = {{"released over it", true}, {"dragged off it", false}};
  for (const auto& [name, releasedOverIt] : cases) {
    SCOPED_TRACE(name);
    TestDialog dialog(IDD_COMPLEX);
    const INT_PTR result = RunModal(dialog, [releasedOverIt = releasedOverIt] {
      CaptionStrip* strip = StripOf(ActiveDialog());
      ASSERT_NE(strip, nullptr);
      const QPoint button = strip->CloseButtonRect().center();
      PressAndRelease(strip, button, releasedOverIt ? button : strip->TitleRect().center());
    });
    // The close button is the system menu's Close: WM_SYSCOMMAND, then OnCancel.
    EXPECT_EQ(result, releasedOverIt ? IDCANCEL : kEndedByDriver);
    EXPECT_EQ(dialog.cancelRuns, releasedOverIt ? 1 : 0);
    EXPECT_EQ(dialog.systemCommands,
              releasedOverIt ? std::vector<UINT>{SC_CLOSE} : std::vector<UINT>{});
  }
}

TEST_F(Caption, NoDoubleClickOrDragMaximizesAWindow) {
  TestDialog dialog(IDD_POLYNOMIAL);
  RunModal(dialog, [] {
    QWidget* window = ActiveDialog();
    const QSize size = window->size();
    CaptionStrip* strip = StripOf(window);
    ASSERT_NE(strip, nullptr);
    QTest::mouseDClick(strip, Qt::LeftButton, Qt::NoModifier, strip->TitleRect().center());
    QTest::qWait(50);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), size);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  });
}

TEST_F(Caption, AMessageBoxHasNoMenuAndItsCloseButtonAnswersIt) {
  TestDialog dialog(IDD_COMPLEX);
  RunModal(dialog, [] {
    bool menuOpened = false;
    OnNextModal([&](QWidget* box) {
      CaptionStrip* strip = StripOf(box);
      ASSERT_NE(strip, nullptr);
      EXPECT_TRUE(strip->IconRect().isEmpty());
      // A menu that opened anyway is closed again, so that the test goes on.
      QTimer watcher;
      QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
          menuOpened = true;
          popup->close();
        }
      });
      watcher.start(20);
      QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(4, strip->height() / 2));
      QTest::qWait(100);
      const QPoint button = strip->CloseButtonRect().center();
      PressAndRelease(strip, button, button);
    });
    EXPECT_EQ(AfxMessageBox("Please select calculation type. ", 0, 0), IDOK);
    EXPECT_FALSE(menuOpened);
  });
}

TEST_F(Caption, EveryTitleShowsInFull) {
  const char* const captions[] = {"Quillet", "Quillet Calculator, Version 1.4", "W"};
  TestDialog dialog(IDD_COMPLEX);
  RunModal(dialog, [&] {
    for (const char* caption : captions) {
      SCOPED_TRACE(caption);
      OnNextModal([caption](QWidget* box) {
        box->setWindowTitle(caption);
        QApplication::processEvents();
        CaptionStrip* strip = StripOf(box);
        ASSERT_NE(strip, nullptr);
        EXPECT_GE(box->width(), strip->WidthForWholeTitle());
        const QFontMetrics metrics = strip->fontMetrics();
        EXPECT_GT(strip->TitleRect().width(), metrics.horizontalAdvance(caption));
        qobject_cast<QMessageBox*>(box)->done(IDOK);
      });
      AfxMessageBox("OK", 0, 0);
    }
    // The dialogs' own titles fit their template widths.
    CaptionStrip* strip = StripOf(ActiveDialog());
    ASSERT_NE(strip, nullptr);
    EXPECT_GE(ActiveDialog()->width(), strip->WidthForWholeTitle());
  });
}

TEST(CaptionColours, AreLegibleInTheClassicAndADarkPalette) {
  QPalette dark(QColor(0x31, 0x36, 0x3b));
  dark.setColor(QPalette::WindowText, QColor(0xef, 0xf0, 0xf1));
  dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
  dark.setColor(QPalette::HighlightedText, QColor(0xef, 0xf0, 0xf1));
  const struct {
    const char* name;
    QPalette palette;
  } palettes[] = {{"classic", ClassicPalette()}, {"dark", dark}};
  for (const auto& [name, palette] : palettes) {
    for (const bool active : {true, false}) {
      SCOPED_TRACE(std::string(name) + (active ? " active" : " inactive"));
      const CaptionStrip::Colours colours = CaptionStrip::ColoursOf(palette, active);
      EXPECT_GE(ContrastRatio(colours.face, colours.text), 4.5);
    }
    // Whether the window has the keyboard shows.
    EXPECT_NE(CaptionStrip::ColoursOf(palette, true).face,
              CaptionStrip::ColoursOf(palette, false).face);
  }
}

}  // namespace

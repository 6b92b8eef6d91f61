// The window icon (WM_SETICON), and painting: a minimized dialog drawing its icon through
// CPaintDC, WM_ICONERASEBKGND and DrawIcon; the default painting otherwise.

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "res/resource_ids.h"
#include "tests/support/modal_driver.h"
#include "tests/winsys/test_dialog.h"
#include "winsys/icon_resource.h"

using namespace test_support;

namespace {

const QColor kIconColour(255, 0, 0);

IconResource SolidIcon(const QColor& colour) {
  QIcon icon;
  for (const int size : {16, 32}) {
    QPixmap image(size, size);
    image.fill(colour);
    icon.addPixmap(image);
  }
  return {icon};
}

// The top left of the area in `image` painted in `colour`, or (-1, -1).
QPoint FirstPixelOf(const QImage& image, const QColor& colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == colour)
        return {x, y};
    }
  }
  return {-1, -1};
}

TEST(WindowIcon, SetIconKeepsTheBigAndTheSmallImage) {
  IconResource big = SolidIcon(Qt::blue);
  IconResource small = SolidIcon(Qt::green);
  TestDialog dialog(IDD_MAIN_MENU);
  RunModal(dialog, [&] {
    EXPECT_EQ(dialog.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(&big)), 0);
    EXPECT_EQ(dialog.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(&small)), 0);
    const QIcon icon = dialog.GetSafeHwnd()->windowIcon();
    EXPECT_EQ(icon.pixmap(32, 32).toImage().pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(icon.pixmap(16, 16).toImage().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(dialog.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(&small)),
              reinterpret_cast<LRESULT>(&big));
  });
}

TEST(WindowIcon, TheProgramsIconLoadsWithBothSizes) {
  const QIcon icon = AfxGetApp()->LoadIcon(IDR_MAINFRAME)->icon;
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
  EXPECT_EQ(icon.pixmap(16, 16).size(), QSize(16, 16));
  EXPECT_EQ(AfxGetApp()->LoadIcon(IDR_MAINFRAME), AfxGetApp()->LoadIcon(IDR_MAINFRAME));
}

TEST(MinimizedPainting, TheIconIsDrawnCentredByTheIntegerRule) {
  const struct {
    int clientSize;
    QPoint drawnAt;
  } cases[] = {{36, {2, 2}}, {35, {2, 2}}, {30, {0, 0}}, {40, {4, 4}}};
  IconResource icon = SolidIcon(kIconColour);
  for (const auto& [clientSize, drawnAt] : cases) {
    SCOPED_TRACE(clientSize);
    TestDialog dialog(IDD_MAIN_MENU);
    int erasures = 0;
    // The main menu's rule, written as its OnPaint does it.
    dialog.onPaint = [&] {
      if (!dialog.IsIconic()) {
        dialog.Default();
        return;
      }
      CPaintDC dc(&dialog);
      erasures += dialog.SendMessage(WM_ICONERASEBKGND, dc.GetSafeHdc(), 0) != 0;
      CRect client;
      dialog.GetClientRect(&client);
      const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
      const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
      dc.DrawIcon(x, y, &icon);
    };
    const QImage painted = RenderMinimized(dialog, clientSize);
    EXPECT_EQ(erasures, 1);
    EXPECT_EQ(FirstPixelOf(painted, kIconColour), drawnAt);
  }
}

TEST(MinimizedPainting, AWindowThatIsNotMinimizedGetsTheDefaultPainting) {
  IconResource icon = SolidIcon(kIconColour);
  TestDialog dialog(IDD_MAIN_MENU);
  int paints = 0;
  dialog.onPaint = [&] {
    ++paints;
    if (dialog.IsIconic()) {
      CPaintDC dc(&dialog);
      dc.DrawIcon(0, 0, &icon);
    } else {
      dialog.Default();
    }
  };
  QImage painted;
  RunModal(dialog, [&] {
    painted = QImage(dialog.GetSafeHwnd()->size(), QImage::Format_RGB32);
    dialog.GetSafeHwnd()->render(&painted);
  });
  EXPECT_GT(paints, 0);
  EXPECT_EQ(FirstPixelOf(painted, kIconColour), QPoint(-1, -1));
}

TEST(MinimizedPainting, QueryDragIconReturnsTheHandlersIcon) {
  IconResource icon = SolidIcon(kIconColour);
  TestDialog dialog(IDD_MAIN_MENU);
  dialog.dragIcon = &icon;
  EXPECT_EQ(dialog.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(&icon));
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
  EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
}

}  // namespace

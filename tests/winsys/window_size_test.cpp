// Windows keep their size: fixed where the window manager honours it, and on Wayland, where
// the compositor may maximize or fullscreen any window, taken back as soon as it has given it.

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "winsys/window_size.h"

namespace {

constexpr QSize kSize(416, 320);

TEST(WindowSize, IsFixedWhereTheDesktopHonoursIt) {
  QWidget window;
  KeepWindowSize(&window, kSize, false);
  EXPECT_EQ(window.minimumSize(), kSize);
  EXPECT_EQ(window.maximumSize(), kSize);
}

TEST(WindowSize, AMaximizeOrFullscreenIsTakenAndThenLeft) {
  const Qt::WindowStates requests[] = {Qt::WindowMaximized, Qt::WindowFullScreen,
                                       Qt::WindowMaximized | Qt::WindowFullScreen};
  for (const Qt::WindowStates request : requests) {
    SCOPED_TRACE(static_cast<int>(request));
    QWidget window;
    KeepWindowSize(&window, kSize, true);
    // The compositor's sizes must fit, so only the smallest size is held.
    EXPECT_EQ(window.minimumSize(), kSize);
    EXPECT_GT(window.maximumWidth(), 4000);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(request);
    QTest::qWait(50);
    EXPECT_EQ(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen),
              Qt::WindowNoState);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == kSize; }, 2000))
        << window.size().width() << "x" << window.size().height();
  }
}

TEST(WindowSize, AMaximizeIsLeftOnlyAfterAFrameDrawnInIt) {
  // weston loses a request to leave a state that comes before the first frame drawn in it.
  QWidget window;
  KeepWindowSize(&window, kSize, true);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.setWindowState(Qt::WindowMaximized);
  EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
  window.repaint();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !(window.windowState() & Qt::WindowMaximized); }, 2000));
}

TEST(WindowSize, ASizeTheUserDragsIsUndone) {
  const QSize dragged[] = {{900, 700}, {417, 320}, {416, 500}};
  QWidget window;
  KeepWindowSize(&window, kSize, true);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const QSize size : dragged) {
    // A size from the window system, as a drag on the window's edge gives it.
    window.windowHandle()->resize(size);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), kSize) << size.width() << "x" << size.height();
  }
  // The program's own sizes stand.
  window.resize(500, 400);
  QApplication::processEvents();
  EXPECT_EQ(window.size(), QSize(500, 400));
}

TEST(WindowSize, TheTitleNeedsNoRoomWhereTheDesktopDrawsIt) {
  // Offscreen, as on X11, the title bar is not the program's.
  EXPECT_EQ(WidthForWholeTitle("Quillet"), 0);
}

}  // namespace

// Saves what an X window shows as a PNG file and prints the colour that covers most of it, as
// #rrggbb: a window's face, for a script that drives the real program.
//   grab_window WINDOW_ID OUTPUT.png

#include <cstdio>
#include <map>
#include <tuple>
#include <utility>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: grab_window WINDOW_ID OUTPUT.png\n");
    return 2;
  }
  QGuiApplication::setDesktopSettingsAware(false);
  QGuiApplication application(argc, argv);
  bool isNumber = false;
  const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&isNumber, 0);
  const QImage shot =
      isNumber ? QGuiApplication::primaryScreen()->grabWindow(window).toImage() : QImage();
  if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "grab_window: cannot grab window %s into %s\n", argv[1], argv[2]);
    return 1;
  }
  std::map<QRgb, long> pixels;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      ++pixels[shot.pixel(x, y) & RGB_MASK];
  QRgb most = 0;
  long count = -1;
  for (const auto& [colour, n] : pixels)
    if (n > count)
      std::tie(most, count) = std::pair(colour, n);
  std::printf("%s\n", qPrintable(QColor(most).name()));
  return 0;
}

#include "winsys/dialog_units.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include "res/dialog_template.h"

namespace {

std::optional<DialogBaseUnits>& FixedBaseUnits() {
  static std::optional<DialogBaseUnits> units;
  return units;
}

// The installed, metric-compatible stand-ins for the faces the templates name. "MS Sans
// Serif" has no metric twin on Linux; Liberation Sans is the closest sans-serif in width.
const char* InstalledFace(const char* face) {
  struct FaceMapping {
    const char* templateFace;
    const char* installedFace;
  };
  static constexpr FaceMapping kFaces[] = {
      {"Arial", "Liberation Sans"},
      {"MS Sans Serif", "Liberation Sans"},
  };
  for (const FaceMapping& mapping : kFaces) {
    if (std::strcmp(mapping.templateFace, face) == 0)
      return mapping.installedFace;
  }
  return face;
}

int LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(screen->logicalDotsPerInchY() + 0.5) : 96;
}

// The logical coordinate nearest to `coordinate`, at most two pixels away, whose device
// coordinate is whole, or closest to whole where none within reach is (at a ratio such as 1.1).
int OnWholeDevicePixel(int coordinate, double ratio) {
  int best = coordinate;
  double bestMiss = 1;
  for (const int shift : {0, -1, 1, -2, 2}) {
    const double device = (coordinate + shift) * ratio;
    const double miss = std::abs(device - std::round(device));
    if (miss < bestMiss - 1e-9) {
      best = coordinate + shift;
      bestMiss = miss;
    }
  }
  return best;
}

}  // namespace

int MulDiv(int number, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

QRect DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits units) {
  return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4),
               MulDiv(cy, units.y, 8));
}

QPoint OnWholeDevicePixels(QPoint point, double devicePixelRatio) {
  return {OnWholeDevicePixel(point.x(), devicePixelRatio),
          OnWholeDevicePixel(point.y(), devicePixelRatio)};
}

QSize UnhintedTextExtent(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  return {static_cast<int>(std::ceil(metrics.horizontalAdvance(text))),
          static_cast<int>(std::ceil(metrics.ascent() + metrics.descent()))};
}

DialogBaseUnits BaseUnitsOfFont(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(letters + 26) / 52, metrics.height()};
}

QFont TemplateFont(const char* face, int points, int weight) {
  QFont font(InstalledFace(face));
  // A point size becomes the character's em height in pixels, as Windows sizes a font
  // given in points, so the dialogs grow with the screen's resolution.
  font.setPixelSize(MulDiv(points, LogicalDpi(), 72));
  if (weight >= 700)
    font.setWeight(QFont::Bold);
  return font;
}

QFont DialogFont(const DialogTemplate& dialog) {
  return TemplateFont(dialog.fontFace, dialog.fontPoints, dialog.fontWeight);
}

DialogBaseUnits DialogBaseUnitsOf(const DialogTemplate& dialog) {
  if (const auto& fixed = FixedBaseUnits())
    return *fixed;
  return BaseUnitsOfFont(DialogFont(dialog));
}

ScopedDialogBaseUnits::ScopedDialogBaseUnits(DialogBaseUnits units) : previous_(FixedBaseUnits()) {
  FixedBaseUnits() = units;
}

ScopedDialogBaseUnits::~ScopedDialogBaseUnits() {
  FixedBaseUnits() = previous_;
}

#include "winsys/contrast.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QColor>
#include <QPalette>

double Luminance(const QColor& colour) {
  auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette WithLegibleTexts(QPalette palette) {
  constexpr std::pair<QPalette::ColorRole, QPalette::ColorRole> kTextsOnBackgrounds[] = {
      {QPalette::WindowText, QPalette::Window},
      {QPalette::ButtonText, QPalette::Button},
      {QPalette::Text, QPalette::Base},
      {QPalette::HighlightedText, QPalette::Highlight},
      {QPalette::ToolTipText, QPalette::ToolTipBase},
  };
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    for (const auto& [text, background] : kTextsOnBackgrounds) {
      const QColor back = palette.color(group, background);
      if (ContrastRatio(palette.color(group, text), back) >= kLegibleContrast)
        continue;
      const QColor black(Qt::black), white(Qt::white);
      palette.setColor(group, text,
                       ContrastRatio(black, back) >= ContrastRatio(white, back) ? black : white);
    }
  }
  return palette;
}

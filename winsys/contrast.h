#pragma once

class QColor;

// How legible one colour is on another, as the contrast rules for the web measure it.

// The relative luminance of `colour`, from 0 (black) to 1 (white).
double Luminance(const QColor& colour);

// The contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double ContrastRatio(const QColor& a, const QColor& b);

class QPalette;

// The least contrast of a text on its background that reads well: 4.5, as the rules ask of
// ordinary text.
inline constexpr double kLegibleContrast = 4.5;

// `palette` with each text colour that is not legible on its background (window, button,
// box, selection, tool tip) replaced by black or white, whichever stands out more, in the
// active and inactive groups; disabled texts are meant to recede and stay as they are.
QPalette WithLegibleTexts(QPalette palette);

#pragma once

#include <optional>

#include <QFont>
#include <QRect>

struct DialogTemplate;

// Dialog units become pixels here and nowhere else. A horizontal dialog unit is a quarter of
// the dialog font's average character width, a vertical one an eighth of its character
// height; together the two are the dialog's base units.
struct DialogBaseUnits {
  int x;  // average character width in pixels
  int y;  // character height in pixels
};

// number * numerator / denominator, rounded to the nearest integer with halves away from zero,
// as the Windows MulDiv rounds. The denominator is positive.
int MulDiv(int number, int numerator, int denominator);

// The pixel rectangle of a rectangle given in dialog units.
QRect DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits units);

// The point nearest to `point` (in logical pixels, from the dialog's origin) that falls on a
// whole device pixel at `devicePixelRatio`, no more than two pixels away in each direction.
// At a fractional ratio Qt draws a control placed between two device pixels without its right
// and bottom edges, and a control placed on whole device pixels whole.
QPoint OnWholeDevicePixels(QPoint point, double devicePixelRatio);

// The logical pixels that `text` takes in `font` where it is drawn unhinted, as Qt draws
// text at any device pixel ratio other than 1: its exact width and line height, rounded up.
// These can pass the whole-pixel widths and heights of the hinted text at ratio 1, which is
// what the templates were laid out for.
QSize UnhintedTextExtent(const QFont& font, const QString& text);

// The base units of `font`: the average width of the 52 letters A-Z and a-z, rounded as
// Windows rounds it, and the character height.
DialogBaseUnits BaseUnitsOfFont(const QFont& font);

// The font a template names (face, size in points, weight with 0 for normal), at the
// screen's logical resolution, with the face mapped to an installed font of the same metrics.
QFont TemplateFont(const char* face, int points, int weight);
// The font of `dialog`'s template.
QFont DialogFont(const DialogTemplate& dialog);

// The base units a dialog built from `dialog` uses: those of its font, unless a
// ScopedDialogBaseUnits fixes them.
DialogBaseUnits DialogBaseUnitsOf(const DialogTemplate& dialog);

// Fixes the base units of every dialog built while it lives, so that tests can check pixel
// positions independently of the fonts installed.
class ScopedDialogBaseUnits {
 public:
  explicit ScopedDialogBaseUnits(DialogBaseUnits units);
  ~ScopedDialogBaseUnits();
  ScopedDialogBaseUnits(const ScopedDialogBaseUnits&) = delete;
  ScopedDialogBaseUnits& operator=(const ScopedDialogBaseUnits&) = delete;

 private:
  std::optional<DialogBaseUnits> previous_;
};

#pragma once

#include <span>

#include "winsys/window_styles.h"

// A dialog template: the dialog's caption, size, font and styles and its controls in
// template order, which is also the keyboard (tab) order unless the template says otherwise.
// Positions and sizes are in dialog units, which the dialog turns into pixels from the base
// units of its own font.

// The window class of a control; its style word picks the variant (a push button or a group
// box, a text or a picture, a single-line or a multi-line box).
enum class ControlClass { kButton, kStatic, kEdit, kListBox };

struct ControlTemplate {
  int id;  // -1 for a control that the program never addresses
  ControlClass windowClass;
  const char* text;
  int x, y, cx, cy;
  UINT style;
  UINT exStyle = 0;
  unsigned imageId = 0;                  // the icon or bitmap of an SS_ICON or SS_BITMAP picture
  const char* accessibleName = nullptr;  // what an edit box or a list holds, for screen readers
};

struct DialogTemplate {
  unsigned id;
  const char* caption;
  int x, y, cx, cy;
  const char* fontFace;
  int fontPoints;
  int fontWeight;  // 0: the face's normal weight
  UINT style;
  UINT exStyle;
  std::span<const ControlTemplate> controls;
  // Controls, by id, that Tab visits one after the other although the template creates them
  // in another order; the rest keep their place in the template order.
  std::span<const int> keyboardOrder = {};
};

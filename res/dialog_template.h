#pragma once

#include <span>

// The form of a dialog template: the dialog's caption, size, font and styles and its controls
// in template order, which is also the keyboard (tab) order unless the template says
// otherwise. Positions and sizes are in dialog units, which the dialog turns into pixels from
// the base units of its own font. The templates themselves are data (dialog_templates.cpp);
// the window-system layer builds the windows from them.

// The window class of a control; its style word picks the variant (a push button or a group
// box, a text or a picture, a single-line or a multi-line box).
enum class ControlClass { kButton, kStatic, kEdit, kListBox };

struct ControlTemplate {
  int id;  // -1 for a control that the program never addresses
  ControlClass windowClass;
  const char* text;
  int x, y, cx, cy;
  unsigned style;
  unsigned exStyle = 0;
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
  unsigned style;
  unsigned exStyle;
  std::span<const ControlTemplate> controls;
  // Controls, by id, that Tab visits one after the other although the template creates them
  // in another order; the rest keep their place in the template order.
  std::span<const int> keyboardOrder = {};
};

// The identifiers of a dialog's OK and Cancel buttons, which are also the codes that end it.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// The window, dialog and control style bits that a template's style words combine, as a
// resource compiler would, with the values Windows gives them.

// Window styles.
inline constexpr unsigned WS_POPUP = 0x80000000;
inline constexpr unsigned WS_CHILD = 0x40000000;
inline constexpr unsigned WS_VISIBLE = 0x10000000;
inline constexpr unsigned WS_DISABLED = 0x08000000;
inline constexpr unsigned WS_CAPTION = 0x00C00000;
inline constexpr unsigned WS_BORDER = 0x00800000;
inline constexpr unsigned WS_VSCROLL = 0x00200000;
inline constexpr unsigned WS_HSCROLL = 0x00100000;
inline constexpr unsigned WS_SYSMENU = 0x00080000;
inline constexpr unsigned WS_GROUP = 0x00020000;
inline constexpr unsigned WS_TABSTOP = 0x00010000;
// The same bits mean the caption's boxes on a top-level window.
inline constexpr unsigned WS_MINIMIZEBOX = 0x00020000;
inline constexpr unsigned WS_MAXIMIZEBOX = 0x00010000;

// Extended window styles.
inline constexpr unsigned WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr unsigned WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr unsigned WS_EX_STATICEDGE = 0x00020000;
inline constexpr unsigned WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
inline constexpr unsigned DS_3DLOOK = 0x0004;
inline constexpr unsigned DS_SETFONT = 0x0040;
inline constexpr unsigned DS_MODALFRAME = 0x0080;

// Buttons: the low four bits are the button type.
inline constexpr unsigned BS_PUSHBUTTON = 0x0000;
inline constexpr unsigned BS_DEFPUSHBUTTON = 0x0001;
inline constexpr unsigned BS_GROUPBOX = 0x0007;
inline constexpr unsigned BS_TYPEMASK = 0x000F;

// Static controls: the low five bits are the static type.
inline constexpr unsigned SS_LEFT = 0x0000;
inline constexpr unsigned SS_CENTER = 0x0001;
inline constexpr unsigned SS_RIGHT = 0x0002;
inline constexpr unsigned SS_ICON = 0x0003;
inline constexpr unsigned SS_BITMAP = 0x000E;
inline constexpr unsigned SS_TYPEMASK = 0x001F;
inline constexpr unsigned SS_NOPREFIX = 0x0080;

// Edit boxes.
inline constexpr unsigned ES_LEFT = 0x0000;
inline constexpr unsigned ES_MULTILINE = 0x0004;
inline constexpr unsigned ES_AUTOVSCROLL = 0x0040;
inline constexpr unsigned ES_AUTOHSCROLL = 0x0080;
inline constexpr unsigned ES_READONLY = 0x0800;

// List boxes.
inline constexpr unsigned LBS_NOTIFY = 0x0001;
inline constexpr unsigned LBS_SORT = 0x0002;
inline constexpr unsigned LBS_NOINTEGRALHEIGHT = 0x0100;

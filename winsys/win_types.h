#pragma once

// The framework's basic types and the message, style and command constants the program uses,
// with the values Windows gives them.

#include <cstdint>

// IDOK and IDCANCEL, which the dialog templates name their buttons by.
#include "res/dialog_template.h"

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using UINT = unsigned int;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// An icon resource loaded by CWinApp::LoadIcon; it lives as long as the program.
struct IconResource;
using HICON = const IconResource*;
using HCURSOR = HICON;

struct CRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// The two halves of a message parameter: WM_COMMAND carries the control or command
// identifier in the low word and the notification code in the high word.
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr unsigned LOWORD(WPARAM value) {
  return static_cast<unsigned>(value & 0xFFFFu);
}
constexpr unsigned HIWORD(WPARAM value) {
  return static_cast<unsigned>((value >> 16) & 0xFFFFu);
}

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;

inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// A push button's click; also the code of a plain command (a menu or accelerator).
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT LBN_SELCHANGE = 1;
inline constexpr UINT EN_CHANGE = 0x0300;

inline constexpr UINT LB_INSERTSTRING = 0x0181;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr int LB_ERR = -1;

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_SEPARATOR = 0x0800;

inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

// SM_CXICON and SM_CYICON: the system's icon size, 32 x 32.
constexpr int GetSystemMetrics(int index) {
  return index == SM_CXICON || index == SM_CYICON ? 32 : 0;
}

inline constexpr UINT ID_HELP = 0xE146;

// Standard system commands, carried out by the default processing.
inline constexpr UINT SC_SIZE = 0xF000;
inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_MAXIMIZE = 0xF030;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT SC_RESTORE = 0xF120;
// A system command's low four bits are the system's own; the command is the rest.
inline constexpr UINT kSystemCommandMask = 0xFFF0;

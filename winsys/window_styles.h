#pragma once

#include "winsys/win_types.h"

// The window, dialog and control style bits that the dialog templates use, with the values
// Windows gives them. A template's style word combines them as a resource compiler would.

// Window styles.
inline constexpr UINT WS_POPUP = 0x80000000;
inline constexpr UINT WS_CHILD = 0x40000000;
inline constexpr UINT WS_VISIBLE = 0x10000000;
inline constexpr UINT WS_DISABLED = 0x08000000;
inline constexpr UINT WS_CAPTION = 0x00C00000;
inline constexpr UINT WS_BORDER = 0x00800000;
inline constexpr UINT WS_VSCROLL = 0x00200000;
inline constexpr UINT WS_HSCROLL = 0x00100000;
inline constexpr UINT WS_SYSMENU = 0x00080000;
inline constexpr UINT WS_GROUP = 0x00020000;
inline constexpr UINT WS_TABSTOP = 0x00010000;
// The same bits mean the caption's boxes on a top-level window.
inline constexpr UINT WS_MINIMIZEBOX = 0x00020000;
inline constexpr UINT WS_MAXIMIZEBOX = 0x00010000;

// Extended window styles.
inline constexpr UINT WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr UINT WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr UINT WS_EX_STATICEDGE = 0x00020000;
inline constexpr UINT WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
inline constexpr UINT DS_3DLOOK = 0x0004;
inline constexpr UINT DS_SETFONT = 0x0040;
inline constexpr UINT DS_MODALFRAME = 0x0080;

// Buttons: the low four bits are the button type.
inline constexpr UINT BS_PUSHBUTTON = 0x0000;
inline constexpr UINT BS_DEFPUSHBUTTON = 0x0001;
inline constexpr UINT BS_GROUPBOX = 0x0007;
inline constexpr UINT BS_TYPEMASK = 0x000F;

// Static controls: the low five bits are the static type.
inline constexpr UINT SS_LEFT = 0x0000;
inline constexpr UINT SS_CENTER = 0x0001;
inline constexpr UINT SS_RIGHT = 0x0002;
inline constexpr UINT SS_ICON = 0x0003;
inline constexpr UINT SS_BITMAP = 0x000E;
inline constexpr UINT SS_TYPEMASK = 0x001F;
inline constexpr UINT SS_NOPREFIX = 0x0080;

// Edit boxes.
inline constexpr UINT ES_LEFT = 0x0000;
inline constexpr UINT ES_MULTILINE = 0x0004;
inline constexpr UINT ES_AUTOVSCROLL = 0x0040;
inline constexpr UINT ES_AUTOHSCROLL = 0x0080;
inline constexpr UINT ES_READONLY = 0x0800;

// List boxes.
inline constexpr UINT LBS_NOTIFY = 0x0001;
inline constexpr UINT LBS_SORT = 0x0002;
inline constexpr UINT LBS_NOINTEGRALHEIGHT = 0x0100;

#pragma once

#include "winsys/win_types.h"

// A window's system menu. Items are appended at the end.
class CMenu {
 public:
  virtual ~CMenu() = default;
  // MF_SEPARATOR, or MF_STRING with a command identifier and a text ('&' marks the mnemonic).
  virtual BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) = 0;
};

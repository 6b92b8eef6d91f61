#pragma once

// Lookup of the program's built-in resources. The images (icon 128 and the bitmaps) are in
// Qt's resource system under ":/res/"; see ResourceImagePath.

#include <string>

struct DialogTemplate;

// The dialog template with `id`, or null if the program has none.
const DialogTemplate* FindDialogTemplate(unsigned id);

// String `id` of the string table, or null if there is none.
const char* FindString(unsigned id);

// The Qt resource path of icon or bitmap `id` (":/res/icon_128.ico", ":/res/bitmap_130.bmp").
std::string ResourceImagePath(unsigned id);

// The version block.
struct VersionInfo {
  const char* fileVersion;     // "1, 0, 0, 1"
  const char* productVersion;  // "1, 0, 0, 1"
  const char* fileDescription;
  const char* internalName;
  const char* originalFilename;
  const char* productName;
  const char* companyName;
  const char* legalCopyright;
  const char* legalTrademarks;
};
extern const VersionInfo kVersionInfo;

#include "winsys/cstring.h"

#include <cstdarg>

#include "common/result_text.h"
#include "res/resource_lookup.h"

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  text_ = ResultTextV(format, args);
  va_end(args);
}

BOOL CString::LoadString(UINT id) {
  const char* text = FindString(id);
  text_ = text ? text : "";
  return text != nullptr;
}

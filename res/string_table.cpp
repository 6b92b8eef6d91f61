// The program's string table.

#include <iterator>

#include "res/resource_ids.h"
#include "res/resource_lookup.h"

namespace {

struct StringEntry {
  unsigned id;
  const char* text;
};

constexpr StringEntry kStringTable[] = {
    {IDS_ABOUTBOX, "&About Quillet..."},
};

}  // namespace

const char* FindString(unsigned id) {
  for (const StringEntry& entry : kStringTable) {
    if (entry.id == id) {
      return entry.text;
    }
  }
  return nullptr;
}

#include "winsys/icon_resource.h"

#include <map>

#include "res/resource_lookup.h"

HICON LoadIconResource(unsigned id) {
  // Icons outlive every window and the Qt application itself, as shared icons do on Windows,
  // so the cache is never destroyed: a QIcon must not be released after the application.
  static auto& icons = *new std::map<unsigned, IconResource>;
  auto [entry, added] = icons.try_emplace(id);
  if (added)
    entry->second.icon = QIcon(QString::fromStdString(ResourceImagePath(id)));
  return &entry->second;
}

#include "winsys/icon_resource.h"

#include <map>

#include <QFile>
#include <QPixmap>

#include "res/resource_lookup.h"
#include "winsys/ico_images.h"

namespace {

// Every image of the icon file at `path`, each a size of the icon; a file that cannot be read
// gives a null icon.
QIcon IconFromFile(const QString& path) {
  QIcon icon;
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    for (const QImage& image : DecodeIcoImages(file.readAll()))
      icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace

HICON LoadIconResource(unsigned id) {
  // Icons outlive every window and the Qt application itself, as shared icons do on Windows,
  // so the cache is never destroyed: a QIcon must not be released after the application.
  static auto& icons = *new std::map<unsigned, IconResource>;
  auto [entry, added] = icons.try_emplace(id);
  if (added)
    entry->second.icon = IconFromFile(QString::fromStdString(ResourceImagePath(id)));
  return &entry->second;
}

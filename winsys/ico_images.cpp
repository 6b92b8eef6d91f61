#include "winsys/ico_images.h"

#include <cstdint>

namespace {

// Little-endian fields of `data`; the caller has checked that they lie inside it.
uint32_t Field(QByteArrayView data, qsizetype at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i)
    value = value << 8 | static_cast<uint8_t>(data[at + i]);
  return value;
}

// The image of the icon directory entry at `entry`: a BITMAPINFOHEADER, the palette, the
// pixel rows from the bottom up, then the mask rows (a set bit is transparent), each row
// padded to four bytes.
QImage DecodeEntry(QByteArrayView data, qsizetype entry) {
  const qsizetype at = Field(data, entry + 12, 4);
  if (at < 0 || at + 40 > data.size())
    return {};
  const qsizetype header_size = Field(data, at, 4);
  const auto width = static_cast<int32_t>(Field(data, at + 4, 4));
  const auto double_height = static_cast<int32_t>(Field(data, at + 8, 4));
  const int bits = static_cast<int>(Field(data, at + 14, 2));
  const uint32_t compression = Field(data, at + 16, 4);
  const uint32_t colours_used = Field(data, at + 32, 4);
  if (header_size < 40 || width <= 0 || width > 256 || double_height <= 0 || double_height > 512 ||
      double_height % 2 != 0 || compression != 0 || (bits != 1 && bits != 4 && bits != 8))
    return {};
  const int height = double_height / 2;
  const qsizetype colours = colours_used != 0 ? colours_used : uint32_t{1} << bits;
  if (colours > (qsizetype{1} << bits))
    return {};
  const qsizetype palette = at + header_size;
  const qsizetype pixels = palette + 4 * colours;
  const qsizetype stride = (width * bits + 31) / 32 * 4;
  const qsizetype mask = pixels + stride * height;
  const qsizetype mask_stride = (width + 31) / 32 * 4;
  if (mask + mask_stride * height > data.size())
    return {};

  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    const qsizetype row = pixels + (height - 1 - y) * stride;
    const qsizetype mask_row = mask + (height - 1 - y) * mask_stride;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const int bit = x * bits;
      const auto byte = static_cast<uint8_t>(data[row + bit / 8]);
      const int index = (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
      const bool transparent = (static_cast<uint8_t>(data[mask_row + x / 8]) >> (7 - x % 8)) & 1;
      // The palette holds blue, green, red and a reserved byte.
      line[x] = transparent || index >= colours
                    ? 0
                    : 0xff000000u | (Field(data, palette + 4 * index, 3) & 0xffffffu);
    }
  }
  return image;
}

}  // namespace

QList<QImage> DecodeIcoImages(QByteArrayView data) {
  QList<QImage> images;
  // The directory: 0, type 1 (an icon), the number of entries, then 16 bytes an entry.
  if (data.size() < 6 || Field(data, 0, 2) != 0 || Field(data, 2, 2) != 1)
    return images;
  const qsizetype count = Field(data, 4, 2);
  for (qsizetype i = 0; i < count && 6 + 16 * (i + 1) <= data.size(); ++i) {
    QImage image = DecodeEntry(data, 6 + 16 * i);
    if (!image.isNull())
      images.append(std::move(image));
  }
  return images;
}

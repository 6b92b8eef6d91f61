// The program's own reading of icon files, held against Qt's image plugin for them.

#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "res/resource_ids.h"
#include "res/resource_lookup.h"
#include "winsys/ico_images.h"

namespace {

QByteArray ProgramIconFile() {
  QFile file(QString::fromStdString(ResourceImagePath(IDR_MAINFRAME)));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

// Pixels compared as they are drawn: a transparent pixel is transparent whatever its colour.
QImage AsDrawn(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Every image of `data` as Qt's image plugin reads it, or none where the plugin is missing.
QList<QImage> ReadByQt(const QByteArray& data) {
  QByteArray copy = data;
  QBuffer buffer(&copy);
  QImageReader reader(&buffer, "ico");
  QList<QImage> images;
  if (!reader.canRead())
    return images;
  for (int i = 0; i < reader.imageCount(); ++i) {
    images.append(AsDrawn(reader.read()));
    reader.jumpToNextImage();
  }
  return images;
}

QList<QImage> AsDrawn(const QList<QImage>& images) {
  QList<QImage> drawn;
  for (const QImage& image : images)
    drawn.append(AsDrawn(image));
  return drawn;
}

TEST(IcoImages, TheProgramsIconHasQtsOwnPixelsInBothSizes) {
  const QByteArray data = ProgramIconFile();
  const QList<QImage> images = DecodeIcoImages(data);
  ASSERT_EQ(images.size(), 2);
  EXPECT_EQ(images[0].size(), QSize(32, 32));
  EXPECT_EQ(images[1].size(), QSize(16, 16));
  const QList<QImage> qt = ReadByQt(data);
  if (qt.isEmpty())
    GTEST_SKIP() << "Qt's icon plugin is not installed";
  EXPECT_EQ(AsDrawn(images), qt);
}

// The program's icon is opaque throughout; with mask bits set in a pattern, the same pixels
// turn transparent as in Qt's reading.
TEST(IcoImages, TheMaskMakesThePixelsTransparentThatQtMakesTransparent) {
  QByteArray data = ProgramIconFile();
  const qsizetype masks[] = {0x26 + 40 + 64 + 512, 0x30e + 40 + 64 + 128};
  const qsizetype mask_sizes[] = {128, 64};
  for (int image = 0; image < 2; ++image) {
    for (qsizetype i = 0; i < mask_sizes[image]; ++i)
      data[masks[image] + i] = static_cast<char>(i % 3 == 0 ? 0xc1 : i % 3 == 1 ? 0xff : 0x00);
  }
  const QList<QImage> images = DecodeIcoImages(data);
  ASSERT_EQ(images.size(), 2);
  EXPECT_EQ(qAlpha(images[0].pixel(0, 31)), 0);  // the bottom row comes first in the file
  EXPECT_EQ(qAlpha(images[0].pixel(2, 31)), 255);
  const QList<QImage> qt = ReadByQt(data);
  if (qt.isEmpty())
    GTEST_SKIP() << "Qt's icon plugin is not installed";
  EXPECT_EQ(AsDrawn(images), qt);
}

// A file cut short anywhere, or with a directory that does not fit it, loses the images that
// no longer lie wholly inside it and never reads beyond its end.
TEST(IcoImages, LeavesOutWhatDoesNotLieInsideTheFile) {
  const QByteArray data = ProgramIconFile();
  const qsizetype first_image_end = 0x30e;  // where the 32 x 32 image ends
  for (qsizetype length = 0; length < data.size(); ++length) {
    const QList<QImage> images = DecodeIcoImages(QByteArrayView(data).first(length));
    EXPECT_EQ(images.size(), length >= first_image_end ? 1 : 0) << length;
  }
  QByteArray wrong_type = data;
  wrong_type[2] = 2;  // a cursor file
  EXPECT_TRUE(DecodeIcoImages(wrong_type).isEmpty());
  QByteArray far_offset = data;
  far_offset[6 + 12 + 2] = 0x7f;  // the first image at 8 MB
  EXPECT_EQ(DecodeIcoImages(far_offset).size(), 1);
  QByteArray many_colours = data;
  many_colours[0x26 + 14] = 16;  // 16 bits a pixel, which icons of this kind never have
  EXPECT_EQ(DecodeIcoImages(many_colours).size(), 1);
}

}  // namespace

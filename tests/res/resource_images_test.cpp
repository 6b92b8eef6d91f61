// The icon and the bitmaps reach the program through ResourceImagePath alone; these tests
// load them the way the dialogs do, from a statically linked resource library.

#include <gtest/gtest.h>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPoint>
#include <QString>
#include <ostream>
#include <vector>

#include "res/resource_ids.h"
#include "res/resource_lookup.h"

// Failures name colours as (red, green, blue, alpha).
void PrintTo(const QColor& colour, std::ostream* out) {
  *out << '(' << colour.red() << ", " << colour.green() << ", " << colour.blue() << ", "
       << colour.alpha() << ')';
}

namespace {

const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kLightGrey(192, 192, 192);

QString PathOf(unsigned id) {
  return QString::fromStdString(ResourceImagePath(id));
}

// Checks that `image` has only the colours `ink` and `background`, with ink at `inked` and
// background at `clear`.
void ExpectTwoColourPicture(const QImage& image, QColor ink, const std::vector<QPoint>& inked,
                            QColor background, const std::vector<QPoint>& clear) {
  for (QPoint point : inked) {
    EXPECT_EQ(image.pixelColor(point), ink) << point.x() << ", " << point.y();
  }
  for (QPoint point : clear) {
    EXPECT_EQ(image.pixelColor(point), background) << point.x() << ", " << point.y();
  }
  int stray = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      stray += colour != ink && colour != background;
    }
  }
  EXPECT_EQ(stray, 0) << "pixels of other colours";
}

struct BitmapCase {
  unsigned id;
  int width;
  int height;
  std::vector<QPoint> ink;    // pixels that the glyphs must cover
  std::vector<QPoint> clear;  // pixels that tell this picture from a similar one
};

// Ink samples: the hat, the letter's stem or centre, the plus or equals sign. Clear samples
// tell j-hat plus from j-hat, X from Y, and keep the margins free.
const BitmapCase kBitmapCases[] = {
    {IDB_J_HAT_PLUS, 24, 25, {{7, 2}, {8, 12}, {16, 12}}, {{0, 0}, {23, 24}}},
    {IDB_I_HAT_PLUS, 25, 23, {{6, 3}, {7, 12}, {16, 12}}, {{0, 0}, {24, 22}}},
    {IDB_J_HAT, 24, 25, {{7, 2}, {8, 12}, {4, 21}}, {{16, 12}, {16, 9}}},
    {IDB_X_ARROW_EQUALS, 24, 25, {{9, 2}, {5, 14}, {1, 20}, {18, 12}, {18, 17}}, {{5, 20}}},
    {IDB_Y_ARROW_EQUALS, 24, 25, {{9, 2}, {5, 14}, {5, 20}, {18, 12}, {18, 17}}, {{1, 20}}},
    {IDB_I_HAT_PLUS_SPARE, 25, 23, {{6, 3}, {7, 12}, {16, 12}}, {{0, 0}, {24, 22}}},
    {IDB_K_HAT, 24, 25, {{7, 2}, {8, 10}, {12, 11}, {12, 20}}, {{16, 12}, {0, 0}}},
};

TEST(ResourceImagesTest, EveryBitmapIsA16ColourPictureOfBlackGlyphsOnLightGrey) {
  for (const BitmapCase& bitmap : kBitmapCases) {
    SCOPED_TRACE(bitmap.id);
    QImageReader reader(PathOf(bitmap.id));
    EXPECT_EQ(reader.format(), "bmp");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(bitmap.width, bitmap.height));
    EXPECT_EQ(image.colorCount(), 16);
    ExpectTwoColourPicture(image, kBlack, bitmap.ink, kLightGrey, bitmap.clear);
  }
}

TEST(ResourceImagesTest, SpareBitmapIsTheSamePictureAsIHatPlus) {
  const QImage spare(PathOf(IDB_I_HAT_PLUS_SPARE));
  const QImage used(PathOf(IDB_I_HAT_PLUS));
  ASSERT_FALSE(spare.isNull());
  EXPECT_EQ(spare, used);
}

struct IconCase {
  int size;
  std::vector<QPoint> arrows;  // the common point and the two tips
  std::vector<QPoint> background;
};

const IconCase kIconCases[] = {
    {32, {{3, 25}, {29, 25}, {29, 2}, {11, 18}}, {{0, 0}, {31, 31}, {3, 2}, {15, 28}}},
    {16, {{1, 12}, {14, 12}, {14, 1}, {7, 6}}, {{0, 0}, {15, 15}, {1, 1}, {7, 14}}},
};

TEST(ResourceImagesTest, IconHoldsOpaqueYellowArrowsOnNavyInBothSizes) {
  QImageReader reader(PathOf(IDR_MAINFRAME));
  EXPECT_EQ(reader.format(), "ico");
  EXPECT_EQ(reader.imageCount(), 2);
  const QIcon icon(PathOf(IDR_MAINFRAME));
  const QList<QSize> sizes = icon.availableSizes();
  EXPECT_EQ(sizes.size(), 2);
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  for (const IconCase& size : kIconCases) {
    SCOPED_TRACE(size.size);
    const QImage image = icon.pixmap(size.size).toImage();
    ASSERT_EQ(image.size(), QSize(size.size, size.size));
    // A transparent pixel would count as a stray colour: pixelColor keeps the alpha.
    ExpectTwoColourPicture(image, kYellow, size.arrows, kNavy, size.background);
  }
}

TEST(ResourceImagesTest, IdsThatAreNoImageHaveNoPath) {
  for (unsigned id : {IDD_MAIN_MENU, IDS_ABOUTBOX, 0u, 131u, 134u}) {
    EXPECT_EQ(ResourceImagePath(id), "") << id;
  }
}

}  // namespace

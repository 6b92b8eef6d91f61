// The files that present the program to a Linux desktop agree with the program and the
// repository: the icons are icon 128's pixels, the listing's licence is the LICENSE file, its
// screenshots are the README's pictures, and the version block stays in the program alone.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include "quillet_version.h"
#include "res/resource_ids.h"
#include "res/resource_lookup.h"

namespace {

const QString kSourceFolder = QStringLiteral(QUILLET_SOURCE_DIR "/");
const QString kDesktopFolder = kSourceFolder + "desktop/";
const QString kAppId = QStringLiteral("org.quillet.Quillet");

struct Screenshot {
  QString caption;
  QString url;
  int width = 0;
  int height = 0;
};

struct Metainfo {
  QString id;
  QString icon;
  QString projectLicense;
  QString description;            // the text of the top-level description, tags left out
  QMap<QString, QString> custom;  // the <custom> values by key
  QStringList releases;
  QList<Screenshot> screenshots;
};

Metainfo ReadMetainfo() {
  // The listing as the build makes it, with the project's version in its release.
  QFile file(QStringLiteral(QUILLET_METAINFO));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  Metainfo metainfo;
  QXmlStreamReader xml(&file);
  int releaseDepth = 0;
  while (!xml.atEnd()) {
    const auto token = xml.readNext();
    if (token == QXmlStreamReader::EndElement && xml.name() == u"release") {
      --releaseDepth;
    }
    if (token != QXmlStreamReader::StartElement) {
      continue;
    }
    const auto name = xml.name();
    if (name == u"id") {
      metainfo.id = xml.readElementText();
    } else if (name == u"icon") {
      metainfo.icon = xml.readElementText();
    } else if (name == u"project_license") {
      metainfo.projectLicense = xml.readElementText();
    } else if (name == u"value") {
      const QString key = xml.attributes().value("key").toString();
      metainfo.custom.insert(key, xml.readElementText());
    } else if (name == u"release") {
      ++releaseDepth;
      metainfo.releases.append(xml.attributes().value("version").toString());
    } else if (name == u"description" && releaseDepth == 0) {
      metainfo.description = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (name == u"caption") {
      metainfo.screenshots.append({xml.readElementText(), {}, 0, 0});
    } else if (name == u"image" && !metainfo.screenshots.isEmpty()) {
      Screenshot& shot = metainfo.screenshots.last();
      shot.width = xml.attributes().value("width").toInt();
      shot.height = xml.attributes().value("height").toInt();
      shot.url = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return metainfo;
}

QString ReadText(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
  return QString::fromUtf8(file.readAll());
}

TEST(DesktopMetadataTest, VersionBlockStaysInTheProgram) {
  const struct {
    const char* key;
    const char* value;
    const char* expected;
  } fields[] = {
      {"FileVersion", kVersionInfo.fileVersion, "1, 0, 0, 1"},
      {"ProductVersion", kVersionInfo.productVersion, "1, 0, 0, 1"},
      {"FileDescription", kVersionInfo.fileDescription, "Quillet MFC Application"},
      {"InternalName", kVersionInfo.internalName, "Quillet"},
      {"OriginalFilename", kVersionInfo.originalFilename, "Quillet.EXE"},
      {"ProductName", kVersionInfo.productName, "Quillet Application"},
      {"CompanyName", kVersionInfo.companyName, ""},
      {"LegalCopyright", kVersionInfo.legalCopyright, "Copyright (C) 1998"},
      {"LegalTrademarks", kVersionInfo.legalTrademarks, ""},
  };
  const Metainfo metainfo = ReadMetainfo();
  EXPECT_TRUE(metainfo.custom.isEmpty()) << "the listing repeats the version block";
  for (const auto& field : fields) {
    EXPECT_STREQ(field.value, field.expected) << field.key;
    if (*field.expected != '\0') {
      EXPECT_FALSE(metainfo.description.contains(field.expected)) << field.key;
    }
  }
}

TEST(DesktopMetadataTest, MetainfoReleaseIsTheProjectVersion) {
  EXPECT_EQ(ReadMetainfo().releases, QStringList{QUILLET_VERSION});
}

TEST(DesktopMetadataTest, ListingLicenceIsTheLicenceFile) {
  const QString licence = ReadText(kSourceFolder + "LICENSE");
  EXPECT_TRUE(licence.startsWith("MIT License\n"));
  EXPECT_TRUE(licence.contains("\nCopyright (c) 2026 The Quillet developers\n"));
  EXPECT_EQ(ReadMetainfo().projectLicense, "MIT");
  EXPECT_TRUE(ReadText(kSourceFolder + "README.md").contains("LICENSE"));
}

TEST(DesktopMetadataTest, EntryAndListingNameTheIconByTheApplicationId) {
  const Metainfo metainfo = ReadMetainfo();
  EXPECT_EQ(metainfo.id, kAppId);
  EXPECT_EQ(metainfo.icon, kAppId);
  const QSettings entry(kDesktopFolder + kAppId + ".desktop", QSettings::IniFormat);
  EXPECT_EQ(entry.value("Desktop Entry/Icon").toString(), kAppId);
}

// Each screenshot is one of the README's pictures, at its true size, with a caption.
TEST(DesktopMetadataTest, ScreenshotsAreTheReadmePictures) {
  const QString readme = ReadText(kSourceFolder + "README.md");
  const QList<Screenshot> screenshots = ReadMetainfo().screenshots;
  ASSERT_FALSE(screenshots.isEmpty());
  for (const Screenshot& shot : screenshots) {
    const QString picture = "docs/" + QFileInfo(shot.url).fileName();
    SCOPED_TRACE(picture.toStdString());
    EXPECT_FALSE(shot.caption.trimmed().isEmpty());
    EXPECT_TRUE(readme.contains("(" + picture + ")"));
    const QImage image(kSourceFolder + picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), shot.width);
    EXPECT_EQ(image.height(), shot.height);
  }
}

QImage Icon128(int size) {
  const QIcon icon(QString::fromStdString(ResourceImagePath(IDR_MAINFRAME)));
  return icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGB32);
}

// Every hicolor icon is one of icon 128's two pictures with each pixel made a square of
// whole pixels: the 16-pixel picture for 16 and 48, the 32-pixel one for the others.
TEST(DesktopMetadataTest, HicolorIconsAreIcon128EnlargedPixelForPixel) {
  for (int size : {16, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage installed(kDesktopFolder +
                           QString("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId));
    ASSERT_FALSE(installed.isNull());
    const QImage original = Icon128(size % 32 == 0 ? 32 : 16);
    const QImage enlarged =
        original.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(installed.convertToFormat(QImage::Format_RGB32), enlarged);
  }
}

// The scalable icon draws the 32-pixel picture as squares on a whole-pixel grid; painting its
// rectangles one pixel a unit gives the picture back.
TEST(DesktopMetadataTest, ScalableIconIsIcon128InSquares) {
  QFile file(kDesktopFolder + "icons/hicolor/scalable/apps/" + kAppId + ".svg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QImage drawn(32, 32, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  QPainter painter(&drawn);
  QXmlStreamReader svg(&file);
  int rectangles = 0;
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement || svg.name() != u"rect") {
      continue;
    }
    const auto attributes = svg.attributes();
    const QRect square(attributes.value("x").toInt(), attributes.value("y").toInt(),
                       attributes.value("width").toInt(), attributes.value("height").toInt());
    painter.fillRect(square, QColor(attributes.value("fill").toString()));
    ++rectangles;
  }
  painter.end();
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  EXPECT_GT(rectangles, 1);
  EXPECT_EQ(drawn, Icon128(32));
}

}  // namespace

// The files that present the program to a Linux desktop repeat what the program itself
// holds: the version block in the AppStream metadata, icon 128 in the hicolor icons.

#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include "res/resource.h"
#include "res/resources.h"

namespace {

const QString kDesktopFolder = QStringLiteral(QUILLET_SOURCE_DIR "/desktop/");

struct Metainfo {
  QMap<QString, QString> custom;  // the <custom> values by key
  QStringList releases;
};

Metainfo ReadMetainfo() {
  QFile file(kDesktopFolder + "org.quillet.Quillet.metainfo.xml");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  Metainfo metainfo;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) {
      continue;
    }
    if (xml.name() == u"value") {
      const QString key = xml.attributes().value("key").toString();
      metainfo.custom.insert(key, xml.readElementText());
    } else if (xml.name() == u"release") {
      metainfo.releases.append(xml.attributes().value("version").toString());
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return metainfo;
}

TEST(DesktopMetadataTest, MetainfoCarriesTheVersionBlock) {
  const struct {
    const char* key;
    const char* value;
  } fields[] = {
      {"FileVersion", kVersionInfo.fileVersion},
      {"ProductVersion", kVersionInfo.productVersion},
      {"FileDescription", kVersionInfo.fileDescription},
      {"InternalName", kVersionInfo.internalName},
      {"OriginalFilename", kVersionInfo.originalFilename},
      {"ProductName", kVersionInfo.productName},
      {"CompanyName", kVersionInfo.companyName},
      {"LegalCopyright", kVersionInfo.legalCopyright},
      {"LegalTrademarks", kVersionInfo.legalTrademarks},
  };
  const Metainfo metainfo = ReadMetainfo();
  EXPECT_EQ(metainfo.custom.size(), std::size(fields));
  for (const auto& field : fields) {
    ASSERT_TRUE(metainfo.custom.contains(field.key)) << field.key;
    EXPECT_EQ(metainfo.custom.value(field.key).toStdString(), field.value) << field.key;
  }
}

TEST(DesktopMetadataTest, MetainfoReleaseIsTheProjectVersion) {
  EXPECT_EQ(ReadMetainfo().releases, QStringList{QUILLET_VERSION});
}

TEST(DesktopMetadataTest, HicolorIconsArePixelForPixelIcon128) {
  const QIcon icon(QString::fromStdString(ResourceImagePath(IDR_MAINFRAME)));
  for (int size : {16, 32}) {
    SCOPED_TRACE(size);
    const QImage installed(kDesktopFolder + QString("icons/%1x%1/quillet.png").arg(size));
    ASSERT_FALSE(installed.isNull());
    const QImage built = icon.pixmap(size).toImage();
    EXPECT_EQ(installed.convertToFormat(QImage::Format_RGB32),
              built.convertToFormat(QImage::Format_RGB32));
  }
}

}  // namespace

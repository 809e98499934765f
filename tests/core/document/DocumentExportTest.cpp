#include "core/document/DocumentExport.h"
#include "core/document/Fotino.h"
#include "core/platform/FileManager.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DocumentExportTest : public ::testing::Test {
protected:
    // A 3.5 x 4.5 cm document with a blue picture covering the frame.
    void SetUp() override {
        QImage picture(400, 600, QImage::Format_RGB888);
        picture.fill(QColor(0, 0, 255));
        ASSERT_TRUE(picture.save(docs.filePath(QStringLiteral("Doc.png"))));
        doc.setFilePath(docs.filePath(QStringLiteral("Doc.ftoct")));
        doc.setImageName(QStringLiteral("Doc.png"));
        doc.setPictureSize(100);
        doc.setOffset(QPointF(50, 50));
        doc.setPictureVersion(1);
    }

    QVariantMap options(const QString& name, int format, int resolution = 300, int width = 0,
                        int height = 0) const {
        return {{DocumentExport::kFilename, out.filePath(name)},
                {DocumentExport::kFormat, format},
                {DocumentExport::kResolution, resolution},
                {DocumentExport::kQuality, 0.9f},
                {DocumentExport::kWidth, width},
                {DocumentExport::kHeight, height}};
    }
    QStringList written() const { return FileManager::contentsOfDirectoryAtPath(out.path()); }

    TemporaryHome home;
    QTemporaryDir docs;
    QTemporaryDir out;
    Fotino doc;
};

struct NameCase {
    const char* name;
    const char* typed;
    int format;
    const char* file;
};
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportNames : public DocumentExportTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(ExportNames, TheFormatsExtensionReplacesTheTypedOnes) {
    const NameCase& c = GetParam();
    const QVariantMap chosen = options(QString::fromUtf8(c.typed), c.format);
    EXPECT_EQ(DocumentExport::outputPath(chosen), out.filePath(QString::fromUtf8(c.file)));
    EXPECT_EQ(DocumentExport::exportFotino(doc, chosen), DocumentExport::Result::Written);
    EXPECT_EQ(written(), QStringList{QString::fromUtf8(c.file)});
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExportNames,
    ::testing::Values(NameCase{"plain_jpeg", "photo", DocumentExport::JPEG, "photo.jpg"},
                      NameCase{"tif_as_png", "photo.tif", DocumentExport::PNG, "photo.png"},
                      // The extension is removed twice: once for the name, once by the writer.
                      NameCase{"two_dots", "id.front.left", DocumentExport::TIFF, "id.tif"},
                      NameCase{"spaces_accents", "Zoë passeport", DocumentExport::PNG,
                               "Zoë passeport.png"}),
    NameOfParam());

struct FormatCase {
    const char* name;
    int format;
    const char* readerFormat;
};
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportFormats : public DocumentExportTest,
                      public ::testing::WithParamInterface<FormatCase> {};

// Another program must print the file at the document's size.
TEST_P(ExportFormats, FilesCarryTheirResolution) {
    const FormatCase& c = GetParam();
    ASSERT_EQ(DocumentExport::exportFotino(doc, options(QStringLiteral("photo"), c.format)),
              DocumentExport::Result::Written);
    QImageReader reader(DocumentExport::outputPath(options(QStringLiteral("photo"), c.format)));
    EXPECT_EQ(reader.format(), QByteArray(c.readerFormat));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(413, 531));
    EXPECT_NEAR(image.width() * 100.0 / image.dotsPerMeterX(), 3.5, 0.01);
    EXPECT_NEAR(image.height() * 100.0 / image.dotsPerMeterY(), 4.5, 0.01);
    const QColor middle = image.pixelColor(206, 265);
    EXPECT_GT(middle.blue(), 200);
    EXPECT_LT(middle.red(), 40);
}

INSTANTIATE_TEST_SUITE_P(Formats, ExportFormats,
                         ::testing::Values(FormatCase{"tiff", DocumentExport::TIFF, "tiff"},
                                           FormatCase{"jpeg", DocumentExport::JPEG, "jpeg"},
                                           FormatCase{"png", DocumentExport::PNG, "png"}),
                         NameOfParam());

TEST_F(DocumentExportTest, AnExactPixelSizeIsHonoured) {
    const QVariantMap chosen = options(QStringLiteral("exact"), DocumentExport::PNG, 0, 600, 800);
    ASSERT_EQ(DocumentExport::exportFotino(doc, chosen), DocumentExport::Result::Written);
    EXPECT_EQ(QImageReader(DocumentExport::outputPath(chosen)).size(), QSize(600, 800));
}

TEST_F(DocumentExportTest, FailuresWriteNothingAndKeepWhatWasThere) {
    QVariantMap missingFolder = options(QStringLiteral("photo"), DocumentExport::PNG);
    missingFolder[DocumentExport::kFilename] = out.filePath(QStringLiteral("gone/photo"));
    EXPECT_EQ(DocumentExport::exportFotino(doc, missingFolder), DocumentExport::Result::NoFolder);
    EXPECT_EQ(DocumentExport::exportFotino(doc, options(QStringLiteral("photo"), 7)),
              DocumentExport::Result::UnknownFormat);
    EXPECT_TRUE(written().isEmpty());

    // A folder where the file would go cannot be replaced.
    ASSERT_TRUE(QDir(out.path()).mkdir(QStringLiteral("taken.png")));
    EXPECT_EQ(DocumentExport::exportFotino(doc, options(QStringLiteral("taken"), 2)),
              DocumentExport::Result::WriteFailed);
    EXPECT_TRUE(FileManager::isDirectoryAtPath(out.filePath(QStringLiteral("taken.png"))));
}

TEST_F(DocumentExportTest, AnExistingFileIsWhollyReplaced) {
    const QString target = out.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(FileManager::createFileAtPath(target, QByteArray(4 << 20, 'x')));
    ASSERT_EQ(DocumentExport::exportFotino(doc, options(QStringLiteral("photo"), 2)),
              DocumentExport::Result::Written);
    EXPECT_EQ(QImageReader(target).size(), QSize(413, 531));
    EXPECT_LT(QFileInfo(target).size(), 1 << 20);
    EXPECT_EQ(written(), QStringList{QStringLiteral("photo.png")});
}

} // namespace

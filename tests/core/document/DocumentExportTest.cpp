#include "core/document/DocumentExport.h"
#include "core/document/Fotino.h"
#include "core/platform/FileManager.h"
#include "core/platform/UserDefaults.h"
#include "support/DocumentTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

class DocumentExportTest : public ::testing::Test {
protected:
    // A 3.5 x 4.5 cm document with a blue picture covering the frame.
    void SetUp() override {
        documenttest::frame(doc, docs.path(), QStringLiteral("Doc"), QSize(400, 600), Qt::blue,
                            100);
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
    ::testing::Values(
        NameCase{"plain_jpeg", "photo", DocumentExport::JPEG, "photo.jpg"},
        NameCase{"tif_as_png", "photo.tif", DocumentExport::PNG, "photo.png"},
        // Only a picture format's extension goes; other dots are the name's.
        NameCase{"two_dots", "id.front.left", DocumentExport::TIFF, "id.front.left.tif"},
        NameCase{"title", "Dr. Weber", DocumentExport::JPEG, "Dr. Weber.jpg"},
        NameCase{"upper_case", "scan.JPEG", DocumentExport::PNG, "scan.png"},
        NameCase{"two_picture_extensions", "photo.png.tiff", DocumentExport::JPEG, "photo.jpg"},
        NameCase{"spaces_accents", "Zoë passeport", DocumentExport::PNG, "Zoë passeport.png"}),
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

struct Density {
    int units; // 1: dots per inch, 2: per centimetre
    int x;
    int y;
    friend bool operator==(const Density&, const Density&) = default;
};
void PrintTo(const Density& d, std::ostream* os) {
    *os << "units " << d.units << ", " << d.x << " x " << d.y;
}

// The density of a JFIF header, read straight from the bytes.
Density jfifDensity(const QByteArray& jpeg) {
    const auto byte = [&](int i) { return static_cast<unsigned char>(jpeg.at(i)); };
    if (jpeg.size() < 18 || jpeg.mid(6, 5) != QByteArray("JFIF\0", 5)) {
        return {};
    }
    return {byte(13), byte(14) << 8 | byte(15), byte(16) << 8 | byte(17)};
}

TEST_F(DocumentExportTest, JpegsDeclareWholeDotsPerInch) {
    const QVariantMap at300 = options(QStringLiteral("at300"), DocumentExport::JPEG);
    ASSERT_EQ(DocumentExport::exportFotino(doc, at300), DocumentExport::Result::Written);
    EXPECT_EQ(jfifDensity(*FileManager::contentsAtPath(DocumentExport::outputPath(at300))),
              (Density{1, 300, 300}));
    // 600 x 800 pixels on 3.5 x 4.5 cm of 28.35 points: 435.43 and 451.50 dpi.
    const QVariantMap exact = options(QStringLiteral("exact"), DocumentExport::JPEG, 0, 600, 800);
    ASSERT_EQ(DocumentExport::exportFotino(doc, exact), DocumentExport::Result::Written);
    EXPECT_EQ(jfifDensity(*FileManager::contentsAtPath(DocumentExport::outputPath(exact))),
              (Density{1, 435, 451}));
}

struct OwnedCase {
    const char* name;
    const char* typed; // in the documents folder, or in the other folder with "out/"
    int format;
};
void PrintTo(const OwnedCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportOverDocuments : public DocumentExportTest,
                            public ::testing::WithParamInterface<OwnedCase> {
protected:
    void SetUp() override {
        DocumentExportTest::SetUp();
        ASSERT_TRUE(doc.saveToFile());
        // Another document with its picture copy in the folder exported to.
        Fotino other;
        other.setImageName(QStringLiteral("Other.jpg"));
        ASSERT_TRUE(other.saveToFile(out.filePath(QStringLiteral("Other.ftoct"))));
        ASSERT_TRUE(FileManager::createFileAtPath(out.filePath(QStringLiteral("Other.jpg")), "x"));
        // A link in the other folder that leads to this document's picture copy.
        ASSERT_TRUE(QFile::link(docs.filePath(QStringLiteral("Doc.png")),
                                out.filePath(QStringLiteral("link.png"))));
    }
    QString at(const char* typed) const {
        const QString name = QString::fromUtf8(typed);
        return name.startsWith(QLatin1String("out/")) ? out.filePath(name.mid(4))
                                                      : docs.filePath(name);
    }
};

TEST_P(ExportOverDocuments, NeverReplacesAFileOfADocument) {
    const OwnedCase& c = GetParam();
    const auto before = [&] {
        QStringList all;
        for (const QString& folder : {docs.path(), out.path()}) {
            for (const QString& name : FileManager::contentsOfDirectoryAtPath(folder)) {
                all << name + QLatin1Char(' ') +
                           QString::fromLatin1(
                               FileManager::contentsAtPath(QDir(folder).filePath(name))
                                   .value_or(QByteArray())
                                   .toHex()
                                   .left(64));
            }
        }
        return all;
    };
    const QStringList files = before();
    QVariantMap chosen = options(QString(), c.format);
    chosen[DocumentExport::kFilename] = at(c.typed);
    EXPECT_EQ(DocumentExport::exportFotino(doc, chosen), DocumentExport::Result::DocumentsFile);
    EXPECT_EQ(before(), files);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ExportOverDocuments,
    ::testing::Values(OwnedCase{"own_picture_copy", "Doc", DocumentExport::PNG},
                      OwnedCase{"typed_with_extension", "Doc.tif", DocumentExport::PNG},
                      OwnedCase{"other_documents_picture", "out/Other", DocumentExport::JPEG},
                      OwnedCase{"link_to_the_picture_copy", "out/link", DocumentExport::PNG}),
    NameOfParam());

TEST_F(DocumentExportTest, ANameBesideADocumentThatIsNotItsFileIsWritten) {
    ASSERT_TRUE(doc.saveToFile());
    QVariantMap chosen = options(QString(), DocumentExport::TIFF);
    chosen[DocumentExport::kFilename] = docs.filePath(QStringLiteral("Doc"));
    EXPECT_EQ(DocumentExport::exportFotino(doc, chosen), DocumentExport::Result::Written);
    EXPECT_TRUE(FileManager::fileExistsAtPath(docs.filePath(QStringLiteral("Doc.tif"))));
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

struct LimitCase {
    const char* name;
    int format;
    int pixels; // a square of that many
    int maxKilobytes;
    DocumentExport::Result result;
};
void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportWithinLimit : public DocumentExportTest,
                          public ::testing::WithParamInterface<LimitCase> {};

TEST_P(ExportWithinLimit, AJpegFitsOrNothingIsWritten) {
    const LimitCase& c = GetParam();
    QVariantMap chosen = options(QStringLiteral("photo"), c.format, 0, c.pixels, c.pixels);
    chosen[DocumentExport::kMaxKilobytes] = c.maxKilobytes;
    const QString target = DocumentExport::outputPath(chosen);
    ASSERT_TRUE(FileManager::createFileAtPath(target, "the earlier export"));
    FileFormatsExport::JPEGFit fit;
    ASSERT_EQ(DocumentExport::exportFotino(doc, chosen, &fit), c.result);
    const QByteArray file = FileManager::contentsAtPath(target).value_or(QByteArray());
    if (c.result != DocumentExport::Result::Written) {
        EXPECT_EQ(file, QByteArray("the earlier export"));
        EXPECT_GT(fit.smallestBytes, c.maxKilobytes * 1000);
    } else if (c.format == DocumentExport::JPEG) {
        EXPECT_LE(file.size(), c.maxKilobytes * 1000);
        EXPECT_EQ(file, fit.data);
        EXPECT_EQ(QImageReader(target).size(), QSize(c.pixels, c.pixels));
    } else {
        // The lossless formats leave the limit aside.
        EXPECT_EQ(QImageReader(target).size(), QSize(c.pixels, c.pixels));
    }
    EXPECT_EQ(written(), QStringList{FileManager::lastPathComponent(target)});
}

INSTANTIATE_TEST_SUITE_P(Limits, ExportWithinLimit,
                         ::testing::Values(LimitCase{"fits", DocumentExport::JPEG, 600, 20,
                                                     DocumentExport::Result::Written},
                                           LimitCase{"too_many_pixels_for_1_kb",
                                                     DocumentExport::JPEG, 3000, 1,
                                                     DocumentExport::Result::TooLarge},
                                           LimitCase{"png_leaves_it_aside", DocumentExport::PNG,
                                                     600, 1, DocumentExport::Result::Written}),
                         NameOfParam());

} // namespace

namespace {

// Which of the three folders the export panel opens in, by what exists.
TEST(ExportStartFolder, RememberedElsePicturesElseHomeNeverTheWorkingFolder) {
    struct Case {
        const char* what;
        const char* remembered; // relative to the home; "-" for none
        std::vector<const char*> existing;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"remembered", "out", {"out", "Pictures", "Bilder"}, "out"},
        {"remembered gone", "out", {"Pictures", "Bilder"}, "Bilder"},
        {"remembered is a file", "file", {"Bilder"}, "Bilder"},
        {"never exported", "-", {"Pictures", "Bilder"}, "Bilder"},
        {"the home's Pictures", "-", {"Pictures"}, "Pictures"},
        {"no pictures folder", "-", {}, ""},
        {"remembered gone, no pictures folder", "out", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryHome home;
        QDir dir(home.path());
        for (const char* folder : c.existing) {
            ASSERT_TRUE(dir.mkpath(QString::fromLatin1(folder)));
        }
        QFile file(dir.filePath(QStringLiteral("file")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        UserDefaults& defaults = UserDefaults::standardUserDefaults();
        if (QLatin1String(c.remembered) != QLatin1String("-")) {
            defaults.setObject(dir.filePath(QString::fromLatin1(c.remembered)),
                               DocumentExport::kExportPathKey);
        }
        // The desktop's pictures folder first ("Bilder" in German), then the home's Pictures.
        const QString folder = DocumentExport::startFolder(
            defaults,
            {dir.filePath(QStringLiteral("Bilder")), dir.filePath(QStringLiteral("Pictures"))},
            home.path());
        EXPECT_EQ(folder, QDir::cleanPath(dir.filePath(QString::fromLatin1(c.expected))));
    }
}

TEST(ExportStartFolder, ARelativeRememberedFolderIsNotTakenFromTheWorkingFolder) {
    TemporaryHome home;
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(home.path()));
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("out")));
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    defaults.setObject(QStringLiteral("out"), DocumentExport::kExportPathKey);
    const QString folder =
        DocumentExport::startFolder(defaults, {}, home.filePath(QStringLiteral("h")));
    QDir::setCurrent(working);
    EXPECT_EQ(folder, home.filePath(QStringLiteral("h")));
}

} // namespace

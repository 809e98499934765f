#include "core/analysis/PictureImport.h"
#include "core/analysis/FaceFinder.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/Fotino.h"
#include "core/document/PictureScale.h"
#include "core/platform/FileManager.h"
#include "core/presets/Preset.h"
#include "support/DocumentTestSupport.h"
#include "support/ImageTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using Failure = PictureImport::Failure;

QString samplePortrait() {
    return QStringLiteral(FOTINO_SOURCE_DIR "/tests/data/portrait-512.jpg");
}

using imagetest::blankPicture;

std::shared_ptr<Preset> icao() {
    return PictureImport::presetNamed(QStringLiteral("00-icao-35x45"), Preset::presets());
}

class PictureImportTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(icao()) << "the built-in presets are found"; }

    QString library() const { return home.filePath(QStringLiteral("Documents/Fotino")); }
    QString picture(const QString& name) const { return pictures.filePath(name); }
    QStringList libraryFiles() const { return FileManager::contentsOfDirectoryAtPath(library()); }

    TemporaryHome home;
    QTemporaryDir pictures;
    FaceFinder finder;
};

TEST_F(PictureImportTest, MakesADocumentNamedAfterThePictureFramedAsANewOne) {
    const QString source = blankPicture(picture(QStringLiteral("Visa photo.v2.png")));
    PictureImport import(library(), *icao(), finder);
    const PictureImport::Outcome made = import.importPicture(source);

    ASSERT_TRUE(made.succeeded());
    EXPECT_EQ(made.name, QStringLiteral("Visa photo.v2"));
    EXPECT_EQ(made.path, QDir(library()).filePath(QStringLiteral("Visa photo.v2.ftoct")));
    EXPECT_EQ(libraryFiles(), (QStringList{QStringLiteral("Visa photo.v2.ftoct"),
                                           QStringLiteral("Visa photo.v2.png")}));
    EXPECT_TRUE(FileManager::contentsEqualAtPath(
        source, QDir(library()).filePath(QStringLiteral("Visa photo.v2.png"))));

    const auto document = Fotino::initWithPath(made.path);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->name(), QStringLiteral("Visa photo.v2"));
    EXPECT_EQ(document->imageName(), QStringLiteral("Visa photo.v2.png"));
    EXPECT_EQ(document->fileType(), Fotino::kFileType);
    EXPECT_EQ(document->stringForKey(AttributeKeys::kPresetName), icao()->name());
    EXPECT_FLOAT_EQ(document->widthInCm(), 3.5f);
    EXPECT_FLOAT_EQ(document->heightInCm(), 4.5f);
    EXPECT_EQ(document->pictureVersion(), 1);
    EXPECT_FALSE(document->image().isNull()) << "a thumbnail for the library";
    // The editor's framing of a new document: the photo covered, the picture centred.
    EXPECT_FLOAT_EQ(document->pictureSize(),
                    PictureScale::coveringScale(document->originalPictureSize(), 3.5f / 4.5f));
    EXPECT_EQ(document->offset(),
              QPointF(PictureScale::kCentredOffset, PictureScale::kCentredOffset));

    EXPECT_FALSE(made.report.faceFound);
    EXPECT_EQ(PictureImport::reportLine(made),
              QStringLiteral("Visa photo.v2\t%1\t-\t-\tno face").arg(made.path));
    // Listed by the library as it lists any document.
    EXPECT_EQ(documenttest::namesOf(DocumentLibrary::listDocuments(library())),
              QStringList{QStringLiteral("Visa photo.v2")});
}

TEST_F(PictureImportTest, NamesInUseAreNumberedAndOneNameGivenToSeveralPicturesToo) {
    QDir().mkpath(library());
    const QDir dir(library());
    documenttest::writeDocument(dir.filePath(QStringLiteral("a.ftoct")), QStringLiteral("a"));
    // A document whose file was renamed outside the program still holds its name.
    documenttest::writeDocument(dir.filePath(QStringLiteral("other.ftoct")), QStringLiteral("b"));
    ASSERT_TRUE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("c.cftn")), "c"));
    ASSERT_TRUE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("d.png")), "d"));

    PictureImport import(library(), *icao(), finder);
    QStringList names;
    for (const char* file : {"a.png", "b.png", "c.png", "d.png", "a.png"}) {
        const auto made = import.importPicture(blankPicture(picture(QString::fromLatin1(file))));
        EXPECT_TRUE(made.succeeded()) << file;
        names << made.name;
    }
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("a 2"), QStringLiteral("b 2"), QStringLiteral("c 2"),
                           QStringLiteral("d 2"), QStringLiteral("a 3")}));
    EXPECT_EQ(FileManager::contentsAtPath(dir.filePath(QStringLiteral("d.png"))), QByteArray("d"))
        << "a file of the same name is never replaced";

    import.setName(QStringLiteral("Visa"));
    names.clear();
    for (const char* file : {"x.png", "y.png", "z.png"}) {
        names << import.importPicture(blankPicture(picture(QString::fromLatin1(file)))).name;
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("Visa"), QStringLiteral("Visa 2"),
                                  QStringLiteral("Visa 3")}));
}

// A name with room for itself but not for its number cannot be numbered.
TEST(PictureImportNames, ANameInUseWithoutRoomForANumberHasNoUniqueForm) {
    QTemporaryDir folder;
    const QString longest(248, QLatin1Char('x'));
    EXPECT_EQ(PictureImport::uniqueName(folder.path(), longest, QString(), {}), longest);
    EXPECT_TRUE(PictureImport::uniqueName(folder.path(), longest, QString(), {longest}).isEmpty());
}

struct BadPicture {
    const char* name;
    Failure failure;
};

void PrintTo(const BadPicture& bad, std::ostream* os) {
    *os << bad.name;
}

class PictureImportFailure : public PictureImportTest,
                             public ::testing::WithParamInterface<BadPicture> {
protected:
    // The picture of the case, made in the pictures folder.
    QString makeBadPicture(const QString& kind) {
        if (kind == QLatin1String("text")) {
            const QString path = picture(QStringLiteral("notes.jpg"));
            EXPECT_TRUE(FileManager::createFileAtPath(path, "not a picture at all"));
            return path;
        }
        if (kind == QLatin1String("broken")) {
            // A PNG by its signature, with nothing after it: read far enough to be copied.
            const QString path = picture(QStringLiteral("broken.png"));
            EXPECT_TRUE(FileManager::createFileAtPath(
                path, QByteArray::fromHex("89504e470d0a1a0a0000000d49484452")));
            return path;
        }
        if (kind == QLatin1String("folder")) {
            const QString path = picture(QStringLiteral("folder.png"));
            QDir().mkpath(path);
            return path;
        }
        if (kind == QLatin1String("pipe")) {
            // Opening a pipe nobody writes to would wait for ever.
            const QString path = picture(QStringLiteral("pipe.png"));
            EXPECT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
            return path;
        }
        if (kind == QLatin1String("control characters")) {
            return blankPicture(picture(QStringLiteral("line\nbreak.png")));
        }
        return blankPicture(picture(QString(250, QLatin1Char('n')) + QStringLiteral(".png")));
    }
};

TEST_P(PictureImportFailure, LeavesNothingBehindAndTheNextPictureStillGoesIn) {
    const BadPicture& bad = GetParam();
    QDir().mkpath(library());
    const QString before = blankPicture(picture(QStringLiteral("before.png")));
    PictureImport import(library(), *icao(), finder);
    ASSERT_TRUE(import.importPicture(before).succeeded());
    const QStringList files = libraryFiles();

    const auto failed = import.importPicture(makeBadPicture(QString::fromLatin1(bad.name)));
    EXPECT_EQ(failed.failure, bad.failure);
    EXPECT_TRUE(failed.path.isEmpty());
    EXPECT_EQ(libraryFiles(), files);

    EXPECT_TRUE(
        import.importPicture(blankPicture(picture(QStringLiteral("after.png")))).succeeded());
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureImportFailure,
                         ::testing::Values(BadPicture{"text", Failure::UnreadablePicture},
                                           BadPicture{"broken", Failure::UnreadablePicture},
                                           BadPicture{"folder", Failure::UnreadablePicture},
                                           BadPicture{"pipe", Failure::UnreadablePicture},
                                           BadPicture{"control characters", Failure::UnusableName},
                                           BadPicture{"long name", Failure::UnusableName}),
                         NameOfParam());

// A disk that fills up after the picture's copy: the document file cannot be written, and the
// copy goes again.
TEST_F(PictureImportTest, ADiskThatFillsUpLeavesNoPictureCopyBehind) {
    const QString source = blankPicture(picture(QStringLiteral("small.png")), QSize(40, 30));
    ASSERT_LT(QFileInfo(source).size(), 8 * 1024);
    QDir().mkpath(library());
    PictureImport import(library(), *icao(), finder);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 16 * 1024; // below the document's thumbnail
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto failed = import.importPicture(source);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(failed.failure, Failure::WriteFailed);
    EXPECT_EQ(libraryFiles(), QStringList());
    EXPECT_TRUE(import.importPicture(source).succeeded()) << "with room again";
}

TEST(PictureImportPreset, ReplacesTheMaskAndRulesOfThePreviousPresetAndKeepsADocument) {
    TemporaryHome home;
    Fotino document;
    document.setObject(QByteArray("old mask"), AttributeKeys::kPresetMask);
    document.setObject(QVariantMap{{QStringLiteral("headMin"), 32.0}}, AttributeKeys::kPresetRules);
    document.setObject(QStringLiteral("kept"), QStringLiteral("somethingElse"));
    Preset preset;
    preset.setName(QStringLiteral("Card"));
    preset.setPrintWidth(2.5f, 3.0f);
    preset.setFileType(Preset::kFileType);

    preset.applyTo(document);
    EXPECT_FALSE(document.objectForKey(AttributeKeys::kPresetMask).isValid());
    EXPECT_FALSE(document.objectForKey(AttributeKeys::kPresetRules).isValid());
    EXPECT_EQ(document.stringForKey(QStringLiteral("somethingElse")), QStringLiteral("kept"));
    EXPECT_EQ(document.stringForKey(AttributeKeys::kPresetName), QStringLiteral("Card"));
    EXPECT_FLOAT_EQ(document.widthInCm(), 2.5f);
    EXPECT_FLOAT_EQ(document.heightInCm(), 3.0f);
    EXPECT_NE(document.fileType(), Preset::kFileType);
}

TEST(PictureImportPreset, FindsAPresetByNameOrABuiltInOneByItsFileName) {
    TemporaryHome home;
    const auto presets = Preset::presets();
    ASSERT_FALSE(presets.empty());
    const auto& first = presets.front();
    ASSERT_TRUE(first->builtIn());
    const QString file = FileManager::lastPathComponent(first->filePath());
    EXPECT_EQ(PictureImport::presetNamed(first->name(), presets), first);
    EXPECT_EQ(PictureImport::presetNamed(file, presets), first);
    EXPECT_EQ(PictureImport::presetNamed(FileManager::pathWithoutExtension(file), presets), first);
    for (const QString& unknown :
         {QString(), QStringLiteral("Nowhere"), QStringLiteral("ftnpst")}) {
        EXPECT_FALSE(PictureImport::presetNamed(unknown, presets)) << unknown.toStdString();
    }

    // The user's preset of the same name wins, as in the editor's list; its file name is no name.
    auto mine = std::static_pointer_cast<Preset>(first->copy());
    mine->setFilePath(home.filePath(QStringLiteral("mine.ftnpst")));
    auto all = presets;
    all.push_back(mine);
    EXPECT_EQ(PictureImport::presetNamed(first->name(), all), mine);
    EXPECT_FALSE(PictureImport::presetNamed(QStringLiteral("mine"), all));
}

TEST(PictureImportReport, FiguresHaveOneDecimalAndTheNameStaysOnItsLine) {
    PictureImport::Outcome outcome;
    outcome.name = QStringLiteral("Ann\tB.\nC");
    outcome.path = QStringLiteral("/lib/Ann.ftoct");
    outcome.report.faceFound = true;
    outcome.report.headHeight = 33.96;
    outcome.report.headRange = MillimetreRange{32, 36};
    outcome.report.eyeLine = 30.04;
    EXPECT_EQ(PictureImport::reportLine(outcome),
              QStringLiteral("Ann B. C\t/lib/Ann.ftoct\t34.0\t30.0\tok"));
    outcome.report.headHeight = 36.5;
    outcome.report.eyeLine.reset();
    EXPECT_EQ(PictureImport::reportLine(outcome),
              QStringLiteral("Ann B. C\t/lib/Ann.ftoct\t36.5\t-\toutside"));
}

TEST_F(PictureImportTest, ChecksASavedDocumentWithoutWritingIt) {
    PictureImport import(library(), *icao(), finder);
    const auto made = import.importPicture(blankPicture(picture(QStringLiteral("Ann.png"))));
    ASSERT_TRUE(made.succeeded());
    const auto bytes = FileManager::contentsAtPath(made.path);

    const auto checked = PictureImport::check(made.path, finder);
    EXPECT_TRUE(checked.succeeded());
    EXPECT_EQ(PictureImport::reportLine(checked), PictureImport::reportLine(made));
    EXPECT_EQ(FileManager::contentsAtPath(made.path), bytes);

    // An old document, whose framing is converted for measuring and not saved.
    auto old = Fotino::initWithPath(made.path);
    old->setPictureVersion(0);
    old->setOffset(QPointF(10, 10));
    ASSERT_TRUE(old->saveToFile());
    const auto oldBytes = FileManager::contentsAtPath(made.path);
    EXPECT_TRUE(PictureImport::check(made.path, finder).succeeded());
    EXPECT_EQ(FileManager::contentsAtPath(made.path), oldBytes);

    FileManager::removeItemAtPath(QDir(library()).filePath(QStringLiteral("Ann.png")));
    EXPECT_EQ(PictureImport::check(made.path, finder).failure, Failure::UnreadablePicture);
    EXPECT_EQ(PictureImport::check(library(), finder).failure, Failure::UnreadableDocument);
    EXPECT_EQ(PictureImport::check(picture(QStringLiteral("Ann.png")), finder).failure,
              Failure::UnreadableDocument);
}

// Needs the face finder: skipped until it finds faces.
class PictureImportFace : public PictureImportTest {
protected:
    void SetUp() override {
        PictureImportTest::SetUp();
        if (!finder.isReady()) {
            GTEST_SKIP() << "the face finder is not ready";
        }
    }
};

TEST_F(PictureImportFace, TheSamplePortraitAutoFramedMeetsTheIcaoRules) {
    PictureImport import(library(), *icao(), finder);
    import.setAutoFrame(true);
    const auto made = import.importPicture(samplePortrait());
    ASSERT_TRUE(made.succeeded());
    ASSERT_TRUE(made.report.faceFound);
    ASSERT_TRUE(made.report.headHeight);
    EXPECT_GE(*made.report.headHeight, 32.0);
    EXPECT_LE(*made.report.headHeight, 36.0);
    EXPECT_TRUE(made.report.eyeLineInside());
    EXPECT_EQ(made.report.status(), QStringLiteral("ok"));

    // Measured again from the saved document, the same figures.
    const auto checked = PictureImport::check(made.path, finder);
    ASSERT_TRUE(checked.report.headHeight && checked.report.eyeLine);
    EXPECT_NEAR(*checked.report.headHeight, *made.report.headHeight, 0.1);
    EXPECT_NEAR(*checked.report.eyeLine, *made.report.eyeLine, 0.1);
}

TEST_F(PictureImportFace, WithoutAutoFrameTheFiguresAreThoseOfTheCoveringFraming) {
    PictureImport import(library(), *icao(), finder);
    const auto made = import.importPicture(samplePortrait());
    ASSERT_TRUE(made.succeeded());
    EXPECT_TRUE(made.report.faceFound);
    EXPECT_TRUE(made.report.headHeight && made.report.eyeLine);
    const auto document = Fotino::initWithPath(made.path);
    EXPECT_EQ(document->offset(),
              QPointF(PictureScale::kCentredOffset, PictureScale::kCentredOffset));
}

} // namespace

#include "app/CommandLine.h"
#include "core/document/Fotino.h"
#include "core/platform/FileManager.h"
#include "core/presets/Preset.h"
#include "support/DocumentTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/RunFotino.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using runfotino::Result;

// Runs the real program in the test's temporary home, with no display at all.
Result runFotino(const QStringList& arguments) {
    return runfotino::run(arguments);
}

class CommandLineTest : public ::testing::Test {
protected:
    TemporaryHome home;
    QTemporaryDir library;

    void writeDocument(const QString& file, const QString& name) {
        documenttest::writeDocument(library.filePath(file), name);
    }
};

TEST_F(CommandLineTest, ListsTheLibraryOneDocumentALine) {
    writeDocument(QStringLiteral("Visa.ftoct"), QStringLiteral("Visa"));
    writeDocument(QStringLiteral("b.ftoct"), QStringLiteral("Name\twith tab"));

    const Result r =
        runFotino({QStringLiteral("list"), QStringLiteral("--folder"), library.path()});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Name with tab\t3.50 x 4.50 cm\t") +
                         library.filePath(QStringLiteral("b.ftoct")) +
                         QStringLiteral("\nVisa\t3.50 x 4.50 cm\t") +
                         library.filePath(QStringLiteral("Visa.ftoct")) + QLatin1Char('\n'));
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(CommandLineTest, ListsTheDocumentsFolderOfTheDefaultsByDefault) {
    const QString folder = home.filePath(QStringLiteral("Documents/Fotino/"));
    ASSERT_TRUE(QDir().mkpath(folder));
    documenttest::writeDocument(folder + QStringLiteral("Permit.ftoct"), QStringLiteral("Permit"));
    const Result r = runFotino({QStringLiteral("list")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QLatin1String("Permit\t3.50 x 4.50 cm\t"))) << r.out.toStdString();
}

struct ExitCase {
    const char* name;
    const char* arguments; // separated by spaces
    int exitCode;
    bool errorLine;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandLineExit : public CommandLineTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(CommandLineExit, AnswersWithTheRightCode) {
    const ExitCase& c = GetParam();
    const Result r = runFotino(QString::fromLatin1(c.arguments).split(QLatin1Char(' ')));
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_EQ(!r.err.isEmpty(), c.errorLine);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CommandLineExit,
    ::testing::Values(
        ExitCase{"version", "--version", 0, false}, ExitCase{"help", "--help", 0, false},
        ExitCase{"missing folder", "list --folder /no/such", 1, true},
        ExitCase{"folder without value", "list --folder", 2, true},
        ExitCase{"unknown option", "list --fast", 2, true},
        ExitCase{"unknown command", "frobnicate", 2, true},
        ExitCase{"export unreadable document", "export /no/such.ftoct -o /no/photo", 1, true},
        ExitCase{"export without output", "export d.ftoct", 2, true},
        ExitCase{"export zero pixels", "export d.ftoct -o p --pixels 0x800", 2, true},
        ExitCase{"export two sizes", "export d.ftoct -o p --dpi 300 --pixels 10x10", 2, true},
        ExitCase{"export unknown format", "export d.ftoct -o p --format gif", 2, true},
        ExitCase{"export zero kilobytes", "export d.ftoct -o p --max-kb 0", 2, true},
        ExitCase{"export negative kilobytes", "export d.ftoct -o p --max-kb -5", 2, true},
        ExitCase{"export kilobytes not a number", "export d.ftoct -o p --max-kb 240k", 2, true},
        ExitCase{"export fractional kilobytes", "export d.ftoct -o p --max-kb 12.5", 2, true},
        ExitCase{"export kilobytes for png", "export d.ftoct -o p --max-kb 240 --format png", 2,
                 true},
        ExitCase{"export kilobytes and quality", "export d.ftoct -o p --max-kb 9 --quality 1", 2,
                 true},
        ExitCase{"export kilobytes without value", "export d.ftoct -o p --max-kb", 2, true},
        ExitCase{"view without document", "view", 2, true},
        ExitCase{"view two documents", "view a.ftoct b.ftoct", 2, true},
        ExitCase{"view unknown option", "view --zoom 2 a.ftoct", 2, true},
        ExitCase{"view unreadable document", "view /no/such.ftoct", 1, true}),
    NameOfParam());

TEST_F(CommandLineTest, ListsBuiltInPresetsThenTheUsersOwn) {
    Preset mine;
    mine.setName(QStringLiteral("Club\tcard"));
    mine.setPrintWidth(2.54f, 2.54f);
    const QString folder = home.filePath(QStringLiteral(".local/share/Fotino/Presets"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(mine.saveToFile(folder + QStringLiteral("/Club.ftnpst")));

    const Result r = runFotino({QStringLiteral("presets")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 26);
    EXPECT_TRUE(
        lines.first().startsWith(QStringLiteral("ICAO 35×45 mm\t3.50 x 4.50 cm\tbuilt-in\t")))
        << lines.first().toStdString();
    EXPECT_EQ(lines.last(), QStringLiteral("Club card\t2.54 x 2.54 cm\tuser\t") + folder +
                                QStringLiteral("/Club.ftnpst"));
}

TEST_F(CommandLineTest, ExportsThroughTheWindowsRoadAndSaysWhatItWrote) {
    writeDocument(QStringLiteral("Visa.ftoct"), QStringLiteral("Visa"));
    const QString doc = library.filePath(QStringLiteral("Visa.ftoct"));
    const QString typed = home.filePath(QStringLiteral("id.front"));
    Result r = runFotino({QStringLiteral("export"), doc, QStringLiteral("-o"), typed,
                          QStringLiteral("--format"), QStringLiteral("jpeg"),
                          QStringLiteral("--pixels"), QStringLiteral("600x800")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString written = home.filePath(QStringLiteral("id.front.jpg"));
    EXPECT_EQ(r.out, written + QLatin1Char('\n'));
    EXPECT_EQ(QImageReader(written).size(), QSize(600, 800));

    r = runFotino({QStringLiteral("export"), doc, QStringLiteral("-o"),
                   home.filePath(QStringLiteral("gone/photo"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(home.filePath(QStringLiteral("gone")))) << r.err.toStdString();
}

TEST_F(CommandLineTest, ASizeLimitMakesAJpegThatFitsAtTheSizeAskedFor) {
    // A square 2 × 2 in photo, as portals that ask for 600 × 600 pixels want.
    Fotino astronaut;
    documenttest::framePicture(
        astronaut, library.path(), QStringLiteral("Astronaut"),
        QImage(QStringLiteral(FOTINO_SOURCE_DIR "/tests/data/portrait-512.jpg")), 60);
    astronaut.setFloat(5.08f, AttributeKeys::kWidth);
    astronaut.setFloat(5.08f, AttributeKeys::kHeight);
    ASSERT_TRUE(astronaut.saveToFile());
    const auto exportWithin = [&](const char* kilobytes) {
        return runFotino({QStringLiteral("export"), astronaut.filePath(), QStringLiteral("-o"),
                          home.filePath(QStringLiteral("portal")), QStringLiteral("--max-kb"),
                          QString::fromLatin1(kilobytes), QStringLiteral("--pixels"),
                          QStringLiteral("600x600")});
    };
    const QString written = home.filePath(QStringLiteral("portal.jpg"));
    Result r = exportWithin("240");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, written + QLatin1Char('\n'));
    QImageReader reader(written);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    EXPECT_EQ(reader.size(), QSize(600, 600));
    EXPECT_LE(QFileInfo(written).size(), 240'000);

    // A limit that bites: kilobytes of 1000 bytes, and a quality close to the limit rather
    // than the lowest that fits.
    r = exportWithin("40");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_LE(QFileInfo(written).size(), 40'000);
    EXPECT_GT(QFileInfo(written).size(), 36'000);
}

TEST_F(CommandLineTest, AnImpossibleSizeLimitFailsAndLeavesTheEarlierFile) {
    QImage noise(800, 800, QImage::Format_RGB888);
    QRandomGenerator random(5);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.bytesPerLine(); ++x) {
            noise.scanLine(y)[x] = static_cast<uchar>(random.bounded(256));
        }
    }
    Fotino busy;
    documenttest::framePicture(busy, library.path(), QStringLiteral("Busy"), noise, 100);
    ASSERT_TRUE(busy.saveToFile());
    const QString earlier = home.filePath(QStringLiteral("portal.jpg"));
    ASSERT_TRUE(FileManager::createFileAtPath(earlier, "the earlier export"));
    const Result r = runFotino({QStringLiteral("export"), busy.filePath(), QStringLiteral("-o"),
                                earlier, QStringLiteral("--max-kb"), QStringLiteral("1"),
                                QStringLiteral("--format"), QStringLiteral("jpeg"),
                                QStringLiteral("--pixels"), QStringLiteral("1200x1200")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    const QRegularExpression message(
        QStringLiteral("^fotino: %1 was not written: even at the lowest JPEG quality the photo "
                       "takes [0-9]+ bytes, more than 1 KB \\(1000 bytes\\)\n$")
            .arg(QRegularExpression::escape(earlier)));
    EXPECT_TRUE(message.match(r.err).hasMatch()) << r.err.toStdString();
    EXPECT_EQ(FileManager::contentsAtPath(earlier), QByteArray("the earlier export"));
    EXPECT_EQ(QDir(home.filePath(QStringLiteral("."))).entryList({QStringLiteral("portal*")}),
              QStringList{QStringLiteral("portal.jpg")});
}

TEST_F(CommandLineTest, AnExportOntoADocumentsPictureIsAFailureOfOneLine) {
    Fotino visa;
    visa.setImageName(QStringLiteral("Visa.png"));
    ASSERT_TRUE(visa.saveToFile(library.filePath(QStringLiteral("Visa.ftoct"))));
    const QString picture = library.filePath(QStringLiteral("Visa.png"));
    ASSERT_TRUE(FileManager::createFileAtPath(picture, "the only copy"));
    const Result r =
        runFotino({QStringLiteral("export"), library.filePath(QStringLiteral("Visa.ftoct")),
                   QStringLiteral("-o"), library.filePath(QStringLiteral("Visa")),
                   QStringLiteral("--format"), QStringLiteral("png")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("fotino: %1 is a file of a photo document; an export cannot "
                                    "replace it\n")
                         .arg(picture));
    EXPECT_EQ(FileManager::contentsAtPath(picture), QByteArray("the only copy"));
}

TEST_F(CommandLineTest, AFolderThatIsAFileIsAFailureOfOneLine) {
    ASSERT_TRUE(FileManager::createFileAtPath(library.filePath(QStringLiteral("f")), "x"));
    const Result r = runFotino({QStringLiteral("list"), QStringLiteral("--folder"),
                                library.filePath(QStringLiteral("f"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1);
}

TEST(CommandLineFiles, FilesGivenAloneAreOpenedAndAnythingElseIsACommand) {
    TemporaryHome home;
    const QString picture = home.filePath(QStringLiteral("photo.jpg"));
    const QString document = home.filePath(QStringLiteral("list"));
    for (const QString& path : {picture, document}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString program = QStringLiteral("fotino");
    EXPECT_EQ(CommandLine::filesToOpen({program, picture}), QStringList{picture});
    EXPECT_EQ(CommandLine::filesToOpen({program, picture, document}),
              (QStringList{picture, document}));
    EXPECT_FALSE(CommandLine::wantsCommand({program, picture}));
    // A command word, an option, or a name that is no file: a command.
    for (const QStringList& arguments :
         {QStringList{program, QStringLiteral("list")},
          QStringList{program, QStringLiteral("--help")},
          QStringList{program, picture, home.filePath(QStringLiteral("missing.jpg"))},
          QStringList{program, home.path()}, QStringList{program}}) {
        EXPECT_TRUE(CommandLine::filesToOpen(arguments).isEmpty())
            << arguments.join(' ').toStdString();
    }
}

} // namespace

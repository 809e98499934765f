// `fotino new` and `fotino check`, run as the real program without a display.

#include "core/analysis/FaceFinder.h"
#include "core/platform/FileManager.h"
#include "support/ImageTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/RunFotino.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using runfotino::Result;

class NewCheckCommand : public ::testing::Test {
protected:
    Result fotino(const QStringList& arguments) { return runfotino::run(arguments); }

    QString blank(const QString& name) const {
        return imagetest::blankPicture(pictures.filePath(name), QSize(160, 120));
    }
    // The documents folder the preferences name by default.
    QString library(const QString& file = QString()) const {
        return QDir(home.filePath(QStringLiteral("Documents/Fotino"))).filePath(file);
    }
    QStringList libraryFiles() const { return FileManager::contentsOfDirectoryAtPath(library()); }

    TemporaryHome home;
    QTemporaryDir pictures;
};

TEST_F(NewCheckCommand, MakesADocumentOfEachPictureAndReportsEachOnItsLine) {
    const Result r = fotino({QStringLiteral("new"), blank(QStringLiteral("Ann.png")),
                             blank(QStringLiteral("Bob.jpg")), QStringLiteral("--preset"),
                             QStringLiteral("00-icao-35x45"), QStringLiteral("--auto-frame")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(r.out,
              QStringLiteral("Ann\t%1\t-\t-\tno face\nBob\t%2\t-\t-\tno face\n")
                  .arg(library(QStringLiteral("Ann.ftoct")), library(QStringLiteral("Bob.ftoct"))));
    EXPECT_EQ(libraryFiles(),
              (QStringList{QStringLiteral("Ann.ftoct"), QStringLiteral("Ann.png"),
                           QStringLiteral("Bob.ftoct"), QStringLiteral("Bob.jpg")}));

    // The library lists them; check measures them again, and a document without a face is
    // not ok.
    const Result listed = fotino({QStringLiteral("list")});
    EXPECT_EQ(listed.out.count(QLatin1Char('\n')), 2) << listed.out.toStdString();
    const Result checked = fotino({QStringLiteral("check"), library(QStringLiteral("Ann.ftoct")),
                                   library(QStringLiteral("Bob.ftoct"))});
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_EQ(checked.out, r.out);
    EXPECT_TRUE(checked.err.isEmpty());
}

TEST_F(NewCheckCommand, OneNameForSeveralPicturesIsNumberedAndAPresetIsFoundByItsName) {
    const QString picture = blank(QStringLiteral("p.png"));
    const Result r =
        fotino({QStringLiteral("new"), picture, picture, QStringLiteral("--name"),
                QStringLiteral("Visa"), QStringLiteral("--preset"), QStringLiteral("ICAO 35×45 mm"),
                QStringLiteral("--folder"), home.filePath(QStringLiteral("elsewhere"))});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("Visa\t") +
                                       home.filePath(QStringLiteral("elsewhere/Visa.ftoct"))));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("Visa 2\t")));
}

TEST_F(NewCheckCommand, AnUnreadablePictureIsAnErrorLineAndTheOthersAreStillMade) {
    const QString junk = pictures.filePath(QStringLiteral("junk.jpg"));
    ASSERT_TRUE(FileManager::createFileAtPath(junk, "no picture"));
    const Result r = fotino({QStringLiteral("new"), junk, blank(QStringLiteral("Ann.png")),
                             QStringLiteral("--preset"), QStringLiteral("00-icao-35x45")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("fotino: %1 is not a picture Fotino can read\n").arg(junk));
    EXPECT_TRUE(r.out.startsWith(QLatin1String("Ann\t"))) << r.out.toStdString();
    EXPECT_EQ(libraryFiles(),
              (QStringList{QStringLiteral("Ann.ftoct"), QStringLiteral("Ann.png")}));
}

TEST_F(NewCheckCommand, AnUnknownPresetSaysHowToListThemAndMakesNothing) {
    const Result r = fotino({QStringLiteral("new"), blank(QStringLiteral("Ann.png")),
                             QStringLiteral("--preset"), QStringLiteral("Atlantis")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, QStringLiteral("fotino: no preset is named “Atlantis”; “fotino presets” lists "
                                    "them\n"));
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(library()));
}

struct ExitCase {
    const char* name;
    const char* arguments; // separated by spaces; PIC is a readable picture
    int exitCode;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class NewCheckExit : public NewCheckCommand, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(NewCheckExit, AnswersWithTheRightCodeAndOneErrorLine) {
    const ExitCase& c = GetParam();
    QStringList arguments = QString::fromLatin1(c.arguments).split(QLatin1Char(' '));
    arguments.replaceInStrings(QStringLiteral("PIC"), blank(QStringLiteral("pic.png")));
    const Result r = fotino(arguments);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(libraryFiles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, NewCheckExit,
    ::testing::Values(ExitCase{"new without preset", "new PIC", 2},
                      ExitCase{"new without picture", "new --preset 00-icao-35x45", 2},
                      ExitCase{"new unusable name", "new PIC --preset 00-icao-35x45 --name a/b", 2},
                      ExitCase{"new missing picture", "new /no/such.png --preset 00-icao-35x45", 1},
                      ExitCase{"check without document", "check", 2},
                      ExitCase{"check unreadable document", "check /no/such.ftoct", 1},
                      ExitCase{"check a picture", "check PIC", 1}),
    NameOfParam());

// Needs the face finder: skipped until it finds faces.
TEST_F(NewCheckCommand, ThePortraitAutoFramedIsOkAndChecksOk) {
    if (!FaceFinder().isReady()) {
        GTEST_SKIP() << "the face finder is not ready";
    }
    const Result made = fotino({QStringLiteral("new"),
                                QStringLiteral(FOTINO_SOURCE_DIR "/tests/data/portrait-512.jpg"),
                                QStringLiteral("--preset"), QStringLiteral("00-icao-35x45"),
                                QStringLiteral("--auto-frame")});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QStringList fields = made.out.trimmed().split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 5) << made.out.toStdString();
    EXPECT_EQ(fields.at(4), QStringLiteral("ok"));
    EXPECT_GE(fields.at(2).toDouble(), 32.0);
    EXPECT_LE(fields.at(2).toDouble(), 36.0);
    EXPECT_TRUE(fields.at(3).contains(QLatin1Char('.')));

    const Result checked = fotino({QStringLiteral("check"), fields.at(1)});
    EXPECT_EQ(checked.exitCode, 0) << checked.err.toStdString();
    EXPECT_TRUE(checked.out.endsWith(QLatin1String("\tok\n"))) << checked.out.toStdString();
}

} // namespace

#include "core/platform/FileManager.h"
#include "core/platform/TemporaryName.h"
#include "support/ImageTestSupport.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(imagetest::writeBytes(path, bytes)) << path.toStdString();
}

TEST(FileManager, ListsByNameIgnoringCaseHiddenIncluded) {
    QTemporaryDir dir;
    for (const char* name : {"b.ftoct", "A.ftoct", "a.jpg", ".hidden", "C"}) {
        writeFile(dir.filePath(QString::fromLatin1(name)), "x");
    }
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    EXPECT_EQ(
        FileManager::contentsOfDirectoryAtPath(dir.path()),
        (QStringList{QStringLiteral(".hidden"), QStringLiteral("A.ftoct"), QStringLiteral("a.jpg"),
                     QStringLiteral("b.ftoct"), QStringLiteral("C"), QStringLiteral("sub")}));
    EXPECT_TRUE(
        FileManager::contentsOfDirectoryAtPath(dir.filePath(QStringLiteral("no"))).isEmpty());
}

TEST(FileManager, CreatesWholePathsOrOnlyTheLastComponent) {
    QTemporaryDir dir;
    const QString deep = dir.filePath(QStringLiteral("Documents/Fotino"));
    EXPECT_FALSE(FileManager::createDirectoryAtPath(deep, false));
    EXPECT_TRUE(FileManager::createDirectoryAtPath(deep, true));
    EXPECT_TRUE(FileManager::isDirectoryAtPath(deep));
    EXPECT_TRUE(FileManager::createDirectoryAtPath(deep, false)) << "an existing folder is fine";
    writeFile(dir.filePath(QStringLiteral("file")), "x");
    EXPECT_FALSE(FileManager::createDirectoryAtPath(dir.filePath(QStringLiteral("file")), true));
}

TEST(FileManager, MoveNeverOverwrites) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a"));
    const QString b = dir.filePath(QStringLiteral("b"));
    writeFile(a, "first");
    writeFile(b, "second");
    EXPECT_FALSE(FileManager::moveItemAtPath(a, b));
    EXPECT_EQ(FileManager::contentsAtPath(b), QByteArray("second"));
    ASSERT_TRUE(FileManager::removeItemAtPath(b));
    EXPECT_TRUE(FileManager::moveItemAtPath(a, b));
    EXPECT_FALSE(FileManager::fileExistsAtPath(a));
    EXPECT_FALSE(FileManager::moveItemAtPath(a, dir.filePath(QStringLiteral("c"))));
}

TEST(FileManager, RemovesFilesAndFoldersAndReportsMissingOnes) {
    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("sub"));
    QDir(dir.path()).mkpath(QStringLiteral("sub/deeper"));
    writeFile(sub + QStringLiteral("/deeper/f"), "x");
    EXPECT_TRUE(FileManager::removeItemAtPath(sub));
    EXPECT_FALSE(FileManager::fileExistsAtPath(sub));
    EXPECT_FALSE(FileManager::removeItemAtPath(sub));
    EXPECT_FALSE(FileManager::removeItemAtPath(QString()));
}

TEST(FileManager, ComparesContents) {
    QTemporaryDir dir;
    const QByteArray big(200000, 'x');
    QByteArray late = big;
    late[150000] = 'y';
    writeFile(dir.filePath(QStringLiteral("a")), big);
    const std::pair<const char*, QByteArray> others[] = {
        {"same", big}, {"differs late", late}, {"shorter", big.left(10)}};
    for (const auto& [name, bytes] : others) {
        writeFile(dir.filePath(QString::fromLatin1(name)), bytes);
        EXPECT_EQ(FileManager::contentsEqualAtPath(dir.filePath(QStringLiteral("a")),
                                                   dir.filePath(QString::fromLatin1(name))),
                  bytes == big)
            << name;
    }
    EXPECT_FALSE(FileManager::contentsEqualAtPath(dir.filePath(QStringLiteral("a")),
                                                  dir.filePath(QStringLiteral("missing"))));
}

TEST(FileManager, AtomicWriteReplacesWholeFileAndLeavesNoTemporaryBehind) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.ftoct"));
    ASSERT_TRUE(FileManager::createFileAtPath(path, "old contents, rather long"));
    ASSERT_TRUE(FileManager::createFileAtPath(path, "new"));
    EXPECT_EQ(FileManager::contentsAtPath(path), QByteArray("new"));
    EXPECT_EQ(FileManager::contentsOfDirectoryAtPath(dir.path()),
              QStringList{QStringLiteral("doc.ftoct")});
    EXPECT_FALSE(FileManager::createFileAtPath(dir.path(), "x")) << "a folder is not replaced";
    EXPECT_FALSE(FileManager::contentsAtPath(dir.filePath(QStringLiteral("missing"))));
}

// However far a write gets before the disk is full, the old file keeps its bytes, no
// temporary is left, and the room the failed write took comes back.
TEST(FileManager, AWriteThatRunsOutOfRoomLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.ftoct"));
    ASSERT_TRUE(FileManager::createFileAtPath(path, "old"));
    const QByteArray contents(3 << 20, 'n');
    for (const qint64 room : {qint64(0), qint64(1), qint64(1) << 20, contents.size() - 1}) {
        FileManager::setSpaceLeftForTesting(room);
        EXPECT_FALSE(FileManager::createFileAtPath(path, contents)) << room;
        EXPECT_EQ(FileManager::lastWriteError(), FileManager::WriteError::DiskFull);
        EXPECT_EQ(FileManager::spaceLeftForTesting(), room);
        EXPECT_EQ(FileManager::contentsAtPath(path), QByteArray("old")) << room;
        EXPECT_EQ(FileManager::contentsOfDirectoryAtPath(dir.path()),
                  QStringList{QStringLiteral("doc.ftoct")});
    }
    // Just enough room: the old file's three bytes come back once it is replaced.
    FileManager::setSpaceLeftForTesting(contents.size());
    EXPECT_TRUE(FileManager::createFileAtPath(path, contents));
    EXPECT_EQ(FileManager::lastWriteError(), FileManager::WriteError::None);
    EXPECT_EQ(FileManager::spaceLeftForTesting(), 3);
    FileManager::setSpaceLeftForTesting(-1);
    EXPECT_EQ(FileManager::contentsAtPath(path), contents);
}

TEST(FileManager, FilesWrittenTogetherAreReplacedOnlyWhenAllAreComplete) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("Visa.jpg"));
    const QString document = dir.filePath(QStringLiteral("Visa.ftoct"));
    ASSERT_TRUE(FileManager::createFilesAtPaths({{picture, "old picture"}, {document, "old"}}));
    const QByteArray newPicture(100000, 'p');
    FileManager::setSpaceLeftForTesting(newPicture.size() + 2);
    EXPECT_FALSE(FileManager::createFilesAtPaths({{picture, newPicture}, {document, "new"}}));
    FileManager::setSpaceLeftForTesting(-1);
    EXPECT_EQ(FileManager::contentsAtPath(picture), QByteArray("old picture"));
    EXPECT_EQ(FileManager::contentsAtPath(document), QByteArray("old"));
    EXPECT_EQ(FileManager::contentsOfDirectoryAtPath(dir.path()).size(), 2);
    EXPECT_TRUE(FileManager::createFilesAtPaths({{picture, newPicture}, {document, "new"}}));
    EXPECT_EQ(FileManager::contentsAtPath(picture), newPicture);
    EXPECT_EQ(FileManager::contentsAtPath(document), QByteArray("new"));
}

TEST(FileManager, AReplacedFileKeepsItsPermissionsAndALinkLeadsToTheWrite) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.png"));
    ASSERT_TRUE(FileManager::createFileAtPath(path, "one"));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    struct stat created {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &created), 0);
    EXPECT_EQ(created.st_mode & 0777, 0666 & ~mask);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(FileManager::createFileAtPath(path, "two"));
    struct stat replaced {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &replaced), 0);
    EXPECT_EQ(replaced.st_mode & 0777, 0640u);

    const QString link = dir.filePath(QStringLiteral("link.png"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(FileManager::createFileAtPath(link, "three"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(FileManager::contentsAtPath(path), QByteArray("three"));
}

TEST(FileManager, AWriteIntoAMissingFolderFailsForAnotherReason) {
    QTemporaryDir dir;
    EXPECT_FALSE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("no/file")), "x"));
    EXPECT_EQ(FileManager::lastWriteError(), FileManager::WriteError::Other);
    EXPECT_TRUE(FileManager::contentsOfDirectoryAtPath(dir.path()).isEmpty());
}

struct PathCase {
    const char* path;
    const char* extension;
    const char* withoutExtension;
    const char* folder;
};

// The extension never reaches past the last "/", whatever a stored name holds.
// What a killed save leaves goes once it is old; a write in progress, the user's own hidden
// files and whatever a link leads to stay.
TEST(FileManager, RemovesOnlyTheOldTemporariesOfWrites) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const auto make = [&](const QString& name, qint64 ageSeconds) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(FileManager::createFileAtPath(path, "x"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
    };
    make(QStringLiteral(".fotino-old1"), 7200);
    make(QStringLiteral(".fotino-old2"), 3700);
    make(QStringLiteral(".fotino-young"), 60);
    make(QStringLiteral(".hidden"), 7200);
    make(QStringLiteral("fotino-visible"), 7200);
    make(QStringLiteral("Visa.ftoct"), 7200);
    const QString outside = QDir(dir.path()).filePath(QStringLiteral("outside"));
    ASSERT_TRUE(QDir().mkpath(outside));
    make(QStringLiteral("outside/target"), 7200);
    ASSERT_TRUE(QFile::link(QDir(outside).filePath(QStringLiteral("target")),
                            folder.filePath(QStringLiteral(".fotino-link"))));

    EXPECT_EQ(FileManager::removeLeftoverTemporaries(dir.path(), 3600), 2);
    EXPECT_EQ(FileManager::contentsOfDirectoryAtPath(dir.path()),
              (QStringList{QStringLiteral(".fotino-link"), QStringLiteral(".fotino-young"),
                           QStringLiteral(".hidden"), QStringLiteral("fotino-visible"),
                           QStringLiteral("outside"), QStringLiteral("Visa.ftoct")}));
    EXPECT_TRUE(QFile::exists(QDir(outside).filePath(QStringLiteral("target"))));
}

TEST(FileManager, PathArithmeticStaysInTheLastComponent) {
    const PathCase cases[] = {
        {"/d/Card no. 2.ftoct", "ftoct", "/d/Card no. 2", "/d"},
        {"/d/Visaftoct", "", "/d/Visaftoct", "/d"},
        {"/d.x/Visa", "", "/d.x/Visa", "/d.x"},
        {"../../etc/passwd", "", "../../etc/passwd", "../../etc"},
        {"a.jpg/..", "", "a.jpg/.", "a.jpg"},
        {"photo.", "", "photo", "."},
        {"/root.tif", "tif", "/root", "/"},
    };
    for (const PathCase& c : cases) {
        const QString path = QString::fromUtf8(c.path);
        EXPECT_EQ(FileManager::pathExtension(path), QString::fromUtf8(c.extension)) << c.path;
        EXPECT_EQ(FileManager::pathWithoutExtension(path), QString::fromUtf8(c.withoutExtension))
            << c.path;
        EXPECT_EQ(FileManager::folderOfPath(path), QString::fromUtf8(c.folder)) << c.path;
    }
}

TEST(FileManager, SameFileFollowsThePathNotTheBytes) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a"));
    ASSERT_TRUE(FileManager::createFileAtPath(a, "x"));
    ASSERT_TRUE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("b")), "x"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    EXPECT_TRUE(FileManager::isSameFile(a, dir.filePath(QStringLiteral("sub/../a"))));
    EXPECT_FALSE(FileManager::isSameFile(a, dir.filePath(QStringLiteral("b"))));
    EXPECT_FALSE(FileManager::isSameFile(dir.filePath(QStringLiteral("none")),
                                         dir.filePath(QStringLiteral("none"))));
}

TEST(TemporaryName, MakesDistinctExistingNamesWithTheSuffix) {
    QTemporaryDir dir;
    const QString templ = dir.filePath(QStringLiteral("FTN_Capture_XXXXXX"));
    const QString first = TemporaryName::uniquePath(templ, QStringLiteral(".tif"));
    const QString second = TemporaryName::uniquePath(templ, QStringLiteral(".tif"));
    EXPECT_TRUE(first.endsWith(QLatin1String(".tif")));
    EXPECT_TRUE(first.startsWith(dir.filePath(QStringLiteral("FTN_Capture_"))));
    EXPECT_EQ(first.size(), templ.size() + 4);
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_TRUE(TemporaryName::uniquePath(QStringLiteral("/tmp/no-x")).isEmpty());
    EXPECT_EQ(TemporaryName::uuidBytes().size(), 16);
    EXPECT_NE(TemporaryName::uuidBytes(), TemporaryName::uuidBytes());
}

} // namespace

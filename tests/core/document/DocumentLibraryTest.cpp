#include "core/document/DocumentLibrary.h"
#include "core/platform/FileManager.h"
#include "core/platform/UserDefaults.h"
#include "support/DocumentTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using documenttest::namesOf;
using documenttest::writeDocument;

TEST(DocumentLibrary, ListsTheReadableDocumentFilesInFileSystemOrder) {
    TemporaryHome home;
    QTemporaryDir dir;
    writeDocument(dir.filePath(QStringLiteral("b.ftoct")), QStringLiteral("B"), 10, 15);
    writeDocument(dir.filePath(QStringLiteral("A.ftoct")), QStringLiteral("A"));
    // The suffix test has no dot: this one counts too.
    writeDocument(dir.filePath(QStringLiteral("cftoct")), QStringLiteral("C"));
    ASSERT_TRUE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("A.jpg")), "jpeg"));
    ASSERT_TRUE(
        FileManager::createFileAtPath(dir.filePath(QStringLiteral("broken.ftoct")), "junk"));
    ASSERT_TRUE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("empty.ftoct")), ""));
    QDir(dir.path()).mkpath(QStringLiteral("folder.ftoct"));
    writeDocument(dir.filePath(QStringLiteral("folder.ftoct/Inner.ftoct")), QStringLiteral("In"));

    const auto documents = DocumentLibrary::listDocuments(dir.path());
    EXPECT_EQ(namesOf(documents),
              (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    ASSERT_EQ(documents.size(), 3u);
    EXPECT_EQ(documents[1]->filePath(), dir.filePath(QStringLiteral("b.ftoct")));
    EXPECT_EQ(documents[1]->size(true), QStringLiteral("10.0 x 15.0 cm"));
    EXPECT_TRUE(DocumentLibrary::listDocuments(dir.filePath(QStringLiteral("missing"))).empty());
}

TEST(DocumentLibrary, PrepareWritesDefaultsAndCreatesTheWholeFolderPath) {
    TemporaryHome home;
    UserDefaults& ud = UserDefaults::standardUserDefaults();
    ASSERT_FALSE(QDir(home.filePath(QStringLiteral("Documents"))).exists());
    EXPECT_TRUE(DocumentLibrary::prepare(ud));
    EXPECT_EQ(ud.stringForKey(QStringLiteral("ftoPath")),
              home.filePath(QStringLiteral("Documents/Fotino/")));
    EXPECT_EQ(ud.stringForKey(QStringLiteral("ftoUnits")), QStringLiteral("Metric"));
    EXPECT_TRUE(QDir(home.filePath(QStringLiteral("Documents/Fotino"))).exists());
}

TEST(DocumentLibrary, PrepareKeepsTheUsersSettings) {
    TemporaryHome home;
    UserDefaults& ud = UserDefaults::standardUserDefaults();
    const QString mine = home.filePath(QStringLiteral("Photos/ID"));
    ud.setObject(mine, QStringLiteral("ftoPath"));
    ud.setObject(QStringLiteral("Inches"), QStringLiteral("ftoUnits"));
    EXPECT_TRUE(DocumentLibrary::prepare(ud));
    EXPECT_EQ(ud.stringForKey(QStringLiteral("ftoPath")), mine);
    EXPECT_EQ(ud.stringForKey(QStringLiteral("ftoUnits")), QStringLiteral("Inches"));
    EXPECT_TRUE(QDir(mine).exists());
    EXPECT_EQ(DocumentLibrary::documentsFolder(ud), mine);
}

TEST(DocumentLibrary, PrepareReportsAFolderThatCannotBeMade) {
    TemporaryHome home;
    UserDefaults& ud = UserDefaults::standardUserDefaults();
    ASSERT_TRUE(FileManager::createFileAtPath(home.filePath(QStringLiteral("blocker")), "x"));
    ud.setObject(home.filePath(QStringLiteral("blocker/Fotino")), QStringLiteral("ftoPath"));
    EXPECT_FALSE(DocumentLibrary::prepare(ud));
    EXPECT_EQ(ud.stringForKey(QStringLiteral("ftoUnits")), QStringLiteral("Metric"));
}

} // namespace

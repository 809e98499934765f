#include "core/document/DocumentLibrary.h"
#include "core/platform/FileManager.h"
#include "core/platform/UserDefaults.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeDocument(const QString& path, const QString& name, float width = 3.5f,
                   float height = 4.5f) {
    Fotino doc;
    doc.setName(name);
    doc.setFloat(width, AttributeKeys::kWidth);
    doc.setFloat(height, AttributeKeys::kHeight);
    ASSERT_TRUE(doc.saveToFile(path));
}

QStringList namesOf(const std::vector<std::shared_ptr<Fotino>>& documents) {
    QStringList names;
    for (const auto& d : documents) {
        names << d->name();
    }
    return names;
}

TEST(DocumentLibrary, ListsOnlyDocumentFiles) {
    TemporaryHome home;
    UserDefaults::standardUserDefaults().setObject(QStringLiteral("Metric"),
                                                   QStringLiteral("ftoUnits"));
    QTemporaryDir dir;
    writeDocument(dir.filePath(QStringLiteral("Visa.ftoct")), QStringLiteral("Visa"));
    ASSERT_TRUE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("Visa.jpg")), "jpeg"));
    ASSERT_TRUE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("notes.txt")), "notes"));
    QDir(dir.path()).mkpath(QStringLiteral("sub"));
    writeDocument(dir.filePath(QStringLiteral("sub/Inner.ftoct")), QStringLiteral("Inner"));

    const auto documents = DocumentLibrary::listDocuments(dir.path());
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0]->name(), QStringLiteral("Visa"));
    EXPECT_EQ(documents[0]->size(true), QStringLiteral("3.50 x 4.50 cm"));
    EXPECT_EQ(documents[0]->filePath(), dir.filePath(QStringLiteral("Visa.ftoct")));
}

TEST(DocumentLibrary, ListsInFileSystemOrderSkippingUnreadableFiles) {
    TemporaryHome home;
    QTemporaryDir dir;
    writeDocument(dir.filePath(QStringLiteral("b.ftoct")), QStringLiteral("B"));
    writeDocument(dir.filePath(QStringLiteral("A.ftoct")), QStringLiteral("A"));
    // The suffix test has no dot: this one counts too.
    writeDocument(dir.filePath(QStringLiteral("cftoct")), QStringLiteral("C"));
    ASSERT_TRUE(
        FileManager::createFileAtPath(dir.filePath(QStringLiteral("broken.ftoct")), "junk"));
    ASSERT_TRUE(FileManager::createFileAtPath(dir.filePath(QStringLiteral("empty.ftoct")), ""));
    QDir(dir.path()).mkpath(QStringLiteral("folder.ftoct"));

    EXPECT_EQ(namesOf(DocumentLibrary::listDocuments(dir.path())),
              (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
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

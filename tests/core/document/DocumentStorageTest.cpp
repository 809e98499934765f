#include "core/document/DocumentStorage.h"
#include "core/document/DocumentLibrary.h"
#include "core/platform/FileManager.h"
#include "core/platform/Panels.h"
#include "core/platform/PropertyList.h"
#include "support/ImageTestSupport.h"
#include "support/LogCapture.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray jpegBytes(QColor colour) {
    QImage image(60, 80, QImage::Format_RGB888);
    image.fill(colour);
    return imagetest::encode(image, "jpeg");
}

// A documents folder, a picture outside it, and a hook that answers every alert.
class DocumentStorageTest : public ::testing::Test {
protected:
    TemporaryHome home;
    QTemporaryDir docs;
    QTemporaryDir elsewhere;
    QStringList asked;
    int answer = 0; // the button pressed on every alert: 0 is OK
    int beeps = 0;

    void SetUp() override {
        Panels::setTestHook([this](const PanelRequest& request) {
            if (request.kind == PanelRequest::Kind::Beep) {
                ++beeps;
                return 0;
            }
            asked << (request.title.isEmpty() ? request.message : request.title);
            return answer;
        });
    }
    void TearDown() override { Panels::clearTestHook(); }

    QString doc(const QString& name) const { return docs.filePath(name); }
    QStringList files() const { return FileManager::contentsOfDirectoryAtPath(docs.path()); }

    QString picture(const QString& name, QColor colour = Qt::red) {
        const QString path = elsewhere.filePath(name);
        EXPECT_TRUE(FileManager::createFileAtPath(path, jpegBytes(colour)));
        return path;
    }

    DocumentStorage::SaveResult saveNew(const QString& name, const QString& picturePath) {
        Fotino document;
        return DocumentStorage::saveAs(document, docs.path(), QString(), picturePath,
                                       {name, 3.5f, 4.5f, true});
    }

    bool savedNew(const QString& name, const char* pictureName, QColor colour = Qt::red) {
        return saveNew(name, picture(QString::fromLatin1(pictureName), colour)) ==
               DocumentStorage::SaveResult::Saved;
    }

    // Opens the document and saves it under another (or the same) name, as the editor does.
    DocumentStorage::SaveResult reopenAndSave(const QString& file, const QString& name) {
        auto opened = DocumentStorage::open(doc(file));
        EXPECT_TRUE(opened.loaded);
        return DocumentStorage::saveAs(*opened.document, docs.path(), opened.previousPath,
                                       opened.picturePath, {name, 3.5f, 4.5f, true});
    }
};

TEST_F(DocumentStorageTest, SavingANewDocumentCopiesThePictureUnderItsName) {
    const QString original = picture(QStringLiteral("IMG_1234.JPG"));
    ASSERT_EQ(saveNew(QStringLiteral("Visa"), original), DocumentStorage::SaveResult::Saved);

    EXPECT_EQ(files(), (QStringList{QStringLiteral("Visa.ftoct"), QStringLiteral("Visa.JPG")}));
    EXPECT_TRUE(FileManager::contentsEqualAtPath(original, doc(QStringLiteral("Visa.JPG"))));
    EXPECT_TRUE(FileManager::fileExistsAtPath(original));
    const auto stored = PropertyList::readDictionaryFromFile(doc(QStringLiteral("Visa.ftoct")));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->value(AttributeKeys::kImageName).toString(), QStringLiteral("Visa.JPG"));
    EXPECT_EQ(stored->value(AttributeKeys::kVersion).toInt(), 1);
    EXPECT_EQ(stored->value(AttributeKeys::kName).toString(), QStringLiteral("Visa"));
    EXPECT_FALSE(stored->value(AttributeKeys::kThumbnail).toByteArray().isEmpty());
    EXPECT_TRUE(asked.isEmpty());
}

// The thumbnail is drawn while the files are written: it shows the picture being saved, under
// a new name, and in place of another.
TEST_F(DocumentStorageTest, TheThumbnailShowsThePictureSaved) {
    const auto centre = [&](const QString& file) {
        const auto saved = Fotino::initWithPath(doc(file));
        const QImage thumbnail = saved ? saved->image() : QImage();
        return thumbnail.isNull() ? QColor() : thumbnail.pixelColor(64, 64);
    };
    Fotino document;
    document.setPictureSize(100);
    document.setOffset(QPointF(50, 50));
    ASSERT_EQ(DocumentStorage::saveAs(document, docs.path(), QString(),
                                      picture(QStringLiteral("blue.jpg"), Qt::blue),
                                      {QStringLiteral("Visa"), 3.5f, 4.5f, true}),
              DocumentStorage::SaveResult::Saved);
    EXPECT_TRUE(imagetest::isBlue(centre(QStringLiteral("Visa.ftoct"))));
    ASSERT_EQ(reopenAndSave(QStringLiteral("Visa.ftoct"), QStringLiteral("Permit")),
              DocumentStorage::SaveResult::Saved);
    EXPECT_TRUE(imagetest::isBlue(centre(QStringLiteral("Permit.ftoct"))));
    auto opened = DocumentStorage::open(doc(QStringLiteral("Permit.ftoct")));
    ASSERT_EQ(DocumentStorage::saveAs(*opened.document, docs.path(), opened.previousPath,
                                      picture(QStringLiteral("green.jpg"), Qt::green),
                                      {QStringLiteral("Permit"), 3.5f, 4.5f, true}),
              DocumentStorage::SaveResult::Saved);
    const QColor green = centre(QStringLiteral("Permit.ftoct"));
    EXPECT_TRUE(green.green() > 200 && green.red() < 60 && green.blue() < 60)
        << green.name().toStdString();
}

TEST_F(DocumentStorageTest, RenamingMovesEveryFileToTheNewName) {
    ASSERT_TRUE(savedNew(QStringLiteral("Visa"), "IMG_1234.JPG"));
    const QByteArray pictureBytes = *FileManager::contentsAtPath(doc(QStringLiteral("Visa.JPG")));
    ASSERT_TRUE(FileManager::createFileAtPath(doc(QStringLiteral("Visa.cftn")), "calibrated"));

    ASSERT_EQ(reopenAndSave(QStringLiteral("Visa.ftoct"), QStringLiteral("Permit")),
              DocumentStorage::SaveResult::Saved);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Permit.ftoct"), QStringLiteral("Permit.JPG")}));
    EXPECT_EQ(FileManager::contentsAtPath(doc(QStringLiteral("Permit.JPG"))), pictureBytes);
    const auto listed = DocumentLibrary::listDocuments(docs.path());
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]->name(), QStringLiteral("Permit"));
    EXPECT_EQ(listed[0]->imageName(), QStringLiteral("Permit.JPG"));
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(DocumentStorageTest, DecliningToReplaceAnotherDocumentWritesNothing) {
    ASSERT_TRUE(savedNew(QStringLiteral("Visa"), "a.jpg", Qt::red));
    ASSERT_TRUE(savedNew(QStringLiteral("Permit"), "b.jpg", Qt::blue));
    const auto before = *FileManager::contentsAtPath(doc(QStringLiteral("Visa.ftoct")));

    answer = 1; // Cancel
    EXPECT_EQ(reopenAndSave(QStringLiteral("Permit.ftoct"), QStringLiteral("Visa")),
              DocumentStorage::SaveResult::Declined);
    EXPECT_EQ(asked, QStringList{QStringLiteral("A photo with this name already exists")});
    EXPECT_EQ(FileManager::contentsAtPath(doc(QStringLiteral("Visa.ftoct"))), before);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Permit.ftoct"), QStringLiteral("Permit.jpg"),
                                    QStringLiteral("Visa.ftoct"), QStringLiteral("Visa.jpg")}));
}

TEST_F(DocumentStorageTest, ReplacingAnotherDocumentLeavesNoStrayPicture) {
    ASSERT_TRUE(savedNew(QStringLiteral("Visa"), "a.png"));
    answer = 0;
    ASSERT_TRUE(savedNew(QStringLiteral("Visa"), "b.jpg"));
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Visa.ftoct"), QStringLiteral("Visa.jpg")}));
}

TEST_F(DocumentStorageTest, APictureOfAnotherTypeReplacesTheOldCopy) {
    const QString first = picture(QStringLiteral("first.jpg"));
    ASSERT_EQ(saveNew(QStringLiteral("Visa"), first), DocumentStorage::SaveResult::Saved);
    auto opened = DocumentStorage::open(doc(QStringLiteral("Visa.ftoct")));
    ASSERT_EQ(DocumentStorage::saveAs(*opened.document, docs.path(), opened.previousPath,
                                      picture(QStringLiteral("second.png")),
                                      {QStringLiteral("Visa"), 3.5f, 4.5f, true}),
              DocumentStorage::SaveResult::Saved);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Visa.ftoct"), QStringLiteral("Visa.png")}));
    EXPECT_TRUE(FileManager::fileExistsAtPath(first)) << "pictures from elsewhere stay";
}

TEST_F(DocumentStorageTest, ADocumentRenamedOutsideKeepsTheOtherDocumentsFiles) {
    // Visa.ftoct was copied to Copy.ftoct by hand: it still says "Visa" and names Visa.jpg.
    ASSERT_TRUE(savedNew(QStringLiteral("Visa"), "a.jpg"));
    ASSERT_TRUE(QFile::copy(doc(QStringLiteral("Visa.ftoct")), doc(QStringLiteral("Copy.ftoct"))));

    ASSERT_EQ(reopenAndSave(QStringLiteral("Copy.ftoct"), QStringLiteral("Permit")),
              DocumentStorage::SaveResult::Saved);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Permit.ftoct"), QStringLiteral("Permit.jpg"),
                                    QStringLiteral("Visa.ftoct"), QStringLiteral("Visa.jpg")}));
}

TEST_F(DocumentStorageTest, AVersionZeroDocumentIsConvertedWhenOpened) {
    ASSERT_TRUE(FileManager::createFileAtPath(doc(QStringLiteral("Old.jpg")), jpegBytes(Qt::gray)));
    Fotino old;
    old.setImageName(QStringLiteral("Old.jpg"));
    old.setPictureSize(1.0f);
    old.setXOffset(10.0f);
    old.setYOffset(20.0f);
    old.setPictureVersion(0);
    ASSERT_TRUE(old.saveToFile(doc(QStringLiteral("Old.ftoct"))));

    const auto opened = DocumentStorage::open(doc(QStringLiteral("Old.ftoct")));
    ASSERT_TRUE(opened.loaded);
    EXPECT_EQ(opened.picturePath, doc(QStringLiteral("Old.jpg")));
    const auto stored = PropertyList::readDictionaryFromFile(doc(QStringLiteral("Old.ftoct")));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->value(AttributeKeys::kVersion).toInt(), 1);
    EXPECT_NE(stored->value(AttributeKeys::kXOffset).toFloat(), 10.0f);
}

TEST_F(DocumentStorageTest, AnUnreadableFileBeepsAndGivesAFreshDocumentWithThatPath) {
    ASSERT_TRUE(FileManager::createFileAtPath(doc(QStringLiteral("Broken.ftoct")), "junk"));
    const auto opened = DocumentStorage::open(doc(QStringLiteral("Broken.ftoct")));
    EXPECT_FALSE(opened.loaded);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(opened.document->filePath(), doc(QStringLiteral("Broken.ftoct")));
    EXPECT_EQ(opened.document->widthInCm(), 3.5f);
    EXPECT_TRUE(opened.previousPath.isEmpty());
    EXPECT_EQ(FileManager::contentsAtPath(doc(QStringLiteral("Broken.ftoct"))), QByteArray("junk"));
}

TEST_F(DocumentStorageTest, DeletingRemovesTheFilesThatExistAndLogsThem) {
    ASSERT_TRUE(savedNew(QStringLiteral("Visa"), "a.jpg"));
    ASSERT_TRUE(savedNew(QStringLiteral("Permit"), "b.jpg"));
    ASSERT_TRUE(FileManager::removeItemAtPath(doc(QStringLiteral("Visa.jpg"))));
    const auto visa = Fotino::initWithPath(doc(QStringLiteral("Visa.ftoct")));
    ASSERT_TRUE(visa);

    answer = 1;
    EXPECT_FALSE(DocumentStorage::deleteDocument(*visa));
    EXPECT_EQ(files().size(), 3);

    answer = 0;
    LogCapture log;
    EXPECT_TRUE(DocumentStorage::deleteDocument(*visa));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Permit.ftoct"), QStringLiteral("Permit.jpg")}));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Deleting %1,%2,%3")
                                           .arg(doc(QStringLiteral("Visa.cftn")),
                                                doc(QStringLiteral("Visa.ftoct")),
                                                doc(QStringLiteral("Visa.jpg")))});
    EXPECT_EQ(asked, (QStringList{QStringLiteral("Delete this photo?"),
                                  QStringLiteral("Delete this photo?")}));
}

TEST_F(DocumentStorageTest, DeletingALinkedDocumentRemovesTheLinkNotWhatItLeadsTo) {
    // A document kept elsewhere and linked into the documents folder, with its picture copy.
    Fotino kept;
    kept.setImageName(QStringLiteral("Visa.jpg"));
    ASSERT_TRUE(kept.saveToFile(elsewhere.filePath(QStringLiteral("Visa.ftoct"))));
    ASSERT_TRUE(QFile::link(elsewhere.filePath(QStringLiteral("Visa.ftoct")),
                            doc(QStringLiteral("Visa.ftoct"))));
    ASSERT_TRUE(FileManager::createFileAtPath(doc(QStringLiteral("Visa.jpg")), jpegBytes(Qt::red)));
    const auto listed = DocumentLibrary::listDocuments(docs.path());
    ASSERT_EQ(listed.size(), 1u);

    EXPECT_TRUE(DocumentStorage::deleteDocument(*listed.front()));
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(DocumentLibrary::listDocuments(docs.path()).empty());
    EXPECT_TRUE(FileManager::isRegularFileAtPath(elsewhere.filePath(QStringLiteral("Visa.ftoct"))));
}

TEST_F(DocumentStorageTest, DeletingADotlessDocumentRemovesItsOwnFile) {
    Fotino document;
    ASSERT_TRUE(document.saveToFile(doc(QStringLiteral("Visaftoct"))));
    DocumentStorage::removeFiles(document);
    EXPECT_TRUE(files().isEmpty());
}

struct NameCase {
    const char* name;
    QString text;
    DocumentStorage::SaveResult result;
};
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class DocumentNames : public DocumentStorageTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(DocumentNames, RefusedNamesWriteNothingAnywhere) {
    const NameCase& c = GetParam();
    QDir(docs.path()).mkdir(QStringLiteral("sub"));
    const QString original = picture(QStringLiteral("a.jpg"));
    EXPECT_EQ(saveNew(c.text, original), c.result);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(files(), QStringList{QStringLiteral("sub")});
    EXPECT_TRUE(
        FileManager::contentsOfDirectoryAtPath(docs.filePath(QStringLiteral("sub"))).isEmpty());
    EXPECT_EQ(FileManager::contentsOfDirectoryAtPath(elsewhere.path()),
              QStringList{QStringLiteral("a.jpg")});
    EXPECT_FALSE(FileManager::fileExistsAtPath(docs.filePath(QStringLiteral("../Visa.ftoct"))));
}

INSTANTIATE_TEST_SUITE_P(
    Refused, DocumentNames,
    ::testing::Values(
        NameCase{"empty", QString(), DocumentStorage::SaveResult::NoName},
        NameCase{"spaces", QStringLiteral("   "), DocumentStorage::SaveResult::NoName},
        NameCase{"dot", QStringLiteral("."), DocumentStorage::SaveResult::UnusableName},
        NameCase{"dotdot", QStringLiteral(".."), DocumentStorage::SaveResult::UnusableName},
        NameCase{"slash", QStringLiteral("sub/Visa"), DocumentStorage::SaveResult::UnusableName},
        NameCase{"up", QStringLiteral("../Visa"), DocumentStorage::SaveResult::UnusableName},
        NameCase{"newline", QStringLiteral("Vi\nsa"), DocumentStorage::SaveResult::UnusableName},
        NameCase{"too long", QString(250, QLatin1Char('n')),
                 DocumentStorage::SaveResult::UnusableName}),
    NameOfParam());

TEST_F(DocumentStorageTest, NoPictureIsRefusedBeforeAnythingIsWritten) {
    EXPECT_EQ(saveNew(QStringLiteral("Visa"), QString()), DocumentStorage::SaveResult::NoPicture);
    EXPECT_EQ(asked,
              QStringList{QStringLiteral("Choose a picture for the photo before saving it.")});
    EXPECT_TRUE(files().isEmpty());
}

class NamesUsedWhole : public DocumentStorageTest, public ::testing::WithParamInterface<QString> {};

TEST_P(NamesUsedWhole, NameTheFilesAndSavingAgainAsksNothing) {
    const QString name = GetParam();
    ASSERT_TRUE(savedNew(name, "scan.jpg"));
    const QStringList expected{name + QStringLiteral(".ftoct"), name + QStringLiteral(".jpg")};
    EXPECT_EQ(files(), expected);
    const auto listed = DocumentLibrary::listDocuments(docs.path());
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]->name(), name);

    ASSERT_EQ(reopenAndSave(name + QStringLiteral(".ftoct"), name),
              DocumentStorage::SaveResult::Saved);
    EXPECT_EQ(files(), expected);
    EXPECT_TRUE(asked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, NamesUsedWhole,
                         ::testing::Values(QStringLiteral("Card no. 2"),
                                           QStringLiteral(" Zoë’s permis ")));

class HostileImageNames : public DocumentStorageTest,
                          public ::testing::WithParamInterface<QString> {};

TEST_P(HostileImageNames, NeverReachOutsideTheDocumentsFolder) {
    // A file beside the documents folder that a hostile name points at.
    const QString victim = elsewhere.filePath(QStringLiteral("victim.jpg"));
    ASSERT_TRUE(FileManager::createFileAtPath(victim, jpegBytes(Qt::green)));
    Fotino hostile;
    hostile.setImageName(GetParam().arg(elsewhere.path()));
    ASSERT_TRUE(hostile.saveToFile(doc(QStringLiteral("Visa.ftoct"))));

    auto opened = DocumentStorage::open(doc(QStringLiteral("Visa.ftoct")));
    ASSERT_TRUE(opened.loaded);
    EXPECT_TRUE(opened.picturePath.isEmpty()) << opened.picturePath.toStdString();
    EXPECT_EQ(QFileInfo(opened.document->originalPicturePath()).absolutePath(),
              QFileInfo(docs.path()).absoluteFilePath());

    DocumentStorage::removeFiles(*opened.document);
    EXPECT_TRUE(FileManager::fileExistsAtPath(victim));
    EXPECT_TRUE(files().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, HostileImageNames,
                         ::testing::Values(QStringLiteral("%1/victim.jpg"),
                                           QStringLiteral("../victim.jpg"),
                                           QStringLiteral("../../../../%1/victim.jpg"),
                                           QStringLiteral(".."), QStringLiteral("a.jpg/..")));

} // namespace

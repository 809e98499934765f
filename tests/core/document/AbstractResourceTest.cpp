#include "core/document/AbstractResource.h"
#include "core/platform/FileManager.h"
#include "core/platform/PropertyList.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Every typed accessor, through a save and a load, so the file form is tested too.
TEST(AbstractResource, TypedAccessorsSurviveTheFile) {
    QTemporaryDir dir;
    AbstractResource r;
    r.setDouble(0.1, QStringLiteral("d"));
    r.setFloat(0.1f, QStringLiteral("f"));
    r.setInt(-7, QStringLiteral("i"));
    r.setUnsignedInt(4000000000u, QStringLiteral("u"));
    r.setUnsignedShort(40000, QStringLiteral("s"));
    r.setBool(true, QStringLiteral("yes"));
    r.setBool(false, QStringLiteral("no"));
    r.setString(QStringLiteral("Carte d’identité"), QStringLiteral("t"));
    r.setPoint(QPointF(12.5, -3), QStringLiteral("p"));
    r.setSize(QSizeF(0.1, 400), QStringLiteral("z"));
    r.setObject(QVariant(QByteArray("\x01\x02", 2)), QStringLiteral("b"));
    r.setName(QStringLiteral("Visa"));
    r.setUniqueId(0xFFFFFFF0u);
    EXPECT_TRUE(r.description().contains(QLatin1String("_AbstractResourceName = Visa;")));
    ASSERT_TRUE(r.saveToFile(dir.filePath(QStringLiteral("r.plist"))));

    auto back = AbstractResource::initWithPath(dir.filePath(QStringLiteral("r.plist")));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->doubleForKey(QStringLiteral("d")), 0.1);
    EXPECT_EQ(back->floatForKey(QStringLiteral("f")), 0.1f);
    EXPECT_EQ(back->intForKey(QStringLiteral("i")), -7);
    EXPECT_EQ(back->unsignedIntForKey(QStringLiteral("u")), 4000000000u);
    EXPECT_EQ(back->unsignedShortForKey(QStringLiteral("s")), 40000);
    EXPECT_TRUE(back->boolForKey(QStringLiteral("yes")));
    EXPECT_FALSE(back->boolForKey(QStringLiteral("no")));
    EXPECT_EQ(back->stringForKey(QStringLiteral("no")), QStringLiteral("NO"));
    EXPECT_EQ(back->stringForKey(QStringLiteral("t")), QStringLiteral("Carte d’identité"));
    EXPECT_EQ(back->pointForKey(QStringLiteral("p")), QPointF(12.5, -3));
    EXPECT_EQ(back->sizeForKey(QStringLiteral("z")), QSizeF(0.1, 400));
    EXPECT_EQ(back->objectForKey(QStringLiteral("b")).toByteArray(), QByteArray("\x01\x02", 2));
    EXPECT_EQ(back->name(), QStringLiteral("Visa"));
    EXPECT_EQ(back->uniqueId(), 0xFFFFFFF0u);
}

TEST(AbstractResource, MissingAndForeignValuesReadAsTheDefaults) {
    AbstractResource r;
    EXPECT_EQ(r.intForKey(QStringLiteral("none")), 0);
    EXPECT_EQ(r.floatForKey(QStringLiteral("none")), 0.0f);
    EXPECT_EQ(r.pointForKey(QStringLiteral("none")), QPointF(0, 0));
    EXPECT_FALSE(r.objectForKey(QStringLiteral("none")).isValid());
    EXPECT_TRUE(r.stringForKey(QStringLiteral("none")).isNull());

    // Flags are strings: a number 1 is not "YES".
    r.setInt(1, QStringLiteral("flag"));
    EXPECT_FALSE(r.boolForKey(QStringLiteral("flag")));
    r.setString(QStringLiteral("yes"), QStringLiteral("flag"));
    EXPECT_FALSE(r.boolForKey(QStringLiteral("flag")));
    // Reals read as integers are cut toward zero.
    r.setDouble(-3.7, QStringLiteral("real"));
    EXPECT_EQ(r.intForKey(QStringLiteral("real")), -3);
}

TEST(AbstractResource, NullKeysAndValuesAreIgnored) {
    AbstractResource r;
    r.setString(QStringLiteral("kept"), QStringLiteral("k"));
    r.setString(QString(), QStringLiteral("k"));
    r.setObject(QVariant(), QStringLiteral("k"));
    r.setString(QStringLiteral("lost"), QString());
    EXPECT_EQ(r.stringForKey(QStringLiteral("k")), QStringLiteral("kept"));
    EXPECT_FALSE(r.objectForKey(QString()).isValid());
    EXPECT_EQ(r.container().size(), 1);
    r.removeObjectForKey(QString());
    EXPECT_EQ(r.container().size(), 1);
    r.removeObjectForKey(QStringLiteral("k"));
    EXPECT_TRUE(r.container().isEmpty());
}

struct SaveCase {
    const char* path;
    const char* fileType;
    const char* written;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.path;
}

class AbstractResourceSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(AbstractResourceSave, AppendsTheFileTypeOnlyWhenThePathLacksIt) {
    QTemporaryDir dir;
    const SaveCase& c = GetParam();
    AbstractResource r;
    r.setFileType(QString::fromLatin1(c.fileType));
    const QString path = dir.filePath(QString::fromLatin1(c.path));
    r.setFilePath(path);
    r.setNeedsSave(true);
    ASSERT_TRUE(r.saveToFile());
    EXPECT_FALSE(r.needsSave());
    EXPECT_EQ(r.filePath(), path) << "the own path is not changed";
    EXPECT_EQ(FileManager::contentsOfDirectoryAtPath(dir.path()),
              QStringList{QString::fromLatin1(c.written)});
}

INSTANTIATE_TEST_SUITE_P(Paths, AbstractResourceSave,
                         ::testing::Values(SaveCase{"Visa", "ftoct", "Visa.ftoct"},
                                           SaveCase{"Visa.ftoct", "ftoct", "Visa.ftoct"},
                                           // A plain suffix test, without the dot.
                                           SaveCase{"Visaftoct", "ftoct", "Visaftoct"},
                                           SaveCase{"Visa", "", "Visa"}),
                         [](const ::testing::TestParamInfo<SaveCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(AbstractResource, SaveToAPathRecordsItsExtensionAsTheFileType) {
    QTemporaryDir dir;
    AbstractResource r;
    r.setNeedsSave(true);
    const QString path = dir.filePath(QStringLiteral("Visa.ftnpst"));
    ASSERT_TRUE(r.saveToFile(path));
    EXPECT_TRUE(r.needsSave()) << "saving to another path leaves the flag alone";
    EXPECT_EQ(r.filePath(), path);
    const auto written = PropertyList::readDictionaryFromFile(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->value(AbstractResource::kFileTypeKey).toString(), QStringLiteral("ftnpst"));
}

TEST(AbstractResource, LoadingReplacesTheWholeContainer) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.ftoct"));
    ASSERT_TRUE(PropertyList::writeToFile(QVariant(QVariantMap{{QStringLiteral("a"), 1}}), path));
    AbstractResource r;
    r.setInt(2, QStringLiteral("b"));
    r.setFilePath(path);
    r.setNeedsSave(true);
    ASSERT_TRUE(r.loadFromFile());
    EXPECT_EQ(r.container().keys(), QStringList{QStringLiteral("a")});
    EXPECT_FALSE(r.needsSave());

    // A failed load leaves the container as it was.
    r.setFilePath(dir.filePath(QStringLiteral("missing.ftoct")));
    EXPECT_FALSE(r.loadFromFile());
    EXPECT_EQ(r.intForKey(QStringLiteral("a")), 1);
    EXPECT_FALSE(AbstractResource::initWithPath(dir.filePath(QStringLiteral("missing.ftoct"))));
}

TEST(AbstractResource, RenameMovesTheFileUnlessTheNameIsTheSame) {
    QTemporaryDir dir;
    AbstractResource r;
    const QString visa = dir.filePath(QStringLiteral("Visa.ftoct"));
    ASSERT_TRUE(r.saveToFile(visa));

    ASSERT_TRUE(FileManager::removeItemAtPath(visa));
    EXPECT_TRUE(r.renameFile(QStringLiteral("Visa"))) << "same name: the disk is not touched";

    ASSERT_TRUE(r.saveToFile(visa));
    EXPECT_TRUE(r.renameFile(QStringLiteral("Permit")));
    EXPECT_EQ(r.filePath(), dir.filePath(QStringLiteral("Permit.ftoct")));
    EXPECT_EQ(FileManager::contentsOfDirectoryAtPath(dir.path()),
              QStringList{QStringLiteral("Permit.ftoct")});

    // A failed move still takes the new path.
    EXPECT_FALSE(r.renameFile(QStringLiteral("sub/none")));
    EXPECT_EQ(r.filePath(), dir.filePath(QStringLiteral("sub/none.ftoct")));
}

TEST(UniqueIDObject, FindsTheFirstElementWithTheIdentifier) {
    std::vector<std::shared_ptr<AbstractResource>> list;
    EXPECT_EQ(UniqueIDObject::objectIndexForId(7, list), -1);
    EXPECT_EQ(UniqueIDObject::objectForId(7, list), nullptr);
    for (quint32 id : {3u, 7u, 7u}) {
        auto r = std::make_shared<AbstractResource>();
        r->setUniqueId(id);
        list.push_back(r);
    }
    EXPECT_EQ(UniqueIDObject::objectIndexForId(7, list), 1);
    EXPECT_EQ(UniqueIDObject::objectForId(7, list), list[1]);
    EXPECT_EQ(UniqueIDObject::objectIndexForId(9, list), -1);
}

} // namespace

#include "core/presets/Preset.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/Image.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/ResourceFolder.h"
#include "support/DocumentTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using documenttest::namesOf;

class PresetTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(resources.path()).mkpath(QStringLiteral("presets"));
        ResourceFolder::setOverride(resources.path());
    }
    void TearDown() override { ResourceFolder::setOverride(QString()); }

    QString builtInFile(const char* file) const {
        return resources.filePath(QStringLiteral("presets/") + QString::fromLatin1(file));
    }
    void writeBuiltIn(const char* file, const QString& name) {
        Preset p;
        p.setName(name);
        p.setUUID(Preset::newIdentifier());
        ASSERT_TRUE(p.saveToFile(builtInFile(file)));
    }
    QStringList userFiles() const {
        return FileManager::contentsOfDirectoryAtPath(Preset::userPresetsPath());
    }

    TemporaryHome home;
    QTemporaryDir resources;
};

TEST_F(PresetTest, OnlyTopLevelRegularFilesWithTheExactExtensionCount) {
    writeBuiltIn("a.ftnpst", QStringLiteral("A"));
    writeBuiltIn("b.FTNPST", QStringLiteral("B"));
    QDir(resources.path()).mkpath(QStringLiteral("presets/sub"));
    writeBuiltIn("sub/c.ftnpst", QStringLiteral("C"));
    QDir(resources.path()).mkpath(QStringLiteral("presets/folder.ftnpst"));
    QFile::link(builtInFile("a.ftnpst"), builtInFile("link.ftnpst"));
    // A broken file is still listed, blank.
    ASSERT_TRUE(FileManager::createFileAtPath(builtInFile("broken.ftnpst"), "junk"));
    const auto all = Preset::presets();
    EXPECT_EQ(namesOf(all), (QStringList{QStringLiteral("A"), QString()}));
    EXPECT_EQ(all[1]->printWidth(), 0.0f);
    EXPECT_FALSE(all[1]->guideNamed(Preset::kFaceGuide));
}

TEST_F(PresetTest, TheDefaultPresetIsTwoInchesSquareWithItsGuides) {
    const auto p = Preset::defaultPreset();
    EXPECT_EQ(p->name(), QStringLiteral("Untitled preset"));
    EXPECT_EQ(p->printWidth(), 5.08f);
    EXPECT_EQ(p->printHeight(), 5.08f);
    const QRectF face = Preset::rectFromGuide(p->guideNamed(Preset::kFaceGuide));
    EXPECT_FLOAT_EQ(face.x(), 0.79f);
    EXPECT_FLOAT_EQ(face.y(), 1.63f);
    EXPECT_FLOAT_EQ(face.width(), 3.5f);
    EXPECT_FLOAT_EQ(face.height(), 3.3f);
    EXPECT_EQ(p->eyesTop(), 3.49f);
    EXPECT_EQ(p->eyesRight(), 5.08f);
    EXPECT_EQ(p->uuid().size(), 16);
    EXPECT_NE(p->uuid(), Preset::defaultPreset()->uuid());
    EXPECT_EQ(Preset::rectFromGuide(std::nullopt), QRectF());
}

TEST_F(PresetTest, SavingUnderAChangedNameLeavesOneFile) {
    auto p = Preset::defaultPreset();
    p->setName(QStringLiteral("Visa"));
    ASSERT_TRUE(p->save());
    EXPECT_EQ(userFiles(), QStringList{QStringLiteral("Visa.ftnpst")});
    p->setName(QStringLiteral("Visa 2"));
    ASSERT_TRUE(p->save());
    EXPECT_EQ(userFiles(), QStringList{QStringLiteral("Visa 2.ftnpst")});
    EXPECT_EQ(p->filePath(), Preset::userPresetsPath() + QStringLiteral("/Visa 2.ftnpst"));
}

TEST_F(PresetTest, ANameThatIsNoFileNameWritesNothing) {
    for (const QString& name : {QStringLiteral("../escape"), QStringLiteral(".."),
                                QStringLiteral("  "), QStringLiteral("a/b")}) {
        auto p = Preset::defaultPreset();
        p->setName(name);
        EXPECT_FALSE(p->save()) << name.toStdString();
    }
    EXPECT_TRUE(userFiles().isEmpty());
    EXPECT_TRUE(
        FileManager::contentsOfDirectoryAtPath(home.filePath(QStringLiteral(".local/share/Fotino")))
            .filter(QStringLiteral("escape"))
            .isEmpty());
}

TEST_F(PresetTest, SaveAndDeleteTellTheWindowsAndLookUpFollows) {
    QObject observer;
    int changes = 0;
    NotificationCenter::defaultCenter().addObserver(&observer, Preset::kListChanged,
                                                    [&](const Notification&) { ++changes; });
    auto p = Preset::defaultPreset();
    p->setName(QStringLiteral("Club card"));
    ASSERT_TRUE(p->save());
    EXPECT_EQ(changes, 1);
    auto found = Preset::presetWithUUID(p->uuid());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name(), QStringLiteral("Club card"));
    EXPECT_FALSE(Preset::presetWithUUID(QString()));

    found->deletePreset();
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(Preset::presetWithUUID(p->uuid()));
    found->deletePreset(); // a missing file is no error
    EXPECT_EQ(changes, 3);
}

// Every byte value, in every position, survives the file.
TEST_F(PresetTest, IdentifiersKeepAll256ByteValuesThroughTheFile) {
    for (int start = 0; start < 256; start += 16) {
        QByteArray bytes;
        for (int i = 0; i < 16; ++i) {
            bytes.append(static_cast<char>(start + i));
        }
        auto p = Preset::defaultPreset();
        p->setUUID(Preset::identifierFromBytes(bytes));
        p->setName(QStringLiteral("Bytes %1").arg(start));
        ASSERT_TRUE(p->save()) << start;
        auto back = Preset::initWithPath<Preset>(p->filePath());
        ASSERT_TRUE(back) << start;
        EXPECT_EQ(back->uuid(), p->uuid()) << start;
        EXPECT_EQ(back->uuid().size(), 16);
        EXPECT_EQ(Preset::presetWithUUID(p->uuid())->name(), p->name());
    }
}

TEST_F(PresetTest, MaskAndIconArePictures) {
    auto p = Preset::defaultPreset();
    EXPECT_FALSE(p->mask());
    ResourceFolder::setOverride(QString());
    const auto generic = p->icon();
    ASSERT_TRUE(generic) << "the program's own preset icon";
    QImage picture(20, 10, QImage::Format_RGBA8888);
    picture.fill(QColor(10, 20, 30, 128));
    Image mask(QSizeF(20, 10));
    mask.addRepresentation(BitmapImageRep::initWithQImage(picture));
    p->setMask(mask);
    p->setIcon(mask);
    ASSERT_TRUE(p->mask());
    EXPECT_EQ(p->mask()->size(), QSizeF(20, 10));
    EXPECT_EQ(p->icon()->size(), QSizeF(20, 10));
    // An empty picture keeps what was there.
    p->setMask(Image(QSizeF(5, 5)));
    EXPECT_EQ(p->mask()->size(), QSizeF(20, 10));
}

TEST_F(PresetTest, ACopyIsAPreset) {
    auto p = Preset::defaultPreset();
    auto copy = std::dynamic_pointer_cast<Preset>(p->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->uuid(), p->uuid());
    EXPECT_EQ(copy->faceLeft(), 0.79f);
}

TEST_F(PresetTest, RulesSurviveTheFileAndRulesStatingNothingRemoveTheEntry) {
    auto p = Preset::defaultPreset();
    p->setName(QStringLiteral("Visa"));
    const FormatRules rules{MillimetreRange{25.4, 34.9}, MillimetreRange{28.6, 34.9},
                            FormatRules::Background::White};
    p->setRules(rules);
    ASSERT_TRUE(p->save());
    auto back = Preset::initWithPath<Preset>(p->filePath());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->rules(), rules);
    EXPECT_EQ(std::dynamic_pointer_cast<Preset>(back->copy())->rules(), rules);

    back->setRules(FormatRules{});
    ASSERT_TRUE(back->save());
    EXPECT_FALSE(back->container().contains(AttributeKeys::kPresetRules));
    EXPECT_FALSE(FileManager::contentsAtPath(back->filePath())->contains("presetRules"));
    EXPECT_EQ(Preset::initWithPath<Preset>(back->filePath())->rules(), FormatRules{});
}

// A preset file as written before presets had rules, with the rules entry given as text.
QByteArray presetFile(const QByteArray& rulesEntry) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\"><dict>"
           "<key>AbstractResourceFileType</key><string>ftnpst</string>"
           "<key>FTHeight</key><real>4.5</real><key>FTWidth</key><real>3.5</real>"
           "<key>presetGuides</key><dict><key>Eyes</key><dict>"
           "<key>bottom</key><real>2.25</real><key>left</key><real>0</real>"
           "<key>right</key><real>3.5</real><key>top</key><real>3.15</real></dict></dict>"
           "<key>presetName</key><string>Older</string>" +
           rulesEntry + "<key>presetUUID</key><string>0123456789abcdef</string></dict></plist>\n";
}

TEST_F(PresetTest, FilesWithoutRulesOrWithMalformedOnesStillLoad) {
    const MillimetreRange eyes{22.5, 31.5};
    const std::vector<std::pair<QByteArray, FormatRules>> cases = {
        {"", {}},
        {"<key>presetRules</key><string>32-36</string>", {}},
        {"<key>presetRules</key><array><real>32</real><real>36</real></array>", {}},
        {"<key>presetRules</key><dict><key>headMin</key><string>32</string>"
         "<key>headMax</key><true/><key>background</key><real>1</real></dict>",
         {}},
        {"<key>presetRules</key><dict><key>headMin</key><real>36</real>"
         "<key>headMax</key><real>32</real><key>eyeLineMin</key><real>22.5</real>"
         "<key>eyeLineMax</key><real>31.5</real></dict>",
         {std::nullopt, eyes, FormatRules::Background::Light}},
        {"<key>presetRules</key><dict><key>headMin</key><integer>-32</integer>"
         "<key>headMax</key><integer>36</integer><key>background</key>"
         "<string>lightNotWhite</string></dict>",
         {std::nullopt, std::nullopt, FormatRules::Background::LightNotWhite}},
    };
    const QString path = home.filePath(QStringLiteral("Older.ftnpst"));
    for (const auto& [entry, expected] : cases) {
        ASSERT_TRUE(FileManager::createFileAtPath(path, presetFile(entry)));
        const auto p = Preset::initWithPath<Preset>(path);
        ASSERT_TRUE(p) << entry.toStdString();
        EXPECT_EQ(p->name(), QStringLiteral("Older"));
        EXPECT_EQ(p->printHeight(), 4.5f);
        EXPECT_EQ(p->eyesTop(), 3.15f);
        EXPECT_EQ(p->rules(), expected) << entry.toStdString();
    }
}

} // namespace

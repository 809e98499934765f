#include "ui/presets/PresetEditor.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentLibrary.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/Image.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/Panels.h"
#include "core/platform/ResourceFolder.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/RecordedPanels.h"
#include "support/TemporaryHome.h"
#include "ui/presets/ImageWell.h"
#include "ui_PresetEditor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

using F = PresetForm;

class PresetEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        NotificationCenter::defaultCenter().addObserver(
            &observer_, Preset::kListChanged, [this](const Notification&) { ++listChanges_; });
        setMetric(true);
    }
    void TearDown() override {
        for (const QPointer<PresetEditor>& editor : opened_) {
            delete editor.data();
        }
    }

    static void setMetric(bool metric) {
        UserDefaults::standardUserDefaults().setObject(
            metric ? DisplayUnits::kMetric : QStringLiteral("Inches"), DocumentLibrary::kUnitsKey);
    }
    PresetEditor* open(std::shared_ptr<Preset> preset) {
        PresetEditor* editor = PresetEditor::editor(std::move(preset));
        opened_.emplace_back(editor);
        return editor;
    }
    // Replaces the field's text as a user does, key by key.
    static void type(QLineEdit* field, const QString& text) {
        field->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(field, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(field, text);
        }
    }
    // Windows that closed are deleted by the event loop.
    static void runDeferredDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QString userFile(const QString& name) {
        return Preset::userPresetsPath() + QLatin1Char('/') + name + QStringLiteral(".ftnpst");
    }
    static QStringList userFiles() {
        return FileManager::contentsOfDirectoryAtPath(Preset::userPresetsPath());
    }
    static QByteArray bytesOf(const QString& path) {
        return FileManager::contentsAtPath(path).value_or(QByteArray());
    }
    static std::shared_ptr<Preset> load(const QString& name) {
        return AbstractResource::initWithPath<Preset>(userFile(name));
    }
    // A user preset on disk, read back as the store gives it.
    std::shared_ptr<Preset> savedPreset(const QString& name, float width = 3.5f) {
        Preset preset;
        preset.setName(name);
        preset.setUUID(Preset::newIdentifier());
        preset.setPrintWidth(width, 4.5f);
        preset.setFaceLeft(0.43f, 4.1f, 3.07f, 2.54f);
        preset.setEyesLeft(0.0f, 3.15f, width, 2.25f);
        EXPECT_TRUE(preset.save());
        listChanges_ = 0;
        return load(name);
    }
    std::vector<PanelRequest> alerts() const { return panels_.alerts(); }

    TemporaryHome home_;
    QObject observer_;
    int listChanges_ = 0;
    RecordedPanels panels_;
    std::vector<PanelRequest>& asked_ = panels_.requests;
    std::vector<QPointer<PresetEditor>> opened_;
};

TEST_F(PresetEditorTest, InInchesEveryLengthIsShownDividedAndSavedBackUnchanged) {
    setMetric(false);
    const auto preset = savedPreset(QStringLiteral("Visa"));
    PresetEditor* editor = open(preset);
    Ui::PresetEditor* ui = editor->outlets();
    EXPECT_EQ(ui->presetFaceBottom->text(), QStringLiteral("1"));
    EXPECT_EQ(ui->presetPrintWidth->text(), QStringLiteral("1.38"));
    EXPECT_EQ(ui->presetEyesTop->text(), QStringLiteral("1.24"));
    EXPECT_EQ(ui->presetFaceBottomUnit->text(), QStringLiteral("in"));
    EXPECT_EQ(ui->presetPrintHeightUnit->text(), QStringLiteral("in"));

    ASSERT_TRUE(editor->save());
    const auto saved = load(QStringLiteral("Visa"));
    ASSERT_TRUE(saved);
    EXPECT_FLOAT_EQ(saved->faceBottom(), 2.54f);
    // Lengths nobody touched keep their exact value, though shown rounded.
    EXPECT_EQ(saved->printWidth(), 3.5f);
    EXPECT_EQ(saved->eyesTop(), 3.15f);
    EXPECT_EQ(saved->faceLeft(), 0.43f);
    EXPECT_EQ(saved->uuid(), preset->uuid());
    EXPECT_EQ(listChanges_, 1);
}

TEST_F(PresetEditorTest, WithoutAPresetItShowsTheDefaultOne) {
    PresetEditor* editor = open(nullptr);
    Ui::PresetEditor* ui = editor->outlets();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edit Preset"));
    EXPECT_EQ(ui->presetName->text(), QStringLiteral("Untitled preset"));
    const std::vector<std::pair<QLineEdit*, const char*>> expected = {
        {ui->presetPrintWidth, "5.08"}, {ui->presetPrintHeight, "5.08"},
        {ui->presetFaceLeft, "0.79"},   {ui->presetFaceTop, "4.93"},
        {ui->presetFaceRight, "4.29"},  {ui->presetFaceBottom, "1.63"},
        {ui->presetEyesLeft, "0"},      {ui->presetEyesTop, "3.49"},
        {ui->presetEyesRight, "5.08"},  {ui->presetEyesBottom, "2.85"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(field->text(), QString::fromLatin1(text)) << field->objectName().toStdString();
        EXPECT_FALSE(field->property("invalid").toBool()) << field->objectName().toStdString();
    }
    EXPECT_EQ(ui->presetPrintWidthUnit->text(), QStringLiteral("cm"));
    EXPECT_FALSE(ui->presetPrintMask->image());
    EXPECT_FALSE(ui->presetIcon->image()) << "the generic icon is only shown, not held";
    EXPECT_TRUE(editor->attachedPreset()->filePath().isEmpty());
    EXPECT_EQ(editor->attachedPreset()->uuid().size(), 16);
}

TEST_F(PresetEditorTest, CancelLeavesTheFileAndTheListsAlone) {
    const auto preset = savedPreset(QStringLiteral("Visa"));
    const QByteArray before = bytesOf(userFile(QStringLiteral("Visa")));
    QPointer<PresetEditor> editor = open(preset);
    Ui::PresetEditor* ui = editor->outlets();
    type(ui->presetName, QStringLiteral("Visa 2"));
    type(ui->presetPrintWidth, QStringLiteral("4"));
    type(ui->presetFaceTop, QStringLiteral("4.2"));
    QTest::mouseClick(ui->cancelButton, Qt::LeftButton);
    runDeferredDeletes();
    EXPECT_TRUE(editor.isNull()) << "the window lets itself go";
    EXPECT_EQ(bytesOf(userFile(QStringLiteral("Visa"))), before);
    EXPECT_EQ(userFiles(), QStringList{QStringLiteral("Visa.ftnpst")});
    EXPECT_EQ(preset->name(), QStringLiteral("Visa"));
    EXPECT_EQ(preset->printWidth(), 3.5f);
    EXPECT_EQ(listChanges_, 0);
    EXPECT_TRUE(alerts().empty());
}

TEST_F(PresetEditorTest, ADuplicateSavedUnderANewNameIsASecondPreset) {
    const auto first = savedPreset(QStringLiteral("Visa"));
    const QByteArray before = bytesOf(userFile(QStringLiteral("Visa")));
    auto copy = std::static_pointer_cast<Preset>(first->copy());
    PresetEditor* editor = open(copy);
    editor->regenerateUUID();
    type(editor->outlets()->presetName, QStringLiteral("Visa 2"));
    type(editor->outlets()->presetPrintHeight, QStringLiteral("5"));
    ASSERT_TRUE(editor->save());

    EXPECT_EQ(userFiles(),
              (QStringList{QStringLiteral("Visa 2.ftnpst"), QStringLiteral("Visa.ftnpst")}));
    EXPECT_EQ(bytesOf(userFile(QStringLiteral("Visa"))), before);
    const auto second = load(QStringLiteral("Visa 2"));
    ASSERT_TRUE(second);
    EXPECT_NE(second->uuid(), first->uuid());
    EXPECT_EQ(second->printHeight(), 5.0f);
    EXPECT_EQ(Preset::presetWithUUID(first->uuid())->name(), QStringLiteral("Visa"));
    EXPECT_EQ(listChanges_, 1);
}

TEST_F(PresetEditorTest, ADuplicateSavedUnderAnExistingUserNameReplacesThatFile) {
    savedPreset(QStringLiteral("Visa"), 3.5f);
    const auto other = savedPreset(QStringLiteral("Other"), 5.0f);
    const QByteArray otherBefore = bytesOf(userFile(QStringLiteral("Other")));
    PresetEditor* editor = open(std::static_pointer_cast<Preset>(other->copy()));
    editor->regenerateUUID();
    type(editor->outlets()->presetName, QStringLiteral("Visa"));
    ASSERT_TRUE(editor->save());

    EXPECT_EQ(userFiles(),
              (QStringList{QStringLiteral("Other.ftnpst"), QStringLiteral("Visa.ftnpst")}));
    EXPECT_EQ(bytesOf(userFile(QStringLiteral("Other"))), otherBefore);
    const auto replaced = load(QStringLiteral("Visa"));
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->printWidth(), 5.0f);
    EXPECT_EQ(replaced->uuid(), editor->attachedPreset()->uuid());
}

TEST_F(PresetEditorTest, EitherDecimalSignStoresTheSameNumber) {
    for (const QString& text : {QStringLiteral("3,5"), QStringLiteral("3.5")}) {
        PresetEditor* editor = open(nullptr);
        const QString name = QStringLiteral("Size ") + text;
        type(editor->outlets()->presetName, name);
        type(editor->outlets()->presetFaceRight, text);
        type(editor->outlets()->presetEyesTop, text);
        ASSERT_TRUE(editor->save()) << text.toStdString();
        const auto saved = load(name);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->faceRight(), 3.5f) << text.toStdString();
        EXPECT_EQ(saved->eyesTop(), 3.5f) << text.toStdString();
    }
}

struct Refusal {
    const char* name;
    F::Field field;
    QString text;
    const char* message; // the alert, with the field named in it
};

void PrintTo(const Refusal& c, std::ostream* os) {
    *os << c.name;
}

class PresetEditorRefusal : public PresetEditorTest,
                            public ::testing::WithParamInterface<Refusal> {};

TEST_P(PresetEditorRefusal, WritesNothingAndSaysWhichField) {
    const Refusal& c = GetParam();
    PresetEditor* editor = open(nullptr);
    QLineEdit* field = editor->field(c.field);
    type(field, c.text);
    EXPECT_TRUE(field->property("invalid").toBool()) << "marked while wrong, before saving";
    EXPECT_FALSE(field->toolTip().isEmpty());

    EXPECT_FALSE(editor->save());
    const auto said = alerts();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].message, QString::fromUtf8(c.message));
    EXPECT_FALSE(FileManager::fileExistsAtPath(Preset::userPresetsPath()));
    EXPECT_EQ(listChanges_, 0);
    EXPECT_EQ(editor->attachedPreset()->name(), QStringLiteral("Untitled preset"));
    EXPECT_EQ(editor->attachedPreset()->printWidth(), 5.08f);
    EXPECT_TRUE(editor->isVisible());

    type(field, c.field == F::Name ? QStringLiteral("Fixed")
                                   : PresetForm(*Preset::defaultPreset(), true).text(c.field));
    EXPECT_FALSE(field->property("invalid").toBool()) << "the mark goes with the fault";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresetEditorRefusal,
    ::testing::Values(
        Refusal{"EmptyName", F::Name, "", "“Name” is empty. Give the preset a name."},
        Refusal{"NameWithSlash", F::Name, "A/B",
                "The name in “Name” cannot be used for a file. Use a shorter name without “/” "
                "that is not “.” or “..”."},
        Refusal{"EmptyWidth", F::PrintWidth, "", "“Width” is empty. Enter a length."},
        Refusal{"WordForHeight", F::PrintHeight, "tall",
                "“Height” is not a length. Enter a number with at most two decimals, such as "
                "3.5."},
        Refusal{"ZeroWidth", F::PrintWidth, "0",
                "“Width” must be more than 0 and at most 100 cm (39.37 in)."},
        Refusal{"FaceRightLeftOfLeft", F::FaceRight, "0.5",
                "“Face box – Right” must lie to the right of the left edge."},
        Refusal{"EyesTopBelowBottom", F::EyesTop, "2",
                "“Eye band – Top” must lie above the bottom edge."},
        Refusal{"EyesLeftOutside", F::EyesLeft, "-0.5",
                "“Eye band – Left” lies outside the photo: guides must stay within its width "
                "and height."}),
    NameOfParam());

TEST_F(PresetEditorTest, AFailedWriteIsSaidAndKeepsTheWindowOpen) {
    // The user presets folder cannot be made where a file stands in its way.
    const QString parent = QFileInfo(Preset::userPresetsPath()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(parent).absolutePath()));
    ASSERT_TRUE(FileManager::createFileAtPath(parent, "in the way"));
    QPointer<PresetEditor> editor = open(nullptr);
    EXPECT_FALSE(editor->save());
    runDeferredDeletes();
    ASSERT_FALSE(editor.isNull());
    EXPECT_TRUE(editor->isVisible());
    const auto said = alerts();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_TRUE(said[0].message.contains(Preset::userPresetsPath()))
        << said[0].message.toStdString();
}

TEST_F(PresetEditorTest, TheLengthsFollowAChangeOfUnitWithTheirEdits) {
    PresetEditor* editor = open(savedPreset(QStringLiteral("Visa")));
    Ui::PresetEditor* ui = editor->outlets();
    type(ui->presetPrintHeight, QStringLiteral("5,08"));
    setMetric(false);
    NotificationCenter::defaultCenter().postNotificationName(QStringLiteral("unitChanged"));
    EXPECT_EQ(ui->presetPrintHeight->text(), QStringLiteral("2"));
    EXPECT_EQ(ui->presetPrintWidth->text(), QStringLiteral("1.38"));
    EXPECT_EQ(ui->presetPrintWidthUnit->text(), QStringLiteral("in"));
    type(ui->presetFaceLeft, QStringLiteral("0.25"));
    ASSERT_TRUE(editor->save());
    const auto saved = load(QStringLiteral("Visa"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->printWidth(), 3.5f);
    EXPECT_FLOAT_EQ(saved->printHeight(), 5.08f);
    EXPECT_FLOAT_EQ(saved->faceLeft(), 0.635f);
}

TEST_F(PresetEditorTest, AChangeOfUnitNobodyAnnouncedDoesNotScaleTheFields) {
    PresetEditor* editor = open(savedPreset(QStringLiteral("Visa")));
    type(editor->outlets()->presetPrintHeight, QStringLiteral("5"));
    setMetric(false); // the fields still show centimetres
    ASSERT_TRUE(editor->save());
    const auto saved = load(QStringLiteral("Visa"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->printHeight(), 5.0f);
    EXPECT_EQ(saved->printWidth(), 3.5f);
}

TEST_F(PresetEditorTest, SeveralWindowsEachGoWhenTheyCloseAndWorkFromTheKeyboard) {
    QPointer<PresetEditor> first = open(savedPreset(QStringLiteral("Visa")));
    QPointer<PresetEditor> second = open(nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(second->isVisible());

    type(first->outlets()->presetPrintWidth, QStringLiteral("9"));
    QTest::keyClick(first->outlets()->presetPrintWidth, Qt::Key_Escape);
    runDeferredDeletes();
    EXPECT_TRUE(first.isNull()) << "Escape cancels";
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(load(QStringLiteral("Visa"))->printWidth(), 3.5f);

    type(second->outlets()->presetName, QStringLiteral("Typed"));
    QTest::keyClick(second->outlets()->presetName, Qt::Key_Return);
    runDeferredDeletes();
    EXPECT_TRUE(second.isNull()) << "Return saves";
    EXPECT_TRUE(load(QStringLiteral("Typed")));
}

QString writePicture(const QString& path, QSize size, QColor color) {
    QImage pixels(size, QImage::Format_ARGB32);
    pixels.fill(color);
    EXPECT_TRUE(pixels.save(path));
    return path;
}

QSize pixelsOf(const std::shared_ptr<Image>& image) {
    if (!image || image->representations().empty()) {
        return {};
    }
    const auto& rep = image->representations().front();
    return {rep->pixelsWide(), rep->pixelsHigh()};
}

TEST_F(PresetEditorTest, PicturesGivenToTheWellsAreSavedTheIconMadeSmall) {
    const QString big =
        writePicture(home_.filePath(QStringLiteral("big.png")), {1000, 500}, Qt::red);
    const QString mask =
        writePicture(home_.filePath(QStringLiteral("mask.png")), {350, 450}, QColor(0, 0, 0, 40));
    PresetEditor* editor = open(nullptr);
    ASSERT_TRUE(editor->outlets()->presetIcon->takePictureAtPath(big));
    ASSERT_TRUE(editor->outlets()->presetPrintMask->takePictureAtPath(mask));
    ASSERT_TRUE(editor->save());
    const auto saved = load(QStringLiteral("Untitled preset"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(pixelsOf(saved->icon()), QSize(128, 64));
    EXPECT_EQ(pixelsOf(saved->mask()), QSize(350, 450));
}

TEST_F(PresetEditorTest, AnEmptiedWellKeepsThePresetsPicture) {
    auto preset = savedPreset(QStringLiteral("Visa"));
    const QString mask =
        writePicture(home_.filePath(QStringLiteral("mask.png")), {35, 45}, Qt::gray);
    preset->setMask(*Image::initWithContentsOfFile(mask));
    preset->setIcon(*Image::initWithContentsOfFile(mask));
    ASSERT_TRUE(preset->save());
    const QByteArray maskData = preset->maskData();
    const QByteArray iconData = preset->iconData();
    PresetEditor* editor = open(preset);
    EXPECT_EQ(pixelsOf(editor->outlets()->presetPrintMask->image()), QSize(35, 45));
    EXPECT_EQ(pixelsOf(editor->outlets()->presetIcon->image()), QSize(35, 45));
    editor->outlets()->presetPrintMask->setImage(nullptr);
    editor->outlets()->presetIcon->setImage(nullptr);
    ASSERT_TRUE(editor->save());
    const auto saved = load(QStringLiteral("Visa"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->maskData(), maskData);
    EXPECT_EQ(saved->iconData(), iconData);
}

// The built-in ICAO preset, copied as the editor's Duplicate does.
std::shared_ptr<Preset> icaoCopy() {
    ResourceFolder::setOverride(QString());
    const auto all = Preset::presets();
    EXPECT_FALSE(all.empty());
    auto copy = std::static_pointer_cast<Preset>(all.front()->copy());
    EXPECT_EQ(copy->name(), QStringLiteral("ICAO 35×45 mm"));
    return copy;
}

TEST_F(PresetEditorTest, ShowsTheRulesInMillimetresInEitherUnit) {
    for (const bool metric : {true, false}) {
        setMetric(metric);
        PresetEditor* editor = open(icaoCopy());
        Ui::PresetEditor* ui = editor->outlets();
        EXPECT_EQ(ui->presetHeadMinimum->text(), QStringLiteral("32"));
        EXPECT_EQ(ui->presetHeadMaximum->text(), QStringLiteral("36"));
        EXPECT_EQ(ui->presetEyeLineMinimum->text(), QStringLiteral("22.5"));
        EXPECT_EQ(ui->presetEyeLineMaximum->text(), QStringLiteral("31.5"));
        EXPECT_EQ(ui->presetHeadUnit->text(), QStringLiteral("mm"));
        EXPECT_EQ(ui->presetEyeLineUnit->text(), QStringLiteral("mm"));
        EXPECT_EQ(ui->presetBackground->currentText(), QStringLiteral("Plain and light"));
        EXPECT_EQ(ui->presetHeadMaximum->accessibleName(), QStringLiteral("Head height (maximum)"));
    }
    // Another preset in the same window: fields it has no rules for are emptied.
    PresetEditor* editor = open(icaoCopy());
    auto france = Preset::presets()[7];
    ASSERT_EQ(france->name(), QStringLiteral("France passport / ID card 35×45 mm"));
    editor->setPreset(france);
    Ui::PresetEditor* ui = editor->outlets();
    EXPECT_EQ(ui->presetHeadMinimum->text(), QStringLiteral("32"));
    EXPECT_TRUE(ui->presetEyeLineMinimum->text().isEmpty());
    EXPECT_TRUE(ui->presetEyeLineMaximum->text().isEmpty());
    EXPECT_EQ(ui->presetBackground->currentText(), QStringLiteral("Light, but not white"));
    editor->setPreset(nullptr);
    EXPECT_TRUE(ui->presetHeadMinimum->text().isEmpty());
    EXPECT_EQ(ui->presetBackground->currentText(), QStringLiteral("Plain and light"));
}

TEST_F(PresetEditorTest, ADuplicateOfABuiltInPresetKeepsItsRulesAndTheirEdits) {
    PresetEditor* editor = open(icaoCopy());
    editor->regenerateUUID();
    Ui::PresetEditor* ui = editor->outlets();
    type(ui->presetName, QStringLiteral("Kept"));
    ASSERT_TRUE(editor->save());
    const auto kept = load(QStringLiteral("Kept"));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->rules(), (FormatRules{MillimetreRange{32, 36}, MillimetreRange{22.5, 31.5},
                                          FormatRules::Background::Light}));

    editor = open(icaoCopy());
    editor->regenerateUUID();
    ui = editor->outlets();
    type(ui->presetName, QStringLiteral("Edited"));
    type(ui->presetHeadMaximum, QStringLiteral("35,5"));
    type(ui->presetEyeLineMinimum, QString());
    type(ui->presetEyeLineMaximum, QString());
    ui->presetBackground->setCurrentIndex(1);
    ASSERT_TRUE(editor->save());
    const auto edited = load(QStringLiteral("Edited"));
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->rules(), (FormatRules{MillimetreRange{32, 35.5}, std::nullopt,
                                            FormatRules::Background::White}));

    // Emptied of every rule, the preset loses the entry.
    editor = open(edited);
    ui = editor->outlets();
    type(ui->presetHeadMinimum, QString());
    type(ui->presetHeadMaximum, QString());
    ui->presetBackground->setCurrentIndex(0);
    ASSERT_TRUE(editor->save());
    EXPECT_FALSE(bytesOf(userFile(QStringLiteral("Edited"))).contains("presetRules"));
}

struct RuleRefusal {
    const char* name;
    std::vector<std::pair<F::Field, QString>> texts;
    F::Field wrong;
    const char* message;
};

void PrintTo(const RuleRefusal& c, std::ostream* os) {
    *os << c.name;
}

class PresetEditorRuleRefusal : public PresetEditorTest,
                                public ::testing::WithParamInterface<RuleRefusal> {};

TEST_P(PresetEditorRuleRefusal, WritesNothingAndSaysWhichEnd) {
    const RuleRefusal& c = GetParam();
    PresetEditor* editor = open(nullptr); // 5.08 cm high
    for (const auto& [field, text] : c.texts) {
        type(editor->field(field), text);
    }
    for (const auto f : {F::HeadMinimum, F::HeadMaximum, F::EyeLineMinimum, F::EyeLineMaximum}) {
        EXPECT_EQ(editor->field(f)->property("invalid").toBool(), f == c.wrong) << f;
    }
    EXPECT_FALSE(editor->save());
    const auto said = alerts();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].message, QString::fromUtf8(c.message));
    EXPECT_EQ(editor->field(c.wrong)->toolTip(), said[0].message);
    EXPECT_FALSE(FileManager::fileExistsAtPath(Preset::userPresetsPath()));
    EXPECT_TRUE(editor->attachedPreset()->rules().isEmpty());

    // Both ends emptied: no rule, and nothing wrong.
    for (const auto& [field, text] : c.texts) {
        type(editor->field(field), QString());
    }
    EXPECT_FALSE(editor->field(c.wrong)->property("invalid").toBool());
    EXPECT_TRUE(editor->save());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresetEditorRuleRefusal,
    ::testing::Values(
        RuleRefusal{"HalfARange",
                    {{F::HeadMinimum, "32"}},
                    F::HeadMaximum,
                    "“Head height (maximum)” is empty. Enter both ends of the range, or leave "
                    "both empty."},
        RuleRefusal{"Reversed",
                    {{F::EyeLineMinimum, "31.5"}, {F::EyeLineMaximum, "22.5"}},
                    F::EyeLineMaximum,
                    "“Eye line height (maximum)” must not be below the minimum of the range."},
        RuleRefusal{"Negative",
                    {{F::HeadMinimum, "-32"}, {F::HeadMaximum, "36"}},
                    F::HeadMinimum,
                    "“Head height (minimum)” must be more than 0 mm and at most the photo’s "
                    "height."},
        RuleRefusal{"TallerThanThePhoto",
                    {{F::HeadMinimum, "32"}, {F::HeadMaximum, "51"}},
                    F::HeadMaximum,
                    "“Head height (maximum)” must be more than 0 mm and at most the photo’s "
                    "height."},
        RuleRefusal{"ThreeDecimals",
                    {{F::EyeLineMinimum, "22.125"}, {F::EyeLineMaximum, "31.5"}},
                    F::EyeLineMinimum,
                    "“Eye line height (minimum)” is not a length. Enter a number with at most "
                    "two decimals, such as 3.5."}),
    NameOfParam());

} // namespace

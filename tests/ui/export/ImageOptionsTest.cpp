#include "ui/export/ImageOptions.h"
#include "core/document/DocumentExport.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui_ImageOptions.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The panel is one instance for the whole run: each test puts back what it changed.
class ImageOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        options_ = ImageOptions::sharedImageOptions();
        ui_ = options_->outlets();
        format_ = ui_->formatPopup->currentIndex();
        resolution_ = ui_->resolutionPopup->currentIndex();
        filename_ = options_->filename();
    }
    void TearDown() override {
        ui_->formatPopup->setCurrentIndex(format_);
        ui_->resolutionPopup->setCurrentIndex(resolution_);
        ui_->pixelsWidth->clear();
        ui_->pixelsHeight->clear();
        ui_->maxSizeField->clear();
        options_->setFilename(filename_);
        Panels::clearTestHook();
    }
    static void select(QComboBox* popup, int tag) {
        const int index = popup->findData(tag);
        ASSERT_GE(index, 0) << "no item with tag " << tag;
        popup->setCurrentIndex(index);
    }
    static UserDefaults& defaults() { return UserDefaults::standardUserDefaults(); }

    TemporaryHome home_;
    ImageOptions* options_ = nullptr;
    Ui::ImageOptions* ui_ = nullptr;

private:
    int format_ = -1;
    int resolution_ = -1;
    QString filename_;
};

TEST_F(ImageOptionsTest, QualityOnlyForJpegAndPixelsOnlyForExactSize) {
    for (const auto& [tag, enabled] :
         std::vector<std::pair<int, bool>>{{DocumentExport::TIFF, false},
                                           {DocumentExport::JPEG, true},
                                           {DocumentExport::PNG, false}}) {
        select(ui_->formatPopup, tag);
        EXPECT_EQ(ui_->qualitySlider->isEnabled(), enabled) << "format " << tag;
    }
    for (const int tag : {72, 150, 300, 600, 1200, 0}) {
        select(ui_->resolutionPopup, tag);
        EXPECT_EQ(ui_->pixelsWidth->isEnabled(), tag == 0) << "resolution " << tag;
        EXPECT_EQ(ui_->pixelsHeight->isEnabled(), tag == 0) << "resolution " << tag;
    }
    ui_->pixelsWidth->setEnabled(false);
    ImageOptions::sharedImageOptions();
    EXPECT_TRUE(ui_->pixelsWidth->isEnabled()) << "each call matches the fields to the pop-up";
}

TEST_F(ImageOptionsTest, OptionsFallBackWithABeepWhenAnExactSideIsMissing) {
    struct Case {
        int tag;
        QString width, height;
        int resolution, expectedWidth, expectedHeight, beeps;
    };
    const std::vector<Case> cases = {
        {300, QString(), QString(), 300, 0, 0, 0},
        {0, QStringLiteral("600"), QStringLiteral("800"), 0, 600, 800, 0},
        {0, QStringLiteral("600"), QString(), DocumentExport::kFallbackResolution, 600, 0, 1},
        {0, QStringLiteral("0"), QStringLiteral("800"), DocumentExport::kFallbackResolution, 0, 800,
         1},
    };
    int beeps = 0;
    Panels::setTestHook([&](const PanelRequest& request) {
        beeps += request.kind == PanelRequest::Kind::Beep;
        return 0;
    });
    select(ui_->formatPopup, DocumentExport::JPEG);
    ui_->qualitySlider->setValue(75);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.tag << ": " << c.width.toStdString() << " x " << c.height.toStdString());
        beeps = 0;
        select(ui_->resolutionPopup, c.tag);
        ui_->pixelsWidth->setText(c.width);
        ui_->pixelsHeight->setText(c.height);
        const QVariantMap o = options_->options();
        EXPECT_EQ(o.value(DocumentExport::kResolution).toInt(), c.resolution);
        EXPECT_EQ(beeps, c.beeps);
        if (c.tag == 0) {
            EXPECT_EQ(o.value(DocumentExport::kWidth).toInt(), c.expectedWidth);
            EXPECT_EQ(o.value(DocumentExport::kHeight).toInt(), c.expectedHeight);
        }
        EXPECT_EQ(o.value(DocumentExport::kFormat).toInt(), int(DocumentExport::JPEG));
        EXPECT_EQ(o.value(DocumentExport::kQuality).typeId(), QMetaType::Float);
        EXPECT_FLOAT_EQ(o.value(DocumentExport::kQuality).toFloat(), 0.75f);
    }
    ui_->qualitySlider->setValue(qRound(DocumentExport::kDefaultQuality * 100.0f));
}

TEST_F(ImageOptionsTest, ASizeLimitOnlyForJpegWhereItTakesTheQualitysPlace) {
    struct Case {
        int format;
        const char* typed;
        const char* shown; // what the validator let in
        bool fieldOn, sliderOn;
        int kilobytes;
    };
    const std::vector<Case> cases = {
        {DocumentExport::JPEG, "", "", true, true, 0},
        {DocumentExport::JPEG, "240", "240", true, false, 240},
        {DocumentExport::JPEG, "0", "", true, true, 0},
        {DocumentExport::JPEG, "-5", "5", true, false, 5},
        {DocumentExport::JPEG, "12.5", "125", true, false, 125},
        {DocumentExport::JPEG, "1234567", "123456", true, false, 123456},
        {DocumentExport::PNG, "240", "240", false, false, 0},
        {DocumentExport::TIFF, "240", "240", false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.format << ", typed " << c.typed);
        select(ui_->formatPopup, DocumentExport::JPEG);
        ui_->maxSizeField->clear();
        ui_->maxSizeField->setFocus();
        QTest::keyClicks(ui_->maxSizeField, QString::fromLatin1(c.typed));
        select(ui_->formatPopup, c.format);
        EXPECT_EQ(ui_->maxSizeField->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(ui_->maxSizeField->isEnabled(), c.fieldOn);
        EXPECT_EQ(ui_->qualitySlider->isEnabled(), c.sliderOn);
        EXPECT_EQ(options_->options().value(DocumentExport::kMaxKilobytes).toInt(), c.kilobytes);
    }
}

TEST_F(ImageOptionsTest, TheSavePanelStartsInTheLastExportFolderWithTheDocumentsName) {
    std::vector<PanelRequest> asked;
    QString chosen; // none: the panel is cancelled
    Panels::setTestHook([&](const PanelRequest& request) {
        asked.push_back(request);
        *request.chosenPath = chosen;
        return chosen.isEmpty() ? -1 : 0;
    });
    // A fresh home has no Pictures folder: the home itself.
    EXPECT_FALSE(ImageOptions::imageSaveOptions(QStringLiteral("Passport Anna")));
    EXPECT_FALSE(defaults().hasValueForKey(DocumentExport::kExportPathKey));
    ASSERT_TRUE(QDir(home_.path()).mkpath(QStringLiteral("Pictures")));
    EXPECT_FALSE(ImageOptions::imageSaveOptions(QStringLiteral("Passport Anna")));

    ASSERT_TRUE(QDir(home_.path()).mkpath(QStringLiteral("out")));
    chosen = home_.filePath(QStringLiteral("out/photo"));
    select(ui_->resolutionPopup, 600);
    const auto first = ImageOptions::imageSaveOptions(QStringLiteral("Passport Anna"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->value(DocumentExport::kFilename).toString(), chosen);
    EXPECT_EQ(first->value(DocumentExport::kResolution).toInt(), 600);
    EXPECT_EQ(defaults().stringForKey(DocumentExport::kExportPathKey),
              home_.filePath(QStringLiteral("out")));

    ASSERT_TRUE(ImageOptions::imageSaveOptions(QStringLiteral("Visa")));
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].kind, PanelRequest::Kind::Save);
    EXPECT_EQ(asked[0].accessory, static_cast<void*>(options_->optionsView()));
    EXPECT_EQ(asked[0].directory, home_.path());
    EXPECT_EQ(asked[1].directory, home_.filePath(QStringLiteral("Pictures")));
    EXPECT_EQ(asked[2].directory, home_.filePath(QStringLiteral("Pictures")));
    EXPECT_EQ(asked[3].directory, home_.filePath(QStringLiteral("out")));
    EXPECT_EQ(asked[0].fileName, QStringLiteral("Passport Anna"));
    EXPECT_EQ(asked[3].fileName, QStringLiteral("Visa"));
}

} // namespace

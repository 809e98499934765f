#include "core/document/Fotino.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentLibrary.h"
#include "core/platform/UserDefaults.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QBuffer>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace {

TEST(Fotino, ANewDocumentHasItsDefaults) {
    TemporaryHome home;
    const Fotino doc;
    EXPECT_EQ(doc.name(), QStringLiteral("Untitled"));
    EXPECT_EQ(doc.widthInCm(), 3.5f);
    EXPECT_EQ(doc.heightInCm(), 4.5f);
    EXPECT_TRUE(doc.showFaceFrame());
    EXPECT_EQ(doc.stringForKey(AttributeKeys::kShowFaceFrame), QStringLiteral("YES"));
    EXPECT_EQ(doc.pictureSize(), 0.0f);
    EXPECT_EQ(doc.offset(), QPointF(0, 0));
    EXPECT_EQ(doc.rotation(), 0.0f);
    EXPECT_EQ(doc.pictureVersion(), 0);
    EXPECT_TRUE(doc.imageName().isNull());
    EXPECT_TRUE(doc.image().isNull());
    EXPECT_FALSE(doc.guides().has_value());
    EXPECT_FALSE(doc.grayscale());
    // Only the entries the constructor sets are in the container.
    EXPECT_EQ(doc.container().size(), 4);
}

TEST(Fotino, InchesAreStoredAsCentimetres) {
    TemporaryHome home;
    Fotino doc;
    doc.setWidth(2, false);
    EXPECT_FLOAT_EQ(doc.floatForKey(AttributeKeys::kWidth), 5.08f);
    EXPECT_FLOAT_EQ(doc.width(false), 2.0f);
    EXPECT_FLOAT_EQ(doc.width(true), 5.08f);
    doc.setHeight(4.5f, true);
    EXPECT_EQ(doc.heightInCm(), 4.5f);
}

TEST(DisplayUnits, OnlyMetricMeansCentimetres) {
    TemporaryHome home;
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    EXPECT_FALSE(DisplayUnits::metric(defaults));
    defaults.setObject(QStringLiteral("Inches"), DocumentLibrary::kUnitsKey);
    EXPECT_FALSE(DisplayUnits::metric(defaults));
    defaults.setObject(QStringLiteral("Metric"), DocumentLibrary::kUnitsKey);
    EXPECT_TRUE(DisplayUnits::metric(defaults));
}

struct SizeCase {
    float widthCm;
    float heightCm;
    bool metric;
    const char* text;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.text;
}

class FotinoSizeText : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FotinoSizeText, CutsEachNumberToFourCharacters) {
    TemporaryHome home;
    const SizeCase& c = GetParam();
    Fotino doc;
    doc.setFloat(c.widthCm, AttributeKeys::kWidth);
    doc.setFloat(c.heightCm, AttributeKeys::kHeight);
    EXPECT_EQ(doc.size(c.metric), QString::fromUtf8(c.text));
    EXPECT_EQ(doc.valueForKey(QStringLiteral("size"), c.metric).toString(),
              QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(Sizes, FotinoSizeText,
                         ::testing::Values(SizeCase{3.5f, 4.5f, true, "3.50 x 4.50 cm"},
                                           SizeCase{10, 15, true, "10.0 x 15.0 cm"},
                                           SizeCase{12.5f, 0.5f, true, "12.5 x 0.50 cm"},
                                           SizeCase{5.08f, 5.08f, false, "2.00 x 2.00 in"},
                                           // 0.875 in is cut, not rounded.
                                           SizeCase{2.2225f, 2.54f, false, "0.87 x 1.00 in"}),
                         [](const ::testing::TestParamInfo<SizeCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(Fotino, FlagsAreYesAndNoStrings) {
    TemporaryHome home;
    Fotino doc;
    doc.setGrayscale(true);
    EXPECT_EQ(doc.stringForKey(QStringLiteral("_ftnGrayscale")), QStringLiteral("YES"));
    EXPECT_TRUE(doc.grayscale());
    doc.setShowFaceFrame(false);
    EXPECT_EQ(doc.stringForKey(QStringLiteral("FTShowFaceFrame")), QStringLiteral("NO"));
}

TEST(Fotino, AttributesUseTheirKeysAndTypes) {
    TemporaryHome home;
    Fotino doc;
    doc.setOffset(QPointF(60, 46.67));
    doc.setPictureSize(50);
    doc.setRotation(90);
    doc.setGamma(-12);
    doc.setBrightness(30);
    doc.setPictureVersion(1);
    doc.setImageName(QStringLiteral("Card no. 2.jpg"));
    EXPECT_EQ(doc.container().value(QStringLiteral("FTXOffset")).typeId(), QMetaType::Float);
    EXPECT_EQ(doc.container().value(QStringLiteral("FTImageGamma")).typeId(), QMetaType::Int);
    EXPECT_EQ(doc.XOffset(), 60.0f);
    EXPECT_EQ(doc.offsetInPercent(), QPointF(60, 46.67f));
    EXPECT_EQ(doc.pictureSize(), 50.0f);
    EXPECT_EQ(doc.rotation(), 90.0f);
    EXPECT_EQ(doc.gamma(), -12);
    EXPECT_EQ(doc.brightness(), 30);
    EXPECT_EQ(doc.pictureVersion(), 1);
    EXPECT_EQ(doc.imageName(), QStringLiteral("Card no. 2.jpg"));
    EXPECT_EQ(doc.name(), doc.valueForKey(QStringLiteral("name"), true).toString());
    EXPECT_FALSE(doc.valueForKey(QStringLiteral("selection"), true).isValid());
}

TEST(Fotino, KeepsThumbnailDataAsGivenAndDecodesIt) {
    TemporaryHome home;
    QImage picture(128, 128, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "tiff").write(picture));

    Fotino doc;
    doc.setImage(tiff);
    EXPECT_EQ(doc.objectForKey(QStringLiteral("FTZImage")).toByteArray(), tiff);
    EXPECT_EQ(doc.image().size(), QSize(128, 128));
    doc.setImage(QByteArray());
    EXPECT_EQ(doc.objectForKey(QStringLiteral("FTZImage")).toByteArray(), tiff);
}

TEST(Fotino, GuidesAreThePresetGuidesDictionary) {
    TemporaryHome home;
    Fotino doc;
    const QVariantMap guides{{QStringLiteral("Eyes"), QVariantMap{{QStringLiteral("top"), 3.49}}}};
    doc.setObject(guides, AttributeKeys::kPresetGuides);
    ASSERT_TRUE(doc.guides().has_value());
    EXPECT_EQ(*doc.guides(), guides);
}

TEST(Fotino, ACopyIsAFotinoWithTheSameAttributes) {
    TemporaryHome home;
    Fotino doc;
    doc.setName(QStringLiteral("Visa"));
    doc.setFilePath(QStringLiteral("/x/Visa.ftoct"));
    auto copy = doc.copyFotino();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->name(), QStringLiteral("Visa"));
    EXPECT_EQ(copy->container(), doc.container());
    EXPECT_TRUE(copy->filePath().isEmpty());
}

} // namespace

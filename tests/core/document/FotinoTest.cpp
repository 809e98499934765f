#include "core/document/Fotino.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentLibrary.h"
#include "core/platform/PropertyList.h"
#include "core/platform/UserDefaults.h"
#include "support/ImageTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Fotino, ANewDocumentHasItsDefaults) {
    TemporaryHome home;
    const Fotino doc;
    EXPECT_EQ(doc.name(), QStringLiteral("Untitled"));
    EXPECT_EQ(doc.widthInCm(), 3.5f);
    EXPECT_EQ(doc.heightInCm(), 4.5f);
    EXPECT_TRUE(doc.showFaceFrame());
    // The library list draws the tick itself.
    EXPECT_FALSE(doc.valueForKey(QStringLiteral("selection"), true).isValid());
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

// The document file: every attribute under its key, as a real, an integer, a "YES"/"NO"
// string, a string or data.
TEST(Fotino, AttributesAreWrittenUnderTheirKeysAndKinds) {
    TemporaryHome home;
    QTemporaryDir dir;
    QImage white(128, 128, QImage::Format_RGB888);
    white.fill(Qt::white);
    const QByteArray tiff = imagetest::encode(white, "tiff");
    Fotino doc;
    doc.setName(QStringLiteral("Visa"));
    doc.setOffset(QPointF(60, 46.67));
    doc.setPictureSize(50);
    doc.setRotation(90);
    doc.setGamma(-12);
    doc.setBrightness(30);
    doc.setGrayscale(true);
    doc.setShowFaceFrame(false);
    doc.setPictureVersion(1);
    doc.setImageName(QStringLiteral("Card no. 2.jpg"));
    doc.setImage(tiff);
    doc.setImage(QByteArray()); // no thumbnail: the old one stays
    ASSERT_TRUE(doc.saveToFile(dir.filePath(QStringLiteral("Visa.ftoct"))));

    const auto stored = PropertyList::readDictionaryFromFile(doc.filePath());
    ASSERT_TRUE(stored);
    const QVariantMap expected{{QStringLiteral("FTName"), QStringLiteral("Visa")},
                               {QStringLiteral("FTWidth"), 3.5},
                               {QStringLiteral("FTHeight"), 4.5},
                               {QStringLiteral("FTXOffset"), 60.0},
                               {QStringLiteral("FTYOffset"), double(46.67f)},
                               {QStringLiteral("FTSize"), 50.0},
                               {QStringLiteral("FTImageRotation"), 90.0},
                               {QStringLiteral("FTImageGamma"), -12},
                               {QStringLiteral("FTImageBrightness"), 30},
                               {QStringLiteral("_ftnGrayscale"), QStringLiteral("YES")},
                               {QStringLiteral("FTShowFaceFrame"), QStringLiteral("NO")},
                               {QStringLiteral("FTVers"), 1},
                               {QStringLiteral("FTImageName"), QStringLiteral("Card no. 2.jpg")},
                               {QStringLiteral("FTZImage"), tiff}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QVariant value = stored->value(it.key());
        EXPECT_EQ(value.typeId(), it.value().typeId()) << it.key().toStdString();
        EXPECT_EQ(value, it.value()) << it.key().toStdString();
    }
    const auto back = Fotino::initWithPath(doc.filePath());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->offsetInPercent(), QPointF(60, 46.67f));
    EXPECT_TRUE(back->grayscale());
    EXPECT_FALSE(back->showFaceFrame());
    EXPECT_EQ(back->image().size(), QSize(128, 128));
}

TEST(Fotino, ACopyIsAFotinoWithTheSameAttributesButNoPathOrFlags) {
    TemporaryHome home;
    Fotino doc;
    doc.setName(QStringLiteral("Visa"));
    doc.setFilePath(QStringLiteral("/x/Visa.ftoct"));
    doc.setSelected(true);
    doc.setNeedsSave(true);
    auto copy = doc.copyFotino();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->name(), QStringLiteral("Visa"));
    EXPECT_EQ(copy->container(), doc.container());
    EXPECT_TRUE(copy->filePath().isEmpty());
    EXPECT_FALSE(copy->selected());
    EXPECT_FALSE(copy->needsSave());
}

} // namespace

#include "core/document/Fotino.h"
#include "core/platform/PropertyList.h"
#include "support/DocumentTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Source 2000 x 3000 at 72 dpi, scale 50: the worked numbers of the framing.
class FotinoGeometry : public ::testing::Test {
protected:
    void SetUp() override {
        documenttest::frame(doc, folder.path(), QStringLiteral("Big"), QSize(2000, 3000), Qt::gray,
                            50);
    }
    TemporaryHome home;
    QTemporaryDir folder;
    Fotino doc;
};

void expectRect(const QRectF& actual, double x, double y, double w, double h, double tolerance) {
    EXPECT_NEAR(actual.x(), x, tolerance);
    EXPECT_NEAR(actual.y(), y, tolerance);
    EXPECT_NEAR(actual.width(), w, tolerance);
    EXPECT_NEAR(actual.height(), h, tolerance);
}

TEST_F(FotinoGeometry, TheWorkedNumbersComeOut) {
    ASSERT_EQ(doc.originalPictureSize(), QSizeF(2000, 3000));
    EXPECT_FLOAT_EQ(Fotino::visiblePercentageForPictureWidth(50 * 2000), 0.3f);
    EXPECT_NEAR(doc.layoutScaleFactor(400), 0.6667, 1e-4);
    const QSizeF scaled = doc.imageSizeForPrintSize(QSizeF(400, 500));
    EXPECT_NEAR(scaled.width(), 1333.33, 0.01);
    EXPECT_NEAR(scaled.height(), 2000, 0.01);
    expectRect(doc.calibratedSourceRectangleForImageSize(QSizeF(400, 500)), 466.67, 750, 400, 500,
               0.01);
    EXPECT_NEAR(doc.drawingScaleFactor(400), 0.8889, 1e-4);
    EXPECT_TRUE(doc.coverFrame(QRectF(0, 0, 400, 500)));
}

TEST_F(FotinoGeometry, FullOffsetsUncoverTheFrame) {
    doc.setOffset(QPointF(100, 100));
    expectRect(doc.calibratedSourceRectangleForImageSize(QSizeF(400, 500)), -200, -250, 400, 500,
               1e-3);
    EXPECT_FALSE(doc.coverFrame(QRectF(0, 0, 400, 500)));
}

TEST_F(FotinoGeometry, OnlyTheTruncatedFrameWidthCounts) {
    EXPECT_EQ(doc.layoutScaleFactor(400.9f), doc.layoutScaleFactor(400));
    EXPECT_EQ(doc.drawingScaleFactor(400.9f), doc.drawingScaleFactor(400));
    // The frame's origin does not enter either.
    EXPECT_EQ(doc.coverFrame(QRectF(37, 12, 400, 500)), doc.coverFrame(QRectF(0, 0, 400, 500)));
}

TEST_F(FotinoGeometry, AScaleOfZeroNeverCovers) {
    doc.setPictureSize(0);
    EXPECT_EQ(doc.drawingScaleFactor(400), 0.0f);
    EXPECT_FALSE(doc.coverFrame(QRectF(0, 0, 400, 500)));
}

TEST_F(FotinoGeometry, VersionZeroOffsetsBecomePercentagesAndAreSaved) {
    doc.removeObjectForKey(AttributeKeys::kVersion);
    doc.setOffset(QPointF(100, -50));
    doc.convertOldOffset();
    EXPECT_FLOAT_EQ(doc.XOffset(), 60.0f);
    EXPECT_NEAR(doc.YOffset(), 46.67, 0.01);
    EXPECT_EQ(doc.pictureVersion(), 1);
    const auto saved = PropertyList::readDictionaryFromFile(doc.filePath());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->value(QStringLiteral("FTVers")).toInt(), 1);
    EXPECT_FLOAT_EQ(saved->value(QStringLiteral("FTXOffset")).toFloat(), 60.0f);

    // Converted once: later calls change nothing.
    doc.setXOffset(10);
    doc.convertOldOffset();
    EXPECT_EQ(doc.XOffset(), 10.0f);
}

TEST_F(FotinoGeometry, ConversionWaitsForAPictureAndAScale) {
    doc.removeObjectForKey(AttributeKeys::kVersion);
    doc.setPictureSize(0);
    doc.convertOldOffset();
    EXPECT_EQ(doc.pictureVersion(), 0);
    Fotino fresh;
    fresh.setPictureSize(75);
    fresh.convertOldOffset();
    EXPECT_EQ(fresh.pictureVersion(), 0) << "no picture: tried again next time";
}

TEST(FotinoGeometryClass, ZeroPixelOffsetsBecomeTheCentre) {
    const QPointF p = Fotino::offsetInPercentsForPictureSize(QSizeF(2000, 3000), 50, QPointF(0, 0));
    EXPECT_EQ(QPointF(150 - p.x(), 150 - p.y()), QPointF(50, 50));
    const QPointF back =
        Fotino::offsetInPixelsForPictureSize(QSizeF(2000, 3000), 50, QPointF(50, 50));
    EXPECT_EQ(back, QPointF(500, 750));
    expectRect(Fotino::pictureRectangleForPictureSize(QSizeF(2000, 3000), 50, QPointF(50, 50),
                                                      QRectF(99, 99, 400, 500)),
               300, 500, 400, 500, 1e-3);
}

struct FitCase {
    QRectF a;
    QRectF b;
    QRectF expected;
};
void PrintTo(const FitCase& c, std::ostream* os) {
    PrintTo(c.a, os);
}

class FitRect : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitRect, CentresAlongTheShorterSide) {
    const QRectF r = Fotino::fitRect(GetParam().a, GetParam().b);
    expectRect(r, GetParam().expected.x(), GetParam().expected.y(), GetParam().expected.width(),
               GetParam().expected.height(), 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitRect,
    ::testing::Values(FitCase{{0, 0, 3.5, 4.5}, {0, 0, 128, 128}, {14.22, 0, 99.56, 128}},
                      FitCase{{0, 0, 4.5, 3.5}, {0, 0, 128, 128}, {0, 14.22, 128, 99.56}},
                      FitCase{{0, 0, 5, 5}, {0, 0, 128, 128}, {0, 0, 128, 128}},
                      // B's own origin is not added.
                      FitCase{{0, 0, 3.5, 4.5}, {50, 50, 128, 128}, {14.22, 0, 99.56, 128}}),
    [](const ::testing::TestParamInfo<FitCase>& info) {
        return "case" + std::to_string(info.index);
    });

TEST(FotinoGeometryClass, SizeInPointsUsesTwentyEightPointThreeFive) {
    TemporaryHome home;
    Fotino doc;
    EXPECT_FLOAT_EQ(doc.sizeInPoints().width(), 99.225f);
    EXPECT_FLOAT_EQ(doc.sizeInPoints().height(), 127.575f);
}

} // namespace

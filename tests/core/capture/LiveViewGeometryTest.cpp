#include "core/capture/LiveViewGeometry.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

void expectNear(const QRectF& actual, const QRectF& expected) {
    const std::string shown = ::testing::PrintToString(actual);
    EXPECT_NEAR(actual.x(), expected.x(), 1e-4) << shown;
    EXPECT_NEAR(actual.y(), expected.y(), 1e-4) << shown;
    EXPECT_NEAR(actual.width(), expected.width(), 1e-4) << shown;
    EXPECT_NEAR(actual.height(), expected.height(), 1e-4) << shown;
}

TEST(LiveViewGeometryTest, PortraitGuideIsAnUprightThreeByFourFrameInTheMiddle) {
    expectNear(LiveViewGeometry::portraitGuide(QRectF(0, 0, 640, 480)),
               QRectF(222.8, 110.4, 194.4, 259.2));
    // Half the bounds, half the frame.
    expectNear(LiveViewGeometry::portraitGuide(QRectF(0, 0, 320, 240)),
               QRectF(111.4, 55.2, 97.2, 129.6));
}

TEST(LiveViewGeometryTest, MirrorTurnsXIntoBoundsWidthLessX) {
    const QTransform mirror = LiveViewGeometry::mirrorMatrix(QRectF(0, 0, 640, 480));
    EXPECT_EQ(mirror.map(QPointF(0, 7)), QPointF(640, 7));
    EXPECT_EQ(mirror.map(QPointF(100, 300)), QPointF(540, 300));
    EXPECT_EQ(mirror.mapRect(QRectF(0, 0, 640, 480)), QRectF(0, 0, 640, 480));
}

} // namespace

#include "core/document/FramingDrag.h"
#include "core/document/Fotino.h"
#include "support/DocumentTestSupport.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

namespace {

TEST(FramingDrag, TheOffsetMovesAUnitOfPixelOffsetAPointOfTravel) {
    TemporaryHome home;
    Fotino doc;
    // 400 x 200 points at scale 50: one pixel-offset unit is 0.5 % across, 1 % up.
    documenttest::frame(doc, home.path(), QStringLiteral("p"), QSize(400, 200), Qt::gray, 50);
    doc.setOffset(QPointF(30, 70));
    const auto drag = FramingDrag::begin(doc, QPointF(500, -20));
    ASSERT_TRUE(drag.has_value());
    EXPECT_EQ(drag->offsetAt(50, QPointF(500, -20)), QPointF(30, 70));
    const QPointF moved = *drag->offsetAt(50, QPointF(510, -10));
    EXPECT_NEAR(moved.x(), 35, 1e-4);
    EXPECT_NEAR(moved.y(), 80, 1e-4);
    // The scale is read on every move: at twice the scale a point is half as many percent.
    const QPointF still = *drag->offsetAt(100, QPointF(500, -20));
    const QPointF zoomed = *drag->offsetAt(100, QPointF(510, -20));
    EXPECT_NEAR(zoomed.x() - still.x(), 2.5, 1e-4);
    EXPECT_EQ(zoomed.y(), still.y());
}

TEST(FramingDrag, NoDragWithoutAPictureOrWithAScaleThatShowsNothing) {
    TemporaryHome home;
    Fotino bare;
    EXPECT_FALSE(FramingDrag::begin(bare, QPointF(1, 1)).has_value());
    Fotino doc;
    documenttest::frame(doc, home.path(), QStringLiteral("p"), QSize(40, 20), Qt::gray, 0);
    EXPECT_FALSE(FramingDrag::begin(doc, QPointF(1, 1)).has_value());
    doc.setPictureSize(50);
    const auto drag = FramingDrag::begin(doc, QPointF(1, 1));
    ASSERT_TRUE(drag.has_value());
    EXPECT_FALSE(drag->offsetAt(0, QPointF(5, 5)).has_value());
}

} // namespace

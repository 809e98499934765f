#include "core/document/DisplayUnits.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Points on paper are centimetres × 28.35, as the photos on a sheet.
TEST(DisplayUnits, PointsInMillimetresOrInchesAndBack) {
    struct Case {
        float points;
        bool metric;
        double value;
    };
    const std::vector<Case> cases = {
        {0.0f, true, 0.0},  {28.35f, true, 10.0},  {15.0f, true, 5.291},    {72.0f, true, 25.397},
        {0.0f, false, 0.0}, {72.009f, false, 1.0}, {15.0f, false, 0.20831}, {7.2009f, false, 0.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << (c.metric ? " pt in mm" : " pt in in"));
        EXPECT_NEAR(DisplayUnits::fromPoints(c.points, c.metric), c.value, 0.001);
        EXPECT_NEAR(DisplayUnits::toPoints(c.value, c.metric), c.points, 0.003);
    }
}

} // namespace

#include "core/capture/FramePacing.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(FramePacingTest, TwelveFramesASecondAtSixHundredUnits) {
    FramePacing pacing(600, 12);
    EXPECT_EQ(pacing.minimumFrameDuration(), 50);
    struct Step {
        qint64 sample;
        std::optional<qint64> shown; // none: dropped
    };
    // While the last time is 0 the spacing is not checked: 30 rounds up to 50 and is shown.
    const Step steps[] = {{0, 0}, {30, 50}, {50, std::nullopt}, {70, std::nullopt}, {100, 100}};
    qint64 count = 0;
    for (const Step& step : steps) {
        EXPECT_EQ(pacing.accept(step.sample), step.shown) << "sample at " << step.sample;
        count += step.shown ? 1 : 0;
        EXPECT_EQ(pacing.frameCount(), count);
    }
    EXPECT_EQ(pacing.lastTime(), 100);
}

TEST(FramePacingTest, ATimeBeforeTheLastFrameStartsAgainAndIsShown) {
    FramePacing pacing(600, 12);
    for (const qint64 t : {0, 50, 100, 150}) {
        ASSERT_TRUE(pacing.accept(t));
    }
    ASSERT_EQ(pacing.frameCount(), 4);
    EXPECT_EQ(pacing.accept(120), std::optional<qint64>(100));
    EXPECT_EQ(pacing.frameCount(), 1);
    EXPECT_EQ(pacing.lastTime(), 100);
    // The spacing holds again from there.
    EXPECT_EQ(pacing.accept(124), std::nullopt);
    EXPECT_EQ(pacing.accept(150), std::optional<qint64>(150));
}

// A camera whose samples fall just before the grid's ticks: a shown frame's time, rounded up,
// is later than the next sample's, which is no reason to start counting again (the capture
// command waited for its frames forever).
TEST(FramePacingTest, SamplesJustBeforeTheTicksKeepCounting) {
    FramePacing pacing(600, 12);
    for (qint64 t = 6; t < 1206; t += 20) {
        const qint64 before = pacing.frameCount();
        const bool shown = pacing.accept(t).has_value();
        EXPECT_EQ(pacing.frameCount(), before + (shown ? 1 : 0)) << "sample at " << t;
    }
    EXPECT_EQ(pacing.frameCount(), 25);
    EXPECT_EQ(pacing.lastTime(), 1200);
}

TEST(FramePacingTest, QuantizeRoundsToTheNearestTickHalvesUp) {
    struct Case {
        qint64 time, scale;
        int fps;
        qint64 expected;
    };
    const Case cases[] = {
        {24, 600, 12, 0},
        {25, 600, 12, 50},
        {74, 600, 12, 50},
        {75, 600, 12, 100},
        {-40, 600, 12, 0},
        {1000, 1000, 3, 1000},
        {500, 1000, 3, 666}, // 1.5 ticks rounds up
        {166, 1000, 3, 0},
        {167, 1000, 3, 333},
        // Far beyond what 32 bits hold, in nanoseconds.
        {36000LL * 1000000000LL + 41666667LL, 1000000000LL, 12, 36000LL * 1000000000LL + 83333333},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FramePacing::quantize(c.time, c.scale, c.fps), c.expected)
            << c.time << " at " << c.scale << " units, " << c.fps << " fps";
    }
}

class TenHoursTest : public ::testing::TestWithParam<qint64> {};

// Thirty samples a second for ten hours, at time scales up to nanoseconds: every second tick
// of the twelve a second shows, exactly, and each shown time is the sample's own to half a
// frame.
TEST_P(TenHoursTest, ShowsTwelveFramesASecondWithoutOverflow) {
    const qint64 scale = GetParam();
    constexpr qint64 kSamples = 10LL * 3600 * 30;
    FramePacing pacing(scale, 12);
    qint64 shown = 0;
    qint64 previous = -1;
    // From the second sample on: two samples at 0 would both be shown, as the spacing is not
    // checked while the last time is 0.
    for (qint64 k = 1; k <= kSamples; ++k) {
        const qint64 time = k * scale / 30;
        const auto t = pacing.accept(time);
        if (!t) {
            continue;
        }
        ++shown;
        ASSERT_GT(*t, previous) << "sample " << k;
        ASSERT_LE(std::abs(*t - time), scale / 24 + 1) << "sample " << k;
        previous = *t;
    }
    // 0.4 of a tick a sample: ticks 0 to 432000, each once.
    EXPECT_EQ(shown, 432001);
    EXPECT_EQ(pacing.frameCount(), 432001);
    EXPECT_EQ(pacing.lastTime(), 36000 * scale);
}

INSTANTIATE_TEST_SUITE_P(TimeScales, TenHoursTest, ::testing::Values(600, 90000, 1000000000LL));

} // namespace

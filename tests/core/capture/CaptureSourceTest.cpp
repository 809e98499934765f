#include "core/capture/CaptureSource.h"
#include "core/platform/BitmapImageRep.h"
#include "support/CaptureTestSupport.h"
#include "support/QtPrinters.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace capturetest;

std::unique_ptr<CaptureSource> start(const char* description) {
    QString error;
    auto source = CaptureSource::start(QString::fromUtf8(description), &error);
    EXPECT_TRUE(source) << error.toStdString();
    return source;
}

std::optional<CaptureSource::Sample> waitForSample(CaptureSource& source) {
    std::optional<CaptureSource::Sample> sample;
    if (!QTest::qWaitFor([&] { return (sample = source.pullSample()).has_value(); }, 10000)) {
        return std::nullopt;
    }
    return sample;
}

TEST(CaptureSourceTest, SamplesAreTimedInSixHundredthsOfASecond) {
    auto source = start("videotestsrc num-buffers=3 ! video/x-raw,framerate=30/1");
    ASSERT_TRUE(source);
    std::vector<qint64> times;
    for (int i = 0; i < 3; ++i) {
        auto sample = waitForSample(*source);
        ASSERT_TRUE(sample) << "sample " << i;
        times.push_back(sample->time());
    }
    EXPECT_EQ(times, (std::vector<qint64>{0, 20, 40}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !source->error().isEmpty(); }, 10000))
        << "the end of the video is reported";
}

TEST(CaptureSourceTest, FramesAreThePictureAsDeliveredWrappedWithoutACopy) {
    auto source = start("videotestsrc num-buffers=1");
    ASSERT_TRUE(source);
    auto sample = waitForSample(*source);
    ASSERT_TRUE(sample);
    const auto frame = sample->takeFrame();
    ASSERT_TRUE(frame);
    EXPECT_FALSE(sample->takeFrame()) << "a sample gives its frame once";
    EXPECT_EQ(frame->pixelsWide(), 640);
    EXPECT_EQ(frame->pixelsHigh(), 480);
    EXPECT_TRUE(frame->hasSharedQImageFormat());
    // The pipeline goes; the frame keeps its pixels.
    source.reset();
    const QImage picture = frame->toQImage();
    EXPECT_EQ(picture.constBits(), frame->bitmapData()) << "drawn from the sample's own bytes";
    EXPECT_TRUE(showsBarsUnmirrored(picture));
}

TEST(CaptureSourceTest, ADescriptionThatCannotBeBuiltIsRefusedWithAReason) {
    for (const char* description : {"nosuchelementatall", "videotestsrc ! ! videotestsrc"}) {
        QString error;
        EXPECT_FALSE(CaptureSource::start(QString::fromUtf8(description), &error)) << description;
        EXPECT_FALSE(error.isEmpty()) << description;
    }
}

} // namespace

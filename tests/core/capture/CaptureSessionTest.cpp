#include "core/capture/CaptureSession.h"
#include "core/platform/BitmapImageRep.h"
#include "support/CaptureTestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace capturetest;

std::unique_ptr<CaptureSession> session(const char* description) {
    QString error;
    auto source = CaptureSource::start(QString::fromUtf8(description), &error);
    EXPECT_TRUE(source) << error.toStdString();
    return source ? std::make_unique<CaptureSession>(std::move(source)) : nullptr;
}

TEST(CaptureSessionTest, LiveHandsOnPacedFramesUntilGrabbedAndAgainAfterClear) {
    auto capture = session(kBall);
    ASSERT_TRUE(capture);
    int frames = 0;
    capture->setFrameHandler([&](std::shared_ptr<BitmapImageRep> frame) {
        ++frames;
        EXPECT_EQ(frame->pixelsWide(), 640);
    });
    EXPECT_FALSE(capture->isLive()) << "a session starts frozen";
    capture->clear();
    EXPECT_TRUE(capture->isLive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return frames >= 3; }, 10000));
    EXPECT_EQ(capture->pacing().frameCount(), frames) << "every frame handed on was counted";

    EXPECT_TRUE(capture->grab());
    EXPECT_FALSE(capture->grab()) << "already frozen";
    const int frozen = frames;
    QTest::qWait(300);
    EXPECT_EQ(frames, frozen) << "nothing is pulled while frozen";

    capture->clear();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frames > frozen; }, 10000));
    capture->stopVideoCapture();
    EXPECT_FALSE(capture->isRunning());
    EXPECT_FALSE(capture->isLive());
}

} // namespace

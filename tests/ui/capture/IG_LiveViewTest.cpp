#include "ui/capture/IG_LiveView.h"
#include "core/platform/BitmapImageRep.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = 0xffc80000;
constexpr QRgb kGreen = 0xff00b400;
constexpr QRgb kGuide = 0xff0000ff;

// A frame with red on the left, green on the right.
std::shared_ptr<BitmapImageRep> halves() {
    QImage picture(640, 480, QImage::Format_RGB888);
    picture.fill(QColor(kRed));
    for (int y = 0; y < 480; ++y) {
        for (int x = 320; x < 640; ++x) {
            picture.setPixel(x, y, kGreen);
        }
    }
    return BitmapImageRep::initWithQImage(picture);
}

QImage rendered(IG_LiveView& view) {
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool guideAround(const QImage& shot, int x, int y) {
    return shot.pixel(x, y) == kGuide || shot.pixel(x + 1, y) == kGuide ||
           shot.pixel(x, y + 1) == kGuide;
}

TEST(IG_LiveViewTest, ShowsTheFrameMirroredUnderTheBlueGuide) {
    IG_LiveView view;
    view.resize(640, 480);
    view.setImage(halves());
    EXPECT_EQ(view.imageRect(), QRectF(0, 0, 640, 480));
    EXPECT_EQ(view.bounds(), QRectF(0, 0, 640, 480));
    EXPECT_EQ(view.mirrorMatrix().map(QPointF(100, 5)), QPointF(540, 5));

    const QImage shot = rendered(view);
    EXPECT_EQ(shot.pixel(5, 240), kGreen) << "the right of the frame shows on the left";
    EXPECT_EQ(shot.pixel(634, 240), kRed);
    // (222.8, 110.4, 194.4, 259.2): the four sides, and nothing inside.
    EXPECT_TRUE(guideAround(shot, 222, 240));
    EXPECT_TRUE(guideAround(shot, 416, 240));
    EXPECT_TRUE(guideAround(shot, 300, 110));
    EXPECT_TRUE(guideAround(shot, 300, 369));
    EXPECT_EQ(shot.pixel(300, 240), kGreen);
}

TEST(IG_LiveViewTest, TheFrameIsScaledToTheView) {
    IG_LiveView view;
    view.resize(320, 240);
    view.setImage(halves());
    EXPECT_EQ(view.bounds(), QRectF(0, 0, 640, 480)) << "one bounds unit a frame pixel";
    const QImage shot = rendered(view);
    EXPECT_EQ(shot.pixel(3, 120), kGreen);
    EXPECT_EQ(shot.pixel(316, 120), kRed);
    EXPECT_TRUE(guideAround(shot, 111, 120));
}

TEST(IG_LiveViewTest, ToImageGivesTheFrameUnmirrored) {
    IG_LiveView view;
    EXPECT_FALSE(view.toImage()) << "no frame, no picture";
    view.setImage(halves());
    const auto still = view.toImage();
    ASSERT_TRUE(still);
    EXPECT_EQ(still->size(), QSizeF(640, 480));
    const QImage picture = still->toQImage();
    EXPECT_EQ(picture.pixel(5, 240), kRed);
    EXPECT_EQ(picture.pixel(634, 240), kGreen);

    view.setImage(nullptr);
    EXPECT_TRUE(view.imageRect().isEmpty());
    EXPECT_FALSE(view.toImage());
}

} // namespace

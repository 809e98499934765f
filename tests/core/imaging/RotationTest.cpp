#include "core/imaging/Rotation.h"
#include "core/imaging/CustomCompose.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// A picture of w x h pixels at the given resolutions, each pixel a distinct colour.
std::shared_ptr<Image> picture(int w, int h, double dpiX = 72, double dpiY = 72,
                               bool alpha = false) {
    QImage q(w, h, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            q.setPixelColor(x, y, QColor(x % 256, y % 256, (x + y) % 256, alpha ? 128 : 255));
        }
    }
    auto rep = BitmapImageRep::initWithQImage(q);
    rep->setSize(QSizeF(w * 72.0 / dpiX, h * 72.0 / dpiY));
    auto image = Image::initWithSize(rep->size());
    image->addRepresentation(rep);
    return image;
}

QColor pixel(const Image& image, int x, int y) {
    auto rep = CustomCompose::firstRepresentation(image);
    const unsigned char* p =
        rep->bitmapData() + y * rep->bytesPerRow() + x * rep->samplesPerPixel();
    return QColor(p[0], p[1], p[2]);
}

TEST(Rotation, QuarterTurnsMovePixelsExactly) {
    const auto source = picture(40, 30);
    const auto left = Rotation::imageRotatedByDegrees(*source, 90);
    ASSERT_TRUE(left);
    EXPECT_EQ(CustomCompose::sizeInPixels(*left), QSizeF(30, 40));
    // Counter-clockwise: the top-right corner comes to the top-left.
    EXPECT_EQ(pixel(*left, 0, 0), pixel(*source, 39, 0));
    EXPECT_EQ(pixel(*left, 29, 39), pixel(*source, 0, 29));
    const auto half = Rotation::imageRotatedByDegrees(*source, 180);
    EXPECT_EQ(pixel(*half, 0, 0), pixel(*source, 39, 29));
    EXPECT_EQ(source->size(), QSizeF(40, 30)) << "the receiver keeps its size";
}

// Whatever the angle: square pixels at the source's horizontal resolution, no alpha.
TEST(Rotation, KeepsTheResolutionWithSquarePixelsAndDropsAlpha) {
    const auto source = picture(400, 300, 300, 150, true);
    for (const float degrees : {90.0f, 30.0f}) {
        const auto turned = Rotation::imageRotatedByDegrees(*source, degrees);
        ASSERT_TRUE(turned);
        const QSizeF pixels = CustomCompose::sizeInPixels(*turned);
        EXPECT_EQ(pixels, degrees == 90 ? QSizeF(300, 400) : QSizeF(497, 460));
        EXPECT_FLOAT_EQ(CustomCompose::resolution(*turned), 300.0f);
        EXPECT_DOUBLE_EQ(turned->size().width(), pixels.width() * 72.0 / 300);
        EXPECT_DOUBLE_EQ(turned->size().height(), pixels.height() * 72.0 / 300);
        const auto rep = CustomCompose::firstRepresentation(*turned);
        EXPECT_FALSE(rep->hasAlpha());
        EXPECT_EQ(rep->samplesPerPixel(), 3);
    }
}

TEST(Rotation, APictureWithoutBitmapGivesNone) {
    const Image empty(QSizeF(10, 10));
    EXPECT_FALSE(Rotation::imageRotatedByDegrees(empty, 90));
}

} // namespace

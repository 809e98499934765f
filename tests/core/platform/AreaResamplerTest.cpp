#include "core/platform/AreaResampler.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Black and white stripes one pixel wide.
QImage stripes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixelColor(x, y, (x % 2) ? Qt::white : Qt::black);
        }
    }
    return image;
}

// The area average of one output pixel, computed the slow way.
double exactAverage(const QImage& image, double sx0, double sy0, double sx1, double sy1) {
    double sum = 0;
    double area = 0;
    for (int y = static_cast<int>(std::floor(sy0)); y < std::ceil(sy1); ++y) {
        for (int x = static_cast<int>(std::floor(sx0)); x < std::ceil(sx1); ++x) {
            const double w = (std::min<double>(x + 1, sx1) - std::max<double>(x, sx0)) *
                             (std::min<double>(y + 1, sy1) - std::max<double>(y, sy0));
            sum += w * qRed(image.pixel(x, y));
            area += w;
        }
    }
    return sum / area;
}

TEST(AreaResampler, FineStripesShrinkToMidGrey) {
    // Shrunk 37 times: an output pixel covers 18.5 pairs, so it is grey within half a stripe
    // (3.4 levels); sampling instead of averaging would give black or white.
    const QImage source = stripes(3700, 50);
    QPoint origin;
    const QImage out =
        AreaResampler::resample(source, QRectF(0, 0, 3700, 50), QRectF(0, 0, 100, 20), &origin);
    ASSERT_EQ(out.size(), QSize(100, 20));
    EXPECT_EQ(origin, QPoint(0, 0));
    for (int x = 0; x < 100; ++x) {
        EXPECT_NEAR(qRed(out.pixel(x, 10)), 127.5, 4) << x;
    }
}

TEST(AreaResampler, MatchesTheExactAreaAverage) {
    QImage source(300, 200, QImage::Format_RGB888);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) {
            source.setPixelColor(x, y, QColor((x * 7 + y * 13) % 256, 0, 0));
        }
    }
    const QRectF from(10.5, 20.25, 250, 150);
    const QRectF to(0, 0, 73, 44);
    QPoint origin;
    const QImage out = AreaResampler::resample(source, from, to, &origin);
    double squared = 0;
    int n = 0;
    for (int y = 0; y < 44; ++y) {
        for (int x = 0; x < 73; ++x) {
            const double sx0 = from.left() + x * from.width() / to.width();
            const double sy0 = from.top() + y * from.height() / to.height();
            const double expected = exactAverage(source, sx0, sy0, sx0 + from.width() / to.width(),
                                                 sy0 + from.height() / to.height());
            const double error = qRed(out.pixel(x, y)) - expected;
            squared += error * error;
            ++n;
        }
    }
    const double psnr = 10 * std::log10(255.0 * 255.0 / (squared / n));
    EXPECT_GT(psnr, 50.0);
}

TEST(AreaResampler, EnlargingBlendsNeighbours) {
    QImage source(2, 1, QImage::Format_RGB888);
    source.setPixelColor(0, 0, Qt::black);
    source.setPixelColor(1, 0, Qt::white);
    QPoint origin;
    const QImage out =
        AreaResampler::resample(source, QRectF(0, 0, 2, 1), QRectF(0, 0, 20, 1), &origin);
    // Monotonic ramp between the two pixel centres, flat beyond them.
    for (int x = 1; x < 20; ++x) {
        EXPECT_GE(qRed(out.pixel(x, 0)), qRed(out.pixel(x - 1, 0)));
    }
    EXPECT_EQ(qRed(out.pixel(0, 0)), 0);
    EXPECT_EQ(qRed(out.pixel(19, 0)), 255);
    EXPECT_GT(qRed(out.pixel(10, 0)), 100);
    EXPECT_LT(qRed(out.pixel(10, 0)), 155);
}

TEST(AreaResampler, EdgePixelsCarryTheirCoverageAsAlpha) {
    QImage source(10, 10, QImage::Format_RGB888);
    source.fill(Qt::white);
    QPoint origin;
    const QImage out =
        AreaResampler::resample(source, QRectF(0, 0, 10, 10), QRectF(2.25, 3.5, 5.5, 4), &origin);
    EXPECT_EQ(origin, QPoint(2, 3));
    EXPECT_EQ(out.size(), QSize(6, 5));
    EXPECT_NEAR(qAlpha(out.pixel(0, 0)), 0.75 * 0.5 * 255, 1.5);
    EXPECT_EQ(qAlpha(out.pixel(2, 2)), 255);
    EXPECT_NEAR(qAlpha(out.pixel(5, 2)), 0.75 * 255, 1.5);
}

TEST(AreaResampler, OntoACanvasEdgesBlendWithWhatWasThere) {
    QImage source(10, 10, QImage::Format_RGB888);
    source.fill(Qt::black);
    QImage canvas(8, 8, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    // Half of pixel column 2 and all of 3 to 5 are covered; rows 1 to 6 fully.
    ASSERT_TRUE(
        AreaResampler::resampleOnto(source, QRectF(0, 0, 10, 10), QRectF(2.5, 1, 3.5, 6), canvas));
    EXPECT_EQ(canvas.pixelColor(1, 3), QColor(Qt::white));
    EXPECT_NEAR(canvas.pixelColor(2, 3).red(), 128, 1);
    EXPECT_EQ(canvas.pixelColor(4, 3), QColor(Qt::black));
    EXPECT_EQ(canvas.pixelColor(4, 0), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(6, 3), QColor(Qt::white));
    // A rectangle reaching past the canvas is cut to it.
    EXPECT_TRUE(AreaResampler::resampleOnto(source, QRectF(0, 0, 10, 10),
                                            QRectF(-20, -20, 100, 100), canvas));
    EXPECT_EQ(canvas.pixelColor(7, 7), QColor(Qt::black));
    QImage other(4, 4, QImage::Format_ARGB32);
    EXPECT_FALSE(
        AreaResampler::resampleOnto(source, QRectF(0, 0, 10, 10), QRectF(0, 0, 4, 4), other));
}

TEST(AreaResampler, NothingToDrawIsANullPicture) {
    QImage source(10, 10, QImage::Format_RGB888);
    QPoint origin;
    EXPECT_TRUE(
        AreaResampler::resample(source, QRectF(0, 0, 0, 10), QRectF(0, 0, 5, 5), &origin).isNull());
    EXPECT_TRUE(AreaResampler::resample(QImage(), QRectF(0, 0, 1, 1), QRectF(0, 0, 5, 5), &origin)
                    .isNull());
}

struct HalvingCase {
    const char* name;
    QImage::Format format;
};

class AreaResamplerHalving : public ::testing::TestWithParam<HalvingCase> {};

// Each pixel of the half-size copy is the rounded mean of the (up to) four it replaces, in
// every layout, with an odd last column and row halved on their own.
TEST_P(AreaResamplerHalving, AveragesTwoByTwoBlocksExactly) {
    QImage picture(5, 3, QImage::Format_RGB888);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            picture.setPixelColor(x, y, QColor(x * 50 + y * 7, 255 - x * 40, y * 100));
        }
    }
    picture = picture.convertToFormat(GetParam().format);
    const QImage half = AreaResampler::halved(picture, 2);
    ASSERT_EQ(half.size(), QSize(3, 2));
    const auto mean = [&](int x0, int y0, auto channel) {
        int sum = 0;
        int n = 0;
        for (int y = y0; y < std::min(y0 + 2, 3); ++y) {
            for (int x = x0; x < std::min(x0 + 2, 5); ++x) {
                sum += channel(picture.pixelColor(x, y));
                ++n;
            }
        }
        return (sum + n / 2) / n;
    };
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const QColor c = half.pixelColor(x, y);
            EXPECT_EQ(c.red(), mean(2 * x, 2 * y, [](QColor p) { return p.red(); })) << x << y;
            EXPECT_EQ(c.blue(), mean(2 * x, 2 * y, [](QColor p) { return p.blue(); })) << x << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, AreaResamplerHalving,
                         ::testing::Values(HalvingCase{"Rgb", QImage::Format_RGB888},
                                           HalvingCase{"Gray", QImage::Format_Grayscale8},
                                           HalvingCase{"Rgba",
                                                       QImage::Format_RGBA8888_Premultiplied},
                                           HalvingCase{"Argb", QImage::Format_ARGB32}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AreaResampler, HalvingALargePictureOnTwoThreadsMatchesOneThread) {
    const QImage picture = stripes(601, 517);
    EXPECT_EQ(AreaResampler::halved(picture, 2), AreaResampler::halved(picture, 1));
    EXPECT_TRUE(AreaResampler::halved(QImage(), 2).isNull());
}

} // namespace

#include "core/document/Fotino.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/GraphicsContext.h"
#include "core/platform/Image.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QColor at(BitmapImageRep& rep, int x, int y) {
    return rep.toQImage().pixelColor(x, y);
}

bool isWhite(const QColor& c) {
    return c.red() > 250 && c.green() > 250 && c.blue() > 250;
}
bool isBlue(const QColor& c) {
    return c.blue() > 200 && c.red() < 40 && c.green() < 40;
}

// A transparent mask with an opaque black ring on its outermost pixels.
QByteArray ringMask(int width, int height) {
    QImage mask(width, height, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    for (int x = 0; x < width; ++x) {
        mask.setPixelColor(x, 0, Qt::black);
        mask.setPixelColor(x, height - 1, Qt::black);
    }
    for (int y = 0; y < height; ++y) {
        mask.setPixelColor(0, y, Qt::black);
        mask.setPixelColor(width - 1, y, Qt::black);
    }
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "tiff").write(mask);
    return tiff;
}

class FotinoRendering : public ::testing::Test {
protected:
    // A 3.5 x 4.5 cm document with a 400 x 600 blue picture that covers the frame.
    void SetUp() override {
        QImage q(400, 600, QImage::Format_RGB888);
        q.fill(QColor(0, 0, 255));
        q.setDotsPerMeterX(2835);
        q.setDotsPerMeterY(2835);
        ASSERT_TRUE(q.save(dir.filePath(QStringLiteral("Doc.png"))));
        doc.setFilePath(dir.filePath(QStringLiteral("Doc.ftoct")));
        doc.setImageName(QStringLiteral("Doc.png"));
        doc.setPictureSize(100);
        doc.setOffset(QPointF(50, 50));
        doc.setPictureVersion(1);
    }
    TemporaryHome home;
    QTemporaryDir dir;
    Fotino doc;
};

TEST_F(FotinoRendering, ToImageAtZeroIsThreeHundredDotsPerInch) {
    const auto at300 = doc.toImage(300);
    const auto at0 = doc.toImage(0);
    ASSERT_TRUE(at300);
    ASSERT_TRUE(at0);
    // The canvas is 413.4375 x 531.5625 points-wise: whole pixels 413 x 531.
    EXPECT_EQ(at300->pixelsWide(), 413);
    EXPECT_EQ(at300->pixelsHigh(), 531);
    EXPECT_FLOAT_EQ(static_cast<float>(at300->size().width()), 99.225f);
    EXPECT_FLOAT_EQ(static_cast<float>(at300->size().height()), 127.575f);
    EXPECT_EQ(at0->pixelsWide(), at300->pixelsWide());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(at0->bitmapData()), at0->dataSize()),
              QByteArray(reinterpret_cast<const char*>(at300->bitmapData()), at300->dataSize()));
    EXPECT_TRUE(isBlue(at(*at300, 200, 260)));
    EXPECT_TRUE(isBlue(at(*at300, 0, 530)));
}

TEST_F(FotinoRendering, SixHundredDotsPerInchIsTwiceTheSize) {
    const auto at600 = doc.toImage(600);
    ASSERT_TRUE(at600);
    EXPECT_EQ(at600->pixelsWide(), 826);
    EXPECT_EQ(at600->pixelsHigh(), 1063);
    EXPECT_EQ(at600->size(), doc.toImage(300)->size());
    EXPECT_NEAR(at600->resolution().width(), 600, 1);
}

TEST_F(FotinoRendering, AnExactPixelSizeIsHonouredWhateverTheAspect) {
    const auto exact = doc.toImagePixelsWide(600, 800);
    ASSERT_TRUE(exact);
    EXPECT_EQ(exact->pixelsWide(), 600);
    EXPECT_EQ(exact->pixelsHigh(), 800);
    EXPECT_FLOAT_EQ(static_cast<float>(exact->size().width()), 99.225f);
}

TEST_F(FotinoRendering, WhereThePictureEndsTheRenderingIsWhite) {
    // Offsets of 100 put the picture's corner in the frame's centre: the left and lower
    // parts of the frame show no picture.
    doc.setOffset(QPointF(100, 100));
    const auto image = doc.toImage(300);
    EXPECT_TRUE(isWhite(at(*image, 5, 525))) << "bottom left";
    EXPECT_TRUE(isWhite(at(*image, 5, 5))) << "top left";
    EXPECT_TRUE(isWhite(at(*image, 405, 525))) << "bottom right";
    EXPECT_TRUE(isBlue(at(*image, 405, 5))) << "top right";
}

TEST_F(FotinoRendering, WithoutPictureOrMaskTheRenderingIsWhite) {
    TemporaryHome other;
    Fotino empty;
    const auto image = empty.toImage(300);
    ASSERT_TRUE(image);
    const unsigned char* bytes = image->bitmapData();
    EXPECT_TRUE(
        std::all_of(bytes, bytes + image->dataSize(), [](unsigned char b) { return b == 255; }));
}

TEST_F(FotinoRendering, TheThumbnailFitsThePhotoWithItsMaskOneUnitLarger) {
    doc.setObject(ringMask(104, 130), AttributeKeys::kPresetMask);
    const QByteArray tiff = doc.createThumbnail();
    const QImage thumbnail = QImage::fromData(tiff, "TIFF");
    ASSERT_EQ(thumbnail.size(), QSize(128, 128));
    // The photo fills (14.22, 0, 99.56, 128), white bands to its left and right.
    EXPECT_TRUE(isWhite(thumbnail.pixelColor(5, 64)));
    EXPECT_TRUE(isWhite(thumbnail.pixelColor(122, 64)));
    EXPECT_TRUE(isBlue(thumbnail.pixelColor(64, 64)));
    EXPECT_TRUE(isBlue(thumbnail.pixelColor(16, 64)));
    // The mask's ring lies one unit outside the photo: around x = 13.2 and x = 114.8.
    EXPECT_LT(thumbnail.pixelColor(13, 64).lightness(), 200);
    EXPECT_LT(thumbnail.pixelColor(114, 64).lightness(), 200);
    EXPECT_TRUE(isWhite(thumbnail.pixelColor(11, 64)));
}

TEST_F(FotinoRendering, AFrameWithAnOriginPlacesPhotoAndMaskThere) {
    doc.setObject(ringMask(60, 70), AttributeKeys::kPresetMask);
    QImage canvas(200, 200, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    {
        GraphicsContext context(&canvas, QSizeF(200, 200));
        GraphicsContext::pushContext(&context);
        doc.drawInFrame(QRectF(100, 50, 50, 60)); // y up: pixel rows 90 to 150
        GraphicsContext::popContext();
    }
    EXPECT_TRUE(isBlue(canvas.pixelColor(125, 120)));
    EXPECT_TRUE(isWhite(canvas.pixelColor(50, 120)));
    EXPECT_TRUE(isWhite(canvas.pixelColor(125, 40)));
    EXPECT_LT(canvas.pixelColor(99, 120).lightness(), 200) << "mask ring left of the frame";
    EXPECT_LT(canvas.pixelColor(125, 150).lightness(), 200) << "mask ring below the frame";
}

TEST_F(FotinoRendering, TheCacheIsKeptUntilPurged) {
    const auto first = doc.cachedImage();
    ASSERT_TRUE(first);
    EXPECT_EQ(doc.cachedImage(), first);
    EXPECT_FLOAT_EQ(static_cast<float>(first->size().width()), 99.225f);
    doc.purgeCachedImage();
    EXPECT_FALSE(doc.hasCachedImage());
    EXPECT_NE(doc.cachedImage(), first);
}

} // namespace

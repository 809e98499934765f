#include "core/document/Fotino.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/GraphicsContext.h"
#include "core/platform/Image.h"
#include "support/DocumentTestSupport.h"
#include "support/ImageTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using imagetest::isBlue;
using imagetest::isWhite;

QColor at(BitmapImageRep& rep, int x, int y) {
    return rep.toQImage().pixelColor(x, y);
}

// A transparent mask with an opaque black ring on its outermost pixels.
QByteArray ringMask(int width, int height) {
    QImage mask(width, height, QImage::Format_ARGB32);
    mask.fill(Qt::black);
    for (int y = 1; y < height - 1; ++y) {
        for (int x = 1; x < width - 1; ++x) {
            mask.setPixelColor(x, y, Qt::transparent);
        }
    }
    return imagetest::encode(mask, "tiff");
}

class FotinoRendering : public ::testing::Test {
protected:
    // A 3.5 x 4.5 cm document with a 400 x 600 blue picture that covers the frame.
    void SetUp() override {
        documenttest::frame(doc, dir.path(), QStringLiteral("Doc"), QSize(400, 600), Qt::blue, 100);
    }
    TemporaryHome home;
    QTemporaryDir dir;
    Fotino doc;
};

struct RenderCase {
    const char* name;
    int dotsPerInch;
    QSize exact; // asked for instead of a resolution when not empty
    QSize pixels;
};
void PrintTo(const RenderCase& c, std::ostream* os) {
    *os << c.name;
}

class FotinoRenderSizes : public FotinoRendering,
                          public ::testing::WithParamInterface<RenderCase> {};

// Whatever the pixels, the point size is the print size: 3.5 x 4.5 cm of 28.35 points.
TEST_P(FotinoRenderSizes, HaveWholePixelsAndThePrintSize) {
    const RenderCase& c = GetParam();
    const auto rep = c.exact.isEmpty() ? doc.toImage(c.dotsPerInch)
                                       : doc.toImagePixelsWide(c.exact.width(), c.exact.height());
    ASSERT_TRUE(rep);
    EXPECT_EQ(QSize(rep->pixelsWide(), rep->pixelsHigh()), c.pixels);
    EXPECT_FLOAT_EQ(static_cast<float>(rep->size().width()), 99.225f);
    EXPECT_FLOAT_EQ(static_cast<float>(rep->size().height()), 127.575f);
    EXPECT_TRUE(isBlue(at(*rep, c.pixels.width() / 2, c.pixels.height() / 2)));
    EXPECT_TRUE(isBlue(at(*rep, 0, c.pixels.height() - 1)));
}

INSTANTIATE_TEST_SUITE_P(Rendering, FotinoRenderSizes,
                         ::testing::Values(
                             // 413.4375 x 531.5625 pixels at 300 dpi: whole pixels 413 x 531.
                             RenderCase{"300 dpi", 300, QSize(), QSize(413, 531)},
                             RenderCase{"0 is 300 dpi", 0, QSize(), QSize(413, 531)},
                             RenderCase{"600 dpi", 600, QSize(), QSize(826, 1063)},
                             RenderCase{"exact size of another aspect", 0, QSize(600, 800),
                                        QSize(600, 800)}),
                         NameOfParam());

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

} // namespace

namespace {

// A file may say anything for a size: what is no number or beyond every screen renders as
// little as it can, and the print preview's rendering too, with no undefined arithmetic (the
// sanitizer build checks that).
TEST_F(FotinoRendering, SizesThatAreNoNumbersOrHugeRenderWithoutHarm) {
    for (const char* text : {"nan", "-nan", "inf", "-inf", "1e300", "-3.5", "0"}) {
        const auto odd = doc.copyFotino();
        odd->setFilePath(doc.filePath());
        odd->setString(QString::fromLatin1(text), AttributeKeys::kWidth);
        odd->setString(QStringLiteral("4.5"), AttributeKeys::kHeight);
        const auto rendered = odd->toImage(72);
        if (rendered) {
            EXPECT_LE(qint64(rendered->pixelsWide()) * rendered->pixelsHigh(), 200) << text;
        }
        EXPECT_FALSE(odd->createThumbnail().isEmpty()) << text;
        EXPECT_TRUE(odd->cachedImage()) << text;
        odd->setString(QString::fromLatin1(text), AttributeKeys::kSize);
        EXPECT_FALSE(odd->createThumbnail().isEmpty()) << text;
    }
}

} // namespace

#include "core/imaging/ImagePrintSpecs.h"
#include "core/imaging/CustomCompose.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "support/LogCapture.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ImagePrintSpecsTest : public ::testing::Test {
protected:
    // A 40 x 30 picture at 300 dpi, mid grey with a red corner; with alpha, the last pixel
    // is half transparent, so that it is read as four bytes a pixel.
    QString writePicture(const char* name = "picture.png", bool alpha = false) {
        QImage q(40, 30, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        q.fill(QColor(100, 100, 100));
        q.setPixelColor(0, 0, Qt::red);
        if (alpha) {
            q.setPixelColor(39, 29, QColor(100, 100, 100, 128));
        }
        q.setDotsPerMeterX(11811);
        q.setDotsPerMeterY(11811);
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(q.save(path));
        return path;
    }
    static const unsigned char* firstPixel(const Image& image) {
        return CustomCompose::firstRepresentation(image)->bitmapData();
    }

    QTemporaryDir dir;
    LogCapture log;
};

TEST_F(ImagePrintSpecsTest, ContrastAndBrightnessTurnTheStageOnAndOff) {
    const auto holder = ImagePrintSpecs::imagePrintSpecsWithPath(writePicture());
    holder->updateContrast(1, 0);
    EXPECT_EQ(holder->filters(), ImagePrintSpecs::kContrastBrightnessBit);
    EXPECT_EQ(holder->contrastBrightnessTable()[200], 200);
    ASSERT_TRUE(holder->image());
    holder->updateContrast(1, 0);
    EXPECT_TRUE(holder->hasCachedImage()) << "the same values keep the picture";
    holder->updateContrast(2, 0);
    EXPECT_FALSE(holder->hasCachedImage());
    holder->updateContrast(0, 0);
    EXPECT_EQ(holder->filters(), 0);
}

TEST_F(ImagePrintSpecsTest, RotationKeepsOrDropsTheCachedPicture) {
    const auto holder = ImagePrintSpecs::imagePrintSpecsWithPath(writePicture());
    holder->updateContrast(1, 0);
    ASSERT_TRUE(holder->image());
    holder->setRotationAngle(0);
    EXPECT_TRUE(holder->hasCachedImage());
    holder->setRotationAngle(90);
    EXPECT_FALSE(holder->hasCachedImage());
    const auto turned = holder->image();
    ASSERT_TRUE(turned);
    // Width and height stay those of the file; the point size is the rotated one, at 300 dpi.
    EXPECT_EQ(holder->width(), 40u);
    EXPECT_EQ(holder->height(), 30u);
    EXPECT_NEAR(holder->size().width(), 30 * 72.0 / 300, 1e-3);
    EXPECT_NEAR(holder->size().height(), 40 * 72.0 / 300, 1e-3);
    EXPECT_EQ(CustomCompose::sizeInPixels(*turned), QSizeF(30, 40));
}

TEST_F(ImagePrintSpecsTest, NewTablesTakeThePictureAsReadWithoutReadingItAgain) {
    const QString path = writePicture();
    const auto holder = ImagePrintSpecs::imagePrintSpecsWithPath(path);
    holder->updateContrast(1, 0); // the neutral slider: nothing to copy or change
    const auto neutral = holder->image();
    ASSERT_TRUE(neutral);
    EXPECT_EQ(firstPixel(*neutral)[3], 100);
    ASSERT_TRUE(QFile::remove(path));
    holder->updateContrast(2, 0);
    const auto contrasted = holder->image();
    ASSERT_TRUE(contrasted);
    EXPECT_EQ(firstPixel(*contrasted)[3], 72);
    // The picture as read is kept untouched for the next change.
    holder->updateContrast(1, 0.2f);
    ASSERT_TRUE(holder->image());
    EXPECT_GT(firstPixel(*holder->image())[3], 100);
    EXPECT_EQ(firstPixel(*neutral)[3], 100);
    // A quarter turn needs the file again; a purge lets everything go.
    holder->setRotationAngle(90);
    EXPECT_FALSE(holder->image());
}

// Pictures read with alpha are packed to RGB first.
TEST_F(ImagePrintSpecsTest, AppliesTheTableToEverySampleOfPackedRGB) {
    for (const bool alpha : {false, true}) {
        const auto holder =
            ImagePrintSpecs::imagePrintSpecsWithPath(writePicture("picture.png", alpha));
        holder->updateContrast(2, 0); // contrast slider 100
        const auto image = holder->image();
        ASSERT_TRUE(image);
        const auto rep = CustomCompose::firstRepresentation(*image);
        EXPECT_EQ(rep->samplesPerPixel(), 3) << alpha;
        EXPECT_EQ(rep->bytesPerRow(), 3 * rep->pixelsWide()) << alpha;
        const unsigned char* p = rep->bitmapData();
        EXPECT_EQ(p[0], 255) << alpha; // red 255 stays 255
        EXPECT_EQ(p[1], 0) << alpha;
        // (100 - 128) * 2 + 128, also at the last pixel.
        for (const unsigned char* grey : {p + 3, p + rep->dataSize() - 3}) {
            EXPECT_EQ(grey[0], 72) << alpha;
            EXPECT_EQ(grey[2], 72) << alpha;
        }
    }
}

TEST_F(ImagePrintSpecsTest, GrayIsDerivedFromTheColourPicture) {
    const auto holder = ImagePrintSpecs::imagePrintSpecsWithPath(writePicture());
    holder->updateContrast(1, 0);
    const auto gray = holder->grayscaleImage();
    ASSERT_TRUE(gray);
    EXPECT_TRUE(CustomCompose::isGrayScale(*gray));
    EXPECT_EQ(firstPixel(*gray)[0], 77);
    EXPECT_EQ(gray->size(), holder->image()->size());
    EXPECT_TRUE(holder->hasCachedImage()) << "the colour picture stays cached";
}

TEST_F(ImagePrintSpecsTest, AMissingFileIsAnsweredOnEveryCallWithTheLogLine) {
    const QString path = dir.filePath(QStringLiteral("missing.jpg"));
    const auto holder = ImagePrintSpecs::imagePrintSpecsWithPath(path);
    holder->updateContrast(1, 0);
    EXPECT_FALSE(holder->image());
    EXPECT_TRUE(holder->placeHolder());
    EXPECT_FALSE(holder->image());
    EXPECT_FALSE(holder->grayscaleImage());
    EXPECT_EQ(log.lines().filter(QStringLiteral("Unable to load image at path ") + path).size(), 2);
}

TEST_F(ImagePrintSpecsTest, FilterStagesWithoutTablesAreSkippedWithAWarning) {
    QImage q(4, 4, QImage::Format_RGB888);
    q.fill(QColor(10, 20, 30));
    auto image = Image::initWithSize(QSizeF(4, 4));
    image->addRepresentation(BitmapImageRep::initWithQImage(q));
    const auto result = ImagePrintSpecs::filterImage(
        *image, ImagePrintSpecs::kGammaBit | ImagePrintSpecs::kContrastBrightnessBit, nullptr,
        nullptr, 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(firstPixel(*result)[0], 10);
    EXPECT_EQ(log.lines().size(), 2);
    EXPECT_TRUE(log.lines().at(0).startsWith(QLatin1String("Warning : gamma filter enabled")));
    // The caller's picture is left alone.
    EXPECT_NE(CustomCompose::firstRepresentation(*result),
              CustomCompose::firstRepresentation(*image));
}

} // namespace

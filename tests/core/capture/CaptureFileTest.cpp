#include "core/capture/CaptureFile.h"
#include "core/platform/BitmapImageRep.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// A frame as the camera gives it: RGBA, left half red, right half green, a line of blue.
std::shared_ptr<BitmapImageRep> cameraFrame() {
    QImage picture(640, 480, QImage::Format_RGBA8888_Premultiplied);
    picture.fill(QColor(200, 0, 0));
    for (int y = 0; y < 480; ++y) {
        for (int x = 320; x < 640; ++x) {
            picture.setPixelColor(x, y, QColor(0, 180, 0));
        }
    }
    for (int x = 0; x < 640; ++x) {
        picture.setPixelColor(x, 10, QColor(0, 0, 255));
    }
    BitmapImageRep::Layout layout;
    layout.pixelsWide = 640;
    layout.pixelsHigh = 480;
    layout.samplesPerPixel = 4;
    layout.hasAlpha = true;
    layout.colorSpace = BitmapImageRep::ColorSpace::DeviceRGB;
    auto frame = BitmapImageRep::initWithLayout(layout);
    for (int y = 0; y < 480; ++y) {
        std::memcpy(frame->bitmapData() + y * frame->bytesPerRow(), picture.constScanLine(y),
                    640 * 4);
    }
    return frame;
}

TEST(CaptureFileTest, MakesANewOwnerOnlyFileOfAnUnforeseeableName) {
    QTemporaryDir folder;
    const QString first = CaptureFile::create(folder.path());
    const QString second = CaptureFile::create(folder.path());
    ASSERT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
    const QRegularExpression name(QStringLiteral("^FTN_Capture_[A-Za-z0-9]{6}\\.tif$"));
    for (const QString& path : {first, second}) {
        const QFileInfo file(path);
        EXPECT_EQ(file.absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
        EXPECT_TRUE(name.match(file.fileName()).hasMatch()) << path.toStdString();
        EXPECT_TRUE(file.isFile());
        EXPECT_EQ(file.size(), 0);
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        EXPECT_EQ(file.permissions() & others, QFile::Permissions());
        EXPECT_TRUE(file.permissions().testFlags(QFile::ReadOwner | QFile::WriteOwner));
    }
    EXPECT_TRUE(CaptureFile::create(folder.filePath(QStringLiteral("missing"))).isEmpty());
}

TEST(CaptureFileTest, TheStillIsTheFrameAsAnOpaquePictureOfOnePointAPixel) {
    const auto frame = cameraFrame();
    const auto still = CaptureFile::stillImage(*frame);
    ASSERT_TRUE(still);
    EXPECT_FALSE(still->hasAlpha());
    EXPECT_EQ(still->samplesPerPixel(), 3);
    EXPECT_EQ(still->size(), QSizeF(640, 480));
    const QImage picture = still->toQImage();
    EXPECT_EQ(picture.pixel(5, 200), qRgb(200, 0, 0));
    EXPECT_EQ(picture.pixel(600, 200), qRgb(0, 180, 0));
    EXPECT_EQ(picture.pixel(600, 10), qRgb(0, 0, 255));
}

TEST(CaptureFileTest, WritesTheTiffIntoTheFileThatWasMade) {
    QTemporaryDir folder;
    const QString path = CaptureFile::create(folder.path());
    const auto still = CaptureFile::stillImage(*cameraFrame());
    ASSERT_TRUE(CaptureFile::writeTIFF(*still, path));
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("tiff"));
    const QImage back = reader.read();
    ASSERT_EQ(back.size(), QSize(640, 480));
    EXPECT_EQ(back.pixel(5, 200), qRgb(200, 0, 0));
    EXPECT_EQ(back.pixel(600, 10), qRgb(0, 0, 255));
    EXPECT_EQ(QFileInfo(path).permissions() & (QFile::ReadOther | QFile::ReadGroup),
              QFile::Permissions())
        << "still owner-only once written";
}

TEST(CaptureFileTest, NeverMakesAFileThatIsNotThere) {
    QTemporaryDir folder;
    const auto still = CaptureFile::stillImage(*cameraFrame());
    const QString gone = folder.filePath(QStringLiteral("FTN_Capture_gone.tif"));
    EXPECT_FALSE(CaptureFile::writeTIFF(*still, gone));
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_FALSE(CaptureFile::writeTIFF(*still, folder.filePath(QStringLiteral("no/such.tif"))));
    EXPECT_FALSE(CaptureFile::writeTIFF(*still, folder.path())) << "a folder";
}

} // namespace

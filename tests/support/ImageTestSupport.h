#pragma once
// Helpers shared by the picture-layer tests: encoded files, small bitmaps, colour checks.

#include "core/platform/BitmapImageRep.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <memory>

namespace imagetest {

inline QByteArray encode(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    writer.write(image);
    return bytes;
}

// A plain white picture written to the path: nothing in it looks like a face.
inline QString blankPicture(const QString& path, QSize size = QSize(120, 90)) {
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(Qt::white);
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
    return path;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An 8-bit interleaved layout: gray for 1 sample, gray and alpha for 2, RGB for 3, RGBA for 4.
inline BitmapImageRep::Layout layout(int w, int h, int samples = 3, unsigned format = 0,
                                     int bytesPerRow = 0) {
    BitmapImageRep::Layout l;
    l.pixelsWide = w;
    l.pixelsHigh = h;
    l.samplesPerPixel = samples;
    l.hasAlpha = samples % 2 == 0;
    l.colorSpace = samples < 3 ? BitmapImageRep::ColorSpace::CalibratedWhite
                               : BitmapImageRep::ColorSpace::CalibratedRGB;
    l.bitmapFormat = format;
    l.bytesPerRow = bytesPerRow;
    return l;
}

inline std::shared_ptr<BitmapImageRep> bitmap(int w, int h, int samples = 3) {
    return BitmapImageRep::initWithLayout(layout(w, h, samples));
}

inline void expectNear(QColor actual, QColor expected, int tolerance, const std::string& what) {
    EXPECT_NEAR(actual.red(), expected.red(), tolerance) << what;
    EXPECT_NEAR(actual.green(), expected.green(), tolerance) << what;
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance) << what;
    EXPECT_NEAR(actual.alpha(), expected.alpha(), tolerance) << what;
}

// Colours of rendered photos, with room for smoothing and compression.
inline bool isWhite(QColor c) {
    return c.red() > 250 && c.green() > 250 && c.blue() > 250;
}
inline bool isRed(QColor c) {
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}
inline bool isBlue(QColor c) {
    return c.blue() > 180 && c.red() < 80 && c.green() < 80;
}

// A picture black on its left half and white on its right, at 72 dpi (a point a pixel): where
// the border lands shows where and how large the picture is drawn.
inline QImage halves(QSize size) {
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width() / 2; ++x) {
            picture.setPixelColor(x, y, Qt::black);
        }
    }
    picture.setDotsPerMeterX(2835);
    picture.setDotsPerMeterY(2835);
    return picture;
}

} // namespace imagetest

#pragma once
// A photo-like texture for the benchmarks: gradients with fine stripes, so that decoding does a
// camera file's work and scaling shows its aliasing.

#include <QImage>

namespace PhotoTexture {

// One row of packed RGB of a picture of that size.
inline void row(int y, int width, int height, uchar* out) {
    for (int x = 0; x < width; ++x) {
        const int stripe = ((x / 2) + (y / 3)) % 2 ? 60 : 0;
        out[3 * x] = static_cast<uchar>((x * 255 / width + stripe) % 256);
        out[3 * x + 1] = static_cast<uchar>((y * 255 / height) ^ ((x * 7) & 31));
        out[3 * x + 2] = static_cast<uchar>(((x + y) / 24) % 200 + stripe / 2);
    }
}

// The whole picture, at 72 dpi (a point a pixel).
inline QImage picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        row(y, width, height, image.scanLine(y));
    }
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    return image;
}

} // namespace PhotoTexture

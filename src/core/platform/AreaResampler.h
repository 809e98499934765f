#pragma once
// Draws a picture scaled onto a pixel grid without aliasing: every device pixel of the
// result is the exact area average of the source pixels it covers when the picture shrinks,
// and a bilinear blend of the nearest ones when it grows. Separable, in single precision.

#include <QImage>
#include <QPoint>
#include <QRectF>

class AreaResampler {
public:
    // The part `from` of the picture (its pixels, top row first, fractional edges allowed) laid
    // onto the device rectangle `to` (device pixels, fractional). Answers a premultiplied ARGB
    // picture of every device pixel that `to` touches, whose top-left pixel is `*origin`;
    // each pixel's alpha is the share of it that `to` covers (times the picture's own alpha).
    // A null picture when there is nothing to draw.
    static QImage resample(const QImage& picture, const QRectF& from, const QRectF& to,
                           QPoint* origin, int threads = 1);
    // The same laid straight onto an opaque RGB canvas (Format_RGB888), each pixel blended by
    // its coverage, without a picture in between. False when the canvas has another format.
    static bool resampleOnto(const QImage& picture, const QRectF& from, const QRectF& to,
                             QImage& canvas, int threads = 1);
    // The picture at half its width and height (rounded up), each pixel the exact mean of the
    // two by two pixels it replaces (fewer at an odd edge), in the layout the loops read
    // (gray, packed RGB or premultiplied RGBA). A null picture for a null one.
    static QImage halved(const QImage& picture, int threads = 1);
    // The threads drawing uses (1 or 2; 2 by default).
    static int drawingThreads();
    static void setDrawingThreads(int threads);
};

#pragma once
// A picture: a point size (1 pt = 1/72 in) and an ordered list of bitmaps, drawn scaled to
// that size; it can also be the drawing destination between lockFocus and unlockFocus.

#include "core/platform/BitmapImageRep.h"
#include "core/platform/GraphicsContext.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

class Image {
public:
    using CompositingOperation = GraphicsContext::CompositingOperation;

    explicit Image(QSizeF size = QSizeF());
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    static std::shared_ptr<Image> initWithSize(QSizeF size);
    // The point size is the bitmap's (from the file's density); none when unreadable.
    static std::shared_ptr<Image> initWithContentsOfFile(const QString& path);
    static std::shared_ptr<Image> initWithData(const QByteArray& data);

    QSizeF size() const { return size_; }
    void setSize(QSizeF size) { size_ = size; }

    const std::vector<std::shared_ptr<BitmapImageRep>>& representations() const { return reps_; }
    void addRepresentation(std::shared_ptr<BitmapImageRep> rep);
    void removeRepresentation(const std::shared_ptr<BitmapImageRep>& rep);

    // Fills the canvas that lockFocus makes for a picture without bitmaps; clear by default.
    QColor backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const QColor& color) { backgroundColor_ = color; }

    // Makes the picture the current drawing destination, in its own points. Drawing goes into
    // an RGBA canvas bitmap (premultiplied, one pixel per point, whole pixels covering the
    // point size) that becomes the picture's only representation and starts with what the
    // picture showed.
    void lockFocus();
    void unlockFocus();
    bool isFocused() const { return context_ != nullptr; }

    // Draws the part fromRect of the picture (its own points, y upward; an empty rectangle
    // means all of it) into the current destination with its lower-left corner at the point,
    // unscaled, or scaled into rect. Where fromRect reaches beyond the picture nothing is
    // drawn, so the destination keeps what it had.
    void drawAtPoint(QPointF point, QRectF fromRect, CompositingOperation operation,
                     qreal fraction);
    void drawInRect(QRectF rect, QRectF fromRect, CompositingOperation operation, qreal fraction);

    // TIFF of the first bitmap; empty when there is none.
    QByteArray TIFFRepresentation(bool compressed = false) const;

private:
    QRectF pictureArea(int pixelsWide, int pixelsHigh) const;
    // The first bitmap halved `level` times, made on first use and kept with the picture.
    const QImage& halvedBitmap(int level);

    QSizeF size_;
    std::vector<std::shared_ptr<BitmapImageRep>> reps_;
    // Copies of the first bitmap at half, a quarter... of its size, for the screen.
    std::vector<QImage> halvings_;
    QColor backgroundColor_ = Qt::transparent;

    std::shared_ptr<BitmapImageRep> canvas_;
    QImage canvasView_;
    std::unique_ptr<GraphicsContext> context_;
};

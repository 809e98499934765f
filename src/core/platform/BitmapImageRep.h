#pragma once
// A bitmap with an explicit memory layout: interleaved samples, rows top to bottom, rows
// possibly longer than the pixels need. Decodes from and encodes to picture files.

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>

class BitmapImageRep : public std::enable_shared_from_this<BitmapImageRep> {
public:
    enum class ColorSpace { CalibratedRGB, CalibratedWhite, DeviceRGB };

    // Bits of bitmapFormat().
    static constexpr unsigned kAlphaFirst = 1u << 0;
    // Colour samples are not multiplied by alpha (without it they are).
    static constexpr unsigned kAlphaNonpremultiplied = 1u << 1;

    // Refused above this many bytes of pixels, so that absurd sizes fail before allocating.
    static constexpr qint64 kMaxBytes = qint64(4) << 30;

    struct Layout {
        int pixelsWide = 0;
        int pixelsHigh = 0;
        int bitsPerSample = 8;   // 8 or 16; 16-bit samples are in the machine's byte order
        int samplesPerPixel = 3; // 1 to 4, alpha included
        bool hasAlpha = false;
        bool isPlanar = false; // only interleaved samples are supported
        ColorSpace colorSpace = ColorSpace::CalibratedRGB;
        unsigned bitmapFormat = 0;
        int bytesPerRow = 0;  // 0: as few as the pixels need
        int bitsPerPixel = 0; // 0: bitsPerSample * samplesPerPixel; more leaves a spare sample
    };

    using ReleaseCallback = std::function<void(unsigned char*)>;

    // A zero-filled bitmap of the given layout; none when the layout is invalid or the memory
    // cannot be had.
    static std::shared_ptr<BitmapImageRep> initWithLayout(const Layout& layout);
    // The same, argument by argument; planes must be null (the bitmap owns its bytes).
    static std::shared_ptr<BitmapImageRep>
    initWithBitmapDataPlanes(unsigned char** planes, int pixelsWide, int pixelsHigh,
                             int bitsPerSample, int samplesPerPixel, bool hasAlpha, bool isPlanar,
                             ColorSpace colorSpaceName, unsigned bitmapFormat, int bytesPerRow,
                             int bitsPerPixel);
    // Wraps foreign bytes without copying; release (if any) runs once when the bitmap goes,
    // or at once when the layout is refused.
    static std::shared_ptr<BitmapImageRep>
    initWithBytesNoCopy(unsigned char* bytes, const Layout& layout, ReleaseCallback release);
    // An 8-bit bitmap holding the picture: packed RGB when it is opaque, RGBA (alpha last,
    // not premultiplied) otherwise. A detached image passed by move is converted in place.
    // Point size from the picture's dots per metre.
    static std::shared_ptr<BitmapImageRep> initWithQImage(QImage image);
    // Decoding (see ImageDecoder): none, with one log line, when the picture cannot be read.
    static std::shared_ptr<BitmapImageRep> imageRepWithContentsOfFile(const QString& path);
    static std::shared_ptr<BitmapImageRep> imageRepWithData(const QByteArray& data);

    ~BitmapImageRep();
    BitmapImageRep(const BitmapImageRep&) = delete;
    BitmapImageRep& operator=(const BitmapImageRep&) = delete;

    int pixelsWide() const { return layout_.pixelsWide; }
    int pixelsHigh() const { return layout_.pixelsHigh; }
    int bitsPerSample() const { return layout_.bitsPerSample; }
    int samplesPerPixel() const { return layout_.samplesPerPixel; }
    int bitsPerPixel() const { return layout_.bitsPerPixel; }
    int bytesPerRow() const { return layout_.bytesPerRow; }
    bool hasAlpha() const { return layout_.hasAlpha; }
    bool isPlanar() const { return false; }
    unsigned bitmapFormat() const { return layout_.bitmapFormat; }
    ColorSpace colorSpaceName() const { return layout_.colorSpace; }
    const Layout& layout() const { return layout_; }

    // Printed size in points (1/72 inch); a new bitmap has one point per pixel.
    QSizeF size() const { return size_; }
    void setSize(QSizeF size) { size_ = size; }
    // Dots per inch across and down; 0 where the point size is 0.
    QSizeF resolution() const;

    // Rows top to bottom, bytesPerRow() bytes each, pixelsHigh() rows.
    unsigned char* bitmapData() { return data_; }
    const unsigned char* bitmapData() const { return data_; }
    qint64 dataSize() const { return qint64(layout_.bytesPerRow) * layout_.pixelsHigh; }

    // A picture of the pixels. Where Qt has the matching format it shares these bytes (drawing
    // into it draws into the bitmap) and keeps the bitmap alive; otherwise it is a converted
    // copy. Three colours and a spare byte are shared only while every spare byte is 255,
    // since Qt would take it for alpha. Null when nothing can be made.
    QImage toQImage();
    // Whether toQImage() would share the bytes now.
    bool hasSharedQImageFormat() const;

    // Encoded bytes; empty on failure. The files carry the bitmap's resolution.
    QByteArray TIFFRepresentation(bool compressed = false) const;
    // Compression factor from 0 (smallest file) to 1 (best quality).
    QByteArray JPEGRepresentation(float compressionFactor) const;
    // Not interlaced: Qt's PNG writer cannot interlace.
    QByteArray PNGRepresentation() const;

    QString description() const;
    static QString nameOfColorSpace(ColorSpace colorSpace);

    // Fills in the derived fields of a layout and checks it; false when it cannot be used.
    static bool normalizeLayout(Layout& layout);

private:
    BitmapImageRep(const Layout& layout, unsigned char* data, ReleaseCallback release);
    QImage::Format sharedFormat() const;
    bool spareBytesAreOpaque() const;
    QImage convertedQImage() const;
    QByteArray encode(const char* format, int quality, int compression) const;

    Layout layout_;
    QSizeF size_;
    unsigned char* data_ = nullptr;
    ReleaseCallback release_;
};

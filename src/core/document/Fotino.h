#pragma once
// A photo document: which picture, how it is framed and adjusted, its print size in
// centimetres, and a copy of the format preset it follows. Every persistent attribute is a
// container entry, so writing the container writes the document.

#include "core/document/AbstractResource.h"
#include "core/document/AttributeKeys.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <memory>
#include <optional>

class BitmapImageRep;
class Image;
class ImagePrintSpecs;
class QPaintDevice;

class Fotino : public AbstractResource {
public:
    static inline const QString kFileType = QStringLiteral("ftoct");
    // The calibrated picture beside the document.
    static inline const QString kCalibratedType = QStringLiteral("cftn");

    // A new document: the localized "untitled" name, 3.5 x 4.5 cm, guides shown.
    Fotino();
    ~Fotino() override;

    static std::shared_ptr<Fotino> initWithPath(const QString& path);
    std::shared_ptr<Fotino> copyFotino() const;

    QString name() const override;
    void setName(const QString& name) override;

    // Print size: in centimetres, and in the display unit (centimetres when metric, else
    // inches).
    float widthInCm() const;
    float heightInCm() const;
    float width(bool metric) const;
    float height(bool metric) const;
    void setWidth(float width, bool metric);
    void setHeight(float height, bool metric);
    // "3.50 x 4.50 cm" in the display unit.
    QString size(bool metric) const;

    float pictureSize() const;
    void setPictureSize(float scale);
    float XOffset() const;
    void setXOffset(float offset);
    float YOffset() const;
    void setYOffset(float offset);
    QPointF offset() const;
    QPointF offsetInPercent() const;
    void setOffset(QPointF offset);
    float rotation() const;
    void setRotation(float degrees);
    int gamma() const;
    void setGamma(int gamma);
    int brightness() const;
    void setBrightness(int brightness);
    bool grayscale() const;
    void setGrayscale(bool grayscale);
    bool showFaceFrame() const;
    void setShowFaceFrame(bool show);
    float frameSize() const;
    int pictureVersion() const;
    void setPictureVersion(int version);
    QString imageName() const;
    // Also drops the loaded picture, so the next request loads the named file.
    void setImageName(const QString& imageName);

    // Source picture. The copy of the picture beside the document: the document's path with
    // the extension of the image name; none while the document has no path.
    QString originalPicturePath() const;
    // The document's path with the extension "cftn".
    QString calibratedPicturePath() const;
    // Makes a source-image holder for the file with the document's rotation, contrast and
    // brightness (the file itself is read on first use); false for a null path.
    bool loadOriginalPictureFromPath(const QString& path);
    // The holder, without loading anything; none until the picture was asked for.
    ImagePrintSpecs* originalPictureSource() const { return originalPicture_.get(); }
    // The adjusted picture, in gray when the document says so; none when it cannot be read.
    std::shared_ptr<Image> originalPicture();
    // Its point size; (0, 0) without a picture.
    QSizeF originalPictureSize();
    // Stores the slider values (cut to integers) and hands the loaded picture the contrast
    // factor 1 + 0.75 x + 0.25 x^2 (x = contrast / 100) and the brightness offset
    // brightness x 0.02.
    void setContrastValue(float contrast, float brightness);
    // A document without a scale yet gets the framing of a new picture: covering the frame,
    // centred. False when it has a scale already or no picture.
    bool frameNewPicture();
    // Turns the picture (its holder made first) to the angle and stores the angle.
    void turnPictureTo(float degrees);
    // Quarter turns of the loaded picture (from 0 without one), kept within 0 to 360.
    void rotateLeft();
    void rotateRight();
    static float contrastFactor(float contrastSliderValue);

    // Framing geometry, in single precision: sizes and rectangles in points, y up, the
    // picture scale "FTSize" a percentage, offsets percentages (version 1 documents).
    static QPointF offsetInPixelsForPictureSize(QSizeF size, float scale, QPointF offsetInPercent);
    static QPointF offsetInPercentsForPictureSize(QSizeF size, float scale, QPointF offsetInPixels);
    static float visiblePercentageForPictureWidth(float width);
    static float scaleFactorForVisiblePercent(float percent, int pixels, QSizeF originalSize);
    // A frame-sized rectangle centred on the offset point of a picture of that size and scale.
    static QRectF pictureRectangleForPictureSize(QSizeF size, float scale, QPointF offsetInPercent,
                                                 QRectF frame);
    // A's aspect fitted into B and centred along the shorter side, relative to B's corner.
    static QRectF fitRect(QRectF a, QRectF b);

    float scaleFactorForVisiblePercent(float percent, int pixels);
    // The layout factor k for a frame of this width: trunc(width) x scale / 30000.
    float layoutScaleFactor(float frameWidth);
    // The drawing factor k' for a frame of this width: four thirds of k.
    float drawingScaleFactor(float frameWidth);
    // The picture's size at the layout factor.
    QSizeF imageSizeForPrintSize(QSizeF frameSize);
    // The frame-sized part of the scaled picture that the frame shows.
    QRectF calibratedSourceRectangleForImageSize(QSizeF frameSize);
    // Whether the drawn picture fills the whole frame (true without a picture).
    bool coverFrame(QRectF frame);
    // The print size in points: centimetres x 28.35.
    QSizeF sizeInPoints() const;
    // A version 0 document keeps pixel offsets: turn them into percentages and save.
    void convertOldOffset();

    // Rendering. Draws the adjusted picture, scaled and placed by the framing, into the frame
    // of the current destination with the copy operation (where the picture ends the
    // destination keeps what it had), then lays the preset's mask one unit larger on each
    // side over it. Without a picture only the mask is drawn.
    void drawInFrame(QRectF frame);
    // Its two layers: the picture alone, then the mask over it (what a view that keeps the
    // mask with its other overlays draws separately).
    void drawPictureInFrame(QRectF frame);
    void drawMaskInFrame(QRectF frame);
    // The preset's mask, decoded once; none without one or when it cannot be read.
    std::shared_ptr<Image> mask();
    // The same with the device as the destination; the frame is in the device's pixels.
    void drawInView(QPaintDevice* view, QRectF frame);
    void drawInImage(Image& image);
    // The finished photo at that resolution (below 1: 300 dpi), on white, as packed RGB whose
    // point size is the print size. toImagePixelsWide gives exactly that many pixels.
    std::shared_ptr<BitmapImageRep> toImage(int dotsPerInch);
    std::shared_ptr<BitmapImageRep> toImagePixelsWide(int width, int height);
    // The 300 dpi rendering, made once and kept until purged.
    std::shared_ptr<Image> cachedImage();
    void purgeCachedImage();
    bool hasCachedImage() const { return cachedImage_ != nullptr; }
    // Uncompressed TIFF of a white picture of that size with the photo fitted and centred.
    QByteArray createThumbnail();
    QByteArray createThumbnailOfSize(QSize size);

    // The thumbnail's TIFF data, stored as given; image() decodes it (a null image if none).
    void setImage(const QByteArray& data);
    QImage image() const;

    // The "presetGuides" dictionary, or none.
    std::optional<QVariantMap> guides() const;

    // The values the library list shows, by property name: "name", "size" (in the display
    // unit), and "selection" (always none: the list draws the tick itself).
    QVariant valueForKey(const QString& key, bool metric) const;

protected:
    std::shared_ptr<AbstractResource> newInstance() const override;

private:
    // Draws the frame on a white packed-RGB canvas of whole pixels, one pixel a unit.
    std::shared_ptr<BitmapImageRep> render(int pixelsWide, int pixelsHigh, QRectF frame);

    std::shared_ptr<ImagePrintSpecs> originalPicture_;
    std::shared_ptr<Image> cachedImage_;
    std::shared_ptr<Image> mask_;
    QByteArray maskData_;
};

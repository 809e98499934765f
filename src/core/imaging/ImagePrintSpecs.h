#pragma once
// The source picture of one photo document: the file's path and the adjustments that apply
// to it (rotation, contrast and brightness table, gamma table, the filter bits saying which
// stages are on). It derives the adjusted picture on request and keeps it until an
// adjustment changes.

#include <QSizeF>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

class BitmapImageRep;
class Image;

class ImagePrintSpecs {
public:
    // Stages of an enhancement pass this program does not carry; nothing sets them.
    static constexpr int kEnhancementBits = 0x01 | 0x02 | 0x04 | 0x08 | 0x10 | 0x20;
    static constexpr int kGammaBit = 0x40;
    static constexpr int kContrastBrightnessBit = 0x80;
    using Table = std::array<std::uint8_t, 256>;

    static std::shared_ptr<ImagePrintSpecs> imagePrintSpecsWithPath(const QString& path);
    ImagePrintSpecs(const ImagePrintSpecs&) = delete;
    ImagePrintSpecs& operator=(const ImagePrintSpecs&) = delete;

    // The adjusted picture: loaded, rotated, packed RGB, tables applied. None (with a log
    // line, every time) when the file cannot be read.
    std::shared_ptr<Image> image();
    // The adjusted picture in 8-bit gray; none once loading has failed.
    std::shared_ptr<Image> grayscaleImage();

    // Point size of the adjusted picture, after rotation; (0, 0) until image() has run.
    QSizeF size() const { return size_; }
    float rotationAngle() const { return rotation_; }
    void setRotationAngle(float degrees);
    void updateContrast(float contrast, float brightness);
    void updateGamma(int gamma);
    void computeLUT();
    void invalidateCache();
    void purgeImage();
    void rotateLeft();
    void rotateRight();
    // A quarter turn to the left adds 90 degrees, to the right takes 90 away, staying within
    // 0 to 360 (360 itself included).
    static float angleTurnedLeft(float degrees);
    static float angleTurnedRight(float degrees);
    // The cached picture is kept.
    void setPath(const QString& path);

    const QString& imagePath() const { return imagePath_; }
    bool placeHolder() const { return placeHolder_; }
    // The file name without its extension.
    QString imageName() const;
    // "file.jpg - 4000x3000".
    QString description() const;

    int filters() const { return filters_; }
    float contrastValue() const { return contrastValue_; }
    float brightnessValue() const { return brightnessValue_; }
    int gammaValue() const { return gammaValue_; }
    quint32 width() const { return width_; }
    quint32 height() const { return height_; }
    const Table& contrastBrightnessTable() const { return CB_LUT_; }
    const Table& gammaTable() const { return R_LUT_; }
    bool hasCachedImage() const { return cachedImage_ != nullptr; }

    // The derivation: rotate, convert to packed RGB, the tables whose bits are set. A table
    // given as null with its bit set is skipped with a warning in the log. The picture is
    // not changed.
    static std::shared_ptr<Image> filterImage(const Image& image, int filters,
                                              const std::uint8_t* gammaLUT,
                                              const std::uint8_t* cbLUT, float rotationValue);

private:
    ImagePrintSpecs() = default;
    // Whether every table that is on leaves each value as it is.
    bool tablesChangeNothing() const;
    // The derivation on a bitmap the caller hands over: it is changed in place where it
    // already has the right layout, so no full-size copy is made.
    static std::shared_ptr<Image> derive(std::shared_ptr<BitmapImageRep> rep, QSizeF pointSize,
                                         int filters, const std::uint8_t* gammaLUT,
                                         const std::uint8_t* cbLUT, float rotationValue);

    QString imagePath_;
    std::shared_ptr<Image> cachedImage_;
    // The picture as read and turned, before the tables: a change of contrast, brightness or
    // gamma derives the new picture from it without reading the file again.
    std::shared_ptr<Image> turnedImage_;
    // The gray picture derived from cachedImage_, kept with it so that redraws in gray do not
    // convert the whole picture again.
    std::shared_ptr<Image> cachedGrayImage_;
    bool placeHolder_ = false;
    int filters_ = 0;
    int gammaValue_ = 0;
    float brightnessValue_ = 0;
    float contrastValue_ = 0;
    quint32 width_ = 0;
    quint32 height_ = 0;
    QSizeF size_{0, 0};
    Table R_LUT_{};
    Table CB_LUT_{};
    float rotation_ = 0;
};

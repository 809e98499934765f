#include "core/imaging/ImagePrintSpecs.h"

#include "core/imaging/CustomCompose.h"
#include "core/imaging/Filters.h"
#include "core/imaging/Rotation.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "core/platform/Log.h"

#include <QFileInfo>
#include <cstring>

namespace {

bool isPackedRGB(const BitmapImageRep& rep) {
    return rep.bitsPerSample() == 8 && rep.samplesPerPixel() == 3 && rep.bitsPerPixel() == 24;
}

std::shared_ptr<Image> pictureOf(std::shared_ptr<BitmapImageRep> rep, QSizeF pointSize) {
    auto picture = Image::initWithSize(pointSize);
    if (rep) {
        picture->addRepresentation(std::move(rep));
    }
    return picture;
}

} // namespace

std::shared_ptr<ImagePrintSpecs> ImagePrintSpecs::imagePrintSpecsWithPath(const QString& path) {
    std::shared_ptr<ImagePrintSpecs> holder(new ImagePrintSpecs());
    holder->imagePath_ = path;
    return holder;
}

std::shared_ptr<Image> ImagePrintSpecs::image() {
    if (cachedImage_) {
        return cachedImage_;
    }
    if (!turnedImage_) {
        if (imagePath_.isNull()) {
            return nullptr;
        }
        auto rep = BitmapImageRep::imageRepWithContentsOfFile(imagePath_);
        if (!rep) {
            placeHolder_ = true;
            Log::write(QStringLiteral("Unable to load image at path %1").arg(imagePath_));
            return nullptr;
        }
        width_ = static_cast<quint32>(rep->pixelsWide());
        height_ = static_cast<quint32>(rep->pixelsHigh());
        size_ = rep->size();
        const QSizeF pointSize = rep->size();
        turnedImage_ = derive(std::move(rep), pointSize, 0, nullptr, nullptr, rotation_);
        if (!turnedImage_) {
            return nullptr;
        }
    }
    // Without tables (or with tables that change nothing, as the neutral contrast's) the
    // turned picture is the adjusted one; otherwise a copy takes them.
    const auto first = CustomCompose::firstRepresentation(*turnedImage_);
    const bool unchanged = filters_ <= 0 || (first && isPackedRGB(*first) && tablesChangeNothing());
    cachedImage_ = unchanged
                       ? turnedImage_
                       : filterImage(*turnedImage_, filters_, R_LUT_.data(), CB_LUT_.data(), 0);
    if (!cachedImage_) {
        return nullptr;
    }
    size_ = cachedImage_->size();
    return cachedImage_;
}

std::shared_ptr<Image> ImagePrintSpecs::grayscaleImage() {
    if (placeHolder_) {
        return nullptr;
    }
    const auto colour = image();
    if (!colour) {
        return nullptr;
    }
    if (CustomCompose::isGrayScale(*colour)) {
        return colour;
    }
    if (cachedGrayImage_) {
        return cachedGrayImage_;
    }
    auto gray = Filters::convertToGrayscale(CustomCompose::firstRepresentation(*colour));
    if (!gray) {
        Log::write(QStringLiteral("Warning gray conversion failed"));
    }
    cachedGrayImage_ = pictureOf(std::move(gray), colour->size());
    return cachedGrayImage_;
}

std::shared_ptr<Image> ImagePrintSpecs::filterImage(const Image& image, int filters,
                                                    const std::uint8_t* gammaLUT,
                                                    const std::uint8_t* cbLUT,
                                                    float rotationValue) {
    const auto first = CustomCompose::firstRepresentation(image);
    if (!first) {
        return pictureOf(nullptr, image.size());
    }
    if (rotationValue == 0 && filters <= 0) {
        auto same = pictureOf(nullptr, image.size());
        for (const auto& rep : image.representations()) {
            same->addRepresentation(rep);
        }
        return same;
    }
    // The caller keeps its picture: work on a copy of its bitmap, unless rotation makes a
    // new one anyway.
    std::shared_ptr<BitmapImageRep> own = first;
    if (rotationValue == 0) {
        own = BitmapImageRep::initWithLayout(first->layout());
        if (!own) {
            return nullptr;
        }
        std::memcpy(own->bitmapData(), first->bitmapData(),
                    static_cast<std::size_t>(first->dataSize()));
        own->setSize(first->size());
    }
    return derive(std::move(own), image.size(), filters, gammaLUT, cbLUT, rotationValue);
}

std::shared_ptr<Image> ImagePrintSpecs::derive(std::shared_ptr<BitmapImageRep> rep,
                                               QSizeF pointSize, int filters,
                                               const std::uint8_t* gammaLUT,
                                               const std::uint8_t* cbLUT, float rotationValue) {
    if (rotationValue != 0) {
        auto source = pictureOf(std::move(rep), pointSize);
        auto rotated = Rotation::imageRotatedByDegrees(*source, rotationValue);
        source.reset();
        if (!rotated) {
            return nullptr;
        }
        if (filters <= 0) {
            return rotated;
        }
        pointSize = rotated->size();
        rep = CustomCompose::firstRepresentation(*rotated);
    } else if (filters <= 0) {
        return pictureOf(std::move(rep), pointSize);
    }

    // Packed RGB, without alpha: a 24-bit bitmap is used as it is, a 32-bit one loses its
    // fourth byte in place, anything else is refused as the conversion refuses it.
    if (!isPackedRGB(*rep)) {
        if (rep->bitsPerSample() == 8 && rep->bitsPerPixel() == 32) {
            const auto colorSpace = rep->colorSpaceName();
            rep = Filters::packedRGB(std::move(rep), colorSpace, Filters::Packing::InPlace);
            if (!rep) {
                return nullptr;
            }
        } else {
            rep = Filters::convertToRGB(rep);
            if (!rep) {
                return pictureOf(nullptr, pointSize);
            }
        }
    }
    if (filters & kGammaBit) {
        if (gammaLUT) {
            Filters::applyGamma(rep.get(), gammaLUT);
        } else {
            Log::write(
                QStringLiteral("Warning : gamma filter enabled but no gamma table was provided."));
        }
    }
    if (filters & kContrastBrightnessBit) {
        if (cbLUT) {
            Filters::applyGamma(rep.get(), cbLUT);
        } else {
            Log::write(QStringLiteral("Warning : contrast & brightness filter enabled but no "
                                      "lookup table was provided."));
        }
    }
    return pictureOf(std::move(rep), pointSize);
}

bool ImagePrintSpecs::tablesChangeNothing() const {
    const auto identity = [](const Table& table) {
        for (int i = 0; i < 256; ++i) {
            if (table[static_cast<size_t>(i)] != i) {
                return false;
            }
        }
        return true;
    };
    return (!(filters_ & kGammaBit) || identity(R_LUT_)) &&
           (!(filters_ & kContrastBrightnessBit) || identity(CB_LUT_)) &&
           (filters_ & kEnhancementBits) == 0;
}

void ImagePrintSpecs::setRotationAngle(float degrees) {
    if (degrees == rotation_) {
        return;
    }
    rotation_ = degrees;
    turnedImage_.reset();
    invalidateCache();
}

void ImagePrintSpecs::updateContrast(float contrast, float brightness) {
    if (contrast == contrastValue_ && brightness == brightnessValue_) {
        return;
    }
    brightnessValue_ = brightness;
    contrastValue_ = contrast;
    if (brightness == 0 && contrast == 0) {
        filters_ &= ~kContrastBrightnessBit;
    } else {
        filters_ |= kContrastBrightnessBit;
        Filters::buildContrastBrightnessLUT(CB_LUT_.data(), contrast, brightness);
    }
    invalidateCache();
}

void ImagePrintSpecs::updateGamma(int gamma) {
    if (gamma == gammaValue_) {
        return;
    }
    gammaValue_ = gamma;
    if (gamma != 0) {
        filters_ |= kGammaBit;
        computeLUT();
    } else {
        filters_ &= ~kGammaBit;
    }
    invalidateCache();
}

void ImagePrintSpecs::computeLUT() {
    Filters::buildGammaLUTs(R_LUT_.data(), nullptr, nullptr, gammaValue_, 0);
}

void ImagePrintSpecs::invalidateCache() {
    cachedImage_.reset();
    cachedGrayImage_.reset();
}

void ImagePrintSpecs::purgeImage() {
    invalidateCache();
    turnedImage_.reset();
}

float ImagePrintSpecs::angleTurnedLeft(float degrees) {
    const float angle = degrees + 90;
    return angle > 360 ? angle - 360 : angle;
}

float ImagePrintSpecs::angleTurnedRight(float degrees) {
    const float angle = degrees - 90;
    return angle < 0 ? angle + 360 : angle;
}

void ImagePrintSpecs::rotateLeft() {
    setRotationAngle(angleTurnedLeft(rotation_));
}

void ImagePrintSpecs::rotateRight() {
    setRotationAngle(angleTurnedRight(rotation_));
}

void ImagePrintSpecs::setPath(const QString& path) {
    imagePath_ = path;
}

QString ImagePrintSpecs::imageName() const {
    return QFileInfo(imagePath_).completeBaseName();
}

QString ImagePrintSpecs::description() const {
    return QStringLiteral("%1 - %2x%3")
        .arg(QFileInfo(imagePath_).fileName())
        .arg(width_)
        .arg(height_);
}

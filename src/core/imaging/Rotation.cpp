#include "core/imaging/Rotation.h"

#include "core/imaging/CustomCompose.h"
#include "core/imaging/Filters.h"
#include "core/imaging/PixelLoops.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/GraphicsContext.h"
#include "core/platform/Image.h"
#include "core/platform/Units.h"

#include <QTransform>
#include <algorithm>

namespace {

// The bitmap as 8-bit samples of 1 or 3 bytes a pixel: itself when it already is, else a
// converted copy (alpha dropped, as the rotated picture has none).
std::shared_ptr<BitmapImageRep> rotatableSource(const std::shared_ptr<BitmapImageRep>& rep) {
    if (rep->bitsPerSample() == 8 && !rep->hasAlpha() &&
        (rep->bitsPerPixel() == 24 || rep->bitsPerPixel() == 8)) {
        return rep;
    }
    if (rep->bitsPerSample() == 8 && rep->bitsPerPixel() == 32) {
        return Filters::packedRGB(rep, BitmapImageRep::ColorSpace::CalibratedRGB,
                                  Filters::Packing::Copy);
    }
    // Any other layout goes through Qt once.
    BitmapImageRep::Layout layout;
    layout.pixelsWide = rep->pixelsWide();
    layout.pixelsHigh = rep->pixelsHigh();
    auto rgb = BitmapImageRep::initWithLayout(layout);
    if (!rgb) {
        return nullptr;
    }
    const QImage converted = rep->toQImage().convertToFormat(QImage::Format_RGB888);
    if (converted.isNull()) {
        return nullptr;
    }
    for (int y = 0; y < layout.pixelsHigh; ++y) {
        std::copy_n(converted.constScanLine(y), 3 * layout.pixelsWide,
                    rgb->bitmapData() + static_cast<qsizetype>(y) * rgb->bytesPerRow());
    }
    return rgb;
}

} // namespace

std::shared_ptr<Image> Rotation::imageRotatedByDegrees(const Image& image, float degrees) {
    const auto first = CustomCompose::firstRepresentation(image);
    if (!first || first->pixelsWide() < 1 || first->pixelsHigh() < 1) {
        return nullptr;
    }
    const float resolution = CustomCompose::resolution(image);
    const auto source = rotatableSource(first);
    if (!source) {
        return nullptr;
    }
    const int bytesPerPixel = source->samplesPerPixel();
    const PixelLoops::PixelSize box =
        PixelLoops::rotatedSize(source->pixelsWide(), source->pixelsHigh(), degrees);

    BitmapImageRep::Layout layout;
    layout.pixelsWide = box.width;
    layout.pixelsHigh = box.height;
    layout.samplesPerPixel = bytesPerPixel;
    layout.colorSpace = source->colorSpaceName();
    auto rotated = BitmapImageRep::initWithLayout(layout);
    if (!rotated || !PixelLoops::rotate(source->bitmapData(), source->pixelsWide(),
                                        source->pixelsHigh(), source->bytesPerRow(), bytesPerPixel,
                                        degrees, rotated->bitmapData(), box.width, box.height,
                                        rotated->bytesPerRow(), PixelLoops::callerThreads())) {
        return nullptr;
    }
    // Square pixels at the source's horizontal resolution.
    const double dpi = resolution > 0 ? resolution : Units::kPointsPerInch;
    rotated->setSize(
        QSizeF(box.width * Units::kPointsPerInch / dpi, box.height * Units::kPointsPerInch / dpi));
    auto result = Image::initWithSize(rotated->size());
    result->addRepresentation(std::move(rotated));
    return result;
}

void Rotation::applyRotationTransform(GraphicsContext& context, float degrees,
                                      const QRectF& frame) {
    QTransform transform;
    transform.rotate(degrees);
    context.concat(transform * QTransform::fromTranslate(-frame.x(), -frame.y()));
}

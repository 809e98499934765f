#include "core/imaging/CustomCompose.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "core/platform/Units.h"

namespace CustomCompose {

std::shared_ptr<BitmapImageRep> firstRepresentation(const Image& image) {
    const auto& reps = image.representations();
    return reps.empty() ? nullptr : reps.front();
}

QSizeF sizeInPixels(const Image& image) {
    const auto rep = firstRepresentation(image);
    return rep ? QSizeF(float(rep->pixelsWide()), float(rep->pixelsHigh())) : QSizeF(0, 0);
}

QRectF imageRect(const Image& image) {
    return QRectF(QPointF(0, 0), image.size());
}

float resolution(const Image& image) {
    const float width = float(image.size().width());
    if (width == 0.0f) {
        return 0.0f;
    }
    return static_cast<float>(Units::kPointsPerInch) * float(sizeInPixels(image).width()) / width;
}

void matchResolution(Image& image, float dpi) {
    const float current = resolution(image);
    if (!(dpi > 0.0f) || current == 0.0f) {
        return;
    }
    const QSizeF size = image.size();
    image.setSize(
        QSizeF(float(size.width()) * current / dpi, float(size.height()) * current / dpi));
}

bool isGrayScale(const Image& image) {
    const auto rep = firstRepresentation(image);
    return rep && rep->samplesPerPixel() == 1;
}

} // namespace CustomCompose

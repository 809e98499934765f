#include "core/analysis/FaceFinder.h"

#include "core/platform/Image.h"

// Placeholder until the detector lands: finds nothing.
struct FaceFinder::Cascades {};

FaceFinder::FaceFinder(const QString& cascadeFolder) {
    Q_UNUSED(cascadeFolder);
}

FaceFinder::~FaceFinder() = default;

QString FaceFinder::defaultCascadeFolder() {
    return QStringLiteral("/usr/share/opencv4/haarcascades");
}

bool FaceFinder::isReady() const {
    return false;
}

std::optional<FaceFeatures> FaceFinder::find(const QImage& picture) const {
    Q_UNUSED(picture);
    return std::nullopt;
}

std::optional<FaceFeatures> FaceFinder::find(const Image& picture) const {
    Q_UNUSED(picture);
    return std::nullopt;
}

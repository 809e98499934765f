#include "core/analysis/ComplianceReport.h"

#include "core/document/DisplayUnits.h"
#include "core/document/Fotino.h"
#include "core/document/PictureScale.h"
#include "core/platform/BitmapImageRep.h"
#include "core/presets/Preset.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPointsPerMillimetre = DisplayUnits::kPointsPerCentimetre / 10;
// The background is judged on a small rendering: four pixels a millimetre.
constexpr double kSamplesPerMillimetre = 4;
// The most samples along the rendering's long side.
constexpr double kMostSamples = 2000;

} // namespace

ComplianceReport ComplianceReport::evaluate(Fotino& document,
                                            const std::optional<FaceFeatures>& face) {
    ComplianceReport report;
    const auto rules =
        FormatRules::fromDictionary(document.objectForKey(AttributeKeys::kPresetRules).toMap());
    report.headRange = rules.headHeight;
    report.eyeRange = rules.eyeLine;
    if (!report.eyeRange) {
        // Without a stated rule the preset's own eyes band is the range.
        const auto guides = document.guides();
        if (guides && guides->contains(Preset::kEyesGuide)) {
            const QRectF band = Preset::rectFromGuide(guides->value(Preset::kEyesGuide).toMap());
            if (band.height() > 0) {
                report.eyeRange = MillimetreRange{band.y() * 10, (band.y() + band.height()) * 10};
            }
        }
    }

    const QSizeF pictureSize = document.originalPictureSize();
    if (!face || pictureSize.isEmpty() || face->pictureSize.isEmpty()) {
        return report;
    }
    report.faceFound = true;
    report.tiltDegrees = face->tiltDegrees();

    const QSizeF frame = document.sizeInPoints();
    const float scale = document.pictureSize();
    const QPointF offset = document.offset();
    const double across = pictureSize.width() / face->pictureSize.width();
    const double up = pictureSize.height() / face->pictureSize.height();
    const auto onPhoto = [&](QPointF pixel) {
        return PictureScale::framePoint(
            pictureSize, frame, scale, offset,
            {pixel.x() * across, pictureSize.height() - pixel.y() * up});
    };
    const QPointF eyes = onPhoto(face->eyeCentre());
    const QPointF chin = onPhoto({face->eyeCentre().x(), face->chin});
    const QPointF crown = onPhoto({face->eyeCentre().x(), face->crown});
    // A damaged document (a scale or offset that is no number) measures nothing.
    if (!std::isfinite(eyes.x()) || !std::isfinite(eyes.y()) || !std::isfinite(chin.y()) ||
        !std::isfinite(crown.y())) {
        return report;
    }
    report.headHeight = (crown.y() - chin.y()) / kPointsPerMillimetre;
    report.eyeLine = eyes.y() / kPointsPerMillimetre;

    // The background, on a small rendering of the finished photo (y down from here on).
    const QSize sampling = backgroundSampling(frame);
    if (sampling.isEmpty()) {
        return report;
    }
    const int width = sampling.width();
    const int height = sampling.height();
    const auto rendering = document.toImagePixelsWide(width, height);
    if (!rendering) {
        return report;
    }
    const double perPoint = width / frame.width();
    // The head with its hair: about as wide as nine tenths of its height, and some hair above
    // the skull.
    const double head = crown.y() - chin.y();
    const QRectF hair((eyes.x() - 0.45 * head) * perPoint,
                      (frame.height() - crown.y() - 0.12 * head) * perPoint, 0.9 * head * perPoint,
                      1.12 * head * perPoint);
    const auto measure = BackgroundCheck::measure(rendering->toQImage(), hair,
                                                  (frame.height() - chin.y()) * perPoint);
    report.background = BackgroundCheck::judge(measure, rules.background);
    return report;
}

QSize ComplianceReport::backgroundSampling(QSizeF frame) {
    const double longSide = std::max(frame.width(), frame.height()) / kPointsPerMillimetre;
    const double perMillimetre = std::min(kSamplesPerMillimetre, kMostSamples / longSide);
    if (!std::isfinite(frame.width()) || !std::isfinite(frame.height()) || !(perMillimetre > 0)) {
        return {};
    }
    const auto samples = [perMillimetre](double points) {
        return std::max(
            1, static_cast<int>(std::lround(points / kPointsPerMillimetre * perMillimetre)));
    };
    return {samples(frame.width()), samples(frame.height())};
}

bool ComplianceReport::headInside() const {
    return headHeight && (!headRange || headRange->contains(*headHeight));
}

bool ComplianceReport::eyeLineInside() const {
    return eyeLine && (!eyeRange || eyeRange->contains(*eyeLine));
}

QString ComplianceReport::status() const {
    if (!faceFound) {
        return QStringLiteral("no face");
    }
    return headInside() && eyeLineInside() ? QStringLiteral("ok") : QStringLiteral("outside");
}

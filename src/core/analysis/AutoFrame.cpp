#include "core/analysis/AutoFrame.h"

#include "core/analysis/FaceFinder.h"
#include "core/document/DisplayUnits.h"
#include "core/document/Fotino.h"
#include "core/document/PictureScale.h"
#include "core/platform/Image.h"
#include "core/platform/Units.h"
#include "core/presets/FormatRules.h"
#include "core/presets/Preset.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kPointsPerMillimetre = DisplayUnits::kPointsPerCentimetre / 10;

// A feature's place in picture points, y upward, from its place in the searched pixels.
QPointF inPicturePoints(const FaceFeatures& face, QSizeF pictureSize, QPointF pixel) {
    const double across = pictureSize.width() / face.pictureSize.width();
    const double up = pictureSize.height() / face.pictureSize.height();
    return {pixel.x() * across, pictureSize.height() - pixel.y() * up};
}

QRectF guideRect(const Fotino& document, const QString& name) {
    const auto guides = document.guides();
    if (!guides || !guides->contains(name)) {
        return {};
    }
    return Preset::rectFromGuide(guides->value(name).toMap());
}

double normalisedAngle(double degrees) {
    double angle = std::fmod(degrees, 360.0);
    return angle < 0 ? angle + 360 : angle;
}

} // namespace

AutoFrame::Result AutoFrame::frame(Fotino& document, const FaceFinder& finder) {
    Result result;
    auto picture = document.originalPicture();
    if (!picture) {
        return result;
    }
    result.face = finder.find(*picture);
    if (!result.face) {
        result.outcome = Outcome::NoFace;
        return result;
    }
    const double tilt = result.face->tiltDegrees();
    if (std::abs(tilt) > kLevelTolerance) {
        // Turning by minus the tilt levels the eyes; the face is then looked for again in the
        // turned picture, whose size and positions have all changed.
        const float before = document.rotation();
        document.turnPictureTo(static_cast<float>(normalisedAngle(before - tilt)));
        picture = document.originalPicture();
        auto levelled = picture ? finder.find(*picture) : std::nullopt;
        if (levelled) {
            result.face = levelled;
            result.levelledByDegrees = -tilt;
        } else {
            document.turnPictureTo(before);
        }
    }
    frameOnFace(document, *result.face);
    result.outcome = Outcome::Framed;
    return result;
}

void AutoFrame::frameOnFace(Fotino& document, const FaceFeatures& face) {
    const QSizeF pictureSize = document.originalPictureSize();
    if (pictureSize.isEmpty() || face.pictureSize.isEmpty()) {
        return;
    }
    // Offsets of the oldest documents count pixels: made percentages before they are set.
    document.convertOldOffset();
    const QSizeF frame = document.sizeInPoints();
    const QPointF chin = inPicturePoints(face, pictureSize, {face.eyeCentre().x(), face.chin});
    const QPointF crown = inPicturePoints(face, pictureSize, {face.eyeCentre().x(), face.crown});
    const QPointF eyes = inPicturePoints(face, pictureSize, face.eyeCentre());
    const double head = crown.y() - chin.y();
    if (!(head > 0) || Units::wholeUnits(frame.width()) <= 0) {
        return;
    }

    const auto rules =
        FormatRules::fromDictionary(document.objectForKey(AttributeKeys::kPresetRules).toMap());
    const QRectF faceBox = guideRect(document, Preset::kFaceGuide);
    const QRectF eyesBand = guideRect(document, Preset::kEyesGuide);
    const double cm = DisplayUnits::kPointsPerCentimetre;

    double wantedHead = 0;
    if (rules.headHeight) {
        wantedHead = rules.headHeight->middle() * kPointsPerMillimetre;
    } else if (faceBox.height() > 0) {
        wantedHead = faceBox.height() * cm;
    } else {
        // No rule and no face box: the common three quarters of the photo's height.
        wantedHead = 0.75 * frame.height();
    }
    double eyeLine = 0;
    if (eyesBand.height() > 0) {
        eyeLine = (eyesBand.y() + eyesBand.height() / 2) * cm;
    } else if (rules.eyeLine) {
        eyeLine = rules.eyeLine->middle() * kPointsPerMillimetre;
    } else {
        eyeLine = 0.55 * frame.height();
    }

    // The head's height on the photo is its height in the picture times the magnification.
    const double wantedScale = wantedHead / head * 22500.0 / Units::wholeUnits(frame.width());
    // Rules or guides beyond every size (a damaged file) give no scale a document can carry.
    if (!(wantedScale > 0) || wantedScale > std::numeric_limits<float>::max()) {
        return;
    }
    const auto scale = static_cast<float>(wantedScale);
    const QPointF offset = PictureScale::offsetPlacing(pictureSize, frame, scale, document.offset(),
                                                       eyes, {frame.width() / 2, eyeLine});
    document.setPictureSize(scale);
    document.setOffset(offset);
    document.setPictureVersion(1);
}

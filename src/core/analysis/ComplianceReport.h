#pragma once
// How a framed document measures against its format's rules: the head height and the eye
// line's height in millimetres of the printed photo, each against its range, the tilt of the
// eyes, and whether the background above and beside the head is plain and light.

#include "core/analysis/BackgroundCheck.h"
#include "core/analysis/FaceFeatures.h"
#include "core/presets/FormatRules.h"

#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>

class Fotino;

class ComplianceReport {
public:
    using Background = BackgroundCheck::Verdict;

    // The report for the document as it is framed now, with the face found in its current
    // picture (none: "no face").
    static ComplianceReport evaluate(Fotino& document, const std::optional<FaceFeatures>& face);
    // The pixels of the small rendering the background is judged on, for a photo of that many
    // points: four a millimetre, fewer along a side beyond half a metre (only a damaged file
    // has one); empty for a size that is no length.
    static QSize backgroundSampling(QSizeF frame);

    bool faceFound = false;
    std::optional<double> headHeight;
    std::optional<MillimetreRange> headRange;
    std::optional<double> eyeLine;
    std::optional<MillimetreRange> eyeRange;
    double tiltDegrees = 0;
    Background background = Background::Unknown;

    bool headInside() const;
    bool eyeLineInside() const;
    // "ok", "outside" (a figure outside its range) or "no face": the status word of the
    // command line.
    QString status() const;
};

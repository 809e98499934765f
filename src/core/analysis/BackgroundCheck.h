#pragma once
// Whether the background of a finished photo is what its format asks for: plain and light
// (or white, or light but not white). It looks at the band above the head and the two bands
// beside it, above the shoulders, and measures their brightness, colour and evenness.

#include "core/presets/FormatRules.h"

#include <QImage>
#include <QRectF>

class BackgroundCheck {
public:
    enum class Verdict { Unknown, Fine, Dark, Coloured, Busy, White };

    struct Measure {
        // Mean luminance and mean colourfulness (largest minus smallest channel), 0 to 1.
        double brightness = 0;
        double colour = 0;
        // The spread between the means of small cells, and the mean spread within them:
        // shadows and objects give the first, texture the second.
        double unevenness = 0;
        double texture = 0;
        int pixels = 0;
    };

    // The photo (any format; one pixel per sample), the head's box in its pixels (y down,
    // from the crown to the chin, as wide as the face), and the eye line's row.
    static Measure measure(const QImage& photo, QRectF head, double eyeLine);
    static Verdict judge(const Measure& measure, FormatRules::Background rule);
};

#pragma once
// Whether the background of a finished photo is what its format asks for: plain and light
// (or white, or light but not white). It looks at what lies around the head down to the chin,
// above the shoulders, and measures its brightness, colour and evenness.

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

    // The photo (any format; one pixel per sample), the box the head and its hair fill in its
    // pixels (y down; the head is taken as the ellipse inside it), and the chin's row, below
    // which the shoulders begin.
    static Measure measure(const QImage& photo, QRectF head, double chin);
    static Verdict judge(const Measure& measure, FormatRules::Background rule);
};

#pragma once
// The geometry of the live camera preview, in its bounds (one unit per frame pixel): the
// looking-glass mirror and the upright 3 : 4 frame the face is placed in.

#include <QRectF>
#include <QTransform>

class LiveViewGeometry {
public:
    // x becomes bounds width − x; y is left alone.
    static QTransform mirrorMatrix(const QRectF& bounds);
    // Centred across, with 23 % of the height free above and below, three wide for four high:
    // (222.8, 110.4, 194.4, 259.2) in bounds of 640 × 480. Computed in single precision.
    static QRectF portraitGuide(const QRectF& bounds);
};

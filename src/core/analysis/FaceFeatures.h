#pragma once
// What the face finder saw in a picture: the face, both eyes, and where it estimates the chin
// and the crown, in the picture's own pixels (origin top-left, y downward).

#include <QPointF>
#include <QRectF>
#include <QSize>

struct FaceFeatures {
    // The pixel size of the picture the positions refer to.
    QSize pictureSize;
    // The detector's box around the face.
    QRectF face;
    // Eye centres: the one on the picture's left and the one on its right.
    QPointF leftEye;
    QPointF rightEye;
    // Estimated heights of the chin and of the crown (top of the skull, hair ignored).
    double chin = 0;
    double crown = 0;

    // The middle of the eyes, and its height: the eye line.
    QPointF eyeCentre() const;
    double eyeLine() const { return eyeCentre().y(); }
    // Chin to crown.
    double headHeight() const { return chin - crown; }
    // The eye line's angle in degrees, counter-clockwise as seen: positive when the eye on
    // the right sits higher. Turning the picture by minus this levels the eyes.
    double tiltDegrees() const;
};

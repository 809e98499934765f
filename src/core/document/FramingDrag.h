#pragma once
// Moving the picture inside its frame with the mouse: one point of mouse travel moves the
// picture's pixel offset one unit the other way, so the picture follows the mouse. Locations
// are in points, y upward; only their differences matter.

#include <QPointF>
#include <QSizeF>
#include <optional>

class Fotino;

class FramingDrag {
public:
    // Anchors a drag at the press location; none when the document has no picture to move
    // (its offset could not be expressed in percent).
    static std::optional<FramingDrag> begin(Fotino& fotino, QPointF location);
    // The document's offset in percent with the mouse at this location and the picture at
    // this scale (read afresh on every move); none for a scale that shows nothing.
    std::optional<QPointF> offsetAt(float scale, QPointF location) const;

private:
    FramingDrag(QSizeF pictureSize, QPointF anchor)
        : pictureSize_(pictureSize)
        , anchor_(anchor) {}

    QSizeF pictureSize_;
    QPointF anchor_;
};

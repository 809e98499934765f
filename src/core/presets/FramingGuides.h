#pragma once
// Where the framing view draws a document's guides: each guide rectangle, kept in centimetres
// from the photo's lower-left corner, scaled to points at the view's width. The face box
// comes first, so that the veil laid around it never covers another guide.

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVariantMap>
#include <optional>
#include <vector>

class FramingGuides {
public:
    struct Guide {
        QString name;
        QRectF rect; // points, y upward
    };

    // Entries that are not guides are skipped; a document without width has none.
    static std::vector<Guide> guidesInView(const std::optional<QVariantMap>& guides,
                                           float widthInCm, float viewWidth);
    // The dashed line from the middle of the bottom edge to the middle of the top edge.
    static QLineF centreLine(QSizeF view);
};

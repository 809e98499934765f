#pragma once
// Where the copies of the photos go on a sheet: rows from left to right and top to bottom
// of the imageable area, one interspace between neighbours and between rows, every photo
// at its true size. Points, y up, single precision.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

class PrintArrangement {
public:
    struct Placement {
        int document = 0; // index into the sizes given
        QPointF origin;   // bottom-left corner
        QSizeF size;
    };

    // Up to `count` copies of each document, in list order. A new row starts only when the
    // next photo (with one trailing interspace) would pass the right edge; a copy that
    // would reach below the area ends that document, and the next one is still tried.
    static std::vector<Placement> arrange(const QRectF& layoutRect, float interspace, int count,
                                          const std::vector<QSizeF>& sizes);
};

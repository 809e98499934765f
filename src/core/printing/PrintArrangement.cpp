#include "core/printing/PrintArrangement.h"

#include <algorithm>

std::vector<PrintArrangement::Placement>
PrintArrangement::arrange(const QRectF& layoutRect, float interspace, int count,
                          const std::vector<QSizeF>& sizes) {
    std::vector<Placement> placements;
    if (sizes.empty() || count < 1) {
        return placements;
    }
    const auto left = static_cast<float>(layoutRect.x());
    const auto bottom = static_cast<float>(layoutRect.y());
    const auto right = left + static_cast<float>(layoutRect.width());
    const float s = interspace;

    float x = left;
    float yTop = bottom + static_cast<float>(layoutRect.height()) - s;
    float rowHeight = 0;
    for (size_t document = 0; document < sizes.size(); ++document) {
        const auto w = static_cast<float>(sizes[document].width());
        const auto h = static_cast<float>(sizes[document].height());
        for (int copy = 0; copy < count; ++copy) {
            if (x + w + s > right) {
                x = left;
                yTop = yTop - s - rowHeight;
                rowHeight = 0;
            }
            rowHeight = std::max(rowHeight, h);
            const float y = yTop - h;
            if (y < bottom) {
                break;
            }
            placements.push_back({static_cast<int>(document), QPointF(x, y), QSizeF(w, h)});
            x = x + w + s;
        }
    }
    return placements;
}

#include "core/analysis/BackgroundCheck.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Pixels within this many of the photo's edge belong to the mask's cutting outline.
constexpr int kEdge = 2;
// The cells whose means are compared, in pixels on a side.
constexpr int kCell = 8;

struct Accumulator {
    double luminance = 0;
    double colour = 0;
    double luminanceSquared = 0;
    int count = 0;
    void add(QRgb pixel) {
        const double r = qRed(pixel) / 255.0;
        const double g = qGreen(pixel) / 255.0;
        const double b = qBlue(pixel) / 255.0;
        const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
        luminance += y;
        luminanceSquared += y * y;
        colour += std::max({r, g, b}) - std::min({r, g, b});
        ++count;
    }
    double mean() const { return count > 0 ? luminance / count : 0; }
    double spread() const {
        if (count < 2) {
            return 0;
        }
        const double m = mean();
        return std::sqrt(std::max(0.0, luminanceSquared / count - m * m));
    }
};

} // namespace

BackgroundCheck::Measure BackgroundCheck::measure(const QImage& photo, QRectF head, double chin) {
    Measure result;
    if (photo.isNull()) {
        return result;
    }
    const QImage rgb = photo.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const QPointF centre = head.center();
    const double across = head.width() / 2;
    const double up = head.height() / 2;
    const auto onHead = [&](double x, double y) {
        if (!(across > 0) || !(up > 0)) {
            return false;
        }
        const double dx = (x - centre.x()) / across;
        const double dy = (y - centre.y()) / up;
        return dx * dx + dy * dy <= 1;
    };
    // The band ends at the chin, within the picture; a chin that is no number ends it at once.
    const int bottom = std::isfinite(chin)
                           ? static_cast<int>(std::clamp(std::floor(chin), 0.0,
                                                         double(std::max(0, height - kEdge))))
                           : 0;

    Accumulator all;
    std::vector<Accumulator> cells;
    const int columns = (width + kCell - 1) / kCell;
    const int rows = (height + kCell - 1) / kCell;
    cells.resize(static_cast<size_t>(columns * rows));
    for (int y = kEdge; y < bottom; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = kEdge; x < width - kEdge; ++x) {
            if (onHead(x + 0.5, y + 0.5)) {
                continue;
            }
            all.add(line[x]);
            cells[static_cast<size_t>((y / kCell) * columns + x / kCell)].add(line[x]);
        }
    }
    result.pixels = all.count;
    if (all.count == 0) {
        return result;
    }
    result.brightness = all.mean();
    result.colour = all.colour / all.count;
    double lowest = 1;
    double highest = 0;
    double texture = 0;
    int counted = 0;
    for (const auto& cell : cells) {
        // Cells cut by the head or the edge are too small to say much.
        if (cell.count < kCell * kCell / 2) {
            continue;
        }
        lowest = std::min(lowest, cell.mean());
        highest = std::max(highest, cell.mean());
        texture += cell.spread();
        ++counted;
    }
    if (counted > 0) {
        result.unevenness = highest - lowest;
        result.texture = texture / counted;
    }
    return result;
}

BackgroundCheck::Verdict BackgroundCheck::judge(const Measure& measure,
                                                FormatRules::Background rule) {
    // Too few pixels to judge: the head fills the photo, or nothing lies above the eyes.
    if (measure.pixels < 2 * kCell * kCell) {
        return Verdict::Unknown;
    }
    const bool white = rule == FormatRules::Background::White;
    if (measure.brightness < (white ? 0.72 : 0.5)) {
        return Verdict::Dark;
    }
    if (measure.colour > (white ? 0.12 : 0.2)) {
        return Verdict::Coloured;
    }
    if (measure.unevenness > 0.16 || measure.texture > 0.06) {
        return Verdict::Busy;
    }
    if (rule == FormatRules::Background::LightNotWhite && measure.brightness > 0.94 &&
        measure.colour < 0.04) {
        return Verdict::White;
    }
    return Verdict::Fine;
}

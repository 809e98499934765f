#include "core/platform/AreaResampler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

namespace {

// Taps of one output pixel along one axis: source indices first..first+count-1.
struct Taps {
    int first = 0;
    int count = 0;
    int weightsAt = 0;  // index of its first weight
    float coverage = 0; // share of the device pixel inside the destination
};

struct Axis {
    std::vector<Taps> taps;
    std::vector<float> weights;
    int sourceMin = 0; // the source pixels any tap uses
    int sourceMax = -1;
};

// The weights along one axis. Device pixel d covers [d, d + 1); its part inside [to0, to1)
// maps back onto [s0, s1) of the source, which is averaged when the picture shrinks and
// sampled bilinearly at its centre when it grows. Source pixels outside [from0, from1) and
// outside the picture never count.
Axis buildAxis(double from0, double from1, double to0, double to1, int devicePixels,
               int deviceStart, int sourcePixels) {
    Axis axis;
    axis.taps.resize(static_cast<size_t>(devicePixels));
    const double scale = (from1 - from0) / (to1 - to0); // source pixels per device pixel
    const int lowest = std::max(0, static_cast<int>(std::floor(from0)));
    const int highest = std::min(sourcePixels - 1, static_cast<int>(std::ceil(from1)) - 1);
    axis.sourceMin = highest;
    axis.sourceMax = lowest;
    for (int i = 0; i < devicePixels; ++i) {
        const double d0 = std::max<double>(deviceStart + i, to0);
        const double d1 = std::min<double>(deviceStart + i + 1, to1);
        Taps& t = axis.taps[static_cast<size_t>(i)];
        t.weightsAt = static_cast<int>(axis.weights.size());
        t.coverage = static_cast<float>(std::max(0.0, d1 - d0));
        if (d1 <= d0 || highest < lowest) {
            continue;
        }
        const double s0 = from0 + (d0 - to0) * scale;
        const double s1 = from0 + (d1 - to0) * scale;
        if (scale >= 1.0 || (s1 - s0) >= 1.0) {
            // Area average: each source pixel weighs by the length of it inside [s0, s1).
            const int j0 = std::max(lowest, static_cast<int>(std::floor(s0)));
            const int j1 = std::min(highest, static_cast<int>(std::ceil(s1)) - 1);
            double total = 0;
            t.first = j0;
            for (int j = j0; j <= j1; ++j) {
                const double w = std::min<double>(j + 1, s1) - std::max<double>(j, s0);
                axis.weights.push_back(static_cast<float>(std::max(0.0, w)));
                total += std::max(0.0, w);
            }
            t.count = std::max(0, j1 - j0 + 1);
            if (total <= 0) {
                axis.weights.resize(static_cast<size_t>(t.weightsAt));
                t.count = 0;
                continue;
            }
            for (int k = 0; k < t.count; ++k) {
                axis.weights[static_cast<size_t>(t.weightsAt + k)] /= static_cast<float>(total);
            }
        } else {
            // Bilinear between the two pixel centres around the sample point.
            const double centre =
                std::clamp((s0 + s1) * 0.5 - 0.5, double(lowest), double(highest));
            const int j0 = static_cast<int>(std::floor(centre));
            const int j1 = std::min(highest, j0 + 1);
            const auto f = static_cast<float>(centre - j0);
            t.first = j0;
            if (j1 == j0) {
                t.count = 1;
                axis.weights.push_back(1.0f);
            } else {
                t.count = 2;
                axis.weights.push_back(1.0f - f);
                axis.weights.push_back(f);
            }
        }
        if (t.count > 0) {
            axis.sourceMin = std::min(axis.sourceMin, t.first);
            axis.sourceMax = std::max(axis.sourceMax, t.first + t.count - 1);
        }
    }
    return axis;
}

// acc += w * row: the bulk of the work, vectorised (with AVX2 where the processor has it).
// The first row of a sum is stored rather than added, which saves clearing the row.
__attribute__((target_clones("avx2", "default"))) void
accumulateRow(float* __restrict acc, const std::uint8_t* __restrict row, int n, float w,
              bool first) {
    if (first) {
        for (int i = 0; i < n; ++i) {
            acc[i] = w * static_cast<float>(row[i]);
        }
        return;
    }
    for (int i = 0; i < n; ++i) {
        acc[i] += w * static_cast<float>(row[i]);
    }
}

typedef float Lanes __attribute__((vector_size(16)));
typedef std::int32_t Levels __attribute__((vector_size(16)));

// One output row: vertical taps into a float row of the used source columns, then the
// horizontal taps of each output pixel.
// Where the rows go: a premultiplied ARGB picture of the region, or straight onto an opaque
// RGB canvas (blended by coverage), at (dx, dy) in it.
enum class Output { Picture, OntoRGB };

template <int Channels, Output Mode>
void resampleRows(const QImage& source, const Axis& xs, const Axis& ys, QImage& out, int dx, int dy,
                  int rowBegin, int rowEnd) {
    const int colMin = xs.sourceMin;
    const int span = xs.sourceMax - colMin + 1;
    // One spare float at the end: the colour sums read four floats at a time.
    std::vector<float> accumulator(static_cast<size_t>(span) * Channels + 1);
    const int columns = static_cast<int>(xs.taps.size());
    for (int r = rowBegin; r < rowEnd; ++r) {
        uchar* line = out.scanLine(r + dy);
        std::uint32_t* dst = nullptr;
        uchar* rgb = nullptr;
        if constexpr (Mode == Output::Picture) {
            dst = reinterpret_cast<std::uint32_t*>(line) + dx;
        } else {
            rgb = line + 3 * dx;
        }
        const Taps& vy = ys.taps[static_cast<size_t>(r)];
        if (vy.count == 0 || vy.coverage <= 0) {
            if constexpr (Mode == Output::Picture) {
                std::fill(dst, dst + columns, 0u);
            }
            continue;
        }
        for (int k = 0; k < vy.count; ++k) {
            const float w = ys.weights[static_cast<size_t>(vy.weightsAt + k)];
            const std::uint8_t* row = source.constScanLine(vy.first + k) + colMin * Channels;
            accumulateRow(accumulator.data(), row, span * Channels, w, k == 0);
        }
        for (int c = 0; c < columns; ++c) {
            const Taps& hx = xs.taps[static_cast<size_t>(c)];
            const float coverage = hx.coverage * vy.coverage;
            if (hx.count == 0 || coverage <= 0) {
                if constexpr (Mode == Output::Picture) {
                    dst[c] = 0;
                }
                continue;
            }
            float sum[4] = {};
            const float* acc = accumulator.data() + (hx.first - colMin) * Channels;
            const float* w = xs.weights.data() + hx.weightsAt;
            if constexpr (Channels == 1) {
                for (int k = 0; k < hx.count; ++k) {
                    sum[0] += w[k] * acc[k];
                }
            } else {
                // A pixel's samples as one vector of four lanes (the fourth unused for RGB).
                Lanes total = {0, 0, 0, 0};
                for (int k = 0; k < hx.count; ++k) {
                    Lanes samples;
                    std::memcpy(&samples, acc + k * Channels, sizeof samples);
                    total += w[k] * samples;
                }
                if constexpr (Mode == Output::Picture) {
                    // All four channels levelled at once: scaled by the coverage, rounded,
                    // kept within a byte (opaque RGB takes the coverage as its alpha).
                    Lanes v = total * coverage + 0.5f;
                    if constexpr (Channels == 3) {
                        v[3] = 255.0f * coverage + 0.5f;
                    }
                    v = v < 0.0f ? Lanes{0, 0, 0, 0} : v;
                    v = v > 255.0f ? Lanes{255, 255, 255, 255} : v;
                    const Levels i = __builtin_convertvector(v, Levels);
                    dst[c] = (static_cast<std::uint32_t>(i[3]) << 24) |
                             (static_cast<std::uint32_t>(i[0]) << 16) |
                             (static_cast<std::uint32_t>(i[1]) << 8) |
                             static_cast<std::uint32_t>(i[2]);
                    continue;
                }
                std::memcpy(sum, &total, sizeof sum);
            }
            if constexpr (Mode == Output::OntoRGB) {
                // dst = source x coverage + dst x (1 - the source's share of the pixel)
                const float share = (Channels == 4 ? sum[3] / 255.0f : 1.0f) * coverage;
                uchar* px = rgb + 3 * c;
                for (int ch = 0; ch < 3; ++ch) {
                    const float v = Channels == 1 ? sum[0] : sum[ch];
                    px[ch] = static_cast<uchar>(
                        std::clamp(v * coverage + px[ch] * (1.0f - share) + 0.5f, 0.0f, 255.0f));
                }
                continue;
            }
            const auto level = [coverage](float v) {
                return static_cast<std::uint32_t>(std::clamp(v * coverage + 0.5f, 0.0f, 255.0f));
            };
            std::uint32_t a = 0;
            std::uint32_t red = 0;
            std::uint32_t green = 0;
            std::uint32_t blue = 0;
            if constexpr (Channels == 1) {
                a = level(255.0f);
                red = green = blue = level(sum[0]);
            } else if constexpr (Channels == 3) {
                a = level(255.0f);
                red = level(sum[0]);
                green = level(sum[1]);
                blue = level(sum[2]);
            } else {
                // Premultiplied RGBA in byte order.
                red = level(sum[0]);
                green = level(sum[1]);
                blue = level(sum[2]);
                a = level(sum[3]);
            }
            dst[c] = (a << 24) | (red << 16) | (green << 8) | blue;
        }
    }
}

} // namespace

namespace {
int gDrawingThreads = 2;
}

int AreaResampler::drawingThreads() {
    return gDrawingThreads;
}

void AreaResampler::setDrawingThreads(int threads) {
    gDrawingThreads = std::clamp(threads, 1, 2);
}

namespace {

// The picture in a layout the loops read: 1, 3 or 4 (premultiplied) bytes a pixel.
QImage readable(const QImage& picture, int* channels) {
    switch (picture.format()) {
    case QImage::Format_RGB888:
        *channels = 3;
        return picture;
    case QImage::Format_Grayscale8:
        *channels = 1;
        return picture;
    case QImage::Format_RGBA8888_Premultiplied:
        *channels = 4;
        return picture;
    default:
        // Averages of colours must be taken premultiplied.
        *channels = picture.hasAlphaChannel() ? 4 : 3;
        return picture.hasAlphaChannel()
                   ? picture.convertToFormat(QImage::Format_RGBA8888_Premultiplied)
                   : picture.convertToFormat(QImage::Format_RGB888);
    }
}

template <Output Mode>
void runRows(int channels, const QImage& source, const Axis& xs, const Axis& ys, QImage& out,
             int dx, int dy, int threads) {
    const auto run = [&](int begin, int end) {
        switch (channels) {
        case 1:
            resampleRows<1, Mode>(source, xs, ys, out, dx, dy, begin, end);
            break;
        case 3:
            resampleRows<3, Mode>(source, xs, ys, out, dx, dy, begin, end);
            break;
        default:
            resampleRows<4, Mode>(source, xs, ys, out, dx, dy, begin, end);
            break;
        }
    };
    const int rows = static_cast<int>(ys.taps.size());
    if (threads >= 2 && static_cast<qint64>(rows) * static_cast<qint64>(xs.taps.size()) >= 65536) {
        const int half = rows / 2;
        std::thread second(run, half, rows);
        run(0, half);
        second.join();
    } else {
        run(0, rows);
    }
}

// Rows [begin, end) of the halved picture: sums of up to four pixels, rounded to nearest.
template <int Channels> void halveRows(const QImage& source, QImage& out, int begin, int end) {
    const int w = source.width();
    const int h = source.height();
    for (int r = begin; r < end; ++r) {
        const uchar* top = source.constScanLine(2 * r);
        const uchar* bottom = 2 * r + 1 < h ? source.constScanLine(2 * r + 1) : nullptr;
        uchar* dst = out.scanLine(r);
        const int pairs = w / 2;
        for (int c = 0; c < pairs; ++c) {
            const uchar* a = top + 2 * c * Channels;
            const uchar* b = bottom ? bottom + 2 * c * Channels : a;
            const unsigned n = bottom ? 4 : 2;
            for (int ch = 0; ch < Channels; ++ch) {
                const unsigned sum =
                    a[ch] + a[ch + Channels] + (bottom ? b[ch] + b[ch + Channels] : 0u);
                dst[c * Channels + ch] = static_cast<uchar>((sum + n / 2) / n);
            }
        }
        if (w % 2 != 0) {
            const uchar* a = top + (w - 1) * Channels;
            for (int ch = 0; ch < Channels; ++ch) {
                const unsigned sum = a[ch] + (bottom ? bottom[(w - 1) * Channels + ch] : a[ch]);
                dst[pairs * Channels + ch] = static_cast<uchar>((sum + 1) / 2);
            }
        }
    }
}

bool usable(const QImage& picture, const QRectF& from, const QRectF& to) {
    return !picture.isNull() && from.width() > 0 && from.height() > 0 && to.width() > 0 &&
           to.height() > 0;
}

} // namespace

QImage AreaResampler::resample(const QImage& picture, const QRectF& from, const QRectF& to,
                               QPoint* origin, int threads) {
    if (!usable(picture, from, to)) {
        return {};
    }
    int channels = 0;
    const QImage source = readable(picture, &channels);
    const int x0 = static_cast<int>(std::floor(to.left()));
    const int y0 = static_cast<int>(std::floor(to.top()));
    const int x1 = static_cast<int>(std::ceil(to.right()));
    const int y1 = static_cast<int>(std::ceil(to.bottom()));
    const Axis xs =
        buildAxis(from.left(), from.right(), to.left(), to.right(), x1 - x0, x0, source.width());
    const Axis ys =
        buildAxis(from.top(), from.bottom(), to.top(), to.bottom(), y1 - y0, y0, source.height());
    if (xs.sourceMax < xs.sourceMin || ys.sourceMax < ys.sourceMin) {
        return {};
    }
    QImage out(x1 - x0, y1 - y0, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull()) {
        return {};
    }
    runRows<Output::Picture>(channels, source, xs, ys, out, 0, 0, threads);
    if (origin) {
        *origin = QPoint(x0, y0);
    }
    return out;
}

QImage AreaResampler::halved(const QImage& picture, int threads) {
    if (picture.isNull()) {
        return {};
    }
    int channels = 0;
    const QImage source = readable(picture, &channels);
    QImage out((source.width() + 1) / 2, (source.height() + 1) / 2, source.format());
    if (out.isNull()) {
        return {};
    }
    const auto run = [&](int begin, int end) {
        switch (channels) {
        case 1:
            halveRows<1>(source, out, begin, end);
            break;
        case 3:
            halveRows<3>(source, out, begin, end);
            break;
        default:
            halveRows<4>(source, out, begin, end);
            break;
        }
    };
    const int rows = out.height();
    if (threads >= 2 && static_cast<qint64>(rows) * out.width() >= 65536) {
        std::thread second(run, rows / 2, rows);
        run(0, rows / 2);
        second.join();
    } else {
        run(0, rows);
    }
    return out;
}

bool AreaResampler::resampleOnto(const QImage& picture, const QRectF& from, const QRectF& to,
                                 QImage& canvas, int threads) {
    if (canvas.format() != QImage::Format_RGB888) {
        return false;
    }
    if (!usable(picture, from, to)) {
        return true;
    }
    int channels = 0;
    const QImage source = readable(picture, &channels);
    // Only the canvas's own pixels are worked out.
    const int x0 = std::max(0, static_cast<int>(std::floor(to.left())));
    const int y0 = std::max(0, static_cast<int>(std::floor(to.top())));
    const int x1 = std::min(canvas.width(), static_cast<int>(std::ceil(to.right())));
    const int y1 = std::min(canvas.height(), static_cast<int>(std::ceil(to.bottom())));
    if (x1 <= x0 || y1 <= y0) {
        return true;
    }
    const Axis xs =
        buildAxis(from.left(), from.right(), to.left(), to.right(), x1 - x0, x0, source.width());
    const Axis ys =
        buildAxis(from.top(), from.bottom(), to.top(), to.bottom(), y1 - y0, y0, source.height());
    if (xs.sourceMax < xs.sourceMin || ys.sourceMax < ys.sourceMin) {
        return true;
    }
    runRows<Output::OntoRGB>(channels, source, xs, ys, canvas, x0, y0, threads);
    return true;
}

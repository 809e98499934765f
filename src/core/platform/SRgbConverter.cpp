#include "core/platform/SRgbConverter.h"

#include "core/platform/SRgbKernels.h"

#include <QColorTransform>
#include <QImage>
#include <QRgbaFloat32>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <new>
#include <utility>

using SRgbKernels::kEncodedSteps;

namespace {

using Path = SRgbConverter::Path;

InstructionPaths& paths() {
    // The VBMI loop counts bits with BITALG.
    static InstructionPaths family(true);
    return family;
}

std::atomic<bool> gEnabled{true};

SRgbKernels::Kernel kernelOf(Path path) {
#if defined(__x86_64__)
    switch (path) {
    case Path::Vbmi:
        return SRgbKernels::convertVbmi;
    case Path::Avx2:
        return SRgbKernels::convertAvx2;
    case Path::Portable:
        break;
    }
#else
    (void)path;
#endif
    return SRgbKernels::convertPortable;
}

// Qt's steps of linear light on the way in (8-bit value v is step 16 v of 4080, read as a
// count of 1/65280), and the rounding of its 16-bit encoded values to 8 bits on the way out.
constexpr int kLinearScale = 65280;

int linearSteps(float light) {
    return std::clamp(int(std::lround(light * float(kLinearScale))), 0, kLinearScale);
}

QRgbaFloat32 grey(float v) {
    return QRgbaFloat32{v, v, v, 1.0f};
}

// Every channel at 0, 8, 16, ... 248 and 255, as RGB32 pixels.
QImage grid() {
    constexpr int kLevels = 33;
    const auto level = [](int i) { return std::min(8 * i, 255); };
    QImage image(kLevels * kLevels, kLevels, QImage::Format_RGB32);
    for (int r = 0; r < kLevels; ++r) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(r));
        for (int g = 0; g < kLevels; ++g) {
            for (int b = 0; b < kLevels; ++b) {
                row[g * kLevels + b] = qRgb(level(r), level(g), level(b));
            }
        }
    }
    return image;
}

// The converters of the last few spaces asked for, most recent first: a document's pictures
// mostly come from one camera.
constexpr std::size_t kCached = 4;

struct Cache {
    std::mutex mutex;
    std::vector<std::pair<QByteArray, std::shared_ptr<const SRgbConverter>>> entries;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

} // namespace

SRgbConverter::SRgbConverter() = default;
SRgbConverter::~SRgbConverter() = default;

std::shared_ptr<const SRgbConverter> SRgbConverter::fromColorSpace(const QColorSpace& space) {
    if (!space.isValid() || !isEnabled()) {
        return nullptr;
    }
    const QByteArray key = space.iccProfile();
    Cache& c = cache();
    const std::lock_guard lock(c.mutex);
    const auto found = std::find_if(c.entries.begin(), c.entries.end(),
                                    [&key](const auto& entry) { return entry.first == key; });
    if (found != c.entries.end()) {
        std::rotate(c.entries.begin(), found, found + 1);
        return c.entries.front().second;
    }
    auto converter = build(space);
    if (!key.isEmpty()) {
        c.entries.emplace(c.entries.begin(), key, converter);
        if (c.entries.size() > kCached) {
            c.entries.pop_back();
        }
    }
    return converter;
}

std::shared_ptr<const SRgbConverter> SRgbConverter::build(const QColorSpace& space) {
    // Qt converts matrix-and-curves profiles as curves to linear light, a matrix to linear
    // sRGB, and sRGB's curve: each piece is read from Qt by converting through linear spaces.
    const QColorSpace linearSource =
        space.withTransferFunction(QColorSpace::TransferFunction::Linear);
    const QColorSpace linearSRgb(QColorSpace::Primaries::SRgb,
                                 QColorSpace::TransferFunction::Linear);
    if (!linearSource.isValid()) {
        return nullptr;
    }
    std::shared_ptr<SRgbConverter> converter(new (std::nothrow) SRgbConverter);
    if (!converter) {
        return nullptr;
    }
    converter->tables_.reset(new (std::nothrow) SRgbKernels::Tables{});
    if (!converter->tables_) {
        return nullptr;
    }
    SRgbKernels::Tables& t = *converter->tables_;

    const QColorTransform toLinear = space.transformationToColorSpace(linearSource);
    for (int c = 0; c < 3; ++c) {
        for (int v = 0; v < 256; ++v) {
            // One channel at a time: the other two stay out of the near-identity matrix.
            QRgbaFloat32 in{0.0f, 0.0f, 0.0f, 1.0f};
            float* channel[3] = {&in.r, &in.g, &in.b};
            *channel[c] = float(v) / 255.0f;
            const QRgbaFloat32 out = toLinear.map(in);
            const float light[3] = {out.r, out.g, out.b};
            const int steps = linearSteps(light[c]);
            t.linearLow[c][v] = uchar(steps & 0xFF);
            t.linearHigh[c][v] = uchar(steps >> 8);
            t.linear[c][v] = float(steps) * (1.0f / float(kLinearScale));
        }
    }

    const QColorTransform toLinearSRgb = linearSource.transformationToColorSpace(linearSRgb);
    for (int j = 0; j < 3; ++j) {
        QRgbaFloat32 in{0.0f, 0.0f, 0.0f, 1.0f};
        float* channel[3] = {&in.r, &in.g, &in.b};
        *channel[j] = 1.0f;
        const QRgbaFloat32 column = toLinearSRgb.map(in);
        t.matrix[0][j] = column.r;
        t.matrix[1][j] = column.g;
        t.matrix[2][j] = column.b;
    }

    const QColorTransform encode = linearSRgb.transformationToColorSpace(QColorSpace::SRgb);
    for (int k = 0; k <= kEncodedSteps; ++k) {
        const int sixteen = linearSteps(encode.map(grey(float(k) / float(kEncodedSteps))).r);
        t.encoded[k] = uchar((sixteen * 255 + kLinearScale / 2) / kLinearScale);
        // The runs need a curve that never rises by more than one level a step.
        if (k > 0 && (t.encoded[k] < t.encoded[k - 1] || t.encoded[k] - t.encoded[k - 1] > 1)) {
            return nullptr;
        }
    }
    std::fill(t.encoded + kEncodedSteps + 1, std::end(t.encoded), t.encoded[kEncodedSteps]);
    for (int h = 0; h < 256; ++h) {
        t.runStart[h] = t.encoded[16 * h];
        unsigned rises = 0;
        for (int l = 1; l < 16 && 16 * h + l <= kEncodedSteps; ++l) {
            rises |= unsigned(t.encoded[16 * h + l] != t.encoded[16 * h + l - 1]) << l;
        }
        t.runRisesLow[h] = uchar(rises & 0xFF);
        t.runRisesHigh[h] = uchar(rises >> 8);
    }

    // Profiles Qt does not convert through curves and a matrix would not come out right.
    if (converter->worstDifferenceFrom(space.transformationToColorSpace(QColorSpace::SRgb)) > 1) {
        return nullptr;
    }
    return converter;
}

void SRgbConverter::setEnabled(bool enabled) {
    gEnabled.store(enabled, std::memory_order_relaxed);
}

bool SRgbConverter::isEnabled() {
    return gEnabled.load(std::memory_order_relaxed);
}

void SRgbConverter::convert(const uchar* src, uchar* dst, qsizetype count) const {
    if (count > 0) {
        kernelOf(paths().current())(*tables_, src, dst, std::size_t(count));
    }
}

int SRgbConverter::worstDifferenceFrom(const QColorTransform& transform) const {
    static const QImage kGrid = grid();
    QImage theirs = kGrid;
    theirs.applyColorTransform(transform);
    const qsizetype n = qsizetype(kGrid.width()) * kGrid.height();
    std::vector<uchar> ours(size_t(3 * n));
    for (qsizetype i = 0; i < n; ++i) {
        const QRgb p = reinterpret_cast<const QRgb*>(kGrid.constBits())[i];
        ours[size_t(3 * i)] = uchar(qRed(p));
        ours[size_t(3 * i + 1)] = uchar(qGreen(p));
        ours[size_t(3 * i + 2)] = uchar(qBlue(p));
    }
    convert(ours.data(), ours.data(), n);
    int worst = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QRgb p = reinterpret_cast<const QRgb*>(theirs.constBits())[i];
        worst = std::max({worst, std::abs(ours[size_t(3 * i)] - qRed(p)),
                          std::abs(ours[size_t(3 * i + 1)] - qGreen(p)),
                          std::abs(ours[size_t(3 * i + 2)] - qBlue(p))});
    }
    return worst;
}

std::vector<SRgbConverter::Path> SRgbConverter::availablePaths() {
    return paths().available();
}

bool SRgbConverter::setPath(Path path) {
    return paths().set(path);
}

SRgbConverter::Path SRgbConverter::currentPath() {
    return paths().current();
}

const char* SRgbConverter::pathName(Path path) {
    return InstructionPaths::name(path);
}

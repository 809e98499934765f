#include "core/capture/FramePacing.h"

#include <algorithm>

FramePacing::FramePacing(qint64 timeScale, int desiredFramesPerSecond)
    : timeScale_(std::max<qint64>(timeScale, 1))
    , desiredFramesPerSecond_(std::max(desiredFramesPerSecond, 1))
    , minimumFrameDuration_(timeScale_ / desiredFramesPerSecond_) {}

qint64 FramePacing::quantize(qint64 sampleTime, qint64 timeScale, int desiredFramesPerSecond) {
    const qint64 scale = std::max<qint64>(timeScale, 1);
    const qint64 fps = std::max(desiredFramesPerSecond, 1);
    const qint64 time = std::max<qint64>(sampleTime, 0);
    // Whole seconds apart from the rest, so that no product grows beyond timeScale × fps × 2:
    // n = seconds × fps + floor((2 × rest × fps + scale) / (2 × scale)).
    const qint64 seconds = time / scale;
    const qint64 rest = time % scale;
    const qint64 tick = (2 * rest * fps + scale) / (2 * scale);
    // (scale × n) / fps, with n = seconds × fps + tick; tick is at most fps.
    return seconds * scale + (scale * tick) / fps;
}

std::optional<qint64> FramePacing::accept(qint64 sampleTime) {
    // Compared on the grid: a shown frame's time may be rounded up past the next sample's.
    const qint64 t = quantize(sampleTime, timeScale_, desiredFramesPerSecond_);
    if (lastTime_ > t) {
        lastTime_ = 0;
        frameCount_ = 0;
    }
    // The spacing is not checked before the first frame away from 0.
    if (lastTime_ > 0 && t < lastTime_ + minimumFrameDuration_) {
        return std::nullopt;
    }
    ++frameCount_;
    lastTime_ = t;
    return t;
}

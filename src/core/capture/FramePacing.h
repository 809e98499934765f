#pragma once
// Which camera samples are shown: sample times are rounded to a grid of the wanted frame rate,
// and a sample that comes less than one frame after the last shown one is dropped before it is
// wrapped. All arithmetic in 64-bit integers, so that fine time scales and hours of capture
// neither overflow nor lose frames.

#include <QtGlobal>
#include <optional>

class FramePacing {
public:
    // timeScale: time units a second (at least 1); desiredFramesPerSecond: at least 1.
    FramePacing(qint64 timeScale, int desiredFramesPerSecond);

    // The sample time rounded to the nearest tick of the frame grid (halves round up), in time
    // units: (timeScale × n) / fps with n = floor(time × fps / timeScale + 0.5). Negative times
    // count as 0.
    static qint64 quantize(qint64 sampleTime, qint64 timeScale, int desiredFramesPerSecond);

    // Decides on one sample. A sample whose frame time is before the last shown frame starts the
    // count afresh. Answers the frame time when the sample is to be shown (and counts it), none
    // when it is dropped.
    std::optional<qint64> accept(qint64 sampleTime);

    qint64 timeScale() const { return timeScale_; }
    int desiredFramesPerSecond() const { return desiredFramesPerSecond_; }
    // timeScale / desiredFramesPerSecond, rounded down.
    qint64 minimumFrameDuration() const { return minimumFrameDuration_; }
    // Frame time of the last shown sample.
    qint64 lastTime() const { return lastTime_; }
    // Samples shown since the start or the last backwards time.
    qint64 frameCount() const { return frameCount_; }

private:
    qint64 timeScale_;
    int desiredFramesPerSecond_;
    qint64 minimumFrameDuration_;
    qint64 lastTime_ = 0;
    qint64 frameCount_ = 0;
};

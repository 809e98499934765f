#pragma once
// A running capture: every 1/12 s the waiting samples of the source are pulled, the frame
// pacing chooses which to show, and each chosen frame is handed on. Live while the timer runs,
// Frozen when it does not: frozen, the source stays open but nothing more is pulled.

#include "core/capture/CaptureSource.h"
#include "core/capture/FramePacing.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class BitmapImageRep;
class QTimer;

class CaptureSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kDesiredFramesPerSecond = 12;

    using FrameHandler = std::function<void(std::shared_ptr<BitmapImageRep> frame)>;
    using FailureHandler = std::function<void(const QString& reason)>;

    // Takes the running source; the session starts frozen.
    explicit CaptureSession(std::unique_ptr<CaptureSource> source,
                            int desiredFramesPerSecond = kDesiredFramesPerSecond);
    ~CaptureSession() override;

    // Called with every frame the pacing lets through.
    void setFrameHandler(FrameHandler handler) { frameHandler_ = std::move(handler); }
    // Called once when the source reports an error or ends; the capture then stops.
    void setFailureHandler(FailureHandler handler) { failureHandler_ = std::move(handler); }

    // Live: the timer runs.
    bool isLive() const;
    bool isRunning() const { return source_ != nullptr; }
    // Freezes: the timer stops. False, doing nothing, when not live.
    bool grab();
    // Goes live: the timer starts (when it does not run already and the source is open).
    void clear();
    // Pulls every waiting sample and hands on those the pacing chooses.
    void getVideoData();
    // Stops the timer and closes the source; for good.
    void stopVideoCapture();

    const FramePacing& pacing() const { return pacing_; }

private:
    void fail(const QString& reason);

    std::unique_ptr<CaptureSource> source_;
    FramePacing pacing_;
    QTimer* framerateTimer_ = nullptr;
    FrameHandler frameHandler_;
    FailureHandler failureHandler_;
};

#include "core/capture/CaptureSession.h"

#include "core/platform/BitmapImageRep.h"

#include <QTimer>

CaptureSession::CaptureSession(std::unique_ptr<CaptureSource> source, int desiredFramesPerSecond)
    : source_(std::move(source))
    , pacing_(CaptureSource::kTimeScale, desiredFramesPerSecond)
    , framerateTimer_(new QTimer(this)) {
    framerateTimer_->setInterval(1000 / pacing_.desiredFramesPerSecond());
    connect(framerateTimer_, &QTimer::timeout, this, &CaptureSession::getVideoData);
}

CaptureSession::~CaptureSession() = default;

bool CaptureSession::isLive() const {
    return framerateTimer_->isActive();
}

bool CaptureSession::grab() {
    if (!isLive()) {
        return false;
    }
    framerateTimer_->stop();
    return true;
}

void CaptureSession::clear() {
    if (!isLive() && source_) {
        framerateTimer_->start();
    }
}

void CaptureSession::getVideoData() {
    // A handler may freeze or stop the capture: each sample checks again.
    while (source_ && isLive()) {
        if (const QString reason = source_->error(); !reason.isEmpty()) {
            fail(reason);
            return;
        }
        std::optional<CaptureSource::Sample> sample = source_->pullSample();
        if (!sample) {
            return;
        }
        if (!pacing_.accept(sample->time())) {
            continue;
        }
        if (auto frame = sample->takeFrame(); frame && frameHandler_) {
            frameHandler_(std::move(frame));
        }
    }
}

void CaptureSession::stopVideoCapture() {
    framerateTimer_->stop();
    source_.reset();
}

void CaptureSession::fail(const QString& reason) {
    stopVideoCapture();
    if (failureHandler_) {
        failureHandler_(reason);
    }
}

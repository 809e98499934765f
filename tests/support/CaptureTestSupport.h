#pragma once
// Helpers of the capture tests: the test pattern standing for the camera, and the pictures
// it gives.

#include "core/capture/CaptureSource.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <QtGlobal>

namespace capturetest {

// The moving ball: every frame differs from the one before.
inline const char* const kBall = "videotestsrc is-live=true pattern=ball";
// Colour bars: white at the left, blue at the right, the same every frame.
inline const char* const kBars = "videotestsrc is-live=true";

// Sets an environment variable (unsets it for a null value) for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value)
        : name_(name)
        , had_(qEnvironmentVariableIsSet(name))
        , saved_(qgetenv(name)) {
        if (value) {
            qputenv(name, value);
        } else {
            qunsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, saved_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray saved_;
};

// The camera replaced by a pipeline description (none: no pipeline, the real cameras count).
class ScopedPipeline : public ScopedVariable {
public:
    explicit ScopedPipeline(const char* description)
        : ScopedVariable(CaptureSource::kPipelineVariable, description) {}
};

// A temporary folder of the test's own as the system's, so that capture files can be counted.
class ScopedTemporaryFolder {
public:
    ScopedTemporaryFolder()
        : variable_("TMPDIR", dir_.path().toUtf8().constData()) {}
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    ScopedVariable variable_;
};

inline bool isWhite(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) > 150 && qBlue(pixel) > 150;
}

inline bool isBlue(QRgb pixel) {
    return qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) > 150;
}

// The colour bars the right way round: white at the left edge, blue at the right.
inline bool showsBarsUnmirrored(const QImage& picture) {
    const int y = picture.height() / 4;
    return isWhite(picture.pixel(4, y)) && isBlue(picture.pixel(picture.width() - 5, y));
}

// The same mirrored.
inline bool showsBarsMirrored(const QImage& picture) {
    const int y = picture.height() / 4;
    return isBlue(picture.pixel(4, y)) && isWhite(picture.pixel(picture.width() - 5, y));
}

} // namespace capturetest

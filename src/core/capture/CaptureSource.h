#pragma once
// The camera as a GStreamer pipeline: a source (the first camera found, or the description
// given in FOTINO_CAPTURE_PIPELINE) decoded and converted to 640 × 480 RGBA frames, which wait
// in the sink until the main thread pulls them. Sample times are counted kTimeScale a second
// from the start of the pipeline.

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

class BitmapImageRep;
typedef struct _GstElement GstElement;
typedef struct _GstSample GstSample;

class CaptureSource {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    static constexpr qint64 kTimeScale = 600;
    // The environment variable whose pipeline description replaces the camera.
    static constexpr const char* kPipelineVariable = "FOTINO_CAPTURE_PIPELINE";

    // One pulled sample: its time, and its pixels until they are wrapped.
    class Sample {
    public:
        Sample(Sample&& other) noexcept;
        Sample& operator=(Sample&& other) noexcept;
        ~Sample();

        qint64 time() const { return time_; }
        // The frame as a bitmap over the sample's own pixels (no copy); the sample is kept
        // until the bitmap goes. None when the sample holds no frame of the expected size.
        // Takes the sample: a second call answers none.
        std::shared_ptr<BitmapImageRep> takeFrame();

    private:
        friend class CaptureSource;
        Sample(GstSample* sample, qint64 time);
        GstSample* sample_ = nullptr;
        qint64 time_ = 0;
    };

    // The pipeline description of the environment; empty when the variable is unset or empty.
    static QString environmentPipeline();
    // True when the environment names a pipeline, or a video source device is connected.
    static bool videoHardwarePresent();
    // Starts the pipeline with the source described (the first camera when empty). None, with a
    // one-line reason, when there is no camera or the pipeline cannot be built or started.
    static std::unique_ptr<CaptureSource> start(const QString& sourceDescription, QString* error);

    ~CaptureSource();
    CaptureSource(const CaptureSource&) = delete;
    CaptureSource& operator=(const CaptureSource&) = delete;

    // The oldest waiting sample, without waiting; none when none waits.
    std::optional<Sample> pullSample();
    // The first error the pipeline reported since it started; empty while all is well.
    QString error();

private:
    CaptureSource(GstElement* pipeline, GstElement* sink);
    static bool initialize(QString* error);
    // The described source, decoded, converted and sunk; none with the reason.
    static GstElement* describedPipeline(const QString& sourceDescription, QString* reason);
    // The same for the first camera.
    static GstElement* cameraPipeline(QString* reason);

    GstElement* pipeline_ = nullptr;
    GstElement* sink_ = nullptr;
    QString error_;
};

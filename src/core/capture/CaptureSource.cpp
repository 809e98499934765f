#include "core/capture/CaptureSource.h"

#include "core/platform/BitmapImageRep.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>
#include <utility>

namespace {
// After the decoder: converted and scaled (with borders rather than stretched) to what the
// preview shows; the sink keeps the newest few frames and drops older ones while nobody pulls.
constexpr const char* kTail = "videoconvert ! videoscale ! "
                              "video/x-raw,format=RGBA,width=640,height=480,pixel-aspect-ratio=1/1"
                              " ! appsink name=fotino_sink max-buffers=4 drop=true sync=false"
                              " enable-last-sample=false";

// The decoder's output pad appears once it knows the stream: the first one goes to the tail.
// Runs on a GStreamer thread and touches nothing but the pads.
void decoderPadAdded(GstElement*, GstPad* pad, gpointer tail) {
    GstPad* input = gst_element_get_static_pad(GST_ELEMENT(tail), "sink");
    if (input && !gst_pad_is_linked(input)) {
        gst_pad_link(pad, input);
    }
    if (input) {
        gst_object_unref(input);
    }
}

QString messageOf(GError* error) {
    const QString text = error ? QString::fromUtf8(error->message) : QString();
    g_clear_error(&error);
    return text;
}

// The first video source device the system knows of, or none.
GstDevice* firstCamera() {
    GstDeviceMonitor* monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, "Video/Source", nullptr);
    GList* devices = gst_device_monitor_get_devices(monitor);
    GstDevice* first = devices ? GST_DEVICE(gst_object_ref(devices->data)) : nullptr;
    g_list_free_full(devices, gst_object_unref);
    gst_object_unref(monitor);
    return first;
}

// Everything a wrapped frame keeps alive.
struct MappedFrame {
    GstSample* sample;
    GstVideoFrame frame;
};
} // namespace

CaptureSource::Sample::Sample(GstSample* sample, qint64 time)
    : sample_(sample)
    , time_(time) {}

CaptureSource::Sample::Sample(Sample&& other) noexcept
    : sample_(std::exchange(other.sample_, nullptr))
    , time_(other.time_) {}

CaptureSource::Sample& CaptureSource::Sample::operator=(Sample&& other) noexcept {
    if (this != &other) {
        if (sample_) {
            gst_sample_unref(sample_);
        }
        sample_ = std::exchange(other.sample_, nullptr);
        time_ = other.time_;
    }
    return *this;
}

CaptureSource::Sample::~Sample() {
    if (sample_) {
        gst_sample_unref(sample_);
    }
}

std::shared_ptr<BitmapImageRep> CaptureSource::Sample::takeFrame() {
    GstSample* sample = std::exchange(sample_, nullptr);
    if (!sample) {
        return nullptr;
    }
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    GstCaps* caps = gst_sample_get_caps(sample);
    GstVideoInfo info;
    auto* mapped = new MappedFrame{sample, {}};
    if (!buffer || !caps || !gst_video_info_from_caps(&info, caps) ||
        GST_VIDEO_INFO_FORMAT(&info) != GST_VIDEO_FORMAT_RGBA || info.width != kWidth ||
        info.height != kHeight ||
        !gst_video_frame_map(&mapped->frame, &info, buffer, GST_MAP_READ)) {
        delete mapped;
        gst_sample_unref(sample);
        return nullptr;
    }
    BitmapImageRep::Layout layout;
    layout.pixelsWide = GST_VIDEO_FRAME_WIDTH(&mapped->frame);
    layout.pixelsHigh = GST_VIDEO_FRAME_HEIGHT(&mapped->frame);
    layout.bitsPerSample = 8;
    layout.samplesPerPixel = 4;
    layout.hasAlpha = true;
    layout.colorSpace = BitmapImageRep::ColorSpace::DeviceRGB;
    layout.bytesPerRow = GST_VIDEO_FRAME_PLANE_STRIDE(&mapped->frame, 0);
    // The pixels are only read: the buffer may be shared inside the pipeline.
    auto* pixels = static_cast<unsigned char*>(GST_VIDEO_FRAME_PLANE_DATA(&mapped->frame, 0));
    return BitmapImageRep::initWithBytesNoCopy(pixels, layout, [mapped](unsigned char*) {
        gst_video_frame_unmap(&mapped->frame);
        gst_sample_unref(mapped->sample);
        delete mapped;
    });
}

bool CaptureSource::initialize(QString* error) {
    // Once a run; empty when GStreamer started.
    static const QString failure = [] {
        GError* problem = nullptr;
        if (gst_init_check(nullptr, nullptr, &problem)) {
            return QString();
        }
        const QString text = messageOf(problem);
        return text.isEmpty() ? QStringLiteral("GStreamer cannot be started") : text;
    }();
    if (!failure.isEmpty() && error) {
        *error = failure;
    }
    return failure.isEmpty();
}

QString CaptureSource::environmentPipeline() {
    return qEnvironmentVariable(kPipelineVariable).trimmed();
}

bool CaptureSource::videoHardwarePresent() {
    if (!environmentPipeline().isEmpty()) {
        return true;
    }
    if (!initialize(nullptr)) {
        return false;
    }
    GstDevice* camera = firstCamera();
    if (!camera) {
        return false;
    }
    gst_object_unref(camera);
    return true;
}

std::unique_ptr<CaptureSource> CaptureSource::start(const QString& sourceDescription,
                                                    QString* error) {
    QString ignored;
    QString& reason = error ? *error : ignored;
    if (!initialize(&reason)) {
        return nullptr;
    }
    GstElement* pipeline = sourceDescription.trimmed().isEmpty()
                               ? cameraPipeline(&reason)
                               : describedPipeline(sourceDescription, &reason);
    if (!pipeline) {
        return nullptr;
    }
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline), "fotino_sink");
    std::unique_ptr<CaptureSource> capture(new CaptureSource(pipeline, sink));
    if (!sink) {
        reason = QStringLiteral("the pipeline has no sink");
        return nullptr;
    }
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        reason = capture->error();
        if (reason.isEmpty()) {
            reason = QStringLiteral("the pipeline cannot be started");
        }
        return nullptr;
    }
    return capture;
}

GstElement* CaptureSource::describedPipeline(const QString& sourceDescription, QString* reason) {
    // One description, so that it may end in a caps filter; raw video passes the decoder as it
    // is, compressed video is decoded.
    const QByteArray description =
        (sourceDescription + QStringLiteral(" ! decodebin ! ") + QString::fromLatin1(kTail))
            .toUtf8();
    GError* problem = nullptr;
    GstElement* pipeline = gst_parse_launch_full(description.constData(), nullptr,
                                                 GST_PARSE_FLAG_FATAL_ERRORS, &problem);
    if (!pipeline) {
        *reason = messageOf(problem);
        return nullptr;
    }
    g_clear_error(&problem);
    if (!GST_IS_PIPELINE(pipeline)) {
        gst_object_unref(gst_object_ref_sink(pipeline));
        *reason = QStringLiteral("not a pipeline");
        return nullptr;
    }
    return GST_ELEMENT(gst_object_ref_sink(pipeline));
}

GstElement* CaptureSource::cameraPipeline(QString* reason) {
    GstDevice* camera = firstCamera();
    if (!camera) {
        *reason = QStringLiteral("no camera was found");
        return nullptr;
    }
    GstElement* source = gst_device_create_element(camera, nullptr);
    gst_object_unref(camera);
    // The camera's raw or compressed (JPEG) video is decoded as needed.
    GstElement* decoder = gst_element_factory_make("decodebin", nullptr);
    GError* problem = nullptr;
    GstElement* tail = gst_parse_bin_from_description(kTail, TRUE, &problem);
    if (!source || !decoder || !tail) {
        for (GstElement* element : {source, decoder, tail}) {
            if (element) {
                gst_object_unref(gst_object_ref_sink(element));
            }
        }
        *reason = !source    ? QStringLiteral("the camera cannot be opened")
                  : !decoder ? QStringLiteral("no decoder (decodebin)")
                             : messageOf(problem);
        g_clear_error(&problem);
        return nullptr;
    }
    g_clear_error(&problem);
    auto* pipeline = GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new("fotino_capture")));
    gst_bin_add_many(GST_BIN(pipeline), source, decoder, tail, nullptr);
    g_signal_connect(decoder, "pad-added", G_CALLBACK(decoderPadAdded), tail);
    if (!gst_element_link(source, decoder)) {
        gst_object_unref(pipeline);
        *reason = QStringLiteral("the camera gives no video");
        return nullptr;
    }
    return pipeline;
}

CaptureSource::CaptureSource(GstElement* pipeline, GstElement* sink)
    : pipeline_(pipeline)
    , sink_(sink) {}

CaptureSource::~CaptureSource() {
    gst_element_set_state(pipeline_, GST_STATE_NULL);
    if (sink_) {
        gst_object_unref(sink_);
    }
    gst_object_unref(pipeline_);
}

std::optional<CaptureSource::Sample> CaptureSource::pullSample() {
    GstSample* sample = gst_app_sink_try_pull_sample(GST_APP_SINK(sink_), 0);
    if (!sample) {
        return std::nullopt;
    }
    GstClockTime time = GST_CLOCK_TIME_NONE;
    if (GstBuffer* buffer = gst_sample_get_buffer(sample)) {
        if (const GstSegment* segment = gst_sample_get_segment(sample)) {
            time = gst_segment_to_running_time(segment, GST_FORMAT_TIME, GST_BUFFER_PTS(buffer));
        }
    }
    if (!GST_CLOCK_TIME_IS_VALID(time)) {
        // No time stamp: the pipeline's clock now.
        time = 0;
        if (GstClock* clock = gst_element_get_clock(pipeline_)) {
            const GstClockTime now = gst_clock_get_time(clock);
            const GstClockTime base = gst_element_get_base_time(pipeline_);
            time = now > base ? now - base : 0;
            gst_object_unref(clock);
        }
    }
    const auto units =
        static_cast<qint64>(gst_util_uint64_scale_round(time, kTimeScale, GST_SECOND));
    return Sample(sample, units);
}

QString CaptureSource::error() {
    if (!error_.isEmpty()) {
        return error_;
    }
    GstBus* bus = gst_element_get_bus(pipeline_);
    while (GstMessage* message =
               gst_bus_pop_filtered(bus, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_EOS))) {
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
            GError* problem = nullptr;
            gst_message_parse_error(message, &problem, nullptr);
            error_ = messageOf(problem);
        } else {
            error_ = QStringLiteral("the video ended");
        }
        gst_message_unref(message);
        if (!error_.isEmpty()) {
            break;
        }
    }
    gst_object_unref(bus);
    return error_;
}

// The adjusted picture and the finished photo from a 6000 x 4000 camera picture, next to the
// fastest existing ways in the same process: libjpeg-turbo and Qt decoding, Qt's smooth
// scaling of the same crop. FOTINO_BENCH_THREADS (1 or 2) sets our drawing threads; run
// under `taskset -c 0` for one CPU.

#include "PhotoTexture.h"
#include "core/document/Fotino.h"
#include "core/imaging/ImagePrintSpecs.h"
#include "core/platform/AreaResampler.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/GraphicsContext.h"
#include "core/platform/Image.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A photo-like picture with fine texture, so that aliasing shows in the quality figures.
const QImage& picture() {
    static const QImage image = PhotoTexture::picture(kWidth, kHeight);
    return image;
}

QString jpegPath() {
    static const QString path = [] {
        const QString p = folder().filePath(QStringLiteral("camera.jpg"));
        QImageWriter writer(p, "jpeg");
        writer.setQuality(90);
        writer.write(picture());
        return p;
    }();
    return path;
}

std::shared_ptr<Image> decodedPicture() {
    static const auto image = [] {
        auto i = Image::initWithSize(QSizeF(kWidth, kHeight));
        i->addRepresentation(BitmapImageRep::initWithQImage(picture().copy()));
        return i;
    }();
    return image;
}

// A document showing about 3000 x 3850 picture pixels in a 600-wide frame.
std::shared_ptr<Fotino> document(float widthCm, float heightCm, float scale) {
    auto doc = std::make_shared<Fotino>();
    const QString png = folder().filePath(QStringLiteral("camera.png"));
    if (!QFile::exists(png)) {
        QImageWriter(png, "png").write(picture());
    }
    doc->setFilePath(folder().filePath(QStringLiteral("camera.ftoct")));
    doc->setImageName(QStringLiteral("camera.png"));
    doc->setFloat(widthCm, AttributeKeys::kWidth);
    doc->setFloat(heightCm, AttributeKeys::kHeight);
    doc->setPictureSize(scale);
    doc->setOffset(QPointF(50, 50));
    doc->setPictureVersion(1);
    doc->originalPicture(); // decoded and adjusted once, outside the timings
    return doc;
}

void Derive_Rotate90Contrast(benchmark::State& state) {
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[static_cast<size_t>(i)] = static_cast<std::uint8_t>(std::min(255, i * 6 / 5));
    }
    const auto source = decodedPicture();
    for (auto _ : state) {
        auto adjusted = ImagePrintSpecs::filterImage(
            *source, ImagePrintSpecs::kContrastBrightnessBit, nullptr, table.data(), 90);
        benchmark::DoNotOptimize(adjusted);
    }
}
BENCHMARK(Derive_Rotate90Contrast)->UseRealTime()->Unit(benchmark::kMillisecond);

void Derive_WithDecode(benchmark::State& state) {
    const QString path = jpegPath();
    for (auto _ : state) {
        auto holder = ImagePrintSpecs::imagePrintSpecsWithPath(path);
        holder->setRotationAngle(90);
        holder->updateContrast(1.2f, 0);
        benchmark::DoNotOptimize(holder->image());
    }
}
BENCHMARK(Derive_WithDecode)->UseRealTime()->Unit(benchmark::kMillisecond);

void Decode_LibjpegTurbo(benchmark::State& state) {
    const QByteArray bytes = [] {
        QFile f(jpegPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    std::vector<unsigned char> out(size_t(kWidth) * kHeight * 3);
    for (auto _ : state) {
        jpeg_decompress_struct info{};
        jpeg_error_mgr error{};
        info.err = jpeg_std_error(&error);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            unsigned char* row = out.data() + size_t(info.output_scanline) * kWidth * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(Decode_LibjpegTurbo)->UseRealTime()->Unit(benchmark::kMillisecond);

void Decode_QImageReader(benchmark::State& state) {
    QImageReader::setAllocationLimit(1024);
    for (auto _ : state) {
        QImageReader reader(jpegPath());
        benchmark::DoNotOptimize(reader.read());
    }
}
BENCHMARK(Decode_QImageReader)->UseRealTime()->Unit(benchmark::kMillisecond);

void Draw_Frame600x770(benchmark::State& state) {
    auto doc = document(3.5f, 4.5f, 7.5f);
    QImage canvas(600, 770, QImage::Format_RGB888);
    for (auto _ : state) {
        GraphicsContext context(&canvas, QSizeF(600, 770));
        GraphicsContext::pushContext(&context);
        doc->drawInFrame(QRectF(0, 0, 600, 770));
        GraphicsContext::popContext();
    }
}
BENCHMARK(Draw_Frame600x770)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same crop scaled by Qt: a view of the picture's pixels, no copy.
void Peer_QtScaledCrop(benchmark::State& state) {
    const bool rgb32 = state.range(0) == 32;
    static const QImage wide = picture().convertToFormat(QImage::Format_RGB32);
    const QImage& source = rgb32 ? wide : picture();
    const int bpp = rgb32 ? 4 : 3;
    const QImage crop(source.constBits() + 75 * source.bytesPerLine() + 1500 * bpp, 3000, 3850,
                      source.bytesPerLine(), source.format());
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            crop.scaled(600, 770, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}
BENCHMARK(Peer_QtScaledCrop)->Arg(32)->Arg(24)->UseRealTime()->Unit(benchmark::kMillisecond);

void Render_ToImage300(benchmark::State& state) {
    auto doc = document(3.5f, 4.5f, 7.5f);
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc->toImage(300));
    }
}
BENCHMARK(Render_ToImage300)->UseRealTime()->Unit(benchmark::kMillisecond);

// PSNR against the exact area average of the crop, for ours, Qt's scaled and QPainter.
double psnr(const QImage& a, const QImage& exact) {
    double squared = 0;
    for (int y = 0; y < exact.height(); ++y) {
        for (int x = 0; x < exact.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = exact.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                squared += double(d) * d;
            }
        }
    }
    return 10 * std::log10(255.0 * 255.0 / (squared / (3.0 * exact.width() * exact.height())));
}

QImage exactAverage(const QImage& source, QRectF from, QSize size) {
    QImage out(size, QImage::Format_RGB32);
    const double fx = from.width() / size.width();
    const double fy = from.height() / size.height();
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const double x0 = from.x() + x * fx, x1 = x0 + fx, y0 = from.y() + y * fy, y1 = y0 + fy;
            double sum[3] = {0, 0, 0};
            double area = 0;
            for (int j = int(y0); j < std::ceil(y1); ++j) {
                for (int i = int(x0); i < std::ceil(x1); ++i) {
                    const double w = (std::min<double>(i + 1, x1) - std::max<double>(i, x0)) *
                                     (std::min<double>(j + 1, y1) - std::max<double>(j, y0));
                    const uchar* p = source.constScanLine(j) + 3 * i;
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += w * p[c];
                    }
                    area += w;
                }
            }
            out.setPixel(
                x, y,
                qRgb(int(sum[0] / area + 0.5), int(sum[1] / area + 0.5), int(sum[2] / area + 0.5)));
        }
    }
    return out;
}

void Quality_PSNR(benchmark::State& state) {
    const QRectF from(1500, 75, 3000, 3850);
    const QSize size(600, 770);
    const QImage exact = exactAverage(picture(), from, size);
    QPoint origin;
    const QImage ours =
        AreaResampler::resample(picture(), from, QRectF(QPointF(0, 0), size), &origin);
    const QImage crop = picture().copy(from.toRect());
    const QImage qtScaled = crop.convertToFormat(QImage::Format_RGB32)
                                .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage painted(size, QImage::Format_RGB32);
    {
        QPainter p(&painted);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), size), picture(), from);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(exact);
    }
    state.counters["ours_dB"] = psnr(ours, exact);
    state.counters["qt_scaled_dB"] = psnr(qtScaled, exact);
    state.counters["qpainter_dB"] = psnr(painted, exact);
}
BENCHMARK(Quality_PSNR)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (const char* t = std::getenv("FOTINO_BENCH_THREADS")) {
        AreaResampler::setDrawingThreads(std::atoi(t));
    }
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}

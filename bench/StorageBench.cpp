// Saving a document made from a 6000 x 4000 camera JPEG (picture copy, thumbnail, document
// file), next to a plain copy of the same bytes; and exporting the finished photo at 300 dpi
// in each format.

#include "PhotoTexture.h"
#include "core/document/DocumentExport.h"
#include "core/document/DocumentStorage.h"
#include "core/imaging/FileFormatsExport.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString cameraJpeg() {
    static const QString path = [] {
        const QImage q = PhotoTexture::picture(6000, 4000);
        const QString p = folder().filePath(QStringLiteral("IMG_0001.JPG"));
        QImageWriter writer(p, "jpeg");
        writer.setQuality(90);
        writer.write(q);
        return p;
    }();
    return path;
}

QString library() {
    const QString path = folder().filePath(QStringLiteral("library"));
    FileManager::createDirectoryAtPath(path, true);
    return path;
}

void Save_CameraDocument(benchmark::State& state) {
    const QString picture = cameraJpeg();
    for (auto _ : state) {
        Fotino document;
        benchmark::DoNotOptimize(
            DocumentStorage::saveToFolder(document, library(), QStringLiteral("Visa"), picture,
                                          {QStringLiteral("Visa"), 3.5f, 4.5f, true}));
    }
    state.counters["picture_MB"] = static_cast<double>(QFileInfo(picture).size()) / 1e6;
}
BENCHMARK(Save_CameraDocument)->UseRealTime()->Unit(benchmark::kMillisecond);

// The floor of the picture copy: read the bytes and write them atomically.
void Peer_CopyPictureBytes(benchmark::State& state) {
    const QString picture = cameraJpeg();
    const QString target = QDir(library()).filePath(QStringLiteral("copy.JPG"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            FileManager::createFileAtPath(target, *FileManager::contentsAtPath(picture)));
    }
}
BENCHMARK(Peer_CopyPictureBytes)->UseRealTime()->Unit(benchmark::kMillisecond);

void Export_300dpi(benchmark::State& state) {
    Fotino document;
    DocumentStorage::saveToFolder(document, library(), QStringLiteral("Export"), cameraJpeg(),
                                  {QStringLiteral("Export"), 3.5f, 4.5f, true});
    document.setPictureSize(7.5f);
    document.originalPicture(); // decoded once, outside the timings
    const QVariantMap options{
        {DocumentExport::kFilename, folder().filePath(QStringLiteral("photo"))},
        {DocumentExport::kFormat, static_cast<int>(state.range(0))},
        {DocumentExport::kResolution, 300},
        {DocumentExport::kQuality, DocumentExport::kDefaultQuality}};
    for (auto _ : state) {
        if (DocumentExport::exportFotino(document, options) != DocumentExport::Result::Written) {
            state.SkipWithError("nothing was written");
            break;
        }
    }
    state.SetLabel(
        DocumentExport::extensionForFormat(static_cast<int>(state.range(0))).toStdString());
}
BENCHMARK(Export_300dpi)
    ->Arg(DocumentExport::TIFF)
    ->Arg(DocumentExport::JPEG)
    ->Arg(DocumentExport::PNG)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The search for the best JPEG within a portal's limit, on the rendered photo: 600 × 600 pixels,
// and 35 × 45 mm at 300 dpi, against one encoding at the default quality.
void Export_JPEGWithin(benchmark::State& state) {
    Fotino document;
    DocumentStorage::saveToFolder(document, library(), QStringLiteral("Portal"), cameraJpeg(),
                                  {QStringLiteral("Portal"), 3.5f, 4.5f, true});
    document.setPictureSize(7.5f);
    const int wide = static_cast<int>(state.range(0));
    const auto bitmap = wide == 0 ? document.toImage(300) : document.toImagePixelsWide(wide, wide);
    const qint64 limit = state.range(1) * DocumentExport::kBytesPerKilobyte;
    FileFormatsExport::JPEGFit fit;
    for (auto _ : state) {
        if (limit == 0) {
            benchmark::DoNotOptimize(FileFormatsExport::JPEGDataWithCompressionFactor(
                *bitmap, DocumentExport::kDefaultQuality));
        } else {
            fit = FileFormatsExport::JPEGDataWithin(*bitmap, limit);
        }
    }
    const QString size =
        QStringLiteral("%1 x %2 px").arg(bitmap->pixelsWide()).arg(bitmap->pixelsHigh());
    state.SetLabel((limit == 0 ? size + QStringLiteral(", one encoding")
                               : size + QStringLiteral(", quality %1 in %2 encodes, %3 bytes")
                                            .arg(fit.quality)
                                            .arg(fit.encodes)
                                            .arg(fit.data.size()))
                       .toStdString());
}
BENCHMARK(Export_JPEGWithin)
    ->Args({600, 0})
    ->Args({600, 240})
    ->Args({600, 60})
    ->Args({0, 0})
    ->Args({0, 240})
    ->Args({0, 40})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}

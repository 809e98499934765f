#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "core/analysis/AutoFrame.h"
#include "core/analysis/ComplianceReport.h"
#include "core/document/DocumentStorage.h"
#include "core/document/Fotino.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/GraphicsContext.h"
#include "core/printing/PrintSheet.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <cmath>
#include <limits>

namespace {
// The folder of the document, with a small picture under each name it may give its picture.
QString documentFolder() {
    static const QString folder = [] {
        const QString path = QDir(FuzzTargets::sandbox()).filePath(QStringLiteral("document"));
        QDir().mkpath(path);
        QImage picture(48, 36, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                picture.setPixel(x, y, qRgba(x * 5, y * 7, 128, x < 40 ? 255 : 100));
            }
        }
        for (const char* format : {"jpg", "png", "tif"}) {
            picture.save(QDir(path).filePath(QStringLiteral("doc.") + QLatin1String(format)));
        }
        return path;
    }();
    return folder;
}
} // namespace

bool FuzzTargets::document(const uint8_t* data, size_t size) {
    const QString path = QDir(documentFolder()).filePath(QStringLiteral("doc.ftoct"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!FileManager::createFileAtPath(path, bytes)) {
        return true;
    }
    const DocumentStorage::Opened opened = DocumentStorage::open(path);
    if (!opened.loaded) {
        return true;
    }
    Fotino& document = *opened.document;
    // What the library list shows.
    (void)document.valueForKey(QStringLiteral("name"), true);
    (void)document.valueForKey(QStringLiteral("size"), false);
    (void)document.image();
    (void)document.guides();
    (void)DocumentStorage::filesOf(document);

    // Rendered at 72 dpi, unless it is large but possible: that is slow, not wrong.
    const double pixelsPerCentimetre = 72 / 2.54;
    const double wide = double(document.widthInCm()) * pixelsPerCentimetre;
    const double high = double(document.heightInCm()) * pixelsPerCentimetre;
    const double most = std::numeric_limits<int>::max();
    const bool possible = std::isfinite(wide) && std::isfinite(high) && std::abs(wide) < most &&
                          std::abs(high) < most;
    if (!possible || std::abs(wide * high) <= double(kMaxRenderPixels)) {
        if (const auto bitmap = document.toImage(72)) {
            FUZZ_CHECK(bitmap->pixelsWide() >= 1 && bitmap->pixelsHigh() >= 1);
            FUZZ_CHECK(bitmap->dataSize() >= qint64(bitmap->pixelsWide()) * 3);
        }
    }
    FUZZ_CHECK(!document.createThumbnail().isEmpty());

    // What `fotino check` and the editor's hints measure, for a face in the middle of the
    // folder's picture, then framed on that face as Auto-frame frames.
    const FaceFeatures face{
        QSize(48, 36), QRectF(14, 6, 20, 26), QPointF(19, 16), QPointF(29, 16), 30, 6};
    for (int pass = 0; pass < 2; ++pass) {
        const ComplianceReport report = ComplianceReport::evaluate(document, face);
        // A figure given is a number.
        FUZZ_CHECK(!report.headHeight || std::isfinite(*report.headHeight));
        FUZZ_CHECK(!report.eyeLine || std::isfinite(*report.eyeLine));
        (void)report.status();
        AutoFrame::frameOnFace(document, face);
    }
    (void)document.coverFrame(QRectF(0, 0, 99, 127));

    // Four copies on the print preview's sheet, which renders the photo at 300 dpi: only for
    // photos no larger than a sheet, or sizes that are no lengths at all.
    const auto printable = [](float centimetres) {
        return !std::isfinite(centimetres) || std::abs(centimetres) <= 30;
    };
    if (printable(document.widthInCm()) && printable(document.heightInCm())) {
        PrintSheet sheet;
        sheet.setPage(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
                      false);
        sheet.setFotinos({opened.document});
        sheet.setCount(4);
        QImage page(124, 175, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&page);
        GraphicsContext context(&painter, sheet.pageRect().size(), QRectF(0, 0, 124, 175));
        sheet.draw(context);
    }
    return true;
}

#include "core/printing/PrintSheet.h"

#include "core/document/Fotino.h"
#include "core/platform/FileManager.h"
#include "core/platform/GraphicsContext.h"
#include "core/platform/Image.h"
#include "core/platform/Log.h"
#include "core/platform/Units.h"
#include "core/platform/UserDefaults.h"
#include "core/printing/CutMarks.h"
#include "core/printing/PageGeometry.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {
// The rectangle in the old text form of the platform, "{{x, y}, {w, h}}".
QString rectText(const QRectF& r) {
    const auto n = [](qreal v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); };
    return QStringLiteral("{{%1, %2}, {%3, %4}}")
        .arg(n(r.x()), n(r.y()), n(r.width()), n(r.height()));
}

// Dots per inch of a PDF sheet: fine enough that a photo's edge falls within a tenth of a
// millimetre of where it belongs.
constexpr int kPdfResolution = 1200;
} // namespace

PrintSheet::PrintSheet(float interspace)
    : interspace_(interspace) {}

float PrintSheet::storedInterspace(const UserDefaults& defaults) {
    return defaults.hasValueForKey(kInterspaceKey) ? defaults.floatForKey(kInterspaceKey)
                                                   : kDefaultInterspace;
}

bool PrintSheet::storedCutMarks(const UserDefaults& defaults) {
    return defaults.boolForKey(kCutMarksKey);
}

void PrintSheet::setFotinos(const std::vector<std::shared_ptr<Fotino>>& fotinos) {
    fotinos_ = fotinos;
    for (const auto& fotino : fotinos_) {
        fotino->cachedImage();
    }
}

void PrintSheet::clearFotinos() {
    for (const auto& fotino : fotinos_) {
        fotino->purgeCachedImage();
    }
    fotinos_.clear();
}

void PrintSheet::setPageRect(const QRectF& rect) {
    pageRect_ = rect;
    Log::write(QStringLiteral("Page rect %1").arg(rectText(rect)));
}

void PrintSheet::setLayoutRect(const QRectF& rect) {
    layoutRect_ = rect;
    Log::write(QStringLiteral("Layout rect %1").arg(rectText(rect)));
}

void PrintSheet::setPage(const QPageLayout& page, bool toPdf) {
    setPageRect(QRectF(QPointF(0, 0), PageGeometry::paperSize(page)));
    setLayoutRect(PageGeometry::imageableRect(page, toPdf));
}

QRectF PrintSheet::rectForPage(int /*page*/) const {
    return pageRect_;
}

std::vector<PrintArrangement::Placement> PrintSheet::placements() const {
    std::vector<QSizeF> sizes;
    sizes.reserve(fotinos_.size());
    for (const auto& fotino : fotinos_) {
        sizes.push_back(fotino->sizeInPoints());
    }
    return PrintArrangement::arrange(layoutRect_, interspace_, count_, sizes);
}

void PrintSheet::drawOptimizedPictures(GraphicsContext& context) const {
    const GraphicsContext::CurrentScope current(context);
    for (const auto& placement : placements()) {
        const auto image = fotinos_[static_cast<size_t>(placement.document)]->cachedImage();
        // The 300 dpi rendering at its own size: the photo's true printed size.
        image->drawInRect(QRectF(placement.origin, image->size()), QRectF(),
                          GraphicsContext::CompositingOperation::SourceOver, 1.0);
    }
}

std::vector<QLineF> PrintSheet::cutMarkLines() const {
    if (!cutMarks_) {
        return {};
    }
    std::vector<QRectF> photos;
    for (const auto& placement : placements()) {
        photos.emplace_back(placement.origin, placement.size);
    }
    return CutMarks::lines(photos, layoutRect_);
}

void PrintSheet::drawCutMarks(GraphicsContext& context) const {
    const std::vector<QLineF> lines = cutMarkLines();
    if (lines.empty()) {
        return;
    }
    QPainterPath path;
    for (const QLineF& line : lines) {
        path.moveTo(line.p1());
        path.lineTo(line.p2());
    }
    // The scaled-down preview draws them at least a screen pixel wide, so they show.
    const QPointF perUnit = context.devicePixelsPerUnit();
    const double pixel = perUnit.x() > 0 ? 1.0 / perUnit.x() : 0.0;
    const double width =
        context.isDrawingToScreen() ? std::max(CutMarks::kLineWidth, pixel) : CutMarks::kLineWidth;
    context.saveGraphicsState();
    context.setStrokeColor(Qt::black);
    context.strokePath(path, width);
    context.restoreGraphicsState();
}

void PrintSheet::draw(GraphicsContext& context) const {
    if (!context.isDrawingToScreen()) {
        drawOptimizedPictures(context);
        drawCutMarks(context);
        return;
    }
    static const QImage pattern(QStringLiteral(":/images/margin.png"));
    context.fillPattern(pageRect_, pattern);
    context.setFillColor(Qt::white);
    context.fillRect(layoutRect_);
    drawOptimizedPictures(context);
    drawCutMarks(context);
    context.setColor(Qt::black);
    context.frameRect(pageRect_, 1);
    context.setColor(QColor(0x99, 0x99, 0x99));
    context.frameRect(layoutRect_, 1);
}

bool PrintSheet::writePDF(const QString& path) const {
    // Made in memory and written in one piece: the PDF writer does not report a full disk,
    // and a half-written file must not replace the previous one.
    QByteArray bytes;
    bool drawn = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(QPageLayout(QPageSize(pageRect_.size(), QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (painter.begin(&pdf)) {
            const double pixelsPerPoint = kPdfResolution / Units::kPointsPerInch;
            GraphicsContext context(&painter, pageRect_.size(),
                                    QRectF(QPointF(0, 0), pageRect_.size() * pixelsPerPoint));
            draw(context);
            drawn = painter.end();
        }
    }
    return drawn && !bytes.isEmpty() && FileManager::createFileAtPath(path, bytes);
}

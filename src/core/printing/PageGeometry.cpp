#include "core/printing/PageGeometry.h"

#include "core/platform/Units.h"

#include <QLocale>
#include <algorithm>

QSizeF PageGeometry::fitSize(QSizeF a, QSizeF b, bool canCrop) {
    const double r1 = a.height() / a.width();
    const double r2 = b.height() / b.width();
    const QSizeF fullWidth(b.width(), b.width() * r1);
    const QSizeF fullHeight(b.height() / r1, b.height());
    if (r1 > r2) {
        return canCrop ? fullWidth : fullHeight;
    }
    return canCrop ? fullHeight : fullWidth;
}

QMarginsF PageGeometry::marginsForImageableArea(QSizeF paper, const QRectF& imageable) {
    const double left = std::max(0.0, imageable.x());
    const double bottom = std::max(0.0, imageable.y());
    const double right = std::max(0.0, paper.width() - imageable.x() - imageable.width());
    const double top = std::max(0.0, paper.height() - imageable.y() - imageable.height());
    return {left, top, right, bottom};
}

QSizeF PageGeometry::paperSize(const QPageLayout& page) {
    return page.fullRect(QPageLayout::Millimeter).size() *
           (Units::kPointsPerInch / Units::kMillimetresPerInch);
}

QRectF PageGeometry::imageableRect(const QPageLayout& page, bool toPdf) {
    const QSizeF paper = paperSize(page);
    QPageLayout inPoints = page;
    inPoints.setUnits(QPageLayout::Point);
    QMarginsF least = inPoints.minimumMargins();
    if (toPdf && least.isNull()) {
        least = QMarginsF(kPdfMargin, kPdfMargin, kPdfMargin, kPdfMargin);
    }
    return {least.left(), least.bottom(), paper.width() - least.left() - least.right(),
            paper.height() - least.top() - least.bottom()};
}

namespace {
struct Paper {
    const char* name;
    QPageSize::PageSizeId id; // Custom for the photo papers
    double width;
    double height;
    QPageSize::Unit unit;
};

const Paper kPapers[] = {
    {"A4", QPageSize::A4, 0, 0, QPageSize::Millimeter},
    {"Letter", QPageSize::Letter, 0, 0, QPageSize::Inch},
    {"A5", QPageSize::A5, 0, 0, QPageSize::Millimeter},
    {"A6", QPageSize::A6, 0, 0, QPageSize::Millimeter},
    {"4x6in", QPageSize::Custom, 4, 6, QPageSize::Inch},
    {"5x7in", QPageSize::Custom, 5, 7, QPageSize::Inch},
    {"10x15cm", QPageSize::Custom, 100, 150, QPageSize::Millimeter},
    {"13x18cm", QPageSize::Custom, 130, 180, QPageSize::Millimeter},
};
} // namespace

std::optional<QPageSize> PageGeometry::paperNamed(const QString& name) {
    for (const Paper& paper : kPapers) {
        if (name.compare(QLatin1String(paper.name), Qt::CaseInsensitive) != 0) {
            continue;
        }
        if (paper.id != QPageSize::Custom) {
            return QPageSize(paper.id);
        }
        return QPageSize(QSizeF(paper.width, paper.height), paper.unit,
                         QString::fromLatin1(paper.name), QPageSize::ExactMatch);
    }
    return std::nullopt;
}

QStringList PageGeometry::paperNames() {
    QStringList names;
    for (const Paper& paper : kPapers) {
        names << QString::fromLatin1(paper.name);
    }
    return names;
}

QPageSize PageGeometry::defaultPaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

#include "ui/printing/PageLayout.h"

#include "core/printing/PageGeometry.h"
#include "ui/printing/PrintLayout.h"

#include <QPageLayout>
#include <QPrinter>
#include <QResizeEvent>

PageLayout::PageLayout(QWidget* parent)
    : QWidget(parent)
    , info_(std::make_shared<QPrinter>(QPrinter::HighResolution)) {
    info_->setPageSize(PageGeometry::defaultPaper());
    info_->setPageOrientation(QPageLayout::Portrait);
    printLayout_ = new PrintLayout(this);
    calcPageRect(info_, printLayout_);
}

PageLayout::~PageLayout() = default;

QSizeF PageLayout::paperSize(const QPrinter& printer) {
    // Millimetres, not Qt's whole points: an A4 sheet is 595.28 points wide, not 595.
    return printer.pageLayout().fullRect(QPageLayout::Millimeter).size() * (72.0 / 25.4);
}

QRectF PageLayout::imageableRect(const QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QSizeF paper = paperSize(printer);
    QMarginsF least = layout.minimumMargins();
    // A PDF file knows no printer: keep the margins printers commonly need.
    if (least.isNull()) {
        const double m = PageGeometry::kDefaultMargin;
        least = QMarginsF(m, m, m, m);
    }
    return {least.left(), least.bottom(), paper.width() - least.left() - least.right(),
            paper.height() - least.top() - least.bottom()};
}

void PageLayout::calcPageRect(const std::shared_ptr<QPrinter>& settings, PrintLayout* layout) {
    if (!settings || !layout) {
        return;
    }
    const QSizeF paper = paperSize(*settings);
    info_ = settings;
    printableRect_ = imageableRect(*info_);
    paperRect_ = QRectF(QPointF(0, 0), paper);
    info_->setPageMargins(PageGeometry::marginsForImageableArea(paper, printableRect_),
                          QPageLayout::Point);
    layout->setPageRect(paperRect_);
    layout->setBounds(paperRect_);
    layout->setLayoutRect(printableRect_);
    if (layout == printLayout_) {
        fitPreview();
    }
    layout->update();
    update();
}

std::unique_ptr<PrintLayout> PageLayout::printerLayout() {
    auto sheet = std::make_unique<PrintLayout>();
    const QSizeF paper = paperSize(*info_);
    sheet->setGeometry(0, 0, static_cast<int>(paper.width()), static_cast<int>(paper.height()));
    calcPageRect(info_, sheet.get());
    sheet->setFotinos(printLayout_->fotinos());
    sheet->setCount(printLayout_->count());
    return sheet;
}

void PageLayout::fitPreview() {
    if (paperRect_.isEmpty() || width() <= 0 || height() <= 0) {
        return;
    }
    const QSizeF fitted = PageGeometry::fitSize(paperRect_.size(), QSizeF(size()), false);
    // At the lower-left corner of the area.
    const int w = static_cast<int>(fitted.width());
    const int h = static_cast<int>(fitted.height());
    printLayout_->setGeometry(0, height() - h, w, h);
}

void PageLayout::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitPreview();
}

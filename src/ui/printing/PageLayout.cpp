#include "ui/printing/PageLayout.h"

#include "core/platform/GraphicsContext.h"
#include "core/printing/PageGeometry.h"
#include "ui/printing/PrintLayout.h"

#include <QPageLayout>
#include <QPainter>
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

namespace {
bool printsToPdf(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat;
}
} // namespace

QRectF PageLayout::imageableRect(const QPrinter& printer) {
    return PageGeometry::imageableRect(printer.pageLayout(), printsToPdf(printer));
}

void PageLayout::calcPageRect(const std::shared_ptr<QPrinter>& settings, PrintLayout* layout) {
    if (!settings || !layout) {
        return;
    }
    const QSizeF paper = PageGeometry::paperSize(settings->pageLayout());
    info_ = settings;
    printableRect_ = imageableRect(*info_);
    paperRect_ = QRectF(QPointF(0, 0), paper);
    info_->setPageMargins(PageGeometry::marginsForImageableArea(paper, printableRect_),
                          QPageLayout::Point);
    layout->setPageRect(paperRect_);
    layout->setLayoutRect(printableRect_);
    if (layout == printLayout_) {
        fitPreview();
    }
    update();
}

PrintSheet PageLayout::printerLayout() const {
    PrintSheet sheet(printLayout_->interspace());
    sheet.setPage(info_->pageLayout(), printsToPdf(*info_));
    sheet.setFotinos(printLayout_->fotinos());
    sheet.setCount(printLayout_->count());
    sheet.setCutMarks(printLayout_->cutMarks());
    return sheet;
}

bool PageLayout::printSheet(const PrintSheet& sheet, QPrinter& printer) {
    // A PDF file goes through the sheet's own writer, which never leaves a half-written file
    // in place of the previous one when the disk is full.
    if (printsToPdf(printer) && !printer.outputFileName().isEmpty()) {
        return sheet.writePDF(printer.outputFileName());
    }
    // From the paper's corner: nothing is moved or scaled to fit margins.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    {
        GraphicsContext context(&painter, sheet.pageRect().size(),
                                printer.paperRect(QPrinter::DevicePixel));
        sheet.draw(context);
    }
    return painter.end();
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

#pragma once
// The preview area of the page layout window: holds this window's own print settings,
// works out the paper and its imageable area from them, and shows the sheet (a PrintLayout)
// with the paper's proportions at its lower-left corner.

#include "core/printing/PrintSheet.h"

#include <QRectF>
#include <QWidget>
#include <memory>

class PrintLayout;
class QPrinter;

class PageLayout : public QWidget {
    Q_OBJECT
public:
    explicit PageLayout(QWidget* parent = nullptr);
    ~PageLayout() override;

    // The print settings: shared, so that a print that took them keeps them valid when page
    // setup replaces them.
    std::shared_ptr<QPrinter> infos() const { return info_; }
    PrintLayout* printLayout() const { return printLayout_; }
    QRectF paperRect() const { return paperRect_; }
    QRectF printableRect() const { return printableRect_; }

    // Adopts the settings and lays them onto a layout: paper, imageable area and margins;
    // the preview also takes the paper's shape.
    void calcPageRect(const std::shared_ptr<QPrinter>& settings, PrintLayout* layout);
    // The sheet to print: the paper and imageable area of the current settings, as they are
    // now, with the preview's documents, copy count, interspace and cut marks.
    PrintSheet printerLayout() const;
    // Draws the sheet on the printer at true size, one point on the sheet a point on paper.
    static bool printSheet(const PrintSheet& sheet, QPrinter& printer);
    // The printer's imageable area on its paper, in points with y up.
    static QRectF imageableRect(const QPrinter& printer);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitPreview();

    QRectF paperRect_;
    QRectF printableRect_;
    std::shared_ptr<QPrinter> info_;
    PrintLayout* printLayout_ = nullptr;
};

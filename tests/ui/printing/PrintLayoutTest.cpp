#include "ui/printing/PrintLayout.h"
#include "core/document/Fotino.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui/printing/PageLayout.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace {

TEST(PageLayout, AdoptsPrintSettingsWithMarginsFromTheImageableArea) {
    TemporaryHome home;
    PageLayout view;
    view.resize(300, 300);
    auto letter = std::make_shared<QPrinter>(QPrinter::HighResolution);
    letter->setOutputFormat(QPrinter::PdfFormat);
    letter->setPageSize(QPageSize(QPageSize::Letter));
    view.calcPageRect(letter, view.printLayout());
    EXPECT_EQ(view.printLayout()->pageRect(), QRectF(0, 0, 612, 792));
    EXPECT_EQ(view.printLayout()->layoutRect(), QRectF(18, 18, 576, 756));
    EXPECT_EQ(letter->pageLayout().margins(QPageLayout::Point), QMarginsF(18, 18, 18, 18));
    // The preview keeps the paper's proportions, at the lower-left corner.
    const QRect frame = view.printLayout()->geometry();
    EXPECT_EQ(frame.height(), 300);
    EXPECT_NEAR(frame.width(), 231, 1);
    EXPECT_EQ(frame.left(), 0);
    view.show(); // a hidden widget hears of its new size only when shown
    view.resize(600, 400);
    EXPECT_EQ(view.printLayout()->geometry().height(), 400);
    EXPECT_EQ(view.printLayout()->geometry().bottom(), 399);
}

TEST(PageLayout, PrintsTheSettingsPaperWithThePreviewsDocuments) {
    TemporaryHome home;
    PageLayout view;
    auto doc = std::make_shared<Fotino>();
    view.printLayout()->setFotinos({doc});
    view.printLayout()->setCount(3);
    view.printLayout()->setInterspace(20);
    view.printLayout()->setCutMarks(true);
    // Changed behind the preview's back, as the print dialog does.
    view.infos()->setPageSize(QPageSize(QPageSize::Letter));
    view.infos()->setPageOrientation(QPageLayout::Landscape);
    const PrintSheet sheet = view.printerLayout();
    EXPECT_EQ(sheet.count(), 3);
    EXPECT_EQ(sheet.interspace(), 20.0f);
    EXPECT_TRUE(sheet.cutMarks());
    ASSERT_EQ(sheet.fotinos().size(), 1u);
    EXPECT_EQ(sheet.pageRect(), QRectF(0, 0, 792, 612));
}

} // namespace

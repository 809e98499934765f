#include "ui/printing/PrintLayout.h"
#include "core/document/Fotino.h"
#include "core/platform/UserDefaults.h"
#include "support/LogCapture.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui/printing/PageLayout.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace {

TEST(PrintLayout, StartsWithTheLastInterspaceOrFifteenPoints) {
    TemporaryHome home;
    EXPECT_EQ(PrintLayout().interspace(), 15.0f);
    UserDefaults::standardUserDefaults().setFloat(22.5f, PrintLayout::kInterspaceKey);
    const PrintLayout layout;
    EXPECT_EQ(layout.interspace(), 22.5f);
    EXPECT_EQ(layout.count(), 0);
    EXPECT_TRUE(layout.fotinos().empty());
}

TEST(PrintLayout, AnswersThePrintMachineryAndLogsItsRectangles) {
    TemporaryHome home;
    PrintLayout layout;
    QStringList lines;
    {
        const LogCapture log;
        layout.setPageRect(QRectF(0, 0, 612, 792));
        layout.setLayoutRect(QRectF(18, 18, 576, 756));
        lines = log.lines();
    }
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Page rect {{0, 0}, {612, 792}}"),
                                  QStringLiteral("Layout rect {{18, 18}, {576, 756}}")}));
    EXPECT_EQ(layout.rectForPage(1), QRectF(0, 0, 612, 792));
    EXPECT_EQ(layout.rectForPage(7), QRectF(0, 0, 612, 792));
    EXPECT_TRUE(layout.knowsPageRange(0));
    EXPECT_FALSE(layout.knowsPageRange(1));
}

TEST(PrintLayout, RendersNewDocumentsAtOnceAndLetsThemGoWhenEmptied) {
    TemporaryHome home;
    auto a = std::make_shared<Fotino>();
    auto b = std::make_shared<Fotino>();
    PrintLayout layout;
    layout.setFotinos({a, b});
    EXPECT_TRUE(a->hasCachedImage());
    EXPECT_TRUE(b->hasCachedImage());
    layout.clearFotinos();
    EXPECT_FALSE(a->hasCachedImage());
    EXPECT_FALSE(b->hasCachedImage());
    EXPECT_TRUE(layout.fotinos().empty());
}

TEST(PageLayout, AdoptsPrintSettingsWithMarginsFromTheImageableArea) {
    TemporaryHome home;
    PageLayout view;
    view.resize(300, 300);
    auto letter = std::make_shared<QPrinter>(QPrinter::HighResolution);
    letter->setOutputFormat(QPrinter::PdfFormat);
    letter->setPageSize(QPageSize(QPageSize::Letter));
    view.calcPageRect(letter, view.printLayout());
    EXPECT_EQ(view.paperRect(), QRectF(0, 0, 612, 792));
    EXPECT_EQ(view.printableRect(), QRectF(18, 18, 576, 756));
    EXPECT_EQ(view.printLayout()->bounds(), QRectF(0, 0, 612, 792));
    EXPECT_EQ(view.printLayout()->layoutRect(), QRectF(18, 18, 576, 756));
    EXPECT_EQ(letter->pageLayout().margins(QPageLayout::Point), QMarginsF(18, 18, 18, 18));
    EXPECT_EQ(view.infos(), letter);
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

TEST(PageLayout, BuildsAFullSizeSheetWithThePreviewsDocuments) {
    TemporaryHome home;
    PageLayout view;
    auto doc = std::make_shared<Fotino>();
    view.printLayout()->setFotinos({doc});
    view.printLayout()->setCount(3);
    const auto sheet = view.printerLayout();
    EXPECT_EQ(sheet->count(), 3);
    ASSERT_EQ(sheet->fotinos().size(), 1u);
    EXPECT_EQ(sheet->bounds(), view.paperRect());
    EXPECT_EQ(sheet->layoutRect(), view.printableRect());
}

} // namespace

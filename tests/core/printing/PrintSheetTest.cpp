#include "core/printing/PrintSheet.h"
#include "core/document/Fotino.h"
#include "core/platform/UserDefaults.h"
#include "support/LogCapture.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintSheet, StartsWithTheLastInterspaceOrFifteenPoints) {
    TemporaryHome home;
    UserDefaults& defaults = UserDefaults::standardUserDefaults();
    EXPECT_EQ(PrintSheet::storedInterspace(defaults), 15.0f);
    defaults.setFloat(22.5f, PrintSheet::kInterspaceKey);
    EXPECT_EQ(PrintSheet::storedInterspace(defaults), 22.5f);
}

TEST(PrintSheet, DrawsCutMarksWhenAskedAndOnlyWhereThePrinterPrints) {
    TemporaryHome home;
    PrintSheet sheet;
    sheet.setPage(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()), true);
    sheet.setFotinos({std::make_shared<Fotino>()});
    sheet.setCount(3);
    EXPECT_TRUE(sheet.cutMarkLines().empty());
    sheet.setCutMarks(true);
    const auto lines = sheet.cutMarkLines();
    // Three photos in a row: four marks at each, but none left of the first one, which
    // starts at the left edge of the imageable area.
    EXPECT_EQ(lines.size(), 3u * 8 - 2);
    for (const QLineF& line : lines) {
        EXPECT_TRUE(sheet.layoutRect().contains(line.p2())) << ::testing::PrintToString(line);
    }
}

TEST(PrintSheet, AnswersThePrintMachineryAndLogsItsRectangles) {
    PrintSheet sheet;
    QStringList lines;
    {
        const LogCapture log;
        sheet.setPageRect(QRectF(0, 0, 612, 792));
        sheet.setLayoutRect(QRectF(18, 18, 576, 756));
        lines = log.lines();
    }
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Page rect {{0, 0}, {612, 792}}"),
                                  QStringLiteral("Layout rect {{18, 18}, {576, 756}}")}));
    EXPECT_EQ(sheet.rectForPage(7), QRectF(0, 0, 612, 792)) << "every page is the whole sheet";
}

TEST(PrintSheet, RendersNewDocumentsAtOnceAndLetsThemGoWhenEmptied) {
    TemporaryHome home;
    auto a = std::make_shared<Fotino>();
    auto b = std::make_shared<Fotino>();
    PrintSheet sheet;
    sheet.setFotinos({a, b});
    EXPECT_TRUE(a->hasCachedImage());
    EXPECT_TRUE(b->hasCachedImage());
    sheet.clearFotinos();
    EXPECT_FALSE(a->hasCachedImage());
    EXPECT_FALSE(b->hasCachedImage());
    EXPECT_TRUE(sheet.fotinos().empty());
}

TEST(PrintSheet, TakesThePaperAsOrientedAndWhatThePrinterCanPrintOn) {
    const QPageLayout landscape(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(),
                                QPageLayout::Point, QMarginsF(12, 14, 16, 18));
    PrintSheet sheet;
    sheet.setPage(landscape, false);
    EXPECT_EQ(sheet.pageRect(), QRectF(0, 0, 792, 612));
    EXPECT_EQ(sheet.layoutRect(), QRectF(12, 18, 792 - 28, 612 - 32));
}

} // namespace

#include "core/printing/PrintArrangement.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using Placement = PrintArrangement::Placement;

std::vector<QPointF> originsOf(const std::vector<Placement>& placements) {
    std::vector<QPointF> origins;
    for (const auto& p : placements) {
        origins.push_back(p.origin);
    }
    return origins;
}

// A letter sheet's imageable area: 540 wide from x = 36, 720 high from y = 36.
const QRectF kArea(36, 36, 540, 720);

TEST(PrintArrangement, FourHundredPointPhotosFillARowThenWrap) {
    const auto placed = PrintArrangement::arrange(kArea, 15, 5, {QSizeF(100, 120)});
    // First row one interspace below the top: 756 - 15 - 120 = 621.
    EXPECT_EQ(originsOf(placed),
              (std::vector<QPointF>{{36, 621}, {151, 621}, {266, 621}, {381, 621}, {36, 486}}));
    EXPECT_EQ(placed[0].size, QSizeF(100, 120));
}

TEST(PrintArrangement, APhotoThatFitsOnlyWithoutItsTrailingInterspaceWraps) {
    // 540 points hold four 120-point photos with three 20-point spaces (540 = 4 x 120 + 3 x
    // 20), but a row ends once a photo and the space after it pass the right edge.
    const auto placed = PrintArrangement::arrange(kArea, 20, 4, {QSizeF(120, 100)});
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_EQ(originsOf(placed),
              (std::vector<QPointF>{{36, 636}, {176, 636}, {316, 636}, {36, 516}}));
}

TEST(PrintArrangement, DocumentsRunOnInOneRowSequence) {
    const auto placed =
        PrintArrangement::arrange(kArea, 15, 3, {QSizeF(100, 127.575), QSizeF(60, 60)});
    ASSERT_EQ(placed.size(), 6u);
    EXPECT_EQ(placed[3].document, 1);
    // The second document's first copy follows on the same row.
    EXPECT_FLOAT_EQ(placed[3].origin.x(), 36 + 3 * 115);
    EXPECT_FLOAT_EQ(placed[3].origin.y() + 60, placed[0].origin.y() + 127.575);
    // Two small copies still fit on the row (456 + 75 <= 576); the third wraps.
    EXPECT_FLOAT_EQ(placed[4].origin.x(), 36 + 3 * 115 + 75);
    EXPECT_FLOAT_EQ(placed[5].origin.x(), 36);
}

TEST(PrintArrangement, TheNextRowHangsBelowTheTallestPhoto) {
    const auto placed = PrintArrangement::arrange(QRectF(0, 0, 250, 1000), 10, 2,
                                                  {QSizeF(100, 50), QSizeF(100, 200)});
    ASSERT_EQ(placed.size(), 4u);
    // Row 1: a short photo and a short one; the tall ones need rows of their own width.
    EXPECT_EQ(placed[0].origin, QPointF(0, 940));
    EXPECT_EQ(placed[1].origin, QPointF(110, 940));
    EXPECT_EQ(placed[2].origin, QPointF(0, 1000 - 10 - 50 - 10 - 200));
    EXPECT_EQ(placed[3].origin, QPointF(110, 1000 - 10 - 50 - 10 - 200));
}

TEST(PrintArrangement, ACopyCutOffBelowEndsItsDocumentButAShorterOneStillFits) {
    // Room for one row of 100-high photos and a bit: tall ones stop, short ones go on.
    const QRectF area(0, 0, 230, 200);
    const auto placed = PrintArrangement::arrange(area, 10, 4, {QSizeF(100, 100), QSizeF(100, 40)});
    std::vector<int> documents;
    for (const auto& p : placed) {
        documents.push_back(p.document);
    }
    // Row 1: two tall ones (x 0, 110). Row 2 starts at yTop = 190 - 10 - 100 = 80: a tall one
    // would reach below 0 and ends document 0; the short ones fit at y = 40 on row 2.
    EXPECT_EQ(documents, (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(placed[2].origin, QPointF(0, 40));
    EXPECT_EQ(placed[3].origin, QPointF(110, 40));
}

TEST(PrintArrangement, NoCopiesOrNoDocumentsPlaceNothing) {
    EXPECT_TRUE(PrintArrangement::arrange(kArea, 15, 0, {QSizeF(100, 100)}).empty());
    EXPECT_TRUE(PrintArrangement::arrange(kArea, 15, -3, {QSizeF(100, 100)}).empty());
    EXPECT_TRUE(PrintArrangement::arrange(kArea, 15, 4, {}).empty());
}

TEST(PrintArrangement, APhotoWiderThanTheAreaTakesARowPerCopy) {
    const auto placed =
        PrintArrangement::arrange(QRectF(36, 36, 540, 720), 15, 3, {QSizeF(600, 100)});
    // Even the first copy starts a new row, one more interspace down.
    EXPECT_EQ(originsOf(placed),
              (std::vector<QPointF>{{36, 756 - 15 - 15 - 100},
                                    {36, 756 - 15 - 15 - 100 - 15 - 100},
                                    {36, 756 - 15 - 15 - 100 - 15 - 100 - 15 - 100}}));
}

} // namespace

#include "core/printing/CutMarks.h"
#include "core/printing/PrintArrangement.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

constexpr double kStep = 1.0 / 64;

// How far a line lies outside the rectangle, along the axis where it lies farthest: the
// marks keep this at least kClearance from every photo.
double gapTo(const QRectF& r, const QLineF& line) {
    const QRectF box = QRectF(line.p1(), line.p2()).normalized();
    return std::max({r.left() - box.right(), box.left() - r.right(), r.top() - box.bottom(),
                     box.top() - r.bottom(), 0.0});
}

bool isFree(QPointF p, const std::vector<QRectF>& photos, const QRectF& bounds) {
    const auto clear = [&](const QRectF& r) {
        return gapTo(r, QLineF(p, p)) >= CutMarks::kClearance - 1e-9;
    };
    return p.x() >= bounds.left() && p.x() <= bounds.right() && p.y() >= bounds.top() &&
           p.y() <= bounds.bottom() && std::all_of(photos.begin(), photos.end(), clear);
}

// The marks expected from first principles: from each corner, walk outward along each edge
// in small steps for as long as the way is free.
std::vector<QLineF> expectedMarks(const std::vector<QRectF>& photos, const QRectF& bounds) {
    std::vector<QLineF> expected;
    for (const QRectF& photo : photos) {
        for (const QPointF corner :
             {photo.topLeft(), photo.topRight(), photo.bottomLeft(), photo.bottomRight()}) {
            const double outX = corner.x() == photo.left() ? -1 : 1;
            const double outY = corner.y() == photo.top() ? -1 : 1;
            for (const QPointF direction : {QPointF(outX, 0), QPointF(0, outY)}) {
                const QPointF start = corner + direction * CutMarks::kClearance;
                double free = -kStep;
                while (free + kStep <= CutMarks::kLength + 1e-9 &&
                       isFree(start + direction * (free + kStep), photos, bounds)) {
                    free += kStep;
                }
                if (free >= CutMarks::kMinimumLength) {
                    expected.emplace_back(start, start + direction * free);
                }
            }
        }
    }
    return expected;
}

std::vector<QRectF> arranged(const QRectF& area, float interspace, int count,
                             const std::vector<QSizeF>& sizes) {
    std::vector<QRectF> photos;
    for (const auto& p : PrintArrangement::arrange(area, interspace, count, sizes)) {
        photos.emplace_back(p.origin, p.size);
    }
    return photos;
}

// 35 x 45 mm and 2 x 2 in on A4 with a quarter inch kept free, in points.
const QSizeF kPassport(99.2126, 127.559);
const QSizeF kVisa(144, 144);
const QRectF kA4Area(18, 18, 559.28, 805.89);

struct SheetCase {
    const char* name;
    std::vector<QRectF> photos;
    QRectF bounds;
};

class CutMarksOnSheets : public ::testing::TestWithParam<SheetCase> {};

TEST_P(CutMarksOnSheets, KeepClearOfEveryPhotoAndMarkEveryCornerWhereThereIsRoom) {
    const SheetCase& c = GetParam();
    const std::vector<QLineF> marks = CutMarks::lines(c.photos, c.bounds);
    for (const QLineF& mark : marks) {
        EXPECT_TRUE(c.bounds.contains(mark.p1()) && c.bounds.contains(mark.p2()));
        for (const QRectF& photo : c.photos) {
            EXPECT_GE(gapTo(photo, mark), CutMarks::kClearance - 1e-9)
                << ::testing::PrintToString(mark) << " by " << ::testing::PrintToString(photo);
        }
    }
    // Exactly the marks the corners have room for, each as long as it has room for.
    std::vector<QLineF> unmatched = marks;
    for (const QLineF& e : expectedMarks(c.photos, c.bounds)) {
        const auto found = std::find_if(unmatched.begin(), unmatched.end(), [&](const QLineF& m) {
            return (m.p1() - e.p1()).manhattanLength() < 1e-6 &&
                   (m.p2() - e.p2()).manhattanLength() <= kStep;
        });
        if (found == unmatched.end()) {
            ADD_FAILURE() << "no mark " << ::testing::PrintToString(e);
        } else {
            unmatched.erase(found);
        }
    }
    EXPECT_TRUE(unmatched.empty()) << unmatched.size() << " marks no corner has room for";
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, CutMarksOnSheets,
    ::testing::Values(
        SheetCase{"one photo alone", {QRectF(100, 100, 50, 60)}, QRectF(0, 0, 300, 300)},
        SheetCase{"two documents on A4", arranged(kA4Area, 15, 4, {kPassport, kVisa}), kA4Area},
        SheetCase{"tall and short photos in one row",
                  arranged(QRectF(0, 0, 400, 400), 10, 2, {QSizeF(100, 50), QSizeF(60, 80)}),
                  QRectF(0, 0, 400, 400)},
        SheetCase{"an interspace too narrow for marks", arranged(kA4Area, 3, 6, {kPassport}),
                  kA4Area},
        SheetCase{"an interspace just wide enough", arranged(kA4Area, 6.5f, 6, {kPassport}),
                  kA4Area},
        SheetCase{"no interspace", arranged(kA4Area, 0, 6, {kPassport}), kA4Area},
        SheetCase{"a neighbour just off the edge line",
                  {QRectF(0, 0, 50, 50), QRectF(60, 51, 50, 50)},
                  QRectF(-20, -20, 200, 200)}),
    NameOfParam());

TEST(CutMarks, TouchingPhotosAreMarkedOnlyOnTheirOuterSides) {
    const std::vector<QRectF> block = {QRectF(10, 10, 50, 50), QRectF(60, 10, 50, 50),
                                       QRectF(10, 60, 50, 50), QRectF(60, 60, 50, 50)};
    const QRectF outline(10, 10, 100, 100);
    const auto marks = CutMarks::lines(block, QRectF(-20, -20, 200, 200));
    // The three lines across and the three down, each carried on at both ends; the seams'
    // marks twice, from the photos on either side.
    EXPECT_EQ(marks.size(), 16u);
    for (const QLineF& mark : marks) {
        EXPECT_GE(gapTo(outline, mark), CutMarks::kClearance) << ::testing::PrintToString(mark);
    }
    EXPECT_TRUE(CutMarks::lines(block, outline).empty()) << "no room around a block that fills it";
}

} // namespace

#include "core/printing/PageGeometry.h"
#include "support/QtPrinters.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(PageGeometry, FitSizeBothWays) {
    const QSizeF letter(612, 792);
    const QSizeF inside = PageGeometry::fitSize(letter, QSizeF(300, 300), false);
    EXPECT_NEAR(inside.width(), 231.818, 1e-3);
    EXPECT_DOUBLE_EQ(inside.height(), 300);
    const QSizeF covering = PageGeometry::fitSize(letter, QSizeF(300, 300), true);
    EXPECT_DOUBLE_EQ(covering.width(), 300);
    EXPECT_NEAR(covering.height(), 388.235, 1e-3);
    // A wide sheet in a tall area is limited by the width.
    const QSizeF wide = PageGeometry::fitSize(QSizeF(792, 612), QSizeF(300, 600), false);
    EXPECT_DOUBLE_EQ(wide.width(), 300);
    EXPECT_NEAR(wide.height(), 231.818, 1e-3);
}

struct MarginCase {
    QRectF imageable;
    QMarginsF margins;
};
void PrintTo(const MarginCase& c, std::ostream* os) {
    PrintTo(c.imageable, os);
}

class Margins : public ::testing::TestWithParam<MarginCase> {};

TEST_P(Margins, FollowTheImageableAreaAndAreNeverNegative) {
    EXPECT_EQ(PageGeometry::marginsForImageableArea(QSizeF(612, 792), GetParam().imageable),
              GetParam().margins);
}

INSTANTIATE_TEST_SUITE_P(Areas, Margins,
                         ::testing::Values(MarginCase{{18, 18, 576, 756}, {18, 18, 18, 18}},
                                           MarginCase{{12, 30, 590, 740}, {12, 22, 10, 30}},
                                           MarginCase{{-5, -5, 700, 900}, {0, 0, 0, 0}},
                                           MarginCase{{0, 0, 612, 792}, {0, 0, 0, 0}}),
                         [](const ::testing::TestParamInfo<MarginCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

struct ImageableCase {
    const char* what;
    QMarginsF leastMargins; // left, top, right, bottom
    bool toPdf;
    QRectF expected;
};
void PrintTo(const ImageableCase& c, std::ostream* os) {
    *os << c.what;
}

class ImageableArea : public ::testing::TestWithParam<ImageableCase> {};

TEST_P(ImageableArea, IsThePaperLessThePrintersLeastMargins) {
    const ImageableCase& c = GetParam();
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(),
                             QPageLayout::Point, c.leastMargins);
    EXPECT_EQ(PageGeometry::imageableRect(letter, c.toPdf), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Printers, ImageableArea,
                         ::testing::Values(
                             // A PDF file knows no margins: a quarter inch stays free.
                             ImageableCase{"pdf", {}, true, {18, 18, 576, 756}},
                             // A borderless photo printer prints on the whole sheet.
                             ImageableCase{"borderless", {}, false, {0, 0, 612, 792}},
                             // y is up: the bottom margin is the area's origin.
                             ImageableCase{"printer", {10, 20, 30, 40}, false, {10, 40, 572, 732}},
                             ImageableCase{
                                 "pdf with margins", {10, 20, 30, 40}, true, {10, 40, 572, 732}}),
                         [](const ::testing::TestParamInfo<ImageableCase>& info) {
                             std::string name = info.param.what;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST(PageGeometry, PaperSizesAreExactPointsAsOriented) {
    const QSizeF a4 = PageGeometry::paperSize(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(), QPageLayout::Point));
    EXPECT_NEAR(a4.width(), 297 * 72 / 25.4, 1e-6);
    EXPECT_NEAR(a4.height(), 210 * 72 / 25.4, 1e-6);
}

TEST(PageGeometry, KnowsThePapersByName) {
    EXPECT_EQ(PageGeometry::paperNamed(QStringLiteral("a4"))->id(), QPageSize::A4);
    EXPECT_EQ(PageGeometry::paperNamed(QStringLiteral("Letter"))->id(), QPageSize::Letter);
    const QSizeF photo = PageGeometry::paperNamed(QStringLiteral("4x6in"))->size(QPageSize::Point);
    EXPECT_NEAR(photo.width(), 288, 0.01);
    EXPECT_NEAR(photo.height(), 432, 0.01);
    const QSizeF metric =
        PageGeometry::paperNamed(QStringLiteral("13x18cm"))->size(QPageSize::Millimeter);
    EXPECT_NEAR(metric.width(), 130, 0.01);
    EXPECT_NEAR(metric.height(), 180, 0.01);
    EXPECT_FALSE(PageGeometry::paperNamed(QStringLiteral("B5")));
    EXPECT_EQ(PageGeometry::paperNames().size(), 8);
}

} // namespace

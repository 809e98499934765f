// The background verdicts on painted photos: 35 x 45 mm at four pixels a millimetre, a head
// in the middle whose own colours must not count.

#include "core/analysis/BackgroundCheck.h"
#include "support/NameOfParam.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QSize kPhoto(140, 180);
// Crown at 8 mm, chin at 42 mm from the top, 26 mm wide; the shoulders from 37.5 mm.
const QRectF kHead(35, 32, 70, 136);
constexpr double kChin = 150;

using Painter = std::function<void(QImage&)>;

struct BackgroundCase {
    const char* name;
    Painter paint;
    FormatRules::Background rule;
    BackgroundCheck::Verdict verdict;
};

void PrintTo(const BackgroundCase& c, std::ostream* os) {
    *os << c.name;
}

Painter plain(QColor colour) {
    return [colour](QImage& photo) { photo.fill(colour); };
}

// A dark head and shoulders over the background, which the check must ignore.
void paintHead(QImage& photo) {
    QPainter painter(&photo);
    painter.setBrush(QColor(60, 40, 30));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(kHead);
    painter.drawRect(QRectF(10, 150, 120, 30));
}

class BackgroundCheckTest : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(BackgroundCheckTest, Judges) {
    QImage photo(kPhoto, QImage::Format_RGB32);
    GetParam().paint(photo);
    paintHead(photo);
    const auto measure = BackgroundCheck::measure(photo, kHead, kChin);
    EXPECT_EQ(BackgroundCheck::judge(measure, GetParam().rule), GetParam().verdict)
        << "brightness " << measure.brightness << " colour " << measure.colour << " unevenness "
        << measure.unevenness << " texture " << measure.texture;
}

using Rule = FormatRules::Background;
using Verdict = BackgroundCheck::Verdict;

INSTANTIATE_TEST_SUITE_P(
    Photos, BackgroundCheckTest,
    ::testing::Values(
        BackgroundCase{"lightGrey", plain(QColor(215, 215, 212)), Rule::Light, Verdict::Fine},
        BackgroundCase{"offWhiteForWhite", plain(QColor(238, 236, 230)), Rule::White,
                       Verdict::Fine},
        BackgroundCase{"greyForWhite", plain(QColor(160, 160, 160)), Rule::White, Verdict::Dark},
        BackgroundCase{"darkWall", plain(QColor(90, 90, 95)), Rule::Light, Verdict::Dark},
        BackgroundCase{"lightBlue", plain(QColor(200, 220, 240)), Rule::Light, Verdict::Fine},
        BackgroundCase{"lightBlueForWhite", plain(QColor(200, 220, 240)), Rule::White,
                       Verdict::Coloured},
        BackgroundCase{"green", plain(QColor(120, 200, 110)), Rule::Light, Verdict::Coloured},
        BackgroundCase{"pictureOnTheWall",
                       [](QImage& photo) {
                           photo.fill(QColor(225, 225, 225));
                           QPainter(&photo).fillRect(QRect(4, 10, 26, 30), QColor(70, 90, 60));
                       },
                       Rule::Light, Verdict::Busy},
        BackgroundCase{"shadowOnOneSide",
                       [](QImage& photo) {
                           photo.fill(QColor(230, 230, 230));
                           QPainter(&photo).fillRect(QRect(105, 0, 35, 180), QColor(150, 150, 150));
                       },
                       Rule::Light, Verdict::Busy},
        BackgroundCase{"texture",
                       [](QImage& photo) {
                           QRandomGenerator noise(7);
                           for (int y = 0; y < photo.height(); ++y) {
                               for (int x = 0; x < photo.width(); ++x) {
                                   const int v = 150 + static_cast<int>(noise.bounded(100));
                                   photo.setPixel(x, y, qRgb(v, v, v));
                               }
                           }
                       },
                       Rule::Light, Verdict::Busy},
        BackgroundCase{"whiteWhereWhiteIsRefused", plain(Qt::white), Rule::LightNotWhite,
                       Verdict::White},
        BackgroundCase{"whiteForLight", plain(Qt::white), Rule::Light, Verdict::Fine}),
    NameOfParam());

TEST(BackgroundCheckEdges, NothingToJudgeIsUnknown) {
    QImage photo(kPhoto, QImage::Format_RGB32);
    photo.fill(Qt::white);
    // The head covers the whole photo above the chin.
    const auto covered = BackgroundCheck::measure(photo, QRectF(-50, -50, 240, 400), kChin);
    EXPECT_EQ(BackgroundCheck::judge(covered, Rule::Light), Verdict::Unknown);
    // The chin on the top edge: nothing above it.
    const auto none = BackgroundCheck::measure(photo, kHead, 1);
    EXPECT_EQ(BackgroundCheck::judge(none, Rule::Light), Verdict::Unknown);
    EXPECT_EQ(BackgroundCheck::measure(QImage(), kHead, kChin).pixels, 0);
    // A chin that is no number, and photos thinner than the edge left out: nothing to measure
    // (the sanitizer build watches the conversions).
    EXPECT_EQ(
        BackgroundCheck::measure(photo, kHead, std::numeric_limits<double>::quiet_NaN()).pixels, 0);
    for (const QSize thin : {QSize(1, 1), QSize(3, 1), QSize(1, 3)}) {
        QImage sliver(thin, QImage::Format_RGB32);
        sliver.fill(Qt::white);
        EXPECT_EQ(BackgroundCheck::measure(sliver, kHead, kChin).pixels, 0);
    }
}

} // namespace

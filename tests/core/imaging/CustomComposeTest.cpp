#include "core/imaging/CustomCompose.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "support/ImageTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using imagetest::bitmap;

struct Query {
    const char* name;
    QSizeF points;
    std::vector<std::shared_ptr<BitmapImageRep>> reps;
    QSizeF pixels;
    float resolution;
    bool gray;
};

class PictureQueries : public ::testing::TestWithParam<Query> {};

TEST_P(PictureQueries, AnswerFromTheFirstRepresentation) {
    const Query& c = GetParam();
    Image image(c.points);
    for (const auto& rep : c.reps) {
        image.addRepresentation(rep);
    }
    EXPECT_EQ(CustomCompose::firstRepresentation(image), c.reps.empty() ? nullptr : c.reps.front())
        << c.name;
    EXPECT_EQ(CustomCompose::sizeInPixels(image), c.pixels) << c.name;
    EXPECT_EQ(CustomCompose::imageRect(image), QRectF(QPointF(0, 0), c.points)) << c.name;
    EXPECT_FLOAT_EQ(CustomCompose::resolution(image), c.resolution) << c.name;
    EXPECT_EQ(CustomCompose::isGrayScale(image), c.gray) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureQueries,
    ::testing::Values(
        Query{"no representation", QSizeF(10, 10), {}, QSizeF(0, 0), 0.0f, false},
        // Only the horizontal direction counts.
        Query{
            "uneven pixels", QSizeF(144, 400), {bitmap(600, 400)}, QSizeF(600, 400), 300.0f, false},
        Query{"no point width", QSizeF(0, 10), {bitmap(6, 4)}, QSizeF(6, 4), 0.0f, false},
        Query{
            "gray first", QSizeF(6, 4), {bitmap(6, 4, 1), bitmap(3, 2)}, QSizeF(6, 4), 72.0f, true},
        Query{"colour first",
              QSizeF(3, 2),
              {bitmap(6, 4, 4), bitmap(6, 4, 1)},
              QSizeF(6, 4),
              144.0f,
              false}),
    NameOfParam());

TEST(CustomCompose, MatchResolutionChangesThePointSizeOnly) {
    Image image(QSizeF(144, 96)); // 300 dpi
    const auto rep = bitmap(600, 400);
    image.addRepresentation(rep);
    CustomCompose::matchResolution(image, 150.0f);
    EXPECT_EQ(image.size(), QSizeF(288, 192));
    EXPECT_FLOAT_EQ(CustomCompose::resolution(image), 150.0f);
    EXPECT_EQ(rep->pixelsWide(), 600);
    EXPECT_EQ(CustomCompose::firstRepresentation(image), rep);
    // An odd size comes back to the asked resolution too.
    Image odd(QSizeF(413.4375f, 531.5625f));
    odd.addRepresentation(bitmap(414, 532, 4));
    CustomCompose::matchResolution(odd, 300.0f);
    EXPECT_NEAR(CustomCompose::resolution(odd), 300.0f, 1e-3f);
}

TEST(CustomCompose, MatchResolutionIgnoresWhatItCannotMatch) {
    Image image(QSizeF(144, 96));
    image.addRepresentation(bitmap(600, 400));
    for (const float dpi : {0.0f, -72.0f}) {
        CustomCompose::matchResolution(image, dpi);
        EXPECT_EQ(image.size(), QSizeF(144, 96)) << dpi;
    }
    Image empty(QSizeF(10, 10));
    CustomCompose::matchResolution(empty, 300.0f);
    EXPECT_EQ(empty.size(), QSizeF(10, 10));
}

} // namespace

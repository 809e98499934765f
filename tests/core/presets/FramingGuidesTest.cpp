#include "core/presets/FramingGuides.h"
#include "core/presets/Preset.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QVariantMap guide(float left, float bottom, float right, float top) {
    return {{QStringLiteral("left"), left},
            {QStringLiteral("bottom"), bottom},
            {QStringLiteral("right"), right},
            {QStringLiteral("top"), top}};
}

struct Case {
    const char* name;
    float widthInCm;
    float viewWidth;
    QRectF expected;
};

class FramingGuidesScale : public ::testing::TestWithParam<Case> {};

TEST_P(FramingGuidesScale, ScalesCentimetresByTheViewWidth) {
    const QVariantMap guides{{QStringLiteral("Eyes"), guide(1, 1, 2, 3)}};
    const auto placed =
        FramingGuides::guidesInView(guides, GetParam().widthInCm, GetParam().viewWidth);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].name, QStringLiteral("Eyes"));
    EXPECT_EQ(placed[0].rect, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Views, FramingGuidesScale,
                         ::testing::Values(Case{"Worked", 3.5f, 350, QRectF(100, 100, 100, 200)},
                                           Case{"HalfSize", 3.5f, 175, QRectF(50, 50, 50, 100)},
                                           Case{"TwoInches", 5.08f, 508,
                                                QRectF(100, 100, 100, 200)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FramingGuides, TheFaceBoxComesFirstWhateverTheNamesOfTheOthers) {
    const QVariantMap guides{{QStringLiteral("!Chin"), guide(0, 0, 1, 1)},
                             {QStringLiteral("Eyes"), guide(0, 2, 3.5f, 3)},
                             {Preset::kFaceGuide, guide(0.5f, 0.5f, 3, 4)}};
    const auto placed = FramingGuides::guidesInView(guides, 3.5f, 350);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].name, Preset::kFaceGuide);
    EXPECT_EQ(placed[1].name, QStringLiteral("!Chin"));
    EXPECT_EQ(placed[2].name, QStringLiteral("Eyes"));
}

TEST(FramingGuides, NothingToPlaceWithoutGuidesOrWidth) {
    const QVariantMap guides{{QStringLiteral("Eyes"), guide(1, 1, 2, 3)},
                             {QStringLiteral("Broken"), QStringLiteral("not a guide")}};
    EXPECT_TRUE(FramingGuides::guidesInView(std::nullopt, 3.5f, 350).empty());
    EXPECT_TRUE(FramingGuides::guidesInView(guides, 0, 350).empty());
    EXPECT_TRUE(FramingGuides::guidesInView(guides, -1, 350).empty());
    EXPECT_EQ(FramingGuides::guidesInView(guides, 3.5f, 350).size(), 1u);
}

TEST(FramingGuides, TheCentreLineRunsUpTheMiddle) {
    EXPECT_EQ(FramingGuides::centreLine(QSizeF(350, 450)), QLineF(175, 0, 175, 450));
}

} // namespace

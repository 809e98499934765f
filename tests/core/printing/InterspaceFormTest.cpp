#include "core/printing/InterspaceForm.h"
#include "core/document/DisplayUnits.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kFrench(QLocale::French, QLocale::France);

TEST(InterspaceForm, ShowsATenthOfAMillimetreOrAHundredthOfAnInch) {
    struct Case {
        float points;
        bool metric;
        const QLocale& locale;
        const char* text;
        int steps;
    };
    const std::vector<Case> cases = {
        {15.0f, true, kEnglish, "5.3", 53},      {15.0f, false, kEnglish, "0.21", 21},
        {15.0f, true, kFrench, "5,3", 53},       {15.0f, false, kFrench, "0,21", 21},
        {0.0f, true, kEnglish, "0.0", 0},        {0.0f, false, kEnglish, "0.00", 0},
        {28.35f, true, kEnglish, "10.0", 100},   {72.009f, false, kEnglish, "1.00", 100},
        {2000.0f, true, kEnglish, "705.5", 250}, // typed on the command line: shown, slider at its
                                                 // end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << (c.metric ? " pt in mm" : " pt in in"));
        EXPECT_EQ(InterspaceForm::text(c.points, c.metric, c.locale), QString::fromLatin1(c.text));
        EXPECT_EQ(InterspaceForm::steps(c.points, c.metric), c.steps);
    }
    EXPECT_EQ(InterspaceForm::maximumSteps(true), 250);
    EXPECT_EQ(InterspaceForm::maximumSteps(false), 100);
    EXPECT_NEAR(InterspaceForm::pointsForSteps(53, true), 5.3 * 2.835, 1e-4);
    EXPECT_NEAR(InterspaceForm::pointsForSteps(21, false), 0.21 * 72.009, 1e-3);
    EXPECT_NEAR(InterspaceForm::pointsForSteps(500, true), 25 * 2.835, 1e-4) << "kept in range";
}

TEST(InterspaceForm, ReadsEitherDecimalSignAndStoresPoints) {
    struct Case {
        const char* text;
        bool metric;
        std::optional<double> value; // in the display unit
    };
    const std::vector<Case> cases = {
        {"3.5", true, 3.5},
        {"3,5", true, 3.5},
        {" 5 ", true, 5.0},
        {",5", true, 0.5},
        {"3.55", true, 3.6}, // to a step of the display, so the slider shows what is kept
        {"0", true, 0.0},
        {"40", true, 25.0}, // no more than the slider reaches
        {"0.21", false, 0.21},
        {"0,21", false, 0.21},
        {"2", false, 1.0},
        {"-1", true, std::nullopt},
        {"", true, std::nullopt},
        {"3.5 mm", true, std::nullopt},
        {"abc", false, std::nullopt},
        {"0.125", false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << (c.metric ? "\" mm" : "\" in"));
        const std::optional<float> points =
            InterspaceForm::points(QString::fromLatin1(c.text), c.metric);
        ASSERT_EQ(points.has_value(), c.value.has_value());
        if (c.value) {
            EXPECT_NEAR(*points, DisplayUnits::toPoints(*c.value, c.metric), 1e-4);
        }
    }
}

} // namespace

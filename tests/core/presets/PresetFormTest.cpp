#include "core/presets/PresetForm.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "core/platform/ResourceFolder.h"
#include "core/presets/Preset.h"
#include "core/presets/PresetIcon.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QImage>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

using F = PresetForm;
using P = PresetForm::Problem;

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kFrench(QLocale::French, QLocale::France);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(PresetForm, ReadsNumbersWithEitherDecimalSignAndAtMostTwoDecimals) {
    const std::vector<std::pair<QString, std::optional<double>>> cases = {
        {QStringLiteral("3.5"), 3.5},
        {QStringLiteral("3,5"), 3.5},
        {QStringLiteral(" 2 "), 2.0},
        {QStringLiteral("-0.25"), -0.25},
        {QStringLiteral(".5"), 0.5},
        {QStringLiteral("5."), 5.0},
        {QStringLiteral("+1,05"), 1.05},
        {QString(QChar(0x2212)) + QStringLiteral("1"), -1.0},
        {QStringLiteral("1.234"), std::nullopt},
        {QStringLiteral("1,000"), std::nullopt},
        {QStringLiteral("1.2.3"), std::nullopt},
        {QStringLiteral("abc"), std::nullopt},
        {QStringLiteral("3 cm"), std::nullopt},
        {QStringLiteral(""), std::nullopt},
        {QStringLiteral("-"), std::nullopt},
        {QStringLiteral("."), std::nullopt},
        {QStringLiteral("1e3"), std::nullopt},
        {QStringLiteral("inf"), std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(PresetForm::readNumber(text), expected) << text.toStdString();
    }
}

TEST(PresetForm, ShowsLengthsInTheUnitWithTheLocalesDecimalSign) {
    struct Case {
        float centimetres;
        bool metric;
        QLocale locale;
        const char* text;
    };
    const std::vector<Case> cases = {
        {2.54f, false, kEnglish, "1"},       {5.08f, false, kEnglish, "2"},
        {0.79f, false, kEnglish, "0.31"},    {3.5f, false, kEnglish, "1.38"},
        {3.5f, true, kEnglish, "3.5"},       {3.5f, true, kFrench, "3,5"},
        {4.93f, true, kGerman, "4,93"},      {100.0f, true, kEnglish, "100"},
        {10.0f, true, kFrench, "10"},        {0.0f, true, kEnglish, "0"},
        {-0.001f, true, kEnglish, "0"},      {-0.5f, true, kGerman, "-0,5"},
        {1234.5f, true, kEnglish, "1234.5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PresetForm::lengthText(c.centimetres, c.metric, c.locale),
                  QString::fromUtf8(c.text))
            << c.centimetres << (c.metric ? " cm " : " in ") << c.locale.name().toStdString();
    }
}

// A preset whose lengths do not survive rounding to two decimals of either unit.
std::shared_ptr<Preset> oddPreset() {
    auto preset = std::make_shared<Preset>();
    preset->setName(QStringLiteral("Odd"));
    preset->setPrintWidth(3.456f, 4.5678f);
    preset->setFaceLeft(0.123f, 4.001f, 3.333f, 0.7874f);
    preset->setEyesLeft(0.0f, 3.14159f, 3.456f, 2.71828f);
    return preset;
}

TEST(PresetForm, LengthsLeftAsShownKeepTheirStoredValueInBothUnits) {
    const auto preset = oddPreset();
    for (const bool metric : {true, false}) {
        const PresetForm form(*preset, metric, kFrench);
        EXPECT_EQ(form.text(F::Name), QStringLiteral("Odd"));
        EXPECT_EQ(form.centimetres(F::PrintWidth), 3.456f);
        EXPECT_EQ(form.centimetres(F::PrintHeight), 4.5678f);
        EXPECT_EQ(form.centimetres(F::FaceBottom), 0.7874f);
        EXPECT_EQ(form.centimetres(F::EyesTop), 3.14159f);
        EXPECT_EQ(form.centimetres(F::EyesBottom), 2.71828f);
        EXPECT_FALSE(form.firstProblem()) << "metric " << metric;
    }
}

TEST(PresetForm, EditedLengthsAreReadInTheDisplayUnit) {
    const auto preset = oddPreset();
    PresetForm inches(*preset, false, kEnglish);
    inches.setText(F::FaceBottom, QStringLiteral("1"));
    inches.setText(F::PrintWidth, QStringLiteral("1,5"));
    EXPECT_FLOAT_EQ(*inches.centimetres(F::FaceBottom), 2.54f);
    EXPECT_FLOAT_EQ(*inches.centimetres(F::PrintWidth), 3.81f);
    inches.setText(F::PrintWidth, PresetForm::lengthText(3.456f, false, kEnglish));
    EXPECT_EQ(inches.centimetres(F::PrintWidth), 3.456f) << "typed back as shown";

    PresetForm centimetres(*preset, true, kEnglish);
    for (const QString& text : {QStringLiteral("3.5"), QStringLiteral("3,5")}) {
        centimetres.setText(F::PrintHeight, text);
        EXPECT_EQ(centimetres.centimetres(F::PrintHeight), 3.5f) << text.toStdString();
    }
    centimetres.setText(F::PrintHeight, QStringLiteral("tall"));
    EXPECT_FALSE(centimetres.centimetres(F::PrintHeight));
    EXPECT_FALSE(centimetres.centimetres(F::Name));
}

TEST(PresetForm, ChangingTheUnitConvertsEditsAndKeepsWhatIsNoNumber) {
    const auto preset = oddPreset();
    PresetForm form(*preset, true, kEnglish);
    form.setText(F::PrintWidth, QStringLiteral("3,5"));
    form.setText(F::FaceLeft, QStringLiteral("left"));
    form.setMetric(false);
    EXPECT_FALSE(form.metric());
    EXPECT_EQ(form.text(F::PrintWidth), QStringLiteral("1.38"));
    EXPECT_EQ(form.centimetres(F::PrintWidth), 3.5f);
    EXPECT_EQ(form.text(F::FaceLeft), QStringLiteral("left"));
    EXPECT_EQ(form.centimetres(F::EyesTop), 3.14159f);
    form.setMetric(true);
    EXPECT_EQ(form.text(F::PrintWidth), QStringLiteral("3.5"));
    EXPECT_EQ(form.centimetres(F::PrintWidth), 3.5f);
}

struct ProblemCase {
    const char* name;
    std::vector<std::pair<F::Field, QString>> texts;
    bool metric;
    std::vector<std::pair<F::Field, P>> expected; // every other field is fine
};

void PrintTo(const ProblemCase& c, std::ostream* os) {
    *os << c.name;
}

class PresetFormProblems : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(PresetFormProblems, FlagTheWrongFieldsOnly) {
    const ProblemCase& c = GetParam();
    auto preset = Preset::defaultPreset(); // 5.08 x 5.08, face 0.79..4.29 x 1.63..4.93
    PresetForm form(*preset, c.metric, kEnglish);
    for (const auto& [field, text] : c.texts) {
        form.setText(field, text);
    }
    std::array<P, F::kFieldCount> expected{};
    expected.fill(P::None);
    for (const auto& [field, problem] : c.expected) {
        expected[field] = problem;
    }
    const auto found = form.problems();
    for (int i = 0; i < F::kFieldCount; ++i) {
        EXPECT_EQ(found[i], expected[i]) << "field " << i;
    }
    const std::optional<F::Field> first =
        c.expected.empty() ? std::nullopt : std::optional(c.expected.front().first);
    EXPECT_EQ(form.firstProblem(), first);
}

const QString kLongName = QString(250, QLatin1Char('x'));

INSTANTIATE_TEST_SUITE_P(
    Cases, PresetFormProblems,
    ::testing::Values(
        ProblemCase{"Default", {}, true, {}}, ProblemCase{"DefaultInInches", {}, false, {}},
        ProblemCase{"NameBlank", {{F::Name, "   "}}, true, {{F::Name, P::EmptyName}}},
        ProblemCase{"NameSlash", {{F::Name, "A/B"}}, true, {{F::Name, P::NotAFileName}}},
        ProblemCase{"NameDotDot", {{F::Name, ".."}}, true, {{F::Name, P::NotAFileName}}},
        ProblemCase{"NameTooLong", {{F::Name, kLongName}}, true, {{F::Name, P::NotAFileName}}},
        ProblemCase{"NameWithSpaces", {{F::Name, "Visa 2 × 2"}}, true, {}},
        ProblemCase{"WidthEmpty", {{F::PrintWidth, " "}}, true, {{F::PrintWidth, P::EmptyLength}}},
        ProblemCase{"WidthText", {{F::PrintWidth, "wide"}}, true, {{F::PrintWidth, P::NotANumber}}},
        ProblemCase{
            "WidthZero", {{F::PrintWidth, "0"}}, true, {{F::PrintWidth, P::SizeOutOfRange}}},
        ProblemCase{"HeightAbove100cm",
                    {{F::PrintHeight, "100.01"}, {F::Name, "Tall"}},
                    true,
                    {{F::PrintHeight, P::SizeOutOfRange}}},
        ProblemCase{"Height100cm", {{F::PrintHeight, "100"}}, true, {}},
        ProblemCase{"HeightAbove100cmInInches",
                    {{F::PrintHeight, "39.38"}},
                    false,
                    {{F::PrintHeight, P::SizeOutOfRange}}},
        ProblemCase{
            "FaceRightOnLeft", {{F::FaceRight, "0.79"}}, true, {{F::FaceRight, P::NotRightOfLeft}}},
        ProblemCase{
            "FaceTopBelowBottom", {{F::FaceTop, "1"}}, true, {{F::FaceTop, P::NotAboveBottom}}},
        ProblemCase{
            "EyesTopOnBottom", {{F::EyesTop, "2,85"}}, true, {{F::EyesTop, P::NotAboveBottom}}},
        ProblemCase{"EyesRightBeyondWidth",
                    {{F::EyesRight, "5.2"}},
                    true,
                    {{F::EyesRight, P::OutsidePhoto}}},
        ProblemCase{
            "EyesLeftBelowZero", {{F::EyesLeft, "-0.02"}}, true, {{F::EyesLeft, P::OutsidePhoto}}},
        ProblemCase{"FaceTopAboveHeightInInches",
                    {{F::FaceTop, "2.05"}},
                    false,
                    {{F::FaceTop, P::OutsidePhoto}}},
        ProblemCase{"NarrowerPhotoLeavesTheEyesBandOutside",
                    {{F::PrintWidth, "4.5"}},
                    true,
                    {{F::EyesRight, P::OutsidePhoto}}},
        ProblemCase{"NoPhotoToBeOutsideOf",
                    {{F::PrintWidth, "x"}, {F::EyesRight, "9"}},
                    true,
                    {{F::PrintWidth, P::NotANumber}}},
        ProblemCase{"EveryFieldInWindowOrder",
                    {{F::EyeLineMaximum, "0"},
                     {F::EyeLineMinimum, "0"},
                     {F::EyesBottom, ""},
                     {F::FaceLeft, "?"},
                     {F::Name, ""}},
                    true,
                    {{F::Name, P::EmptyName},
                     {F::FaceLeft, P::NotANumber},
                     {F::EyesBottom, P::EmptyLength},
                     {F::EyeLineMinimum, P::RuleOutOfRange},
                     {F::EyeLineMaximum, P::RuleOutOfRange}}},
        ProblemCase{
            "RuleBothEndsBlankIsNoRule", {{F::HeadMinimum, " "}, {F::HeadMaximum, ""}}, true, {}},
        ProblemCase{
            "RuleHalfEmpty", {{F::HeadMinimum, "32"}}, true, {{F::HeadMaximum, P::RuleHalfEmpty}}},
        ProblemCase{"RuleMaximumBelowMinimum",
                    {{F::HeadMinimum, "36"}, {F::HeadMaximum, "32"}},
                    true,
                    {{F::HeadMaximum, P::RuleBelowMinimum}}},
        ProblemCase{"RuleOfOneValue", {{F::HeadMinimum, "34"}, {F::HeadMaximum, "34"}}, true, {}},
        ProblemCase{"RuleNegative",
                    {{F::EyeLineMinimum, "-22.5"}, {F::EyeLineMaximum, "31.5"}},
                    true,
                    {{F::EyeLineMinimum, P::RuleOutOfRange}}},
        ProblemCase{"RuleUpToThePhotosHeight",
                    {{F::EyeLineMinimum, "25.4"}, {F::EyeLineMaximum, "50.8"}},
                    false,
                    {}},
        ProblemCase{"RuleAboveThePhotosHeight",
                    {{F::EyeLineMinimum, "25.4"}, {F::EyeLineMaximum, "50.9"}},
                    true,
                    {{F::EyeLineMaximum, P::RuleOutOfRange}}},
        ProblemCase{"RuleAboveATypedHeight",
                    {{F::PrintHeight, "5"}, {F::HeadMinimum, "32"}, {F::HeadMaximum, "50.5"}},
                    true,
                    {{F::HeadMaximum, P::RuleOutOfRange}}},
        ProblemCase{"RuleWithoutAHeightToCompare",
                    {{F::PrintHeight, "x"}, {F::HeadMinimum, "32"}, {F::HeadMaximum, "460"}},
                    true,
                    {{F::PrintHeight, P::NotANumber}}}),
    NameOfParam());

TEST(PresetForm, RulesShowInMillimetresWhateverTheUnitAndKeepTheirExactValues) {
    auto preset = oddPreset();
    const FormatRules rules{MillimetreRange{25.4, 34.9251}, MillimetreRange{28.5749, 34.9251},
                            FormatRules::Background::LightNotWhite};
    preset->setRules(rules);
    for (const bool metric : {true, false}) {
        PresetForm form(*preset, metric, kFrench);
        EXPECT_EQ(form.text(F::HeadMinimum), QStringLiteral("25,4"));
        EXPECT_EQ(form.text(F::EyeLineMinimum), QStringLiteral("28,57"));
        EXPECT_EQ(form.rules(), rules) << "untouched, the rounding of the display stays out";
        form.setMetric(!metric);
        EXPECT_EQ(form.text(F::HeadMaximum), QStringLiteral("34,93"));
        EXPECT_EQ(form.rules(), rules);
        EXPECT_FALSE(form.centimetres(F::HeadMinimum)) << "a rule is no length of the display";
        EXPECT_FALSE(form.millimetres(F::PrintHeight));
    }

    PresetForm edited(*preset, false, kEnglish);
    edited.setText(F::HeadMaximum, QStringLiteral("35,5"));
    edited.setText(F::EyeLineMinimum, QString());
    edited.setText(F::EyeLineMaximum, QStringLiteral(" "));
    edited.setBackground(FormatRules::Background::White);
    EXPECT_FALSE(edited.firstProblem());
    EXPECT_EQ(edited.rules(), (FormatRules{MillimetreRange{25.4, 35.5}, std::nullopt,
                                           FormatRules::Background::White}));

    const PresetForm without(*Preset::defaultPreset(), true, kEnglish);
    EXPECT_TRUE(without.text(F::HeadMinimum).isEmpty());
    EXPECT_TRUE(without.rules().isEmpty());
}

TEST(PresetForm, AcceptsEveryBuiltInPresetAsItIs) {
    TemporaryHome home;
    ResourceFolder::setOverride(QString());
    const auto all = Preset::presets();
    ASSERT_FALSE(all.empty());
    for (const auto& preset : all) {
        for (const bool metric : {true, false}) {
            PresetForm form(*preset, metric, kGerman);
            form.setText(F::Name, QStringLiteral("Copy")); // some built-in names hold a "/"
            EXPECT_FALSE(form.firstProblem())
                << preset->name().toStdString() << (metric ? " in cm" : " in inches");
        }
    }
}

std::shared_ptr<Image> pictureOfSize(int width, int height) {
    QImage pixels(width, height, QImage::Format_RGB32);
    pixels.fill(Qt::darkCyan);
    auto picture = std::make_shared<Image>(QSizeF(width, height));
    picture->addRepresentation(BitmapImageRep::initWithQImage(pixels));
    return picture;
}

TEST(PresetIcon, LargePicturesAreReducedToFitAndSmallOnesKept) {
    const auto small = pictureOfSize(64, 40);
    EXPECT_EQ(PresetIcon::fromPicture(small), small);
    for (const auto& [width, height, expected] : std::vector<std::tuple<int, int, QSize>>{
             {1000, 500, {128, 64}}, {300, 1200, {32, 128}}, {129, 129, {128, 128}}}) {
        const auto icon = PresetIcon::fromPicture(pictureOfSize(width, height));
        ASSERT_TRUE(icon);
        const auto& rep = icon->representations().front();
        EXPECT_EQ(QSize(rep->pixelsWide(), rep->pixelsHigh()), expected) << width << "x" << height;
    }
    EXPECT_FALSE(PresetIcon::fromPicture(nullptr));
    EXPECT_FALSE(PresetIcon::fromPicture(std::make_shared<Image>(QSizeF(10, 10))));
}

} // namespace

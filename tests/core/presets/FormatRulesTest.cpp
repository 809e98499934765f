#include "core/presets/FormatRules.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

// Internal linkage: found by the printer for the rules' own (global) namespace.
static void PrintTo(const FormatRules& rules, std::ostream* os) {
    *os << QJsonDocument(QJsonObject::fromVariantMap(rules.dictionary())).toJson().toStdString();
}

namespace {

std::string text(const QVariantMap& dictionary) {
    return QJsonDocument(QJsonObject::fromVariantMap(dictionary)).toJson().toStdString();
}

using Background = FormatRules::Background;

const MillimetreRange kIcaoHead{32, 36};
const MillimetreRange kIcaoEyes{22.5, 31.5};

TEST(FormatRules, SurviveTheirDictionaryAndStateNothingMore) {
    const std::vector<FormatRules> cases = {
        {},
        {kIcaoHead, kIcaoEyes, Background::Light},
        {kIcaoHead, std::nullopt, Background::LightNotWhite},
        {std::nullopt, MillimetreRange{28.6, 34.9}, Background::White},
        {std::nullopt, std::nullopt, Background::White},
        {MillimetreRange{34, 34}, std::nullopt, Background::Light},
    };
    for (const FormatRules& rules : cases) {
        const QVariantMap dictionary = rules.dictionary();
        EXPECT_EQ(FormatRules::fromDictionary(dictionary), rules) << text(dictionary);
        EXPECT_EQ(dictionary.isEmpty(), rules.isEmpty()) << text(dictionary);
        // A range writes both ends or neither; light, the default, is not written.
        EXPECT_EQ(dictionary.contains(FormatRules::kHeadMinimum), rules.headHeight.has_value());
        EXPECT_EQ(dictionary.contains(FormatRules::kHeadMaximum), rules.headHeight.has_value());
        EXPECT_EQ(dictionary.contains(FormatRules::kEyeLineMaximum), rules.eyeLine.has_value());
        EXPECT_EQ(dictionary.contains(FormatRules::kBackground),
                  rules.background != Background::Light);
    }
    EXPECT_EQ(
        (FormatRules{kIcaoHead, kIcaoEyes}.dictionary()),
        (QVariantMap{
            {"headMin", 32.0}, {"headMax", 36.0}, {"eyeLineMin", 22.5}, {"eyeLineMax", 31.5}}));
}

struct Malformed {
    const char* name;
    QVariantMap dictionary;
    FormatRules expected;
};

void PrintTo(const Malformed& c, std::ostream* os) {
    *os << c.name;
}

class FormatRulesMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(FormatRulesMalformed, ReadAsFewerRules) {
    EXPECT_EQ(FormatRules::fromDictionary(GetParam().dictionary), GetParam().expected);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatRulesMalformed,
    ::testing::Values(
        Malformed{"Empty", {}, {}},
        Malformed{"WholeNumbers",
                  {{"headMin", 32}, {"headMax", qlonglong(36)}},
                  {kIcaoHead, std::nullopt, Background::Light}},
        Malformed{"NumbersAsText", {{"headMin", "32"}, {"headMax", "36"}}, {}},
        Malformed{"Booleans", {{"headMin", true}, {"headMax", true}}, {}},
        Malformed{"ADictionaryForANumber",
                  {{"headMin", QVariantMap{{"value", 32}}}, {"headMax", 36}},
                  {}},
        Malformed{"HalfARange", {{"headMin", 32.0}}, {}},
        Malformed{"MinimumAboveMaximum", {{"headMin", 36.0}, {"headMax", 32.0}}, {}},
        Malformed{"Negative", {{"eyeLineMin", -22.5}, {"eyeLineMax", 31.5}}, {}},
        Malformed{"Zero", {{"eyeLineMin", 0.0}, {"eyeLineMax", 31.5}}, {}},
        Malformed{"NotFinite", {{"headMin", kNaN}, {"headMax", kInfinity}}, {}},
        Malformed{"OneBadRangeLeavesTheOther",
                  {{"headMin", 36.0},
                   {"headMax", 32.0},
                   {"eyeLineMin", 22.5},
                   {"eyeLineMax", 31.5},
                   {"background", "white"}},
                  {std::nullopt, kIcaoEyes, Background::White}},
        Malformed{"UnknownBackground", {{"background", "blue"}}, {}},
        Malformed{"BackgroundAsANumber", {{"background", 1}}, {}},
        Malformed{
            "UnknownKeysIgnored",
            {{"headMin", 32}, {"headMax", 36}, {"chinMin", 7}, {"background", "lightNotWhite"}},
            {kIcaoHead, std::nullopt, Background::LightNotWhite}}),
    NameOfParam());

TEST(MillimetreRange, SaysHowFarAValueLiesOutside) {
    struct Case {
        double value;
        bool inside;
        double distance;
    };
    for (const Case& c : std::vector<Case>{{31, false, 1},
                                           {31.9, false, 0.1},
                                           {32, true, 0},
                                           {34, true, 0},
                                           {36, true, 0},
                                           {36.5, false, 0.5},
                                           {-4, false, 36}}) {
        EXPECT_EQ(kIcaoHead.contains(c.value), c.inside) << c.value;
        EXPECT_NEAR(kIcaoHead.distance(c.value), c.distance, 1e-9) << c.value;
    }
    EXPECT_EQ(kIcaoHead.middle(), 34);
    EXPECT_EQ(kIcaoEyes.middle(), 27);
}

} // namespace

#include "core/imaging/LookupTables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

using Table = std::array<std::uint8_t, 256>;

// The photo document's slider mapping, in the same float arithmetic.
float contrastFromSlider(int slider) {
    const float v = static_cast<float>(slider) * 0.01f;
    return v * v * 0.25f + 1.0f + v * 0.75f;
}
float brightnessFromSlider(int slider) {
    return static_cast<float>(slider) * 0.02f;
}

struct SliderCase {
    const char* name;
    int contrast;
    int brightness;
    std::array<int, 7> expected; // at inputs 0, 64, 127, 128, 129, 192, 255
};

class LookupTablesSliders : public ::testing::TestWithParam<SliderCase> {};

TEST_P(LookupTablesSliders, MapsProbeLevels) {
    const SliderCase& c = GetParam();
    Table table{};
    LookupTables::buildContrastBrightnessLUT(table.data(), contrastFromSlider(c.contrast),
                                             brightnessFromSlider(c.brightness));
    const std::array<int, 7> inputs{0, 64, 127, 128, 129, 192, 255};
    for (std::size_t k = 0; k < inputs.size(); ++k)
        EXPECT_EQ(table[inputs[k]], c.expected[k]) << "input " << inputs[k];
}

INSTANTIATE_TEST_SUITE_P(
    , LookupTablesSliders,
    ::testing::Values(SliderCase{"contrastUp", 100, 0, {0, 0, 126, 128, 130, 255, 255}},
                      SliderCase{"contrastDown", -100, 0, {64, 96, 127, 128, 128, 160, 191}},
                      SliderCase{"brighter", 0, 50, {100, 164, 227, 228, 229, 255, 255}},
                      SliderCase{"darker", 0, -50, {0, 0, 27, 28, 29, 92, 155}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LookupTables, NeutralContrastIsIdentityAndZeroContrastFlatMidGray) {
    Table neutral{}, flat{};
    flat.fill(7);
    LookupTables::buildContrastBrightnessLUT(neutral.data(), 1.0f, 0.0f);
    LookupTables::buildContrastBrightnessLUT(flat.data(), 0.0f, 0.0f);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(neutral[i], i);
        ASSERT_EQ(flat[i], 128);
    }
}

TEST(LookupTables, NeutralGammaIsIdentityExceptTwentyFourEntriesOneLower) {
    Table green{};
    LookupTables::buildGammaLUTs(nullptr, green.data(), nullptr, 0, 0); // null tables are skipped
    LookupTables::buildGammaLUTs(nullptr, nullptr, nullptr, 0, 0);
    int lower = 0, first = -1;
    for (int i = 0; i < 256; ++i) {
        ASSERT_TRUE(green[i] == i || green[i] == i - 1) << i;
        if (green[i] != i) {
            ++lower;
            if (first < 0)
                first = i;
        }
    }
    EXPECT_EQ(lower, 24);
    EXPECT_EQ(first, 33);
    EXPECT_EQ(green[0], 0);
    EXPECT_EQ(green[255], 255);
}

struct GammaCase {
    int gamma;
    int offset;
    int input;
    int expected;
};

class LookupTablesGamma : public ::testing::TestWithParam<GammaCase> {};

TEST_P(LookupTablesGamma, MapsLevel) {
    const GammaCase& c = GetParam();
    Table r{}, g{}, b{};
    LookupTables::buildGammaLUTs(r.data(), g.data(), b.data(), c.gamma, c.offset);
    EXPECT_EQ(r[c.input], c.expected);
    EXPECT_EQ(r, g);
    EXPECT_EQ(r, b);
}

INSTANTIATE_TEST_SUITE_P(, LookupTablesGamma,
                         ::testing::Values(GammaCase{32, 0, 128, 180}, GammaCase{-64, 0, 128, 64},
                                           GammaCase{-128, 0, 128, 0}, // exponent 100
                                           GammaCase{-128, 0, 255, 255},
                                           GammaCase{0, 200, 0, 255},  // offset 1: all white
                                           GammaCase{0, -200, 255, 0}, // offset -1: all black
                                           GammaCase{0, 20, 0, 25}));  // 0.1 * 255 = 25.5

} // namespace

#include "core/imaging/PixelLoops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <tuple>
#include <vector>

using PixelLoops::AlphaPosition;
using PixelLoops::PixelSize;

namespace {

constexpr std::uint8_t kSpare = 0xA5;

// An interleaved picture whose rows may carry spare bytes, which are filled with kSpare.
struct Picture {
    int width = 0, height = 0, bpp = 0;
    std::ptrdiff_t bpr = 0;
    std::vector<std::uint8_t> bytes;

    Picture(int w, int h, int bytesPerPixel, int spare = 0)
        : width(w)
        , height(h)
        , bpp(bytesPerPixel)
        , bpr(std::ptrdiff_t{w} * bytesPerPixel + spare)
        , bytes(static_cast<std::size_t>(bpr) * h, kSpare) {}
    std::uint8_t* px(int x, int y) { return bytes.data() + y * bpr + std::ptrdiff_t{bpp} * x; }
    const std::uint8_t* px(int x, int y) const {
        return bytes.data() + y * bpr + std::ptrdiff_t{bpp} * x;
    }
    template <class F> void fill(F f) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < bpp; ++c)
                    px(x, y)[c] = f(x, y, c);
    }
    void randomize(unsigned seed) {
        std::mt19937 rng(seed);
        fill([&](int, int, int) { return static_cast<std::uint8_t>(rng()); });
    }
    bool sparesIntact() const {
        for (int y = 0; y < height; ++y)
            for (std::ptrdiff_t i = std::ptrdiff_t{width} * bpp; i < bpr; ++i)
                if (bytes[y * bpr + i] != kSpare)
                    return false;
        return true;
    }
};

// Pixel values that tell every position apart (pictures up to 4096 on a side).
std::uint8_t positional(int x, int y, int c) {
    switch (c) {
    case 0:
        return static_cast<std::uint8_t>(x);
    case 1:
        return static_cast<std::uint8_t>(y);
    default:
        return static_cast<std::uint8_t>((x >> 8) | (y >> 8) << 4);
    }
}

bool vectorOf(bool param) {
    return param;
}
template <class... T> bool vectorOf(const std::tuple<T...>& param) {
    return std::get<sizeof...(T) - 1>(param);
}

// Runs each case with the vector paths on (when the processor has them) or off, as the
// parameter (or its last element) says.
template <class Param> class VectorSwitch : public ::testing::TestWithParam<Param> {
protected:
    void SetUp() override {
        const bool vector = vectorOf(this->GetParam());
        if (vector && !PixelLoops::vectorPathsAvailable())
            GTEST_SKIP() << "no AVX-512 VBMI here";
        previous_ = PixelLoops::setVectorPathsEnabled(vector);
    }
    void TearDown() override { PixelLoops::setVectorPathsEnabled(previous_); }

private:
    bool previous_ = true;
};

class PixelLoopsPaths : public VectorSwitch<bool> {};

INSTANTIATE_TEST_SUITE_P(, PixelLoopsPaths, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "vector" : "portable"; });

TEST_P(PixelLoopsPaths, TableMapsEveryByteOfEveryRow) {
    // A table not symmetric around 128 catches a wrong half of the lookup.
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<std::uint8_t>(i * 7 + 3);
    // Widths around the 64- and 128-byte steps, with spare bytes that must be mapped too.
    for (int width : {1, 21, 42, 43, 64, 85, 200}) {
        Picture p(width, 5, 3, 7);
        p.randomize(width);
        const std::vector<std::uint8_t> before = p.bytes;
        PixelLoops::applyTable(p.bytes.data(), p.height, p.bpr, table.data());
        for (std::size_t i = 0; i < before.size(); ++i)
            ASSERT_EQ(p.bytes[i], table[before[i]]) << "width " << width << " byte " << i;
    }
}

// Both drop the alpha byte of 4-byte pixels: into another buffer, or in place.
TEST_P(PixelLoopsPaths, DroppingAlphaKeepsTheColourBytes) {
    for (AlphaPosition alpha : {AlphaPosition::First, AlphaPosition::Last}) {
        const int k = alpha == AlphaPosition::First ? 1 : 0;
        for (int width : {1, 3, 15, 16, 17, 21, 22, 23, 37, 40, 64, 77, 101}) {
            Picture src(width, 4, 4, 5), dst(width, 4, 3, 2);
            src.randomize(width * 3 + k);
            PixelLoops::convert32ToPackedRGB(src.bytes.data(), width, 4, src.bpr, alpha,
                                             dst.bytes.data(), dst.bpr);
            Picture inPlace = src;
            const std::ptrdiff_t packed = 3 * width;
            PixelLoops::stripAlphaInPlace(inPlace.bytes.data(), width, 4, src.bpr, alpha, packed);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < width; ++x)
                    for (int c = 0; c < 3; ++c) {
                        ASSERT_EQ(dst.px(x, y)[c], src.px(x, y)[k + c])
                            << "width " << width << " at " << x << "," << y;
                        ASSERT_EQ(inPlace.bytes[y * packed + 3 * x + c], src.px(x, y)[k + c])
                            << "in place, width " << width << " at " << x << "," << y;
                    }
            EXPECT_TRUE(dst.sparesIntact()) << width;
        }
    }
}

// Y = (77 R + 150 G + 29 B + 128) >> 8, which stored pictures and the gray tests rely on.
TEST_P(PixelLoopsPaths, GrayUsesTheIntegerWeights) {
    for (int spp : {3, 4}) {
        for (int width : {1, 63, 64, 65, 130, 200}) {
            Picture src(width, 3, spp, 9), dst(width, 3, 1, 1);
            src.randomize(width * spp);
            // Saturated colours at the start of the first row.
            const std::uint8_t probes[][3] = {
                {255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
            for (int x = 0; x < std::min(width, 4); ++x)
                std::copy_n(probes[x], 3, src.px(x, 0));
            ASSERT_TRUE(PixelLoops::convertToGray(src.bytes.data(), width, 3, src.bpr, spp,
                                                  dst.bytes.data(), dst.bpr));
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < width; ++x) {
                    const std::uint8_t* s = src.px(x, y);
                    ASSERT_EQ(*dst.px(x, y), (77 * s[0] + 150 * s[1] + 29 * s[2] + 128) >> 8)
                        << spp << " samples, width " << width << " x " << x;
                }
            EXPECT_TRUE(dst.sparesIntact());
        }
    }
}

// ---- quarter turns ------------------------------------------------------------------------

// Where destination pixel (x, y) comes from after `turns` counter-clockwise quarter turns.
std::pair<int, int> quarterSource(int x, int y, int w, int h, int turns) {
    switch ((turns % 4 + 4) % 4) {
    case 1:
        return {w - 1 - y, x};
    case 2:
        return {w - 1 - x, h - 1 - y};
    case 3:
        return {y, h - 1 - x};
    default:
        return {x, y};
    }
}

class PixelLoopsQuarterTurns : public VectorSwitch<std::tuple<int, int, int, bool>> {};

TEST_P(PixelLoopsQuarterTurns, MovesEveryPixelExactly) {
    const auto [turns, bpp, threads, vector] = GetParam();
    // Big enough to span several tiles and, with 2 threads, to be split.
    const int w = threads > 1 ? 1500 : 400, h = threads > 1 ? 1100 : 300;
    Picture src(w, h, bpp, 3);
    src.fill(positional);
    const PixelSize size = PixelLoops::quarterTurnedSize(w, h, turns);
    ASSERT_EQ(size, (turns % 2 ? PixelSize{h, w} : PixelSize{w, h}));
    Picture dst(size.width, size.height, bpp, 5);
    ASSERT_TRUE(PixelLoops::rotateQuarterTurns(src.bytes.data(), w, h, src.bpr, bpp, turns,
                                               dst.bytes.data(), dst.bpr, threads));
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const auto [sx, sy] = quarterSource(x, y, w, h, turns);
            ASSERT_TRUE(std::equal(dst.px(x, y), dst.px(x, y) + bpp, src.px(sx, sy)))
                << turns << " turns, at " << x << "," << y;
        }
    EXPECT_TRUE(dst.sparesIntact());
}

INSTANTIATE_TEST_SUITE_P(, PixelLoopsQuarterTurns,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3, -1, 5),
                                            ::testing::Values(1, 3), ::testing::Values(1, 2),
                                            ::testing::Bool()));

TEST(PixelLoops, QuarterTurnLeftTakesTheTopRightCornerToTheTopLeft) {
    Picture src(4, 2, 1);
    src.fill([](int x, int y, int) { return static_cast<std::uint8_t>(10 * y + x); });
    Picture dst(2, 4, 1);
    PixelLoops::rotateQuarterTurns(src.bytes.data(), 4, 2, src.bpr, 1, 1, dst.bytes.data(),
                                   dst.bpr);
    const std::vector<std::uint8_t> expected{3, 13, 2, 12, 1, 11, 0, 10};
    EXPECT_EQ(dst.bytes, expected);
}

// ---- any angle ----------------------------------------------------------------------------

TEST(PixelLoops, RotatedSizes) {
    struct Case {
        float degrees;
        PixelSize size;
    };
    const Case cases[] = {{0, {400, 300}},    {90, {300, 400}},  {180, {400, 300}},
                          {270, {300, 400}},  {-90, {300, 400}}, {360, {400, 300}},
                          {45, {495, 495}},   {-45, {495, 495}}, {135, {495, 495}},
                          {7.5f, {436, 350}}, {30, {497, 460}},  {89.999f, {301, 401}}};
    for (const Case& c : cases)
        EXPECT_EQ(PixelLoops::rotatedSize(400, 300, c.degrees), c.size) << c.degrees;
    EXPECT_EQ(PixelLoops::rotatedSize(6000, 4000, 7.5f), (PixelSize{6471, 4749}));
}

TEST(PixelLoops, ExactQuarterTurns) {
    const std::pair<float, int> cases[] = {{0, 0},   {90, 1},  {-90, 3},       {360, 0},
                                           {450, 1}, {45, -1}, {90.0001f, -1}, {NAN, -1}};
    for (const auto& [degrees, turns] : cases)
        EXPECT_EQ(PixelLoops::exactQuarterTurns(degrees), turns) << degrees;
}

TEST_P(PixelLoopsPaths, FortyFiveDegreesGivesWhiteCornersAroundThePicture) {
    for (int bpp : {1, 3}) {
        Picture src(400, 300, bpp);
        src.fill([](int, int, int c) { return static_cast<std::uint8_t>(60 + 40 * c); });
        const PixelSize size = PixelLoops::rotatedSize(400, 300, 45);
        Picture dst(size.width, size.height, bpp, 2);
        ASSERT_TRUE(PixelLoops::rotate(src.bytes.data(), 400, 300, src.bpr, bpp, 45,
                                       dst.bytes.data(), size.width, size.height, dst.bpr));
        const int last = size.width - 1;
        for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}, {5, 5}})
            for (int c = 0; c < bpp; ++c)
                EXPECT_EQ(dst.px(x, y)[c], 255) << "corner " << x << "," << y;
        for (auto [x, y] : {std::pair{247, 247}, {247, 100}, {100, 247}, {390, 247}})
            for (int c = 0; c < bpp; ++c)
                EXPECT_EQ(dst.px(x, y)[c], 60 + 40 * c) << "inside " << x << "," << y;
        EXPECT_TRUE(dst.sparesIntact());
    }
}

TEST_P(PixelLoopsPaths, RotatedGradientStaysSmoothAndInPlace) {
    // A horizontal ramp turned by 30 degrees: inside the picture every pixel must equal the
    // ramp at its exact source position (within rounding) and neighbours differ gently.
    const int w = 510, h = 200;
    const float degrees = 30;
    Picture src(w, h, 3);
    src.fill([](int x, int, int c) { return static_cast<std::uint8_t>(c == 1 ? 100 : x / 2); });
    const PixelSize size = PixelLoops::rotatedSize(w, h, degrees);
    Picture dst(size.width, size.height, 3);
    PixelLoops::rotate(src.bytes.data(), w, h, src.bpr, 3, degrees, dst.bytes.data(), size.width,
                       size.height, dst.bpr);
    const double a = degrees * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
    int checked = 0;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const double dx = x + 0.5 - size.width / 2.0, dy = y + 0.5 - size.height / 2.0;
            const double fx = w / 2.0 - 0.5 + c * dx - s * dy;
            const double fy = h / 2.0 - 0.5 + s * dx + c * dy;
            if (fx < 2 || fy < 2 || fx > w - 3 || fy > h - 3)
                continue;
            ++checked;
            const double ramp = fx / 2.0;
            ASSERT_NEAR(dst.px(x, y)[0], ramp, 1.6) << x << "," << y;
            ASSERT_EQ(dst.px(x, y)[1], 100) << x << "," << y;
            ASSERT_LE(std::abs(dst.px(x, y)[0] - dst.px(x - 1, y)[0]), 1) << x << "," << y;
        }
    EXPECT_GT(checked, w * h / 2);
}

TEST(PixelLoops, RotationByAnyAngleTurnsTheSameWayAsQuarterTurns) {
    // 90 degrees into a box one pixel wider on each side goes through the sampling path;
    // the picture must land where the exact quarter turn puts it.
    Picture src(60, 40, 3);
    src.fill(positional);
    Picture exact(40, 60, 3), sampled(42, 62, 3);
    PixelLoops::rotateQuarterTurns(src.bytes.data(), 60, 40, src.bpr, 3, 1, exact.bytes.data(),
                                   exact.bpr);
    PixelLoops::rotate(src.bytes.data(), 60, 40, src.bpr, 3, 90, sampled.bytes.data(), 42, 62,
                       sampled.bpr);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 40; ++x)
            for (int c = 0; c < 3; ++c)
                ASSERT_NEAR(sampled.px(x + 1, y + 1)[c], exact.px(x, y)[c], 4) << x << "," << y;
}

TEST(PixelLoops, VectorAndPortableRotationAgree) {
    if (!PixelLoops::vectorPathsAvailable())
        GTEST_SKIP() << "no AVX-512 VBMI here";
    Picture src(333, 211, 3, 6);
    src.randomize(7);
    for (float degrees : {7.5f, -33.0f, 100.0f, 181.0f, 0.5f}) {
        const PixelSize size = PixelLoops::rotatedSize(333, 211, degrees);
        Picture vec(size.width, size.height, 3, 1), portable(size.width, size.height, 3, 1);
        PixelLoops::rotate(src.bytes.data(), 333, 211, src.bpr, 3, degrees, vec.bytes.data(),
                           size.width, size.height, vec.bpr);
        const bool before = PixelLoops::setVectorPathsEnabled(false);
        PixelLoops::rotate(src.bytes.data(), 333, 211, src.bpr, 3, degrees, portable.bytes.data(),
                           size.width, size.height, portable.bpr);
        PixelLoops::setVectorPathsEnabled(before);
        EXPECT_EQ(vec.bytes, portable.bytes) << degrees; // byte for byte
    }
}

TEST(PixelLoops, TwoThreadsGiveTheSameBytesAsOne) {
    Picture src(1200, 900, 3);
    src.randomize(11);
    const PixelSize size = PixelLoops::rotatedSize(1200, 900, 7.5f);
    Picture one(size.width, size.height, 3), two(size.width, size.height, 3);
    PixelLoops::rotate(src.bytes.data(), 1200, 900, src.bpr, 3, 7.5f, one.bytes.data(), size.width,
                       size.height, one.bpr, 1);
    PixelLoops::rotate(src.bytes.data(), 1200, 900, src.bpr, 3, 7.5f, two.bytes.data(), size.width,
                       size.height, two.bpr, 2);
    EXPECT_EQ(one.bytes, two.bytes);

    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<std::uint8_t>(i ^ 0x5A);
    Picture a = src, b = src;
    PixelLoops::applyTable(a.bytes.data(), a.height, a.bpr, table.data(), 1);
    PixelLoops::applyTable(b.bytes.data(), b.height, b.bpr, table.data(), 2);
    EXPECT_EQ(a.bytes, b.bytes);

    Picture grayOne(1200, 900, 1), grayTwo(1200, 900, 1);
    PixelLoops::convertToGray(src.bytes.data(), 1200, 900, src.bpr, 3, grayOne.bytes.data(),
                              grayOne.bpr, 1);
    PixelLoops::convertToGray(src.bytes.data(), 1200, 900, src.bpr, 3, grayTwo.bytes.data(),
                              grayTwo.bpr, 2);
    EXPECT_EQ(grayOne.bytes, grayTwo.bytes);
}

TEST(PixelLoops, RefusesLayoutsItDoesNotHandle) {
    std::vector<std::uint8_t> src(64, 9), dst(64, 0);
    for (int n : {1, 2, 5})
        EXPECT_FALSE(PixelLoops::convertToGray(src.data(), 2, 2, 16, n, dst.data(), 2)) << n;
    for (int n : {2, 4}) {
        EXPECT_FALSE(PixelLoops::rotateQuarterTurns(src.data(), 2, 2, 8, n, 1, dst.data(), 8));
        EXPECT_FALSE(PixelLoops::rotate(src.data(), 2, 2, 8, n, 10, dst.data(), 2, 2, 8));
    }
    // Stripped rows must hold three bytes a pixel and not outgrow the old rows.
    for (std::ptrdiff_t rows : {11, 17})
        PixelLoops::stripAlphaInPlace(src.data(), 4, 2, 16, AlphaPosition::Last, rows);
    EXPECT_EQ(src, std::vector<std::uint8_t>(64, 9));
    EXPECT_EQ(dst, std::vector<std::uint8_t>(64, 0));
}

} // namespace

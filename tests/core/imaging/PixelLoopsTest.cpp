#include "core/imaging/PixelLoops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using PixelLoops::AlphaPosition;
using PixelLoops::Path;
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

// Sizes of the cases: small ones below the vector steps and the thread threshold, odd widths
// around the steps (8, 16, 32 and 64 pixels or bytes), and one picture big enough to be
// split over two threads.
constexpr int kBigWidth = 1201, kBigHeight = 901;

Path pathOf(Path param) {
    return param;
}
template <class... T> Path pathOf(const std::tuple<T...>& param) {
    return std::get<sizeof...(T) - 1>(param);
}

// Runs each case on the path its parameter (or the parameter's last element) names and puts
// the default back afterwards.
template <class Param> class OnPath : public ::testing::TestWithParam<Param> {
protected:
    void SetUp() override { ASSERT_TRUE(PixelLoops::setPath(pathOf(this->GetParam()))); }
    void TearDown() override { PixelLoops::setPath(previous_); }

    // What the portable loops make of the same call.
    template <class F> static void onPortable(const F& f) {
        const Path path = PixelLoops::currentPath();
        PixelLoops::setPath(Path::Portable);
        f();
        PixelLoops::setPath(path);
    }

private:
    Path previous_ = PixelLoops::currentPath();
};

// Every path this processor runs.
const auto kAllPaths = ::testing::ValuesIn(PixelLoops::availablePaths());

class PixelLoopsPaths : public OnPath<Path> {};

INSTANTIATE_TEST_SUITE_P(, PixelLoopsPaths, kAllPaths,
                         [](const auto& info) { return PixelLoops::pathName(info.param); });

TEST_P(PixelLoopsPaths, TableMapsEveryByteOfEveryRow) {
    // A table not symmetric around 128 catches a wrong half of the lookup, and one that
    // differs in every nibble block a wrong block.
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<std::uint8_t>(i * 7 + 3);
    // Spare bytes are mapped too; row lengths around the 32-, 64- and 128-byte steps.
    for (auto [width, height, threads] : {std::tuple{1, 5, 1},
                                          {10, 5, 1},
                                          {11, 3, 1},
                                          {21, 5, 1},
                                          {42, 5, 1},
                                          {43, 2, 1},
                                          {64, 5, 1},
                                          {85, 5, 1},
                                          {200, 5, 1},
                                          {kBigWidth, kBigHeight, 2}}) {
        Picture p(width, height, 3, 7);
        p.randomize(width);
        const std::vector<std::uint8_t> before = p.bytes;
        PixelLoops::applyTable(p.bytes.data(), p.height, p.bpr, table.data(), threads);
        for (std::size_t i = 0; i < before.size(); ++i)
            ASSERT_EQ(p.bytes[i], table[before[i]]) << "width " << width << " byte " << i;
    }
}

// Both drop the alpha byte of 4-byte pixels: into another buffer, or in place.
TEST_P(PixelLoopsPaths, DroppingAlphaKeepsTheColourBytes) {
    std::vector<std::pair<int, int>> sizes{{kBigWidth, kBigHeight}};
    for (int width : {1, 3, 15, 16, 17, 21, 22, 23, 31, 32, 33, 37, 40, 64, 77, 101})
        sizes.emplace_back(width, 4);
    for (AlphaPosition alpha : {AlphaPosition::First, AlphaPosition::Last}) {
        const int k = alpha == AlphaPosition::First ? 1 : 0;
        for (auto [width, height] : sizes) {
            Picture src(width, height, 4, 5), dst(width, height, 3, 2);
            src.randomize(width * 3 + k);
            PixelLoops::convert32ToPackedRGB(src.bytes.data(), width, height, src.bpr, alpha,
                                             dst.bytes.data(), dst.bpr, 2);
            Picture inPlace = src;
            const std::ptrdiff_t packed = 3 * width;
            PixelLoops::stripAlphaInPlace(inPlace.bytes.data(), width, height, src.bpr, alpha,
                                          packed, 2);
            for (int y = 0; y < height; ++y)
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
    std::vector<std::pair<int, int>> sizes{{kBigWidth, kBigHeight}};
    for (int width : {1, 15, 16, 17, 18, 19, 33, 34, 35, 63, 64, 65, 130, 200})
        sizes.emplace_back(width, 3);
    for (int spp : {3, 4}) {
        for (auto [width, height] : sizes) {
            Picture src(width, height, spp, 9), dst(width, height, 1, 1);
            src.randomize(width * spp);
            // Saturated colours at the start of the first row.
            const std::uint8_t probes[][3] = {
                {255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
            for (int x = 0; x < std::min(width, 4); ++x)
                std::copy_n(probes[x], 3, src.px(x, 0));
            ASSERT_TRUE(PixelLoops::convertToGray(src.bytes.data(), width, height, src.bpr, spp,
                                                  dst.bytes.data(), dst.bpr, 2));
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const std::uint8_t* s = src.px(x, y);
                    ASSERT_EQ(*dst.px(x, y), (77 * s[0] + 150 * s[1] + 29 * s[2] + 128) >> 8)
                        << spp << " samples, width " << width << " at " << x << "," << y;
                }
            EXPECT_TRUE(dst.sparesIntact());
        }
    }
}

// Sampled rotation gives the portable loop's bytes, at the picture's edges too, in pictures
// too small for a vector step and with the rows split over two threads.
TEST_P(PixelLoopsPaths, RotationGivesThePortableBytes) {
    struct Case {
        int width, height, bpp;
        float degrees;
        int threads;
    };
    const Case cases[] = {
        {333, 211, 3, 7.5f, 1}, {333, 211, 3, -33, 1},  {333, 211, 3, 100, 1},
        {333, 211, 3, 181, 1},  {333, 211, 3, 0.5f, 1}, {333, 211, 3, 45, 1},
        {3, 2, 3, 30, 1},       {4, 3, 3, -60, 1},      {17, 9, 3, 12, 1},
        {2, 2, 3, 30, 1},       {1, 1, 3, 45, 1},       {kBigWidth, kBigHeight, 3, 7.5f, 2}};
    for (const Case& c : cases) {
        Picture src(c.width, c.height, c.bpp, 6);
        src.randomize(static_cast<unsigned>(c.width * 7 + c.bpp));
        const PixelSize size = PixelLoops::rotatedSize(c.width, c.height, c.degrees);
        Picture ours(size.width, size.height, c.bpp, 2), portable = ours;
        const auto run = [&](Picture& dst) {
            return PixelLoops::rotate(src.bytes.data(), c.width, c.height, src.bpr, c.bpp,
                                      c.degrees, dst.bytes.data(), size.width, size.height, dst.bpr,
                                      c.threads);
        };
        ASSERT_TRUE(run(ours));
        onPortable([&] { run(portable); });
        EXPECT_EQ(ours.bytes, portable.bytes)
            << c.width << "x" << c.height << " by " << c.degrees << " degrees";
        EXPECT_TRUE(ours.sparesIntact());
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

class PixelLoopsQuarterTurns : public OnPath<std::tuple<int, int, Path>> {};

TEST_P(PixelLoopsQuarterTurns, MovesEveryPixelExactly) {
    const auto [turns, bpp, path] = GetParam();
    // Sides that fill no block exactly, several tiles, a split over two threads.
    for (auto [w, h, threads] :
         {std::tuple{1, 1, 1}, {7, 5, 1}, {17, 9, 1}, {403, 301, 1}, {1501, 1403, 2}}) {
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
                    << w << "x" << h << ", " << turns << " turns, at " << x << "," << y;
            }
        EXPECT_TRUE(dst.sparesIntact());
    }
}

std::string
quarterTurnCaseName(const ::testing::TestParamInfo<PixelLoopsQuarterTurns::ParamType>& info) {
    const auto [turns, bpp, path] = info.param;
    return (turns < 0 ? "minus" + std::to_string(-turns) : std::to_string(turns)) + "turns_" +
           std::to_string(bpp) + "bytes_" + PixelLoops::pathName(path);
}

INSTANTIATE_TEST_SUITE_P(, PixelLoopsQuarterTurns,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3, -1, 5),
                                            ::testing::Values(1, 3), kAllPaths),
                         quarterTurnCaseName);

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

// A document may hold any angle: one that is no number turns nothing, as 0 does.
TEST(PixelLoops, AnAngleThatIsNoNumberTurnsNothing) {
    Picture src(40, 30, 3);
    src.randomize(3);
    const PixelSize size = PixelLoops::rotatedSize(40, 30, 0);
    std::vector<std::uint8_t> still(size_t(size.width) * size.height * 3);
    ASSERT_TRUE(PixelLoops::rotate(src.bytes.data(), 40, 30, src.bpr, 3, 0, still.data(),
                                   size.width, size.height, size.width * 3));
    for (const float degrees : {NAN, INFINITY, -INFINITY}) {
        EXPECT_EQ(PixelLoops::rotatedSize(40, 30, degrees), size) << degrees;
        for (const PixelSize box : {size, PixelSize{50, 50}}) {
            std::vector<std::uint8_t> turned(size_t(box.width) * box.height * 3, 7);
            ASSERT_TRUE(PixelLoops::rotate(src.bytes.data(), 40, 30, src.bpr, 3, degrees,
                                           turned.data(), box.width, box.height, box.width * 3));
            if (box == size) {
                EXPECT_EQ(turned, still) << degrees;
            }
        }
    }
}

TEST(PixelLoops, ExactQuarterTurns) {
    const std::pair<float, int> cases[] = {{0, 0},   {90, 1},  {-90, 3},       {360, 0},
                                           {450, 1}, {45, -1}, {90.0001f, -1}, {NAN, -1}};
    for (const auto& [degrees, turns] : cases)
        EXPECT_EQ(PixelLoops::exactQuarterTurns(degrees), turns) << degrees;
}

// What the rotation draws; every path gives these bytes (RotationGivesThePortableBytes).
TEST(PixelLoops, FortyFiveDegreesGivesWhiteCornersAroundThePicture) {
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

TEST(PixelLoops, RotatedGradientStaysSmoothAndInPlace) {
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

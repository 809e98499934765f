#include "core/imaging/Filters.h"
#include "core/platform/BitmapImageRep.h"
#include "support/ImageTestSupport.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace {

using ColorSpace = BitmapImageRep::ColorSpace;
using imagetest::layout;

// Every byte of the bitmap (spare bytes included) numbered in order.
std::shared_ptr<BitmapImageRep> numbered(const BitmapImageRep::Layout& l,
                                         QSizeF points = {36, 18}) {
    auto rep = BitmapImageRep::initWithLayout(l);
    if (rep) {
        for (qint64 i = 0; i < rep->dataSize(); ++i)
            rep->bitmapData()[i] = static_cast<std::uint8_t>(i * 5 + 1);
        rep->setSize(points);
    }
    return rep;
}

const std::uint8_t* pixel(const BitmapImageRep& rep, int x, int y) {
    return rep.bitmapData() + y * rep.bytesPerRow() + x * rep.bitsPerPixel() / 8;
}

class FiltersFourBytes : public ::testing::TestWithParam<unsigned> {};

// All give packed RGB of the colour bytes, one point per pixel: the conversion and the
// stripping in a new bitmap, the in-place packing over the source's own bytes.
TEST_P(FiltersFourBytes, EveryPackingTakesTheColourBytes) {
    const unsigned format = GetParam();
    const int k = format & BitmapImageRep::kAlphaFirst ? 1 : 0;
    const auto src = numbered(layout(5, 3, 4, format, 24));
    const auto consumed = numbered(layout(5, 3, 4, format, 24));
    ASSERT_TRUE(src && consumed);
    const unsigned char* consumedBytes = consumed->bitmapData();
    const auto inPlace =
        Filters::packedRGB(consumed, ColorSpace::CalibratedRGB, Filters::Packing::InPlace);
    ASSERT_TRUE(inPlace);
    EXPECT_EQ(inPlace->bitmapData(), consumedBytes);
    for (const auto& rgb :
         {Filters::convertToRGB(src), Filters::strippedAlphaImageRep(src), inPlace}) {
        ASSERT_TRUE(rgb);
        ASSERT_NE(rgb, src);
        EXPECT_EQ(rgb->samplesPerPixel(), 3);
        EXPECT_EQ(rgb->bitsPerPixel(), 24);
        EXPECT_EQ(rgb->bytesPerRow(), 15);
        EXPECT_FALSE(rgb->hasAlpha());
        EXPECT_EQ(rgb->colorSpaceName(), ColorSpace::CalibratedRGB);
        EXPECT_EQ(rgb->size(), QSizeF(5, 3)); // not the source's size
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(std::memcmp(pixel(*rgb, x, y), pixel(*src, x, y) + k, 3), 0) << x << y;
    }
}

INSTANTIATE_TEST_SUITE_P(, FiltersFourBytes, ::testing::Values(0u, BitmapImageRep::kAlphaFirst),
                         [](const auto& info) { return info.param ? "alphaFirst" : "alphaLast"; });

// Packed RGB is copied with its spare bytes by the conversion, and kept as it is by the
// stripping, so that callers can tell whether anything changed.
TEST(Filters, PackedRGBIsCopiedByConversionAndKeptByStripping) {
    const auto src = numbered(layout(5, 3, 3, 0, 17));
    const auto copy = Filters::convertToRGB(src);
    ASSERT_TRUE(copy);
    EXPECT_NE(copy, src);
    EXPECT_EQ(copy->bytesPerRow(), 17);
    EXPECT_EQ(copy->size(), src->size());
    EXPECT_EQ(std::memcmp(copy->bitmapData(), src->bitmapData(), src->dataSize()), 0);
    EXPECT_EQ(Filters::strippedAlphaImageRep(src), src);
    EXPECT_EQ(Filters::strippedAlphaImageRep(nullptr), nullptr);
}

TEST(Filters, ConvertToRGBRefusesGrayWithAWarning) {
    LogCapture log;
    const auto gray = numbered(layout(5, 3, 1));
    EXPECT_EQ(Filters::convertToRGB(gray), nullptr);
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_TRUE(log.lines()[0].startsWith(
        "Warning : Cannot convert this format of image to RGB24, bps 8 bpp 8 spp 1 : "))
        << log.lines()[0].toStdString();
}

TEST(Filters, GrayscaleOfColourKeepsThePointSize) {
    for (int samples : {3, 4}) {
        auto src = imagetest::bitmap(5, 3, samples);
        src->setSize({72, 36});
        const std::array<std::array<std::uint8_t, 3>, 4> colours{
            {{255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}};
        for (int x = 0; x < 4; ++x)
            std::memcpy(src->bitmapData() + x * samples, colours[x].data(), 3);
        const auto gray = Filters::convertToGrayscale(src);
        ASSERT_TRUE(gray);
        EXPECT_EQ(gray->samplesPerPixel(), 1);
        EXPECT_EQ(gray->bytesPerRow(), 5);
        EXPECT_EQ(gray->colorSpaceName(), ColorSpace::CalibratedWhite);
        EXPECT_EQ(gray->size(), QSizeF(72, 36));
        const std::uint8_t* g = gray->bitmapData();
        EXPECT_EQ((std::array<int, 4>{g[0], g[1], g[2], g[3]}),
                  (std::array<int, 4>{255, 77, 149, 29}))
            << samples;
    }
}

TEST(Filters, GrayscaleOfGrayIsACopyAndOtherLayoutsAreRefused) {
    const auto gray = numbered(layout(5, 3, 1));
    const auto copy = Filters::convertToGrayscale(gray);
    ASSERT_TRUE(copy);
    EXPECT_NE(copy, gray);
    EXPECT_EQ(std::memcmp(copy->bitmapData(), gray->bitmapData(), gray->dataSize()), 0);
    auto sixteenBit = layout(5, 3);
    sixteenBit.bitsPerSample = 16;
    EXPECT_EQ(Filters::convertToGrayscale(numbered(sixteenBit)), nullptr);
    EXPECT_EQ(Filters::convertToGrayscale(numbered(layout(5, 3, 2))), nullptr); // gray and alpha
}

} // namespace

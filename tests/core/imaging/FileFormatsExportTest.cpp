#include "core/imaging/FileFormatsExport.h"
#include "core/platform/BitmapImageRep.h"
#include "support/NameOfParam.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

using FileFormatsExport::JPEGFit;

// A stand-in encoder: a file of size(quality) bytes, every encoding recorded.
struct CountingEncoder {
    std::function<qint64(int)> size;
    std::map<int, int> encoded; // quality → times

    QByteArray operator()(int quality) {
        ++encoded[quality];
        return QByteArray(size(quality), 'j');
    }
    int encodes() const {
        int n = 0;
        for (const auto& [quality, times] : encoded) {
            n += times;
        }
        return n;
    }
};

struct FitCase {
    const char* name;
    std::function<qint64(int)> size;
    qint64 maxBytes;
    int quality; // expected; 0 when nothing fits
};
void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class JPEGWithin : public ::testing::TestWithParam<FitCase> {};

TEST_P(JPEGWithin, FindsTheLargestFittingQualityInFewEncodes) {
    const FitCase& c = GetParam();
    CountingEncoder encoder{c.size, {}};
    const JPEGFit fit = FileFormatsExport::largestJPEGWithin(c.maxBytes, std::ref(encoder));
    EXPECT_EQ(fit.quality, c.quality);
    EXPECT_LE(encoder.encodes(), 8);
    EXPECT_EQ(fit.encodes, encoder.encodes());
    for (const auto& [quality, times] : encoder.encoded) {
        EXPECT_EQ(times, 1) << "quality " << quality << " encoded again";
    }
    EXPECT_FALSE(fit.encoderFailed);
    if (c.quality == 0) {
        EXPECT_TRUE(fit.data.isEmpty());
        EXPECT_EQ(fit.smallestBytes, c.size(1));
        return;
    }
    EXPECT_EQ(fit.data.size(), c.size(c.quality));
    EXPECT_LE(fit.data.size(), c.maxBytes);
    EXPECT_EQ(fit.smallestBytes, 0);
    if (c.quality < 100) {
        // The quality above was tried and is too large: the answer is the largest there is.
        EXPECT_EQ(encoder.encoded.count(c.quality + 1), 1u);
        EXPECT_GT(c.size(c.quality + 1), c.maxBytes);
    }
}

qint64 linear(int quality) {
    return 1000 + 100 * quality;
}
// Sizes that do not always grow with the quality: every seventh is larger than the next.
qint64 bumpy(int quality) {
    return linear(quality) + (quality % 7 == 0 ? 800 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, JPEGWithin,
    ::testing::Values(FitCase{"everything_fits", linear, 1'000'000, 100},
                      FitCase{"only_the_best_is_too_large", linear, 10'999, 99},
                      FitCase{"exactly_at_the_limit", linear, 5'300, 43},
                      FitCase{"one_byte_short", linear, 5'299, 42},
                      FitCase{"only_the_lowest_fits", linear, 1'100, 1},
                      FitCase{"nothing_fits", linear, 1'099, 0},
                      // 59 fits too, but 56 does not: the search keeps below what it saw.
                      FitCase{"a_bump_above_the_answer", bumpy, 6'950, 55},
                      FitCase{"a_bump_below_the_answer", bumpy, 8'100, 71}),
    NameOfParam());

TEST(JPEGWithinFailures, AnEncoderFailureEndsTheSearchWithNothing) {
    int encodes = 0;
    const JPEGFit fit = FileFormatsExport::largestJPEGWithin(10'000, [&](int quality) {
        ++encodes;
        return quality < 60 ? QByteArray(100, 'j') : QByteArray();
    });
    EXPECT_TRUE(fit.encoderFailed);
    EXPECT_TRUE(fit.data.isEmpty());
    EXPECT_EQ(fit.quality, 0);
    EXPECT_EQ(fit.smallestBytes, 0);
    EXPECT_EQ(fit.encodes, encodes);

    encodes = 0;
    EXPECT_EQ(FileFormatsExport::largestJPEGWithin(0,
                                                   [&](int) {
                                                       ++encodes;
                                                       return QByteArray(1, 'j');
                                                   })
                  .quality,
              0);
    EXPECT_EQ(encodes, 0);
}

TEST(JPEGWithinPictures, ARealEncoderGivesTheQualityWhoseFileFitsAndTheNextDoesNot) {
    const auto portrait = BitmapImageRep::imageRepWithContentsOfFile(
        FOTINO_SOURCE_DIR "/tests/data/portrait-512.jpg");
    ASSERT_TRUE(portrait);
    const auto sizeAt = [&](int quality) {
        return FileFormatsExport::JPEGDataWithCompressionFactor(*portrait, quality / 100.0f).size();
    };
    // Limits a byte below, at and a byte above the size at some quality: a byte decides.
    for (const qint64 limit :
         {qint64(sizeAt(40) - 1), qint64(sizeAt(85)), qint64(sizeAt(97) + 1)}) {
        SCOPED_TRACE(limit);
        const JPEGFit fit = FileFormatsExport::JPEGDataWithin(*portrait, limit);
        ASSERT_GT(fit.quality, 0);
        EXPECT_LE(fit.data.size(), limit);
        EXPECT_EQ(fit.data, FileFormatsExport::JPEGDataWithCompressionFactor(*portrait,
                                                                             fit.quality / 100.0f));
        ASSERT_LT(fit.quality, 100);
        EXPECT_GT(sizeAt(fit.quality + 1), limit);
        EXPECT_LE(fit.encodes, 8);
    }
}

} // namespace

#include "core/platform/SRgbConverter.h"

#include <QColorSpace>
#include <QColorTransform>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using Path = SRgbConverter::Path;

// Qt's own Display P3 (phones' usual profile, which no Debian package ships), or a profile
// file of Debian's colord-data.
QColorSpace profile(const std::string& name) {
    if (name == "DisplayP3") {
        return QColorSpace(QColorSpace::DisplayP3);
    }
    QFile file(QStringLiteral("/usr/share/color/icc/colord/%1.icc").arg(name.c_str()));
    return file.open(QIODevice::ReadOnly) ? QColorSpace::fromIccProfile(file.readAll())
                                          : QColorSpace();
}

// Every 8-bit colour once, red slowest, as packed RGB.
std::vector<uchar> everyColour() {
    std::vector<uchar> pixels(size_t(3) << 24);
    for (size_t i = 0; i < size_t(1) << 24; ++i) {
        pixels[3 * i] = uchar(i >> 16);
        pixels[3 * i + 1] = uchar(i >> 8);
        pixels[3 * i + 2] = uchar(i);
    }
    return pixels;
}

// What Qt's conversion makes of everyColour(), as packed RGB.
std::vector<uchar> qtConversionOfEveryColour(const QColorSpace& space) {
    QImage image(4096, 4096, QImage::Format_RGB32);
    auto* p = reinterpret_cast<QRgb*>(image.bits());
    for (quint32 i = 0; i < quint32(1) << 24; ++i) {
        p[i] = 0xFF000000u | i;
    }
    image.applyColorTransform(space.transformationToColorSpace(QColorSpace::SRgb));
    std::vector<uchar> pixels(size_t(3) << 24);
    const auto* q = reinterpret_cast<const QRgb*>(image.constBits());
    for (size_t i = 0; i < size_t(1) << 24; ++i) {
        pixels[3 * i] = uchar(qRed(q[i]));
        pixels[3 * i + 1] = uchar(qGreen(q[i]));
        pixels[3 * i + 2] = uchar(qBlue(q[i]));
    }
    return pixels;
}

// Puts the process's path back after a test that changes it.
class PathsRestored : public ::testing::Test {
protected:
    void TearDown() override { SRgbConverter::setPath(previous_); }

private:
    Path previous_ = SRgbConverter::currentPath();
};

class ConvertsLikeQt : public PathsRestored, public ::testing::WithParamInterface<const char*> {};

// Out-of-gamut colours included: they clamp as Qt's do. Every path writes the same bytes.
TEST_P(ConvertsLikeQt, EveryColourWithinALevelOnEveryPath) {
    const QColorSpace space = profile(GetParam());
    ASSERT_TRUE(space.isValid()) << GetParam() << ": scripts/install-deps.sh";
    const auto converter = SRgbConverter::fromColorSpace(space);
    ASSERT_TRUE(converter);
    const std::vector<uchar> colours = everyColour();
    const std::vector<uchar> theirs = qtConversionOfEveryColour(space);
    std::vector<uchar> first;
    for (const Path path : SRgbConverter::availablePaths()) {
        ASSERT_TRUE(SRgbConverter::setPath(path));
        std::vector<uchar> ours(colours.size());
        converter->convert(colours.data(), ours.data(), qsizetype(1) << 24);
        int worst = 0;
        size_t differing = 0;
        for (size_t i = 0; i < ours.size(); ++i) {
            const int d = std::abs(int(ours[i]) - int(theirs[i]));
            worst = std::max(worst, d);
            differing += d != 0;
        }
        EXPECT_LE(worst, 1) << SRgbConverter::pathName(path);
        // Qt's own steps are followed: a level off is a rare rounding of a float, not a habit.
        EXPECT_LE(differing, ours.size() / 10000) << SRgbConverter::pathName(path);
        if (first.empty()) {
            first = std::move(ours);
        } else {
            EXPECT_TRUE(ours == first) << SRgbConverter::pathName(path) << " differs from "
                                       << SRgbConverter::pathName(Path::Portable);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, ConvertsLikeQt,
                         ::testing::Values("DisplayP3", "AdobeRGB1998", "ProPhotoRGB",
                                           "WideGamutRGB", "Rec709"),
                         [](const auto& info) { return std::string(info.param); });

class ConvertsRows : public PathsRestored, public ::testing::WithParamInterface<Path> {};

// Rows of any length, into another buffer or in place, come out as the portable path makes
// them pixel by pixel, and nothing outside them is read or written (the sanitizer build
// watches the reads).
TEST_P(ConvertsRows, OfAnyLengthInPlaceOrNot) {
    const auto converter = SRgbConverter::fromColorSpace(profile("ProPhotoRGB"));
    ASSERT_TRUE(converter);
    std::mt19937 random(20250117);
    for (const int count : {1, 2, 7, 10, 11, 12, 63, 64, 65, 100, 127, 128, 129, 1000}) {
        std::vector<uchar> src(size_t(3 * count));
        for (uchar& byte : src) {
            byte = uchar(random());
        }
        std::vector<uchar> expected(src.size());
        ASSERT_TRUE(SRgbConverter::setPath(Path::Portable));
        for (int i = 0; i < count; ++i) {
            converter->convert(src.data() + 3 * i, expected.data() + 3 * i, 1);
        }
        ASSERT_TRUE(SRgbConverter::setPath(GetParam()));
        constexpr size_t kGuard = 80;
        std::vector<uchar> dst(src.size() + 2 * kGuard, 0xA5);
        converter->convert(src.data(), dst.data() + kGuard, count);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), dst.begin() + kGuard)) << count;
        EXPECT_TRUE(std::all_of(dst.begin(), dst.begin() + kGuard, [](uchar b) {
            return b == 0xA5;
        })) << count;
        EXPECT_TRUE(std::all_of(dst.end() - kGuard, dst.end(), [](uchar b) { return b == 0xA5; }))
            << count;
        std::vector<uchar> inPlace = src;
        converter->convert(inPlace.data(), inPlace.data(), count);
        EXPECT_TRUE(inPlace == expected) << count << " in place";
    }
}

INSTANTIATE_TEST_SUITE_P(, ConvertsRows, ::testing::ValuesIn(SRgbConverter::availablePaths()),
                         [](const auto& info) { return SRgbConverter::pathName(info.param); });

TEST(SRgbConverter, NoneForSpacesQtCannotRead) {
    EXPECT_FALSE(SRgbConverter::fromColorSpace(QColorSpace()));
    EXPECT_FALSE(SRgbConverter::fromColorSpace(QColorSpace::fromIccProfile("not a profile")));
}

// Switched off, it leaves every profile to Qt, even one it has kept.
TEST(SRgbConverter, SwitchedOffAnswersNone) {
    const QColorSpace p3(QColorSpace::DisplayP3);
    ASSERT_TRUE(SRgbConverter::fromColorSpace(p3));
    SRgbConverter::setEnabled(false);
    EXPECT_FALSE(SRgbConverter::fromColorSpace(p3));
    SRgbConverter::setEnabled(true);
    EXPECT_TRUE(SRgbConverter::fromColorSpace(p3));
}

// The check that keeps the tables to Qt's conversion tells a conversion they do not
// reproduce: the tables of one profile against Qt's conversion from another.
TEST(SRgbConverter, TellsAConversionItDoesNotReproduce) {
    const QColorSpace p3(QColorSpace::DisplayP3);
    const auto converter = SRgbConverter::fromColorSpace(p3);
    ASSERT_TRUE(converter);
    EXPECT_LE(converter->worstDifferenceFrom(p3.transformationToColorSpace(QColorSpace::SRgb)), 1);
    const QColorSpace adobe(QColorSpace::AdobeRgb);
    EXPECT_GT(converter->worstDifferenceFrom(adobe.transformationToColorSpace(QColorSpace::SRgb)),
              20);
}

// The tables are made once for a profile: the same bytes find the same converter.
TEST(SRgbConverter, KeepsTheConverterOfAProfile) {
    const QColorSpace adobe = profile("AdobeRGB1998");
    const auto converter = SRgbConverter::fromColorSpace(adobe);
    ASSERT_TRUE(converter);
    EXPECT_EQ(SRgbConverter::fromColorSpace(QColorSpace::fromIccProfile(adobe.iccProfile())),
              converter);
    EXPECT_NE(SRgbConverter::fromColorSpace(QColorSpace(QColorSpace::ProPhotoRgb)), converter);
}

} // namespace

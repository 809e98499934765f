#include "core/platform/BitmapImageRep.h"
#include "support/ImageTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using Layout = BitmapImageRep::Layout;
using CS = BitmapImageRep::ColorSpace;
using imagetest::layout;

Layout with(Layout l, auto change) {
    change(l);
    return l;
}

Layout padded(Layout l) {
    l.bitsPerPixel = 32;
    return l;
}

Layout sixteenBit(Layout l) {
    l.bitsPerSample = 16;
    return l;
}

struct LayoutCase {
    const char* name;
    Layout layout;
    int bitsPerPixel; // expected after filling in; 0 when the layout is refused
    int bytesPerRow;
};

class Layouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layouts, AreFilledInOrRefused) {
    const LayoutCase& c = GetParam();
    const auto rep = BitmapImageRep::initWithLayout(c.layout);
    if (c.bitsPerPixel == 0) {
        EXPECT_FALSE(rep) << c.name;
        return;
    }
    ASSERT_TRUE(rep) << c.name;
    EXPECT_EQ(rep->bitsPerPixel(), c.bitsPerPixel);
    EXPECT_EQ(rep->bytesPerRow(), c.bytesPerRow);
    EXPECT_EQ(rep->dataSize(), qint64(c.bytesPerRow) * c.layout.pixelsHigh);
    // A new bitmap has one point per pixel and zeroed bytes.
    EXPECT_EQ(rep->size(), QSizeF(c.layout.pixelsWide, c.layout.pixelsHigh));
    const unsigned char* bytes = rep->bitmapData();
    EXPECT_TRUE(
        std::all_of(bytes, bytes + rep->dataSize(), [](unsigned char b) { return b == 0; }));
}

INSTANTIATE_TEST_SUITE_P(
    Bitmap, Layouts,
    ::testing::Values(
        LayoutCase{"packed RGB", layout(5, 2), 24, 15},
        LayoutCase{"RGB with spare bytes", layout(5, 2, 3, 0, 20), 24, 20},
        LayoutCase{"gray", layout(5, 2, 1), 8, 5}, LayoutCase{"RGBA", layout(5, 2, 4), 32, 20},
        LayoutCase{"RGB in 32 bits", padded(layout(5, 2)), 32, 20},
        LayoutCase{"16-bit gray with alpha", sixteenBit(layout(5, 2, 2)), 32, 20},
        LayoutCase{"no width", layout(0, 2), 0, 0},
        LayoutCase{"rows too short", layout(5, 2, 3, 0, 14), 0, 0},
        LayoutCase{"planar", with(layout(5, 2), [](Layout& l) { l.isPlanar = true; }), 0, 0},
        LayoutCase{"4-bit samples", with(layout(5, 2), [](Layout& l) { l.bitsPerSample = 4; }), 0,
                   0},
        LayoutCase{"alpha in three samples",
                   with(layout(5, 2), [](Layout& l) { l.hasAlpha = true; }), 0, 0},
        LayoutCase{"gray space with three samples",
                   with(layout(5, 2), [](Layout& l) { l.colorSpace = CS::CalibratedWhite; }), 0, 0},
        LayoutCase{"pixel smaller than its samples",
                   with(layout(5, 2), [](Layout& l) { l.bitsPerPixel = 16; }), 0, 0},
        LayoutCase{"absurd size", layout(100000, 100000, 4), 0, 0},
        LayoutCase{"row length overflows", layout(std::numeric_limits<int>::max(), 1), 0, 0}),
    NameOfParam());

TEST(BitmapImageRep, WithoutAPointSizeTheResolutionIsZero) {
    auto rep = imagetest::bitmap(600, 400);
    ASSERT_TRUE(rep);
    rep->setSize(QSizeF(0, 0));
    EXPECT_EQ(rep->resolution(), QSizeF(0, 0));
    EXPECT_FALSE(rep->TIFFRepresentation().isEmpty());
}

TEST(BitmapImageRep, WrapsForeignBytesAndReleasesThemOnce) {
    std::vector<unsigned char> bytes(4 * 3 * 2, 7);
    int released = 0;
    {
        auto rep =
            BitmapImageRep::initWithBytesNoCopy(bytes.data(), layout(4, 2), [&](unsigned char* p) {
                EXPECT_EQ(p, bytes.data());
                ++released;
            });
        ASSERT_TRUE(rep);
        EXPECT_EQ(rep->bitmapData(), bytes.data());
        rep->bitmapData()[0] = 9;
        EXPECT_EQ(bytes[0], 9);
        EXPECT_EQ(released, 0);
    }
    EXPECT_EQ(released, 1);
    // A refused layout hands the bytes back at once.
    EXPECT_FALSE(BitmapImageRep::initWithBytesNoCopy(bytes.data(), layout(0, 2),
                                                     [&](unsigned char*) { ++released; }));
    EXPECT_EQ(released, 2);
}

struct ViewCase {
    const char* name;
    Layout layout;
    QImage::Format format; // Format_Invalid: a converted copy
    // The bytes of every pixel: red 10, green 20, blue 30 (gray 20), alpha 255, a spare byte 99.
    // 16-bit samples are n x 257, the same in either byte order.
    const char* pixel;
};
void PrintTo(const ViewCase& c, std::ostream* os) {
    *os << c.name;
}

class QImageViews : public ::testing::TestWithParam<ViewCase> {};

TEST_P(QImageViews, ShareTheBytesWhereQtHasTheFormat) {
    const ViewCase& c = GetParam();
    auto rep = BitmapImageRep::initWithLayout(c.layout);
    ASSERT_TRUE(rep);
    const QByteArray pixel(c.pixel);
    ASSERT_EQ(pixel.size() * 8, rep->bitsPerPixel());
    for (int y = 0; y < rep->pixelsHigh(); ++y) {
        for (int x = 0; x < rep->pixelsWide(); ++x) {
            std::memcpy(rep->bitmapData() + y * rep->bytesPerRow() + x * pixel.size(),
                        pixel.constData(), pixel.size());
        }
    }
    const QImage view = rep->toQImage();
    ASSERT_FALSE(view.isNull());
    EXPECT_EQ(view.size(), QSize(rep->pixelsWide(), rep->pixelsHigh()));
    const bool shared = c.format != QImage::Format_Invalid;
    EXPECT_EQ(rep->hasSharedQImageFormat(), shared);
    if (shared) {
        EXPECT_EQ(view.format(), c.format);
        EXPECT_EQ(view.constBits(), rep->bitmapData());
        EXPECT_EQ(view.bytesPerLine(), rep->bytesPerRow());
    } else {
        EXPECT_NE(view.constBits(), rep->bitmapData());
    }
    const bool gray = rep->colorSpaceName() == CS::CalibratedWhite;
    const QColor expected = gray ? QColor(20, 20, 20) : QColor(10, 20, 30);
    for (const QPoint at : {QPoint(0, 0), QPoint(view.width() - 1, view.height() - 1)}) {
        EXPECT_EQ(view.pixelColor(at).rgba(), expected.rgba());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bitmap, QImageViews,
    ::testing::Values(ViewCase{"packed RGB with spare bytes at row ends",
                               layout(7, 3, 3, 0, 7 * 3 + 5), QImage::Format_RGB888,
                               "\x0a\x14\x1e"},
                      ViewCase{"gray", layout(7, 3, 1), QImage::Format_Grayscale8, "\x14"},
                      ViewCase{"RGBA last, not premultiplied",
                               layout(7, 3, 4, BitmapImageRep::kAlphaNonpremultiplied),
                               QImage::Format_RGBA8888, "\x0a\x14\x1e\xff"},
                      ViewCase{"RGBA last, premultiplied", layout(7, 3, 4),
                               QImage::Format_RGBA8888_Premultiplied, "\x0a\x14\x1e\xff"},
                      ViewCase{"RGB and a padding byte", padded(layout(7, 3)),
                               QImage::Format_Invalid, "\x0a\x14\x1e\x63"},
                      ViewCase{"RGB and an opaque padding byte", padded(layout(7, 3)),
                               QImage::Format_RGBX8888, "\x0a\x14\x1e\xff"},
                      ViewCase{"alpha first", layout(7, 3, 4, BitmapImageRep::kAlphaFirst),
                               QImage::Format_Invalid, "\xff\x0a\x14\x1e"},
                      ViewCase{"padding byte first",
                               padded(layout(7, 3, 3, BitmapImageRep::kAlphaFirst)),
                               QImage::Format_Invalid, "\x63\x0a\x14\x1e"},
                      ViewCase{"16-bit RGB", sixteenBit(layout(7, 3)), QImage::Format_Invalid,
                               "\x0a\x0a\x14\x14\x1e\x1e"},
                      ViewCase{"16-bit gray", sixteenBit(layout(7, 3, 1)),
                               QImage::Format_Grayscale16, "\x14\x14"}),
    NameOfParam());

TEST(BitmapImageRep, DrawingIntoTheViewWritesTheBitmapAndTheViewKeepsItAlive) {
    QImage view;
    const unsigned char* bytes = nullptr;
    {
        auto rep = BitmapImageRep::initWithLayout(layout(6, 4, 3, 0, 6 * 3 + 2));
        ASSERT_TRUE(rep);
        view = rep->toQImage();
        QPainter(&view).fillRect(QRect(0, 0, 6, 4), QColor(1, 2, 3));
        const unsigned char* last = rep->bitmapData() + 3 * rep->bytesPerRow() + 5 * 3;
        EXPECT_EQ(last[0], 1);
        EXPECT_EQ(last[1], 2);
        EXPECT_EQ(last[2], 3);
        bytes = rep->bitmapData();
    }
    // The bitmap is gone from our hands, but the view still owns a reference to it.
    EXPECT_EQ(view.constBits(), bytes);
    EXPECT_EQ(view.pixelColor(5, 3), QColor(1, 2, 3));
}

TEST(BitmapImageRep, TakesAMovedQImageInPlaceAndCopiesOneStillInUse) {
    QImage image(33, 9, QImage::Format_RGB32);
    image.fill(QColor(40, 50, 60));
    const auto copy = BitmapImageRep::initWithQImage(image);
    ASSERT_TRUE(copy);
    EXPECT_NE(copy->bitmapData(), image.constBits());
    EXPECT_EQ(image.pixelColor(32, 8), QColor(40, 50, 60)) << "the caller's picture is unchanged";
    const uchar* original = image.constBits();
    const auto rep = BitmapImageRep::initWithQImage(std::move(image));
    ASSERT_TRUE(rep);
    EXPECT_EQ(rep->bitmapData(), original);
    EXPECT_EQ(rep->bytesPerRow(), 33 * 3);
    for (const auto& r : {copy, rep}) {
        const unsigned char* p = r->bitmapData() + 8 * r->bytesPerRow() + 32 * 3;
        EXPECT_EQ(QColor(p[0], p[1], p[2]), QColor(40, 50, 60));
    }
}

struct Encoding {
    const char* name;
    QByteArray (*encode)(const BitmapImageRep&);
    int tolerance; // per sample
};

class EncodeDecode : public ::testing::TestWithParam<Encoding> {};

// Encoding then decoding keeps the pixels and the resolution.
TEST_P(EncodeDecode, KeepsPixelsAndResolution) {
    const Encoding& c = GetParam();
    auto rep = BitmapImageRep::initWithLayout(layout(600, 40, 3, 0, 600 * 3 + 3));
    ASSERT_TRUE(rep);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 600; ++x) {
            unsigned char* p = rep->bitmapData() + y * rep->bytesPerRow() + 3 * x;
            p[0] = x < 300 ? 200 : 20;
            p[1] = 100;
            p[2] = y < 20 ? 30 : 230;
        }
    }
    rep->setSize(QSizeF(144, 19.2)); // 300 dpi across, 150 down
    const QByteArray bytes = c.encode(*rep);
    ASSERT_FALSE(bytes.isEmpty()) << c.name;
    const auto back = BitmapImageRep::imageRepWithData(bytes);
    ASSERT_TRUE(back) << c.name;
    EXPECT_EQ(back->pixelsWide(), 600);
    EXPECT_EQ(back->pixelsHigh(), 40);
    EXPECT_DOUBLE_EQ(back->size().width(), 144) << c.name;
    EXPECT_DOUBLE_EQ(back->size().height(), 19.2) << c.name;
    for (const QPoint at : {QPoint(10, 5), QPoint(590, 35), QPoint(310, 5)}) {
        const unsigned char* a = rep->bitmapData() + at.y() * rep->bytesPerRow() + 3 * at.x();
        const unsigned char* b = back->bitmapData() + at.y() * back->bytesPerRow() + 3 * at.x();
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(a[k], b[k], c.tolerance) << c.name << " at " << at.x() << "," << at.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bitmap, EncodeDecode,
    ::testing::Values(
        Encoding{"tiff", [](const BitmapImageRep& r) { return r.TIFFRepresentation(); }, 0},
        Encoding{"lzw", [](const BitmapImageRep& r) { return r.TIFFRepresentation(true); }, 0},
        Encoding{"png", [](const BitmapImageRep& r) { return r.PNGRepresentation(); }, 0},
        Encoding{"jpeg", [](const BitmapImageRep& r) { return r.JPEGRepresentation(0.9f); }, 6}),
    NameOfParam());

TEST(BitmapImageRep, CompressionMakesSmallerFiles) {
    auto rep = imagetest::bitmap(200, 200);
    ASSERT_TRUE(rep);
    for (qint64 i = 0; i < rep->dataSize(); ++i) {
        rep->bitmapData()[i] = uchar((i / 3) % 200);
    }
    EXPECT_LT(rep->TIFFRepresentation(true).size(), rep->TIFFRepresentation(false).size());
    EXPECT_LT(rep->JPEGRepresentation(0.1f).size(), rep->JPEGRepresentation(1.0f).size());
}

TEST(BitmapImageRep, AlphaSurvivesTiff) {
    auto rep =
        BitmapImageRep::initWithLayout(layout(4, 4, 4, BitmapImageRep::kAlphaNonpremultiplied));
    ASSERT_TRUE(rep);
    for (qint64 i = 0; i < rep->dataSize(); i += 4) {
        rep->bitmapData()[i] = 200;
        rep->bitmapData()[i + 3] = i < 32 ? 255 : 0;
    }
    const auto back = BitmapImageRep::imageRepWithData(rep->TIFFRepresentation());
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->hasAlpha());
    EXPECT_EQ(back->bitmapData()[0], 200);
    EXPECT_EQ(back->bitmapData()[3], 255);
    EXPECT_EQ(back->bitmapData()[63], 0);
}

} // namespace

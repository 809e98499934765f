#include "core/platform/ImageDecoder.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/JpegDecoder.h"
#include "core/platform/SRgbConverter.h"
#include "support/ImageTestSupport.h"
#include "support/LogCapture.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using imagetest::encode;
using imagetest::expectNear;
using imagetest::writeBytes;

namespace {

QByteArray be32(quint32 v) {
    const quint32 big = qToBigEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&big), 4);
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

QByteArray pngChunk(const char* type, const QByteArray& data) {
    const QByteArray typed = QByteArray(type, 4) + data;
    return be32(quint32(data.size())) + typed + be32(crc32(typed));
}

// A well-formed PNG whose header claims the given size over a few bytes of pixel data.
QByteArray pngClaiming(quint32 width, quint32 height) {
    QByteArray ihdr = be32(width) + be32(height);
    ihdr.append("\x08\x02\x00\x00\x00", 5);
    const QByteArray idat = QByteArray::fromHex("789c636000000001000100"); // a tiny zlib stream
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr) + pngChunk("IDAT", idat) +
           pngChunk("IEND", {});
}

QByteArray le(quint32 v, int bytes) {
    const quint32 little = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&little), bytes);
}

// Inserts a segment after the JFIF segment (or the start of image).
QByteArray withSegment(const QByteArray& jpeg, uchar marker, const QByteArray& payload) {
    int at = 2;
    if (uchar(jpeg[2]) == 0xFF && uchar(jpeg[3]) == 0xE0) {
        at = 4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5]));
    }
    const QByteArray segment =
        QByteArray(1, '\xFF') + char(marker) + be32(quint32(payload.size()) + 2).right(2) + payload;
    return jpeg.left(at) + segment + jpeg.mid(at);
}

// Inserts an Exif segment after the JFIF segment: an orientation (0: none) and a resolution
// in hundredths of dots per centimetre (0: none).
QByteArray withExif(const QByteArray& jpeg, quint16 orientation, quint32 xCentiDpcm = 0,
                    quint32 yCentiDpcm = 0) {
    struct Entry {
        quint16 tag, type;
        quint32 value; // a SHORT, or the numerator of a RATIONAL over 100
    };
    std::vector<Entry> entries;
    if (orientation != 0) {
        entries.push_back({0x0112, 3, orientation});
    }
    if (xCentiDpcm != 0) {
        entries.push_back({0x011A, 5, xCentiDpcm});
        entries.push_back({0x011B, 5, yCentiDpcm});
        entries.push_back({0x0128, 3, 3}); // centimetres
    }
    QByteArray directory = le(quint32(entries.size()), 2);
    QByteArray values;
    const quint32 valuesAt = 8 + 2 + 12 * quint32(entries.size()) + 4;
    for (const Entry& e : entries) {
        directory += le(e.tag, 2) + le(e.type, 2) + le(1, 4);
        if (e.type == 3) {
            directory += le(e.value, 4);
        } else {
            directory += le(valuesAt + quint32(values.size()), 4);
            values += le(e.value, 4) + le(100, 4);
        }
    }
    directory += le(0, 4); // no next directory
    return withSegment(jpeg, 0xE1, QByteArray("Exif\0\0II*\0\x08\0\0\0", 14) + directory + values);
}

// Inserts a colour profile (smaller than 64 KB) as an APP2 "ICC_PROFILE" segment, the first
// of one.
QByteArray withIccProfile(const QByteArray& jpeg, const QByteArray& icc) {
    return withSegment(jpeg, 0xE2, QByteArray("ICC_PROFILE\0\x01\x01", 14) + icc);
}

QImage twoColour(int w, int h, QImage::Format format, QColor left, QColor right) {
    QImage image(w, h, format);
    image.setDotsPerMeterX(2835); // 72 dpi: a point a pixel
    image.setDotsPerMeterY(2835);
    image.fill(right);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, w / 2, h), left);
    return image;
}

// The red, green and blue of the pixel of a packed RGB or RGBA bitmap.
QColor pixelOf(const BitmapImageRep& rep, int x, int y) {
    const int spp = rep.samplesPerPixel();
    const unsigned char* p = rep.bitmapData() + qsizetype(y) * rep.bytesPerRow() + x * spp;
    return spp == 4 ? QColor(p[0], p[1], p[2], p[3]) : QColor(p[0], p[1], p[2]);
}

class ImageDecoderFiles : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& bytes) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(writeBytes(path, bytes));
        return path;
    }
    QTemporaryDir dir_;
};

struct Readable {
    const char* name;
    QImage::Format layout; // of the picture written
    const char* format;
    bool alpha;
    QColor left;
    QColor right;
};

class DecodesEveryLayout : public ImageDecoderFiles,
                           public ::testing::WithParamInterface<Readable> {};

// Whatever the file's layout, the bitmap is 8-bit packed RGB, or RGBA (not premultiplied)
// when there is alpha.
TEST_P(DecodesEveryLayout, IntoEightBitColour) {
    const Readable& c = GetParam();
    // 37 pixels: rows of packed RGB are not a multiple of four bytes long.
    const QImage image = twoColour(37, 5, c.layout, c.left, c.right);
    const auto rep = ImageDecoder::decodeFile(write(c.name, encode(image, c.format)));
    ASSERT_TRUE(rep) << c.name;
    EXPECT_EQ(rep->pixelsWide(), 37);
    EXPECT_EQ(rep->pixelsHigh(), 5);
    EXPECT_EQ(rep->bitsPerSample(), 8);
    EXPECT_EQ(rep->samplesPerPixel(), c.alpha ? 4 : 3);
    EXPECT_EQ(rep->bitsPerPixel(), c.alpha ? 32 : 24);
    EXPECT_EQ(rep->hasAlpha(), c.alpha);
    EXPECT_EQ(rep->bytesPerRow(), rep->pixelsWide() * rep->samplesPerPixel());
    EXPECT_EQ(rep->bitmapFormat(), c.alpha ? BitmapImageRep::kAlphaNonpremultiplied : 0u);
    EXPECT_EQ(rep->colorSpaceName(), BitmapImageRep::ColorSpace::CalibratedRGB);
    EXPECT_EQ(rep->size(), QSizeF(37, 5));
    expectNear(pixelOf(*rep, 0, 0), c.left, 0, c.name);
    expectNear(pixelOf(*rep, 36, 4), c.right, 0, c.name);
}

const QColor kRed(200, 10, 20);
const QColor kBlue(5, 90, 250);

INSTANTIATE_TEST_SUITE_P(
    Files, DecodesEveryLayout,
    ::testing::Values(Readable{"rgb.png", QImage::Format_RGB32, "png", false, kRed, kBlue},
                      Readable{"rgb.tif", QImage::Format_RGB888, "tiff", false, kRed, kBlue},
                      Readable{"rgb.bmp", QImage::Format_RGB32, "bmp", false, kRed, kBlue},
                      Readable{"gray.png", QImage::Format_Grayscale8, "png", false,
                               QColor(30, 30, 30), QColor(220, 220, 220)},
                      Readable{"deep.png", QImage::Format_RGBX64, "png", false, QColor(128, 64, 32),
                               QColor(1, 254, 127)},
                      Readable{"alpha.tif", QImage::Format_ARGB32, "tiff", true,
                               QColor(200, 10, 20, 255), QColor(0, 0, 0, 0)},
                      // Colour under no alpha and under half alpha is kept as it was.
                      Readable{"alpha.png", QImage::Format_ARGB32, "png", true,
                               QColor(10, 250, 30, 255), QColor(255, 0, 255, 0)},
                      Readable{"half.png", QImage::Format_ARGB32, "png", true, kRed,
                               QColor(200, 100, 40, 128)}),
    NameOfParam());

// The point size follows the file's declared density; without one a pixel is a point.
TEST_F(ImageDecoderFiles, PointSizeFollowsTheDeclaredDensity) {
    QImage image(600, 30, QImage::Format_RGB32);
    image.fill(Qt::gray);
    image.setDotsPerMeterX(11811); // 300 dpi, as PNG stores it
    image.setDotsPerMeterY(5906);  // 150 dpi
    QImage at96 = image;           // also Qt's own default: read from the file, not guessed
    at96.setDotsPerMeterX(3780);
    at96.setDotsPerMeterY(3780);
    QByteArray noPhys = encode(image, "png");
    const qsizetype phys = noPhys.indexOf("pHYs");
    ASSERT_GT(phys, 4);
    noPhys.remove(phys - 4, 21); // length, type, 9 bytes, CRC
    QByteArray unitless = encode(image, "jpeg");
    ASSERT_EQ(unitless.mid(6, 5), QByteArray("JFIF\0", 5));
    unitless[13] = '\0'; // density unit: none, the values only give the pixel shape
    QImage thin = image; // one dot per metre: damage, taken as no density at all
    thin.setDotsPerMeterX(1);
    thin.setDotsPerMeterY(1);
    const struct {
        const char* name;
        QByteArray bytes;
        QSizeF size;
    } cases[] = {
        {"dense.png", encode(image, "png"), {144, 14.4}},
        {"dense.jpg", encode(image, "jpeg"), {144, 14.4}},
        {"96.tif", encode(at96, "tiff"), {450, 22.5}},
        {"exif.jpg", withExif(unitless, 0, 11811, 5906), {144, 14.4}},
        // Turned upright a quarter: the densities swap with the sides.
        {"exif-turned.jpg", withExif(unitless, 6, 11811, 5906), {14.4, 144}},
        {"exif-transposed.jpg", withExif(unitless, 5, 11811, 5906), {14.4, 144}},
        {"plain.png", noPhys, {600, 30}},
        {"plain.jpg", unitless, {600, 30}},
        {"thin.png", encode(thin, "png"), {600, 30}},
        {"exif-thin.jpg", withExif(unitless, 0, 1, 1), {600, 30}},
    };
    for (const auto& c : cases) {
        const auto rep = ImageDecoder::decodeFile(write(c.name, c.bytes));
        ASSERT_TRUE(rep) << c.name;
        EXPECT_DOUBLE_EQ(rep->size().width(), c.size.width()) << c.name;
        EXPECT_DOUBLE_EQ(rep->size().height(), c.size.height()) << c.name;
    }
}

TEST_F(ImageDecoderFiles, ConvertsAWideGamutPictureToSRGB) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    image.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
    const auto rep = ImageDecoder::decodeFile(write("p3.png", encode(image, "png")));
    ASSERT_TRUE(rep);
    const QColor green = pixelOf(*rep, 3, 3);
    // P3's green lies outside sRGB: it comes back as the most saturated sRGB green.
    EXPECT_EQ(green.green(), 255);
    EXPECT_LE(green.red(), 10);
    EXPECT_LE(green.blue(), 10);
}

struct Unreadable {
    const char* name;
    QByteArray bytes;
    const char* reason;
};

class RefusesBrokenFiles : public ImageDecoderFiles,
                           public ::testing::WithParamInterface<Unreadable> {};

TEST_P(RefusesBrokenFiles, WithOneLogLine) {
    const Unreadable& c = GetParam();
    const QString path = write(c.name, c.bytes);
    LogCapture log;
    EXPECT_FALSE(ImageDecoder::decodeFile(path));
    ASSERT_EQ(log.lines().size(), 1) << log.lines().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(log.lines().first().contains(QLatin1String(c.reason)))
        << log.lines().first().toStdString();
    EXPECT_TRUE(log.lines().first().contains(path));
}

QByteArray photo(const char* format) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QPainter(&image).fillRect(10, 10, 30, 20, Qt::yellow);
    return encode(image, format);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusesBrokenFiles,
    ::testing::Values(
        Unreadable{"empty.jpg", QByteArray(), "empty"},
        Unreadable{"notes.txt", QByteArray("Not a picture at all.\n"), "not a readable picture"},
        Unreadable{"half.jpg", photo("jpeg").left(photo("jpeg").size() / 2), "truncated"},
        Unreadable{"no-end.jpg", photo("jpeg").chopped(2), "truncated"},
        Unreadable{"half.png", photo("png").left(photo("png").size() / 2), "truncated"},
        Unreadable{"half.tif", photo("tiff").left(photo("tiff").size() / 2),
                   "Unable to read image data"},
        Unreadable{"bomb.png", pngClaiming(100000, 100000), "too large"},
        // Within the pixel limit, but far more than its few bytes can hold.
        Unreadable{"small-bomb.png", pngClaiming(16000, 16000), "cannot be"}),
    NameOfParam());

// Damaged files either decode into a consistent bitmap or are refused; nothing crashes (the
// sanitizer build watches the memory).
TEST(ImageDecoderData, SurvivesDamagedFiles) {
    std::mt19937 random(20261206);
    LogCapture quiet;
    const QByteArray files[] = {
        photo("jpeg"),
        withExif(photo("jpeg"), 6, 11811, 11811),
        withIccProfile(withExif(photo("jpeg"), 5), QColorSpace(QColorSpace::AdobeRgb).iccProfile()),
        photo("png"),
        photo("tiff"),
        photo("bmp"),
        photo("webp")};
    for (const QByteArray& good : files) {
        ASSERT_FALSE(good.isEmpty());
        for (int round = 0; round < 100; ++round) {
            QByteArray bad = good;
            // Headers matter most: half of the damage falls in the first bytes.
            const quint32 span =
                round % 2 ? quint32(good.size()) : quint32(std::min<qsizetype>(good.size(), 160));
            if (round % 5 == 0) {
                bad.truncate(qsizetype(random() % quint32(good.size())));
            } else {
                for (int k = 0; k < 1 + round % 8; ++k) {
                    bad[qsizetype(random() % span)] = char(random());
                }
            }
            const auto rep = ImageDecoder::decodeData(bad);
            if (rep) {
                EXPECT_GT(rep->pixelsWide(), 0);
                EXPECT_LE(qint64(rep->pixelsWide()) * rep->pixelsHigh(), ImageDecoder::kMaxPixels);
                EXPECT_EQ(rep->bytesPerRow(), rep->pixelsWide() * rep->samplesPerPixel());
            }
        }
    }
}

// A BMP stored top down has a negative height, and Qt's reader gives no size before decoding
// it: the pixel limit is checked on what was decoded.
TEST(ImageDecoderData, APictureWithoutASizeBeforehandKeepsToTheLimit) {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QImage image(100, 50, QImage::Format_RGB888);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(&buffer, "BMP"));
    const qint32 height = -50;
    std::memcpy(bmp.data() + 22, &height, sizeof height); // little endian, as BMP is
    LogCapture log;
    EXPECT_FALSE(ImageDecoder::decodeData(bmp, 4999));
    EXPECT_TRUE(log.lines().value(0).contains(QStringLiteral("too large")))
        << log.lines().join(u'\n').toStdString();
    const auto rep = ImageDecoder::decodeData(bmp, 5000);
    ASSERT_TRUE(rep);
    EXPECT_EQ(QSize(rep->pixelsWide(), rep->pixelsHigh()), QSize(100, 50));
}

TEST_F(ImageDecoderFiles, MissingFileIsRefused) {
    LogCapture log;
    EXPECT_FALSE(ImageDecoder::decodeFile(dir_.filePath(QStringLiteral("absent.png"))));
    EXPECT_EQ(log.lines().size(), 1);
}

TEST(ImageDecoderStructure, FindsTheEndOfAJpegPastStuffedBytesAndTrailers) {
    // SOI, a scan whose data holds a stuffed FF00 and a restart marker, EOI, then a trailer.
    const QByteArray jpeg = QByteArray::fromHex("FFD8"
                                                "FFDA000801010000003F00"
                                                "12FF0034FFD056"
                                                "FFD9") +
                            QByteArray("trailer");
    EXPECT_TRUE(ImageDecoder::scanJPEG(jpeg).complete);
    EXPECT_FALSE(ImageDecoder::scanJPEG(jpeg.left(jpeg.indexOf("\xFF\xD9", 0))).complete);
    EXPECT_FALSE(ImageDecoder::scanJPEG(QByteArray::fromHex("FFD8FFE0FFFF")).complete);
}

// Where the upright picture's pixel (x, y) is stored, for each Exif orientation.
QPoint storedPixel(int orientation, int x, int y, QSize stored) {
    const int w = stored.width();
    const int h = stored.height();
    switch (orientation) {
    case 2:
        return {w - 1 - x, y};
    case 3:
        return {w - 1 - x, h - 1 - y};
    case 4:
        return {x, h - 1 - y};
    case 5:
        return {y, x};
    case 6:
        return {y, h - 1 - x};
    case 7:
        return {w - 1 - y, h - 1 - x};
    case 8:
        return {w - 1 - y, x};
    default:
        return {x, y};
    }
}

// What a file should decode to, found without the decoders' own turning: Qt reads the stored
// pixels untransformed, converts them to sRGB by their profile, and the pixels are moved here.
QImage expectedUpright(const QByteArray& file, int orientation) {
    QByteArray bytes = file;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    QImage stored = reader.read();
    if (stored.colorSpace().isValid()) {
        stored.convertToColorSpace(QColorSpace::SRgb);
    }
    stored = stored.convertToFormat(QImage::Format_RGB888);
    const bool transposed = orientation >= 5;
    QImage upright(transposed ? stored.height() : stored.width(),
                   transposed ? stored.width() : stored.height(), QImage::Format_RGB888);
    for (int y = 0; y < upright.height(); ++y) {
        for (int x = 0; x < upright.width(); ++x) {
            upright.setPixel(x, y, stored.pixel(storedPixel(orientation, x, y, stored.size())));
        }
    }
    return upright;
}

// The largest difference of one sample between a packed RGB bitmap and a picture; 256 when
// their sizes or layouts differ.
int worstDifference(const BitmapImageRep& rep, const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (QSize(rep.pixelsWide(), rep.pixelsHigh()) != rgb.size() || rep.samplesPerPixel() != 3 ||
        rep.bytesPerRow() != 3 * rep.pixelsWide()) {
        return 256;
    }
    int worst = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* ours = rep.bitmapData() + qsizetype(y) * rep.bytesPerRow();
        const uchar* theirs = rgb.constScanLine(y);
        for (int i = 0; i < 3 * rgb.width(); ++i) {
            worst = std::max(worst, std::abs(int(ours[i]) - int(theirs[i])));
        }
    }
    return worst;
}

// Ramps along each side in every channel, in saturated colours that a wide-gamut profile
// moves far from their sRGB reading; sides that are no multiple of the JPEG blocks, and
// tall enough for the decoder to go through many strips of rows.
QImage rampPicture() {
    constexpr int kWide = 53;
    constexpr int kHigh = 397;
    QImage picture(kWide, kHigh, QImage::Format_RGB32);
    for (int y = 0; y < kHigh; ++y) {
        for (int x = 0; x < kWide; ++x) {
            picture.setPixelColor(x, y,
                                  QColor(255 * x / (kWide - 1), 255 * y / (kHigh - 1),
                                         255 - 255 * (x + y) / (kWide + kHigh - 2)));
        }
    }
    return picture;
}

// A colour profile's bytes: a profile file of Debian's colord-data, Qt's own Display P3
// (phones' usual profile, which no Debian package ships), or none.
QByteArray profileBytes(const std::string& name) {
    if (name == "none") {
        return {};
    }
    if (name == "DisplayP3") {
        return QColorSpace(QColorSpace::DisplayP3).iccProfile();
    }
    QFile file(QStringLiteral("/usr/share/color/icc/colord/%1.icc").arg(name.c_str()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt's name for each Exif orientation, for writing TIFF files.
QImageIOHandler::Transformations qtTransformation(int orientation) {
    using T = QImageIOHandler::Transformation;
    constexpr T kByTag[] = {T::TransformationNone,     T::TransformationNone,
                            T::TransformationMirror,   T::TransformationRotate180,
                            T::TransformationFlip,     T::TransformationFlipAndRotate90,
                            T::TransformationRotate90, T::TransformationMirrorAndRotate90,
                            T::TransformationRotate270};
    return kByTag[orientation];
}

// How far a sample may be from Qt's own conversion of the untransformed picture: the
// decoders convert with the same QColorSpace arithmetic (today they agree exactly); one level
// allows for rounding in two JPEG decodes of the same data.
constexpr int kTolerance = 1;

using ProfileAndOrientation = std::tuple<const char*, int>;

class OrientedProfiledPicture : public ::testing::TestWithParam<ProfileAndOrientation> {
protected:
    void SetUp() override {
        const std::string name = std::get<0>(GetParam());
        icc_ = profileBytes(name);
        ASSERT_EQ(icc_.isEmpty(), name == "none") << name << ": scripts/install-deps.sh";
        orientation_ = std::get<1>(GetParam());
    }
    void TearDown() override {
        JpegDecoder::setThreads(threads_);
        SRgbConverter::setEnabled(true);
    }
    // The conversion matters: the stored samples read as sRGB are far from the expectation.
    void expectConversionVisible(const QImage& expected) const {
        if (icc_.isEmpty()) {
            return;
        }
        const QImage unconverted = rampPicture().convertToFormat(QImage::Format_RGB888);
        int worst = 0;
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) {
                const QPoint at = storedPixel(orientation_, x, y, unconverted.size());
                const QColor a = unconverted.pixelColor(at);
                const QColor b = expected.pixelColor(x, y);
                worst = std::max({worst, std::abs(a.red() - b.red()),
                                  std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            }
        }
        EXPECT_GT(worst, 20);
    }
    QByteArray icc_;
    int orientation_ = 1;
    const int threads_ = JpegDecoder::threads();
};

TEST_P(OrientedProfiledPicture, JpegComesOutUprightInSRGB) {
    QByteArray jpeg = withExif(encode(rampPicture(), "jpeg", 95), quint16(orientation_));
    if (!icc_.isEmpty()) {
        jpeg = withIccProfile(jpeg, icc_);
    }
    const QImage expected = expectedUpright(jpeg, orientation_);
    expectConversionVisible(expected);
    const auto rep = ImageDecoder::decodeData(jpeg);
    ASSERT_TRUE(rep);
    EXPECT_LE(worstDifference(*rep, expected), kTolerance);
    // They all take the libjpeg-turbo road, on one thread or two, converting by
    // SRgbConverter's tables or by Qt (where the tables do not serve).
    for (const bool tables : {true, false}) {
        SRgbConverter::setEnabled(tables);
        for (const int t : {1, 2}) {
            JpegDecoder::setThreads(t);
            int orientation = 0;
            const auto fast = JpegDecoder::decode(jpeg, &orientation);
            ASSERT_TRUE(fast) << t << " threads, tables " << tables;
            EXPECT_EQ(orientation, orientation_);
            EXPECT_LE(worstDifference(*fast, expected), kTolerance)
                << t << " threads, tables " << tables;
        }
    }
}

// The general road (Qt's reader) turns and converts in the same order.
TEST_P(OrientedProfiledPicture, TiffComesOutUprightInSRGB) {
    QImage stored = rampPicture();
    if (!icc_.isEmpty()) {
        stored.setColorSpace(QColorSpace::fromIccProfile(icc_));
    }
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    writer.setTransformation(qtTransformation(orientation_));
    ASSERT_TRUE(writer.write(stored));
    const QImage expected = expectedUpright(tiff, orientation_);
    expectConversionVisible(expected);
    for (const bool tables : {true, false}) {
        SRgbConverter::setEnabled(tables);
        const auto rep = ImageDecoder::decodeData(tiff);
        ASSERT_TRUE(rep) << "tables " << tables;
        EXPECT_LE(worstDifference(*rep, expected), kTolerance) << "tables " << tables;
    }
}

std::string
nameOfProfileAndOrientation(const ::testing::TestParamInfo<ProfileAndOrientation>& info) {
    return std::string(std::get<0>(info.param)) + "_" + std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Files, OrientedProfiledPicture,
                         ::testing::Combine(::testing::Values("none", "DisplayP3", "AdobeRGB1998",
                                                              "ProPhotoRGB"),
                                            ::testing::Range(1, 9)),
                         nameOfProfileAndOrientation);

} // namespace

TEST(JpegDecoder, ReadsTheOrientationTag) {
    // Big-endian Exif with one entry: orientation 8.
    const unsigned char exif[] = {'E', 'x', 'i',  'f',  0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8,
                                  0,   1,   0x01, 0x12, 0, 3, 0,   0,   0, 1,  0, 8, 0, 0};
    EXPECT_EQ(JpegDecoder::exifOrientation(exif, sizeof exif), 8);
    EXPECT_EQ(JpegDecoder::exifOrientation(exif, 12), 1) << "cut short";
    const unsigned char junk[] = {'J', 'F', 'I', 'F', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(JpegDecoder::exifOrientation(junk, sizeof junk), 1);
}

// An Exif directory said to start at the end of the address range is beyond the block.
TEST(JpegDecoder, ADirectoryBeyondTheBlockHasNoOrientation) {
    for (const quint32 offset : {0xFFFFFFFFu, 0xFFFFFFFEu, 0x80000000u, 22u, 21u}) {
        for (const bool little : {true, false}) {
            unsigned char exif[28] = {'E', 'x', 'i', 'f', 0, 0};
            exif[6] = exif[7] = little ? 'I' : 'M';
            if (little) {
                qToLittleEndian<quint16>(42, exif + 8);
                qToLittleEndian<quint32>(offset, exif + 10);
            } else {
                qToBigEndian<quint16>(42, exif + 8);
                qToBigEndian<quint32>(offset, exif + 10);
            }
            std::memset(exif + 14, 0xFF, sizeof exif - 14);
            EXPECT_EQ(JpegDecoder::exifOrientation(exif, sizeof exif), 1) << offset;
        }
    }
}

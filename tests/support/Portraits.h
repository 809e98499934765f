#pragma once
// The portraits of the tests' data, what was measured on them by hand, and the pictures made
// from them (moved, scaled, mirrored, turned) with where each puts the measured points.

#include "core/platform/BitmapImageRep.h"
#include "support/ImageTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QTransform>
#include <QtEndian>
#include <functional>
#include <ostream>
#include <vector>

namespace portraits {

inline QString dataFile(const char* name) {
    return QStringLiteral(FOTINO_SOURCE_DIR "/tests/data/") + QLatin1String(name);
}

// A portrait and what was measured on it by hand, in its pixels (tests/data/portraits/
// SOURCES.md): the eye centres, the bottom of the chin and the top of the skull.
struct Portrait {
    const char* file;
    QPointF leftEye;
    QPointF rightEye;
    double chin;
    double crown;
};

inline const Portrait kCollins{"portrait-512.jpg", {203, 101}, {246, 103.5}, 176.5, 25};
inline const Portrait kHopper{"portraits/hopper.jpg", {222.5, 190.4}, {305.7, 186.4}, 328, 48};

inline void PrintTo(const Portrait* portrait, std::ostream* os) {
    *os << portrait->file;
}

inline QImage load(const Portrait& portrait) {
    return QImage(dataFile(portrait.file));
}

inline double eyeDistance(const Portrait& p) {
    return std::hypot(p.rightEye.x() - p.leftEye.x(), p.rightEye.y() - p.leftEye.y());
}

// A picture made from a portrait, and where it puts the portrait's points.
struct Variant {
    const char* name;
    std::function<QImage(const QImage&)> make;
    std::function<QPointF(QPointF, QSize)> map;
    bool mirrors = false;
};

inline void PrintTo(const Variant& variant, std::ostream* os) {
    *os << variant.name;
}

inline QImage onCanvas(const QImage& portrait, QSize size, QPoint at, QColor colour) {
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(colour);
    QPainter(&canvas).drawImage(at, portrait);
    return canvas;
}

inline QImage scaled(const QImage& portrait, double factor) {
    return portrait.scaled(portrait.size() * factor, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
}

// The picture turned by the angle (degrees, clockwise as seen), and the turn's mapping.
inline QTransform turn(QSize size, double degrees) {
    return QImage::trueMatrix(QTransform().rotate(degrees), size.width(), size.height());
}

// Only the orientation tag of an Exif segment, put after the JFIF segment.
inline QByteArray withOrientation(const QByteArray& jpeg, quint16 orientation) {
    QByteArray tiff("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18);
    tiff += char(orientation & 0xFF);
    tiff += QByteArray(3, '\0') + QByteArray(4, '\0'); // value padding, no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    const quint16 length = qToBigEndian(quint16(payload.size() + 2));
    segment += QByteArray(reinterpret_cast<const char*>(&length), 2) + payload;
    const int at = uchar(jpeg[3]) == 0xE0 ? 4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5])) : 2;
    return jpeg.left(at) + segment + jpeg.mid(at);
}

// Stored a quarter turn anticlockwise with the tag that turns it back (6), decoded as the
// program decodes files.
inline QImage quarterTurnedByExif(const QImage& portrait) {
    const QImage stored = portrait.transformed(QTransform().rotate(-90));
    const QByteArray jpeg = withOrientation(imagetest::encode(stored, "jpeg", 95), 6);
    const auto rep = BitmapImageRep::imageRepWithData(jpeg);
    return rep ? rep->toQImage().copy() : QImage();
}

inline const std::vector<Variant>& variants() {
    static const std::vector<Variant> all{
        {"AsItIs", [](const QImage& p) { return p; }, [](QPointF p, QSize) { return p; }},
        {"Mirrored", [](const QImage& p) { return p.mirrored(true, false); },
         [](QPointF p, QSize s) { return QPointF(s.width() - p.x(), p.y()); }, true},
        {"Shrunk", [](const QImage& p) { return scaled(p, 0.6); },
         [](QPointF p, QSize) { return p * 0.6; }},
        {"Enlarged", [](const QImage& p) { return scaled(p, 2.5); },
         [](QPointF p, QSize) { return p * 2.5; }},
        {"ShiftedOnWhite",
         [](const QImage& p) {
             return onCanvas(p, p.size() * 2, QPoint(p.width() * 3 / 4, p.height() / 3), Qt::white);
         },
         [](QPointF p, QSize s) { return p + QPointF(s.width() * 3 / 4, s.height() / 3); }},
        {"ShiftedOnGrey",
         [](const QImage& p) {
             return onCanvas(p, QSize(p.width() * 3 / 2, p.height() * 2), QPoint(40, p.height()),
                             QColor(128, 128, 128));
         },
         [](QPointF p, QSize s) { return p + QPointF(40, s.height()); }},
        {"QuarterTurnedByExif", quarterTurnedByExif, [](QPointF p, QSize) { return p; }},
        {"Tilted",
         [](const QImage& p) {
             return p.transformed(QTransform().rotate(-5), Qt::SmoothTransformation);
         },
         [](QPointF p, QSize s) { return turn(s, -5).map(p); }},
    };
    return all;
}

} // namespace portraits

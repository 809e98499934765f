// Writes the built-in presets, one .ftnpst file per row of the formats table, each with its
// guides, the format's rules, a small icon showing its country or size, and a mask holding a
// thin grey cutting outline along the photo's edge.
//
//     make-presets formats.tsv OUTPUT_FOLDER

#include "core/presets/FormatRules.h"
#include "core/presets/Preset.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QUuid>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPointsPerCm = 28.35;

struct Format {
    QString file;
    QString name;
    QString badge;
    float width = 0;
    float height = 0;
    float face[4] = {0, 0, 0, 0}; // left, top, right, bottom
    float eyesBottom = 0;
    float eyesTop = 0;
    FormatRules rules;
};

QByteArray tiff(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    writer.setCompression(1); // LZW: a mostly transparent mask packs to a few kilobytes
    if (!writer.write(image)) {
        return {};
    }
    return bytes;
}

void setResolution(QImage& image, double dpi) {
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
}

// "35×45" or "2×2 in", from the print size.
QString sizeLabel(const Format& f) {
    const double inchesW = f.width / 2.54;
    const double inchesH = f.height / 2.54;
    if (std::abs(inchesW - std::round(inchesW)) < 0.01 &&
        std::abs(inchesH - std::round(inchesH)) < 0.01) {
        return QStringLiteral("%1×%2 in").arg(std::lround(inchesW)).arg(std::lround(inchesH));
    }
    return QStringLiteral("%1×%2").arg(std::lround(f.width * 10)).arg(std::lround(f.height * 10));
}

// 24 × 18 points at 216 dpi: a card with the badge above and the size below.
QImage makeIcon(const Format& f) {
    QImage icon(72, 54, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    setResolution(icon, 216);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(0x5a, 0x63, 0x70), 2));
    p.setBrush(QColor(0xf4, 0xf6, 0xf9));
    p.drawRoundedRect(QRectF(1, 1, 70, 52), 7, 7);
    QFont badgeFont(QStringLiteral("DejaVu Sans"));
    badgeFont.setBold(true);
    badgeFont.setPixelSize(f.badge.size() > 3 ? 17 : 21);
    p.setFont(badgeFont);
    p.setPen(QColor(0x1f, 0x3a, 0x5f));
    p.drawText(QRectF(2, 3, 68, 28), Qt::AlignCenter, f.badge);
    QFont sizeFont(QStringLiteral("DejaVu Sans"));
    sizeFont.setPixelSize(13);
    p.setFont(sizeFont);
    p.setPen(QColor(0x33, 0x33, 0x33));
    const QString size = f.badge.contains(QChar(0x00D7)) ? QStringLiteral("mm") : sizeLabel(f);
    p.drawText(QRectF(2, 30, 68, 20), Qt::AlignCenter, size);
    return icon;
}

// The mask is laid one unit (point) larger than the photo on each side, so the outline is
// drawn one point in, on the photo's own edge, at 300 dpi.
QImage makeMask(const Format& f) {
    const double scale = 300.0 / 72.0;
    const double widthPt = f.width * kPointsPerCm + 2;
    const double heightPt = f.height * kPointsPerCm + 2;
    QImage mask(static_cast<int>(std::lround(widthPt * scale)),
                static_cast<int>(std::lround(heightPt * scale)),
                QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    setResolution(mask, 300);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF photo(scale, scale, mask.width() - 2 * scale, mask.height() - 2 * scale);
    p.setPen(QPen(QColor(0xb4, 0xb4, 0xb4), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(photo.adjusted(1, 1, -1, -1));
    return mask;
}

// A range in mm from two cells, both empty where the format states none. Half a range, or
// one the presets would not read back, is a mistake in the table.
bool parseRange(const QString& minimumCell, const QString& maximumCell,
                std::optional<MillimetreRange>& range) {
    if (minimumCell.isEmpty() && maximumCell.isEmpty()) {
        return true;
    }
    bool minimumOk = false;
    bool maximumOk = false;
    range = MillimetreRange{minimumCell.toDouble(&minimumOk), maximumCell.toDouble(&maximumOk)};
    return minimumOk && maximumOk && range->minimum > 0 && range->minimum <= range->maximum;
}

std::optional<Format> parse(const QString& line) {
    const QStringList cells = line.split(QLatin1Char('\t'));
    if (cells.size() != 18) {
        return std::nullopt;
    }
    Format f;
    f.file = cells[0];
    f.name = cells[1];
    f.badge = cells[2];
    bool ok = true;
    const auto number = [&](int i) {
        bool good = false;
        const float v = cells[i].toFloat(&good);
        ok = ok && good;
        return v;
    };
    f.width = number(4);
    f.height = number(5);
    for (int i = 0; i < 4; ++i) {
        f.face[i] = number(6 + i);
    }
    f.eyesBottom = number(10);
    f.eyesTop = number(11);
    // cells[12] is the crown's meaning, for the README.
    ok = ok && parseRange(cells[13], cells[14], f.rules.headHeight);
    ok = ok && parseRange(cells[15], cells[16], f.rules.eyeLine);
    const auto background = FormatRules::backgroundNamed(cells[17]);
    ok = ok && background &&
         (!f.rules.headHeight || f.rules.headHeight->maximum <= f.height * 10) &&
         (!f.rules.eyeLine || f.rules.eyeLine->maximum <= f.height * 10);
    if (!ok) {
        return std::nullopt;
    }
    f.rules.background = *background;
    return f;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-presets formats.tsv OUTPUT_FOLDER\n");
        return 2;
    }
    QFile table(QString::fromLocal8Bit(argv[1]));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "make-presets: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "make-presets: cannot create %s\n", argv[2]);
        return 1;
    }
    // Identifiers are derived from the file names, so documents keep finding their preset
    // from one release to the next.
    const QUuid space(QStringLiteral("{5b0f3e0a-6a3c-4f7e-9d55-2f1e7c9a4b10}"));
    int written = 0;
    QTextStream in(&table);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const auto format = parse(line);
        if (!format) {
            std::fprintf(stderr, "make-presets: line %d is not a format\n", lineNumber);
            return 1;
        }
        Preset preset;
        preset.setName(format->name);
        preset.setUUID(
            Preset::identifierFromBytes(QUuid::createUuidV5(space, format->file).toRfc4122()));
        preset.setPrintWidth(format->width, format->height);
        preset.setFaceLeft(format->face[0], format->face[1], format->face[2], format->face[3]);
        preset.setEyesLeft(0, format->eyesTop, format->width, format->eyesBottom);
        preset.setRules(format->rules);
        preset.setIconData(tiff(makeIcon(*format)));
        preset.setMaskData(tiff(makeMask(*format)));
        if (!preset.saveToFile(out.filePath(format->file + QStringLiteral(".ftnpst")))) {
            std::fprintf(stderr, "make-presets: cannot write %s\n", qPrintable(format->file));
            return 1;
        }
        ++written;
    }
    std::printf("make-presets: %d presets\n", written);
    return written > 0 ? 0 : 1;
}

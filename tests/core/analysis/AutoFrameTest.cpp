// Framing on a face: the rendered photo is searched for marks painted where the face's
// features are, so the placement is checked against the drawing, not against its own maths.

#include "core/analysis/AutoFrame.h"
#include "core/analysis/ComplianceReport.h"
#include "core/analysis/FaceFinder.h"
#include "core/document/DisplayUnits.h"
#include "core/document/Fotino.h"
#include "core/document/PictureScale.h"
#include "core/platform/BitmapImageRep.h"
#include "core/presets/FormatRules.h"
#include "core/presets/Preset.h"
#include "support/NameOfParam.h"
#include "support/Portraits.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr double kDpi = 300;
constexpr double kPixelsPerMillimetre = kDpi / 25.4;

struct Mark {
    QPointF at;
    QColor colour;
};

struct FramingCase {
    const char* name;
    QSize picture;
    double dotsPerInch;
    // Eyes centre, chin and crown rows, face box width, in picture pixels.
    QPointF eyes;
    double chin;
    double crown;
    bool rules;
    bool guides;
    // Where the eye line and the head height should come out, in mm.
    double eyeLine;
    double headHeight;
};

void PrintTo(const FramingCase& c, std::ostream* os) {
    *os << c.name;
}

QVariantMap guide(double left, double top, double right, double bottom) {
    return {{QStringLiteral("left"), left},
            {QStringLiteral("top"), top},
            {QStringLiteral("right"), right},
            {QStringLiteral("bottom"), bottom}};
}

// A white picture with a red mark on the eye centre, a green one on the chin and a blue one
// on the crown, saved in the folder beside the document.
void makeDocument(Fotino& document, const FramingCase& c, const QString& path) {
    QImage picture(c.picture, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (const Mark& mark : {Mark{c.eyes, Qt::red}, Mark{{c.eyes.x(), c.chin}, Qt::green},
                             Mark{{c.eyes.x(), c.crown}, Qt::blue}}) {
        painter.fillRect(QRectF(mark.at - QPointF(3, 3), QSizeF(6, 6)), mark.colour);
    }
    painter.end();
    const auto dotsPerMetre = static_cast<int>(std::lround(c.dotsPerInch / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    const QDir folder(path);
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("face.png"))));
    document.setFilePath(folder.filePath(QStringLiteral("face.ftoct")));
    document.setImageName(QStringLiteral("face.png"));
    document.setPictureSize(100);
    document.setOffset({50, 50});
    document.setPictureVersion(1);
    if (c.guides) {
        // ICAO 35 x 45 mm.
        document.setObject(QVariantMap{{Preset::kFaceGuide, guide(0.43, 4.10, 3.07, 0.58)},
                                       {Preset::kEyesGuide, guide(0, 3.15, 3.5, 2.25)}},
                           AttributeKeys::kPresetGuides);
    }
    if (c.rules) {
        FormatRules rules;
        rules.headHeight = MillimetreRange{32, 36};
        rules.eyeLine = MillimetreRange{22.5, 31.5};
        document.setObject(rules.dictionary(), AttributeKeys::kPresetRules);
    }
}

FaceFeatures features(const FramingCase& c) {
    FaceFeatures face;
    face.pictureSize = c.picture;
    const double eyeDistance = (c.chin - c.crown) * 0.3;
    face.leftEye = c.eyes - QPointF(eyeDistance / 2, 0);
    face.rightEye = c.eyes + QPointF(eyeDistance / 2, 0);
    face.chin = c.chin;
    face.crown = c.crown;
    face.face = QRectF(c.eyes.x() - eyeDistance, c.crown, 2 * eyeDistance, c.chin - c.crown);
    return face;
}

// The centre of the pixels close to the colour, in mm from the photo's lower-left corner.
std::optional<QPointF> find(const QImage& photo, QColor colour) {
    double x = 0;
    double y = 0;
    int count = 0;
    for (int row = 0; row < photo.height(); ++row) {
        for (int column = 0; column < photo.width(); ++column) {
            const QColor pixel = photo.pixelColor(column, row);
            if (std::abs(pixel.red() - colour.red()) < 60 &&
                std::abs(pixel.green() - colour.green()) < 60 &&
                std::abs(pixel.blue() - colour.blue()) < 60) {
                x += column + 0.5;
                y += row + 0.5;
                ++count;
            }
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    return QPointF(x / count / kPixelsPerMillimetre,
                   (photo.height() - y / count) / kPixelsPerMillimetre);
}

class AutoFrameTest : public ::testing::TestWithParam<FramingCase> {
protected:
    TemporaryHome home_;
};

TEST_P(AutoFrameTest, PutsTheEyesAndTheHeadWhereTheFormatWantsThem) {
    const FramingCase& c = GetParam();
    Fotino document;
    makeDocument(document, c, home_.path());
    AutoFrame::frameOnFace(document, features(c));

    const QImage photo = document.toImage(static_cast<int>(kDpi))->toQImage();
    const auto eyes = find(photo, Qt::red);
    const auto chin = find(photo, Qt::green);
    const auto crown = find(photo, Qt::blue);
    ASSERT_TRUE(eyes && chin && crown);
    const double pixel = 1 / kPixelsPerMillimetre;
    EXPECT_NEAR(eyes->x(), 17.5, 2 * pixel);
    EXPECT_NEAR(eyes->y(), c.eyeLine, 2 * pixel);
    EXPECT_NEAR(crown->y() - chin->y(), c.headHeight, 2 * pixel);

    const auto report = ComplianceReport::evaluate(document, features(c));
    ASSERT_TRUE(report.headHeight && report.eyeLine);
    EXPECT_NEAR(*report.headHeight, c.headHeight, 0.05);
    EXPECT_NEAR(*report.eyeLine, c.eyeLine, 0.05);
    EXPECT_EQ(report.status(), QStringLiteral("ok"));
}

INSTANTIATE_TEST_SUITE_P(
    Faces, AutoFrameTest,
    ::testing::Values(
        // Rules: head 32-36 (34), eyes band 2.25-3.15 cm (27 mm).
        FramingCase{"centred", {800, 1000}, 72, {400, 420}, 640, 200, true, true, 27, 34},
        FramingCase{
            "offCentreAt300Dpi", {3000, 2000}, 300, {700, 900}, 1400, 500, true, true, 27, 34},
        FramingCase{
            "smallFaceNearTheTop", {1200, 900}, 96, {900, 120}, 200, 60, true, true, 27, 34},
        // No rules: the head fills the face box (4.10 - 0.58 cm).
        FramingCase{"faceBox", {800, 1000}, 72, {400, 420}, 640, 200, false, true, 27, 35.2},
        // Neither rules nor guides: three quarters of the height, eyes at 55 %.
        FramingCase{"nothing", {800, 1000}, 72, {400, 420}, 640, 200, false, false, 24.75, 33.75}),
    NameOfParam());

TEST(ComplianceReportTest, FiguresOutsideTheirRangesAreOutside) {
    TemporaryHome home;
    Fotino document;
    const FramingCase c{"", {800, 1000}, 72, {400, 420}, 640, 200, true, true, 27, 34};
    makeDocument(document, c, home.path());
    const FaceFeatures face = features(c);
    AutoFrame::frameOnFace(document, face);

    // Twice as large: a 68 mm head, the eye line pushed up.
    document.setPictureSize(document.pictureSize() * 2);
    const auto large = ComplianceReport::evaluate(document, face);
    EXPECT_FALSE(large.headInside());
    EXPECT_NEAR(*large.headHeight, 68, 0.1);
    EXPECT_NEAR(large.headRange->distance(*large.headHeight), 32, 0.1);
    EXPECT_EQ(large.status(), QStringLiteral("outside"));

    const auto none = ComplianceReport::evaluate(document, std::nullopt);
    EXPECT_FALSE(none.faceFound);
    EXPECT_FALSE(none.headHeight);
    EXPECT_EQ(none.status(), QStringLiteral("no face"));
    // The ranges are known even without a face, for the hints to show.
    EXPECT_EQ(none.headRange, (MillimetreRange{32, 36}));
    EXPECT_EQ(none.eyeRange, (MillimetreRange{22.5, 31.5}));
}

// A damaged document whose scale or offset is no number measures nothing rather than "nan"
// millimetres (and its background is not measured from a chin that is no number).
TEST(ComplianceReportTest, ADocumentFramedByNoNumberGivesNoFigures) {
    TemporaryHome home;
    const FramingCase c{"", {800, 1000}, 72, {400, 420}, 640, 200, true, true, 27, 34};
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& damage : std::vector<std::function<void(Fotino&)>>{
             [&](Fotino& d) { d.setPictureSize(nan); },
             [&](Fotino& d) { d.setOffset(QPointF(nan, 0)); },
             [&](Fotino& d) { d.setOffset(QPointF(0, std::numeric_limits<double>::infinity())); },
             // A width beyond every number of frame points (the sanitizer build watches it
             // become whole points).
             [&](Fotino& d) { d.setWidth(std::numeric_limits<float>::infinity(), true); }}) {
        Fotino document;
        makeDocument(document, c, home.path());
        AutoFrame::frameOnFace(document, features(c));
        damage(document);
        const auto report = ComplianceReport::evaluate(document, features(c));
        EXPECT_TRUE(report.faceFound);
        EXPECT_FALSE(report.headHeight);
        EXPECT_FALSE(report.eyeLine);
        EXPECT_EQ(report.status(), QStringLiteral("outside"));
    }
}

// A face box beyond every size asks for a scale no document can carry: the framing stays.
TEST(AutoFrameDamage, AGuideBeyondEveryScaleLeavesTheFraming) {
    TemporaryHome home;
    const FramingCase c{"", {800, 1000}, 72, {400, 420}, 640, 200, false, true, 27, 35.2};
    Fotino document;
    makeDocument(document, c, home.path());
    document.setObject(QVariantMap{{Preset::kFaceGuide, guide(0.43, 1e40, 3.07, 0.58)}},
                       AttributeKeys::kPresetGuides);
    const float scale = document.pictureSize();
    const QPointF offset = document.offset();
    AutoFrame::frameOnFace(document, features(c));
    EXPECT_EQ(document.pictureSize(), scale);
    EXPECT_EQ(document.offset(), offset);
}

// Four samples a millimetre; a frame of a kilometre (a damaged file) is not rendered at 4
// million pixels across.
TEST(ComplianceReportTest, TheBackgroundIsJudgedOnASmallRendering) {
    const double mm = DisplayUnits::kPointsPerCentimetre / 10;
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        QSizeF frame;
        QSize sampling;
    } cases[] = {
        {{35 * mm, 45 * mm}, {140, 180}},
        {{500 * mm, 45 * mm}, {2000, 180}},
        {{1e6 * mm, 45 * mm}, {2000, 1}},
        {{45 * mm, 1e6 * mm}, {1, 2000}},
        {{-10 * mm, 45 * mm}, {1, 180}},
        {{0, 0}, {1, 1}},
        {{inf, 45 * mm}, {}},
        {{45 * mm, std::numeric_limits<double>::quiet_NaN()}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComplianceReport::backgroundSampling(c.frame), c.sampling)
            << c.frame.width() << " x " << c.frame.height();
    }
}

TEST(ComplianceReportTest, WithoutAnEyeRuleThePresetsBandIsTheRange) {
    Fotino document;
    document.setObject(
        QVariantMap{{Preset::kEyesGuide, QVariantMap{{QStringLiteral("left"), 0},
                                                     {QStringLiteral("top"), 2.60},
                                                     {QStringLiteral("right"), 3.5},
                                                     {QStringLiteral("bottom"), 1.99}}}},
        AttributeKeys::kPresetGuides);
    const auto report = ComplianceReport::evaluate(document, std::nullopt);
    ASSERT_TRUE(report.eyeRange);
    EXPECT_NEAR(report.eyeRange->minimum, 19.9, 1e-4);
    EXPECT_NEAR(report.eyeRange->maximum, 26.0, 1e-4);
    EXPECT_FALSE(report.headRange);
}

TEST(AutoFrameFinderTest, LeavesADocumentWithoutPictureOrFaceAsItWas) {
    TemporaryHome home;
    const FaceFinder blind(home.path());
    Fotino empty;
    EXPECT_EQ(AutoFrame::frame(empty, blind).outcome, AutoFrame::Outcome::NoPicture);

    Fotino document;
    QImage blank(400, 500, QImage::Format_RGB888);
    blank.fill(Qt::white);
    ASSERT_TRUE(blank.save(QDir(home.path()).filePath(QStringLiteral("blank.png"))));
    document.setFilePath(QDir(home.path()).filePath(QStringLiteral("blank.ftoct")));
    document.setImageName(QStringLiteral("blank.png"));
    document.setPictureSize(120);
    document.setOffset({40, 30});
    const auto before = document.container();
    const auto result = AutoFrame::frame(document, blind);
    EXPECT_EQ(result.outcome, AutoFrame::Outcome::NoFace);
    EXPECT_FALSE(result.face);
    EXPECT_EQ(document.container(), before);
}

// Real portraits, moved, scaled, mirrored and turned: framed on the face the finder sees, the
// head and the eyes as measured by hand must land inside the ICAO rules.
using PortraitCase = std::tuple<const portraits::Portrait*, portraits::Variant>;

class AutoFrameOnPortraits : public ::testing::TestWithParam<PortraitCase> {
protected:
    TemporaryHome home_;
};

TEST_P(AutoFrameOnPortraits, PutsTheMeasuredHeadAndEyesInsideTheIcaoRules) {
    const FaceFinder finder;
    if (!finder.isReady()) {
        GTEST_SKIP() << "no face cascades installed";
    }
    const auto& [portrait, variant] = GetParam();
    const QImage original = portraits::load(*portrait);
    const QImage picture = variant.make(original);
    ASSERT_FALSE(picture.isNull());
    const FramingCase icao{"", picture.size(), 72, {}, 0, 0, true, true, 27, 34};
    Fotino document;
    makeDocument(document, icao, home_.path());
    QImage stored = picture.convertToFormat(QImage::Format_RGB888);
    stored.setDotsPerMeterX(2835);
    stored.setDotsPerMeterY(2835);
    ASSERT_TRUE(stored.save(QDir(home_.path()).filePath(QStringLiteral("face.png"))));

    const auto result = AutoFrame::frame(document, finder);
    ASSERT_EQ(result.outcome, AutoFrame::Outcome::Framed);
    ASSERT_TRUE(result.face);

    // The hand-measured points in the framed picture: through the variant, then through the
    // turn that levelled the eyes, if any.
    const QPointF eyeCentre = (portrait->leftEye + portrait->rightEye) / 2;
    const QTransform levelling = QImage::trueMatrix(QTransform().rotate(-result.levelledByDegrees),
                                                    picture.width(), picture.height());
    const auto inPicture = [&](QPointF point) {
        return levelling.map(variant.map(point, original.size()));
    };
    const QSizeF points = document.originalPictureSize();
    const double perPixel = points.width() / result.face->pictureSize.width();
    const QSizeF frame = document.sizeInPoints();
    const auto onPhoto = [&](QPointF point) {
        const QPointF pixel = inPicture(point);
        const QPointF at = PictureScale::framePoint(
            points, frame, document.pictureSize(), document.offset(),
            {pixel.x() * perPixel, points.height() - pixel.y() * perPixel});
        return at / (DisplayUnits::kPointsPerCentimetre / 10);
    };
    const QPointF eyes = onPhoto(eyeCentre);
    const QPointF chin = onPhoto({eyeCentre.x(), portrait->chin});
    const QPointF crown = onPhoto({eyeCentre.x(), portrait->crown});
    EXPECT_GE(crown.y() - chin.y(), 32);
    EXPECT_LE(crown.y() - chin.y(), 36);
    EXPECT_GE(eyes.y(), 22.5);
    EXPECT_LE(eyes.y(), 31.5);
    EXPECT_NEAR(eyes.x(), 17.5, 1.0);
    if (std::abs(result.face->tiltDegrees()) > 0) {
        EXPECT_LE(std::abs(result.face->tiltDegrees()), AutoFrame::kLevelTolerance + 0.5);
    }
}

std::string portraitCaseName(const ::testing::TestParamInfo<PortraitCase>& info) {
    const auto* portrait = std::get<0>(info.param);
    return std::string(portrait == &portraits::kCollins ? "Collins" : "Hopper") +
           std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Portraits, AutoFrameOnPortraits,
                         ::testing::Combine(::testing::Values(&portraits::kCollins,
                                                              &portraits::kHopper),
                                            ::testing::ValuesIn(portraits::variants())),
                         portraitCaseName);

} // namespace

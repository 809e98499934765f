#include "core/analysis/FaceFinder.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "support/ImageTestSupport.h"
#include "support/NameOfParam.h"
#include "support/Portraits.h"

#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTransform>
#include <QtEndian>
#include <cmath>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <numbers>
#include <ostream>
#include <vector>

namespace {

using namespace portraits;

using Case = std::tuple<const Portrait*, Variant>;

class FaceFinderOnPortraits : public ::testing::TestWithParam<Case> {
protected:
    static void SetUpTestSuite() { finder_ = new FaceFinder(); }
    static void TearDownTestSuite() {
        delete finder_;
        finder_ = nullptr;
    }
    static FaceFinder* finder_;
};

FaceFinder* FaceFinderOnPortraits::finder_ = nullptr;

TEST_P(FaceFinderOnPortraits, FindsTheEyesWhereTheyAre) {
    const auto& [portrait, variant] = GetParam();
    const QImage original = load(*portrait);
    ASSERT_FALSE(original.isNull());
    const QImage picture = variant.make(original);
    ASSERT_FALSE(picture.isNull());
    ASSERT_TRUE(finder_->isReady());

    const auto face = finder_->find(picture);
    ASSERT_TRUE(face.has_value());
    EXPECT_EQ(face->pictureSize, picture.size());

    // The picture's left eye is the portrait's right one when mirrored.
    QPointF left = variant.map(portrait->leftEye, original.size());
    QPointF right = variant.map(portrait->rightEye, original.size());
    if (variant.mirrors) {
        std::swap(left, right);
    }
    const double distance = std::hypot(right.x() - left.x(), right.y() - left.y());
    // A tenth of the eye distance: about 4 % of the face's width.
    const double near = 0.1 * distance;
    EXPECT_NEAR(face->leftEye.x(), left.x(), near);
    EXPECT_NEAR(face->leftEye.y(), left.y(), near);
    EXPECT_NEAR(face->rightEye.x(), right.x(), near);
    EXPECT_NEAR(face->rightEye.y(), right.y(), near);
    EXPECT_TRUE(face->face.contains(face->leftEye) && face->face.contains(face->rightEye));

    // The level of the eyes, to a degree and a half.
    const double tilt =
        std::atan2(left.y() - right.y(), right.x() - left.x()) * 180 / std::numbers::pi;
    EXPECT_NEAR(face->tiltDegrees(), tilt, 1.5);

    // Chin and crown where the hand measures put them, scaled and turned like the eyes.
    const double scale = distance / eyeDistance(*portrait);
    const double tilted = std::cos(tilt * std::numbers::pi / 180);
    const QPointF centre = (left + right) / 2;
    const QPointF originalCentre = (portrait->leftEye + portrait->rightEye) / 2;
    const double chin = centre.y() + (portrait->chin - originalCentre.y()) * scale * tilted;
    const double crown = centre.y() - (originalCentre.y() - portrait->crown) * scale * tilted;
    // Each within 6 % of the head's height (the fit leaves at most 3.5 %).
    EXPECT_NEAR(face->chin, chin, 0.06 * (chin - crown));
    EXPECT_NEAR(face->crown, crown, 0.06 * (chin - crown));
}

std::string nameOfCase(const ::testing::TestParamInfo<Case>& info) {
    const Portrait* portrait = std::get<0>(info.param);
    return std::string(portrait == &kCollins ? "Collins" : "Hopper") + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Variants, FaceFinderOnPortraits,
                         ::testing::Combine(::testing::Values(&kCollins, &kHopper),
                                            ::testing::ValuesIn(variants())),
                         nameOfCase);

// The same portrait in each pixel layout the finder may be handed.
class FaceFinderLayouts : public ::testing::TestWithParam<QImage::Format> {};

TEST_P(FaceFinderLayouts, ReadsThePixelsOfEachLayout) {
    const FaceFinder finder;
    const QImage picture = load(kCollins).convertToFormat(GetParam());
    const auto face = finder.find(picture);
    ASSERT_TRUE(face.has_value());
    const double near = 0.1 * eyeDistance(kCollins);
    EXPECT_NEAR(face->leftEye.x(), kCollins.leftEye.x(), near);
    EXPECT_NEAR(face->leftEye.y(), kCollins.leftEye.y(), near);
    EXPECT_NEAR(face->rightEye.x(), kCollins.rightEye.x(), near);
    EXPECT_NEAR(face->rightEye.y(), kCollins.rightEye.y(), near);
}

INSTANTIATE_TEST_SUITE_P(Formats, FaceFinderLayouts,
                         ::testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32,
                                           QImage::Format_RGB888, QImage::Format_BGR888,
                                           QImage::Format_RGBA8888, QImage::Format_Grayscale8,
                                           QImage::Format_Grayscale16, QImage::Format_RGBA64,
                                           QImage::Format_RGB16, QImage::Format_Indexed8));

// Pictures without a clear face.
QImage blankPage() {
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

QImage noise() {
    QImage picture(640, 480, QImage::Format_RGB32);
    QRandomGenerator random(17);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            line[x] = 0xFF000000 | random.bounded(0x1000000u);
        }
    }
    return picture;
}

QImage landscape() {
    // Sky over hills over a field, with a sun: shapes and edges but no face.
    QImage picture(900, 600, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 350);
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(1, QColor(200, 220, 240));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 230, 120));
    painter.drawEllipse(QPointF(700, 110), 45, 45);
    painter.setBrush(QColor(60, 110, 60));
    painter.drawEllipse(QRectF(-200, 280, 700, 300));
    painter.drawEllipse(QRectF(350, 300, 800, 260));
    painter.fillRect(QRect(0, 420, 900, 180), QColor(110, 150, 70));
    return picture;
}

struct Faceless {
    const char* name;
    std::function<QImage()> make;
};

void PrintTo(const Faceless& picture, std::ostream* os) {
    *os << picture.name;
}

class FaceFinderWithoutFace : public ::testing::TestWithParam<Faceless> {};

TEST_P(FaceFinderWithoutFace, AnswersNone) {
    const FaceFinder finder;
    ASSERT_TRUE(finder.isReady());
    EXPECT_FALSE(finder.find(GetParam().make()).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FaceFinderWithoutFace,
    ::testing::Values(Faceless{"Null", [] { return QImage(); }}, Faceless{"BlankPage", blankPage},
                      Faceless{"Noise", noise}, Faceless{"Landscape", landscape},
                      Faceless{"BrickWall", [] { return QImage(dataFile("portraits/brick.jpg")); }},
                      // A man seen from the side: a head, but not two eyes.
                      Faceless{"Profile", [] { return QImage(dataFile("portraits/camera.jpg")); }},
                      Faceless{"Tiny", [] { return scaled(load(kCollins), 0.04); }},
                      Faceless{"OnePixel", [] { return load(kCollins).scaled(1, 1); }}),
    NameOfParam());

TEST(FaceFinder, FindsTheSameFaceInAnImageAsInItsBitmap) {
    const FaceFinder finder;
    const auto image = Image::initWithContentsOfFile(dataFile(kHopper.file));
    ASSERT_TRUE(image);
    const auto fromImage = finder.find(*image);
    const auto fromBitmap = finder.find(load(kHopper));
    ASSERT_TRUE(fromImage && fromBitmap);
    EXPECT_NEAR(fromImage->leftEye.x(), fromBitmap->leftEye.x(), 0.5);
    EXPECT_NEAR(fromImage->rightEye.y(), fromBitmap->rightEye.y(), 0.5);
    EXPECT_FALSE(finder.find(Image(QSizeF(100, 100))).has_value());
}

TEST(FaceFinder, IsNotReadyWithoutCascadesAndThenFindsNothing) {
    QTemporaryDir empty;
    QTemporaryDir broken;
    for (const char* name : {"lbpcascade_frontalface.xml", "haarcascade_frontalface_alt2.xml",
                             "haarcascade_eye.xml", "haarcascade_eye_tree_eyeglasses.xml"}) {
        imagetest::writeBytes(broken.filePath(QLatin1String(name)), "<opencv_storage>");
    }
    const QImage portrait = load(kCollins);
    for (const QString& folder : {empty.path(), broken.path(), QString()}) {
        const FaceFinder finder(folder);
        EXPECT_FALSE(finder.isReady()) << folder.toStdString();
        EXPECT_FALSE(finder.find(portrait).has_value()) << folder.toStdString();
    }
}

TEST(FaceFinder, FindsTheInstalledCascadesFromTheirDataFolderOrOneOfItsFolders) {
    const QString folder = FaceFinder::defaultCascadeFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(FaceFinder(folder).isReady());
    // The Haar folder alone is enough: the LBP one beside it is found too.
    EXPECT_TRUE(FaceFinder(folder + QStringLiteral("/haarcascades")).isReady());
}

TEST(FaceFinder, AnswersSeveralThreadsAtOnceAsItAnswersOne) {
    const FaceFinder finder;
    const QImage portrait = load(kCollins);
    const QImage brick(dataFile("portraits/brick.jpg"));
    const auto alone = finder.find(portrait);
    ASSERT_TRUE(alone.has_value());
    std::vector<std::future<bool>> runs;
    for (int i = 0; i < 4; ++i) {
        runs.push_back(std::async(std::launch::async, [&] {
            bool same = true;
            for (int n = 0; n < 3; ++n) {
                const auto face = finder.find(portrait);
                same = same && face && face->leftEye == alone->leftEye &&
                       face->rightEye == alone->rightEye && !finder.find(brick);
            }
            return same;
        }));
    }
    for (auto& run : runs) {
        EXPECT_TRUE(run.get());
    }
}

} // namespace

#include "core/document/Fotino.h"
#include "core/imaging/CustomCompose.h"
#include "core/imaging/ImagePrintSpecs.h"
#include "core/platform/Image.h"
#include "support/DocumentTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FotinoPicture : public ::testing::Test {
protected:
    // Visa.ftoct with its picture Visa.png (60 x 40, 72 dpi) beside it.
    void SetUp() override {
        documenttest::frame(doc, dir.path(), QStringLiteral("Visa"), QSize(60, 40),
                            QColor(200, 100, 50), 0);
    }
    TemporaryHome home;
    QTemporaryDir dir;
    Fotino doc;
};

TEST_F(FotinoPicture, ThePictureCopyLiesBesideTheDocumentUnderItsName) {
    EXPECT_EQ(doc.originalPicturePath(), dir.filePath(QStringLiteral("Visa.png")));
    doc.setImageName(QStringLiteral("IMG_1234.JPG"));
    EXPECT_EQ(doc.originalPicturePath(), dir.filePath(QStringLiteral("Visa.JPG")));
    // Only the extension of the stored name counts: no path inside it reaches elsewhere.
    doc.setImageName(QStringLiteral("../../etc/passwd.png"));
    EXPECT_EQ(doc.originalPicturePath(), dir.filePath(QStringLiteral("Visa.png")));
    EXPECT_EQ(doc.calibratedPicturePath(), dir.filePath(QStringLiteral("Visa.cftn")));
    Fotino unsaved;
    EXPECT_TRUE(unsaved.originalPicturePath().isNull());
    doc.setFilePath(dir.filePath(QStringLiteral("Card no. 2.ftoct")));
    doc.setImageName(QStringLiteral("x.jpg"));
    EXPECT_EQ(doc.originalPicturePath(), dir.filePath(QStringLiteral("Card no. 2.jpg")));
}

TEST_F(FotinoPicture, LoadsThePictureLazilyWithItsAdjustments) {
    doc.setRotation(90);
    doc.setGamma(100);
    EXPECT_EQ(doc.originalPictureSource(), nullptr);
    const auto picture = doc.originalPicture();
    ASSERT_TRUE(picture);
    ASSERT_NE(doc.originalPictureSource(), nullptr);
    EXPECT_EQ(doc.originalPictureSource()->rotationAngle(), 90.0f);
    EXPECT_FLOAT_EQ(doc.originalPictureSource()->contrastValue(), 2.0f);
    EXPECT_EQ(doc.originalPictureSize(), QSizeF(40, 60));
    doc.setImageName(QStringLiteral("Visa.png"));
    EXPECT_EQ(doc.originalPictureSource(), nullptr) << "a new image name drops the picture";
}

TEST_F(FotinoPicture, GrayscaleServesTheGrayVersionOfTheSamePicture) {
    const auto colour = doc.originalPicture();
    doc.setGrayscale(true);
    const auto gray = doc.originalPicture();
    ASSERT_TRUE(gray);
    EXPECT_TRUE(CustomCompose::isGrayScale(*gray));
    EXPECT_EQ(doc.originalPicture(), gray);
    doc.setGrayscale(false);
    EXPECT_EQ(doc.originalPicture(), colour) << "the colour picture stays cached";
}

TEST_F(FotinoPicture, AMissingPictureAnswersNoneButLoadingStillSucceeds) {
    doc.setImageName(QStringLiteral("Gone.jpg"));
    EXPECT_FALSE(doc.originalPicture());
    EXPECT_EQ(doc.originalPictureSize(), QSizeF(0, 0));
    EXPECT_TRUE(doc.loadOriginalPictureFromPath(dir.filePath(QStringLiteral("Gone.jpg"))));
    EXPECT_FALSE(doc.loadOriginalPictureFromPath(QString()));
    EXPECT_EQ(doc.originalPictureSource(), nullptr);
}

TEST_F(FotinoPicture, QuarterTurnsStoreTheAngle) {
    ASSERT_TRUE(doc.originalPicture());
    std::vector<float> angles;
    for (int i = 0; i < 4; ++i) {
        doc.rotateLeft();
        angles.push_back(doc.rotation());
    }
    EXPECT_EQ(angles, (std::vector<float>{90, 180, 270, 360}));
    EXPECT_EQ(doc.originalPictureSource()->rotationAngle(), 360.0f);

    Fotino fresh;
    fresh.setRotation(180);
    fresh.rotateLeft();
    EXPECT_EQ(fresh.rotation(), 90.0f) << "without a picture the turn starts from 0";
    Fotino other;
    other.rotateRight();
    EXPECT_EQ(other.rotation(), 270.0f);
}

TEST_F(FotinoPicture, ContrastAndBrightnessAreStoredCutAndHandedOn) {
    ASSERT_TRUE(doc.originalPicture());
    doc.setContrastValue(-37.8f, 12.9f);
    EXPECT_EQ(doc.gamma(), -37);
    EXPECT_EQ(doc.brightness(), 12);
    const float x = -0.378f;
    EXPECT_FLOAT_EQ(doc.originalPictureSource()->contrastValue(), 1 + 0.75f * x + 0.25f * x * x);
    EXPECT_FLOAT_EQ(doc.originalPictureSource()->brightnessValue(), 0.258f);
    EXPECT_FLOAT_EQ(Fotino::contrastFactor(-100), 0.5f);
    EXPECT_FLOAT_EQ(Fotino::contrastFactor(0), 1.0f);
    EXPECT_FLOAT_EQ(Fotino::contrastFactor(100), 2.0f);
}

} // namespace

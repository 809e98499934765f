#include "ui/editor/PictureView.h"
#include "core/document/Fotino.h"
#include "core/platform/GraphicsContext.h"
#include "core/presets/Preset.h"
#include "support/DocumentTestSupport.h"
#include "support/ImageTestSupport.h"
#include "support/TemporaryHome.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The photo fills the view with one colour: overlays show as changes of that colour.
const QColor kPhoto(120, 120, 120);

QVariantMap guide(float left, float bottom, float right, float top) {
    return {{QStringLiteral("left"), left},
            {QStringLiteral("bottom"), bottom},
            {QStringLiteral("right"), right},
            {QStringLiteral("top"), top}};
}

class PictureViewTest : public ::testing::Test {
protected:
    // A 3.5 x 4.5 cm document in a 350 x 450 view: one centimetre is 100 points.
    std::shared_ptr<Fotino> document(const QVariantMap& guides, QColor colour = kPhoto) {
        auto doc = std::make_shared<Fotino>();
        documenttest::frame(*doc, home.path(), QStringLiteral("photo"), QSize(400, 400), colour,
                            300);
        doc->setObject(guides, AttributeKeys::kPresetGuides);
        return doc;
    }

    // A picture dark on its left half and white on its right, wider than the view, shown
    // without guides: the border between the halves lies near the middle of the view.
    std::shared_ptr<Fotino> halvesDocument() {
        auto doc = document({});
        // The document's picture is the file beside it with its base name.
        EXPECT_TRUE(
            imagetest::halves(QSize(400, 400)).save(home.filePath(QStringLiteral("photo.png"))));
        doc->setPictureSize(100);
        doc->setOffset(QPointF(45, 50));
        doc->setShowFaceFrame(false);
        return doc;
    }

    // The first column of that row, from the left, that is light.
    static int border(const QImage& picture, int row) {
        for (int x = 4; x < picture.width() - 4; ++x) {
            if (picture.pixelColor(x, row).red() > 128) {
                return x;
            }
        }
        return -1;
    }

    PictureView& show(std::shared_ptr<Fotino> doc, QSize size = QSize(350, 450)) {
        view.setFotino(std::move(doc));
        view.resize(size);
        return view;
    }

    // The pixel at (x, y) in points with y upward.
    QColor pixel(int x, int yUp) {
        if (image.isNull()) {
            image = view.grab().toImage();
        }
        return image.pixelColor(x, view.height() - 1 - yUp);
    }

    TemporaryHome home;
    PictureView view;
    QImage image;
};

TEST_F(PictureViewTest, DrawsAGuideAtItsCentimetresScaledToTheViewWidth) {
    show(document({{QStringLiteral("Band"), guide(1, 1, 2, 3)}}));
    // The wash lightens the guide's inside (clear of the outline's shadow, two points right
    // and down); outside the dashed outline the photo shows or the shadow darkens it.
    const auto washed = [&](int x, int y) { return pixel(x, y).red() > kPhoto.red() + 20; };
    for (const int y : {112, 200, 288}) {
        EXPECT_TRUE(washed(110, y)) << y;
        EXPECT_TRUE(washed(190, y)) << y;
        EXPECT_FALSE(washed(95, y)) << y;
        EXPECT_FALSE(washed(205, y)) << y;
    }
    for (const int x : {112, 140, 188}) {
        EXPECT_TRUE(washed(x, 110)) << x;
        EXPECT_TRUE(washed(x, 290)) << x;
        EXPECT_FALSE(washed(x, 95)) << x;
        EXPECT_FALSE(washed(x, 305)) << x;
    }
}

TEST_F(PictureViewTest, TheVeilDarkensAllButTheFaceBox) {
    auto doc = document({{Preset::kFaceGuide, guide(0.5f, 0.5f, 3, 4)}});
    doc->setShowFaceFrame(false);
    show(doc);
    const QColor outsideBare = pixel(20, 20);
    const QColor insideBare = pixel(120, 225);
    EXPECT_EQ(outsideBare, kPhoto);
    doc->setShowFaceFrame(true);
    image = QImage();
    // Inside the face box the photo is as bare; around it the veil darkens it.
    EXPECT_NEAR(pixel(120, 225).red(), insideBare.red(), 1);
    EXPECT_NEAR(pixel(250, 380).red(), insideBare.red(), 1);
    EXPECT_NEAR(pixel(70, 70).red(), insideBare.red(), 1);
    EXPECT_LT(pixel(20, 225).red(), kPhoto.red() - 20);
    EXPECT_LT(pixel(100, 430).red(), kPhoto.red() - 20);
    EXPECT_LT(pixel(330, 20).red(), kPhoto.red() - 20);
}

TEST_F(PictureViewTest, GuidesOffShowPhotoAndOutlineOnly) {
    auto doc = document({{Preset::kFaceGuide, guide(0.5f, 0.5f, 3, 4)}});
    doc->setShowFaceFrame(false);
    show(doc);
    EXPECT_EQ(pixel(0, 225), QColor(Qt::black));
    EXPECT_EQ(pixel(349, 225), QColor(Qt::black));
    EXPECT_EQ(pixel(175, 0), QColor(Qt::black));
    // No centre line, no guide outline: the photo's colour all along the middle.
    for (int y = 2; y < 448; y += 7) {
        ASSERT_EQ(pixel(175, y), kPhoto) << y;
        ASSERT_EQ(pixel(50, y), kPhoto) << y;
    }
}

TEST_F(PictureViewTest, WithoutDocumentOutlineAndCentreLine) {
    view.resize(350, 450);
    EXPECT_EQ(pixel(0, 100), QColor(Qt::black));
    EXPECT_EQ(pixel(100, 100), QColor(Qt::white));
    // The dashed centre line: gray dashes from the bottom to the top edge.
    int dashed = 0;
    for (int y = 1; y < 449; ++y) {
        dashed += pixel(175, y).red() < 200 ? 1 : 0;
    }
    EXPECT_GT(dashed, 300);
    EXPECT_LT(dashed, 448);
}

TEST_F(PictureViewTest, TheCentreLineRunsDownTheMiddleWithGuidesOn) {
    show(document({{QStringLiteral("Band"), guide(0, 3, 3.5f, 4)}}));
    int dashed = 0;
    for (int y = 1; y < 280; ++y) {
        dashed += pixel(175, y).red() != kPhoto.red() ? 1 : 0;
    }
    EXPECT_GT(dashed, 180);
    EXPECT_EQ(pixel(120, 150), kPhoto);
}

TEST_F(PictureViewTest, IsSharpAtTwiceTheDevicePixels) {
    show(halvesDocument());
    const QImage single = view.grab().toImage();
    QImage twice(700, 900, QImage::Format_ARGB32_Premultiplied);
    twice.setDevicePixelRatio(2);
    twice.fill(Qt::transparent);
    view.render(&twice);
    const int at = border(single, 225);
    ASSERT_GT(at, 100);
    ASSERT_LT(at, 250);
    // The same picture at twice the pixels: the border twice as far, as sharp.
    EXPECT_NEAR(border(twice, 450), 2 * at, 2);
    EXPECT_LT(twice.pixelColor(2 * at - 3, 450).red(), 20);
    EXPECT_GT(twice.pixelColor(2 * at + 3, 450).red(), 235);
    // The one-point outline covers two device pixels (here over the white half).
    EXPECT_EQ(twice.pixelColor(699, 400), QColor(Qt::black));
    EXPECT_EQ(twice.pixelColor(698, 400), QColor(Qt::black));
    EXPECT_EQ(twice.pixelColor(697, 400), QColor(Qt::white));
}

TEST_F(PictureViewTest, OnScreenAFarShrunkPictureLooksAsItsExactRendering) {
    // Stripes one pixel wide over gradients, shrunk about eight times: the screen averages a
    // halved copy, a rendering every pixel; both must show the same mid tones in the same
    // places.
    auto doc = document({});
    QImage texture(2400, 2400, QImage::Format_RGB888);
    for (int y = 0; y < 2400; ++y) {
        for (int x = 0; x < 2400; ++x) {
            const int stripe = x % 2 ? 80 : 0;
            texture.setPixelColor(x, y, QColor(x / 12 + stripe / 2, y / 16 + stripe, 90));
        }
    }
    texture.setDotsPerMeterX(2835);
    texture.setDotsPerMeterY(2835);
    ASSERT_TRUE(texture.save(home.filePath(QStringLiteral("photo.png"))));
    doc->setPictureSize(10);
    doc->setShowFaceFrame(false);
    show(doc);
    const QImage screen = view.grab().toImage();
    QImage rendering(350, 450, QImage::Format_RGB888);
    rendering.fill(Qt::white);
    {
        GraphicsContext context(&rendering, QSizeF(350, 450));
        const GraphicsContext::CurrentScope current(context);
        doc->drawInFrame(QRectF(0, 0, 350, 450));
    }
    int worst = 0;
    for (int y = 2; y < 448; ++y) {
        for (int x = 2; x < 348; ++x) {
            const QColor a = screen.pixelColor(x, y);
            const QColor b = rendering.pixelColor(x, y);
            worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green())});
        }
    }
    EXPECT_LE(worst, 3);
}

TEST_F(PictureViewTest, ThePdfHoldsThePhotoWithoutOverlays) {
    const QColor red(200, 60, 60);
    show(document({{Preset::kFaceGuide, guide(0.5f, 0.5f, 3, 4)}}, red));
    const QByteArray pdf = view.PDFCalibratedRepresentation();
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    QTemporaryDir dir;
    const QString pdfPath = dir.filePath(QStringLiteral("view.pdf"));
    QFile file(pdfPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                    QStringLiteral("-singlefile"), pdfPath, dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(pdftoppm.waitForFinished(60000));
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_EQ(page.size(), QSize(350, 450));
    // Red everywhere: no outline at the edges, no veil, no guide, no centre line.
    for (int y = 0; y < 450; y += 3) {
        for (int x = 0; x < 350; x += 3) {
            const QColor c = page.pixelColor(x, y);
            ASSERT_NEAR(c.red(), red.red(), 3) << x << "," << y;
            ASSERT_NEAR(c.green(), red.green(), 3) << x << "," << y;
        }
    }
    // The view itself keeps its overlays: the outline, under the veil.
    EXPECT_LT(pixel(0, 100).red(), 40);
    EXPECT_LT(pixel(100, 20).red(), red.red() - 40);
}

struct Drag {
    const char* name;
    QPoint by; // Qt's y downward
    int xSign;
    int ySign;
};

class PictureViewDrag : public PictureViewTest, public ::testing::WithParamInterface<Drag> {};

TEST_P(PictureViewDrag, MovesTheOffsetOnePixelUnitAPoint) {
    auto doc = document({});
    show(doc);
    const QPointF before = doc->offset();
    const QSizeF original = doc->originalPictureSize();
    const float s = doc->pictureSize();
    const QPoint start(100, 100);
    QTest::mousePress(&view, Qt::LeftButton, {}, start);
    QTest::mouseMove(&view, start + GetParam().by / 2);
    QTest::mouseMove(&view, start + GetParam().by);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, start + GetParam().by);
    const double unitX = 100.0 / (original.width() * 0.01 * s);
    const double unitY = 100.0 / (original.height() * 0.01 * s);
    EXPECT_NEAR(doc->offset().x() - before.x(), GetParam().xSign * 10 * unitX, 1e-3);
    EXPECT_NEAR(doc->offset().y() - before.y(), GetParam().ySign * 10 * unitY, 1e-3);
    // Moving after the release changes nothing more.
    const QPointF released = doc->offset();
    QTest::mouseMove(&view, start + QPoint(40, 40));
    EXPECT_EQ(doc->offset(), released);
}

INSTANTIATE_TEST_SUITE_P(Directions, PictureViewDrag,
                         ::testing::Values(Drag{"Right", QPoint(10, 0), 1, 0},
                                           Drag{"Left", QPoint(-10, 0), -1, 0},
                                           Drag{"Up", QPoint(0, -10), 0, 1},
                                           Drag{"Down", QPoint(0, 10), 0, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PictureViewTest, ThePictureFollowsTheMouse) {
    show(halvesDocument());
    const int before = border(view.grab().toImage(), 225);
    ASSERT_GT(before, 100);
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(130, 100));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(130, 100));
    EXPECT_GT(border(view.grab().toImage(), 225), before);
}

TEST_F(PictureViewTest, ArrowKeysMoveThePictureAPoint) {
    auto doc = document({});
    show(doc);
    const QPointF before = doc->offset();
    const double unitX = 100.0 / (doc->originalPictureSize().width() * 0.01 * doc->pictureSize());
    const double unitY = 100.0 / (doc->originalPictureSize().height() * 0.01 * doc->pictureSize());
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_NEAR(doc->offset().x() - before.x(), 2 * unitX, 1e-3);
    EXPECT_NEAR(doc->offset().y() - before.y(), -unitY, 1e-3);
}

TEST_F(PictureViewTest, APressWithoutMovementChangesNothing) {
    auto doc = document({});
    show(doc);
    const QPointF before = doc->offset();
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(120, 80));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(120, 80));
    EXPECT_EQ(doc->offset(), before);
}

TEST_F(PictureViewTest, DraggingADocumentWithoutPictureLeavesItsOffset) {
    auto doc = std::make_shared<Fotino>();
    doc->setOffset(QPointF(40, 60));
    show(doc);
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(150, 120));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(150, 120));
    EXPECT_EQ(doc->offset(), QPointF(40, 60));
}

} // namespace

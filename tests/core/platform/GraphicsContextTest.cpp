#include "core/platform/GraphicsContext.h"
#include "core/platform/Image.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A white canvas of w x h points (one pixel each), focused for the life of the object.
class Canvas {
public:
    Canvas(int w, int h)
        : image_(QSizeF(w, h)) {
        image_.setBackgroundColor(Qt::white);
        image_.lockFocus();
    }
    ~Canvas() { image_.unlockFocus(); }
    GraphicsContext& context() { return *GraphicsContext::current(); }
    // The pixel at (x, y), y upward from the lower left.
    QColor at(int x, int yUp) {
        const QImage view = image_.representations().front()->toQImage();
        return view.pixelColor(x, view.height() - 1 - yUp);
    }
    bool inked(int x, int yUp) { return at(x, yUp) != QColor(Qt::white); }

private:
    Image image_;
};

struct Transformed {
    const char* name;
    QRectF filled; // the unit-free rectangle filled after the change
    QPoint inside; // where the fill lands, y upward
    QPoint outside;
    void (*apply)(GraphicsContext&);
};

class GraphicsContextTransforms : public ::testing::TestWithParam<Transformed> {};

TEST_P(GraphicsContextTransforms, MoveWhatIsDrawnAfterThem) {
    const Transformed& c = GetParam();
    Canvas canvas(40, 40);
    c.apply(canvas.context());
    canvas.context().setFillColor(Qt::black);
    canvas.context().fillRect(c.filled);
    EXPECT_TRUE(canvas.inked(c.inside.x(), c.inside.y())) << c.name;
    EXPECT_FALSE(canvas.inked(c.outside.x(), c.outside.y())) << c.name;
}

const QRectF kTen(0, 0, 10, 10);

INSTANTIATE_TEST_SUITE_P(
    Drawing, GraphicsContextTransforms,
    ::testing::Values(
        Transformed{"none", kTen, {5, 5}, {15, 5}, [](GraphicsContext&) {}},
        Transformed{
            "translate", kTen, {25, 15}, {5, 5}, [](GraphicsContext& g) { g.translate(20, 10); }},
        Transformed{"scale", kTen, {28, 18}, {32, 5}, [](GraphicsContext& g) { g.scale(3, 2); }},
        // Counter-clockwise with y upward: (x, y) goes to (-y, x).
        Transformed{"rotate 90",
                    QRectF(0, -20, 10, 10),
                    {15, 5},
                    {5, 15},
                    [](GraphicsContext& g) { g.rotateByDegrees(90); }},
        // A concatenated transform applies before the current one.
        Transformed{"concat after translate",
                    QRectF(0, 0, 5, 5),
                    {19, 9},
                    {5, 5},
                    [](GraphicsContext& g) {
                        g.translate(10, 0);
                        g.concat(QTransform::fromScale(2, 2));
                    }},
        Transformed{"restored state",
                    kTen,
                    {5, 5},
                    {25, 25},
                    [](GraphicsContext& g) {
                        g.saveGraphicsState();
                        g.translate(20, 20);
                        g.restoreGraphicsState();
                    }}),
    NameOfParam());

TEST(GraphicsContext, ClipsToAPath) {
    Canvas canvas(30, 30);
    canvas.context().addClip(GraphicsContext::pathWithRect(QRectF(10, 10, 10, 10)));
    canvas.context().addClip(GraphicsContext::pathWithRect(QRectF(15, 0, 30, 30)));
    canvas.context().setFillColor(Qt::black);
    canvas.context().fillRect(QRectF(0, 0, 30, 30));
    EXPECT_TRUE(canvas.inked(17, 15));
    EXPECT_FALSE(canvas.inked(12, 15)) << "outside the second clip";
    EXPECT_FALSE(canvas.inked(25, 15)) << "outside the first clip";
}

TEST(GraphicsContext, StrokesDashesInPoints) {
    Canvas canvas(40, 10);
    canvas.context().setStrokeColor(Qt::black);
    canvas.context().strokePath(GraphicsContext::pathWithLine(QPointF(0, 5), QPointF(40, 5)), 2,
                                {4, 4});
    for (int x : {1, 2, 9, 10, 17}) {
        EXPECT_TRUE(canvas.inked(x, 5)) << x;
        EXPECT_TRUE(canvas.inked(x, 4)) << x;
    }
    for (int x : {5, 6, 13, 14}) {
        EXPECT_FALSE(canvas.inked(x, 5)) << x;
    }
    EXPECT_FALSE(canvas.inked(1, 7)) << "two points wide";
}

TEST(GraphicsContext, FramesInsideTheRectangle) {
    Canvas canvas(20, 20);
    canvas.context().setColor(GraphicsContext::colorWithRGB(0, 0, 1));
    canvas.context().frameRect(QRectF(5, 5, 10, 10), 2);
    EXPECT_EQ(canvas.at(5, 5), QColor(Qt::blue));
    EXPECT_EQ(canvas.at(6, 10), QColor(Qt::blue));
    EXPECT_FALSE(canvas.inked(7, 10)) << "the frame is two points wide";
    EXPECT_FALSE(canvas.inked(4, 10)) << "nothing outside";
}

TEST(GraphicsContext, ShadowFallsAtItsOffsetUnderFills) {
    Canvas canvas(40, 40);
    canvas.context().saveGraphicsState();
    canvas.context().setShadow({QPointF(5, -5), 0, QColor(0, 0, 0)});
    canvas.context().setFillColor(Qt::red);
    canvas.context().fillRect(QRectF(10, 20, 10, 10));
    canvas.context().restoreGraphicsState();
    EXPECT_EQ(canvas.at(15, 25), QColor(Qt::red));
    EXPECT_EQ(canvas.at(22, 17), QColor(Qt::black)) << "right and below";
    EXPECT_FALSE(canvas.inked(8, 32)) << "nothing on the other side";
    // After the restore the shadow is gone.
    canvas.context().setFillColor(Qt::green);
    canvas.context().fillRect(QRectF(30, 30, 5, 5));
    EXPECT_FALSE(canvas.inked(36, 28));
}

TEST(GraphicsContext, PicturesCastTheShadowOfTheirOpaquePart) {
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 5; ++x) {
            picture.setPixelColor(x, y, Qt::green); // left half opaque
        }
    }
    Canvas canvas(40, 40);
    canvas.context().setShadow({QPointF(0, -10), 0, QColor(0, 0, 255)});
    canvas.context().drawImage(picture, QRectF(0, 0, 10, 10), QRectF(10, 20, 10, 10),
                               GraphicsContext::CompositingOperation::SourceOver, 1);
    EXPECT_EQ(canvas.at(12, 25), QColor(Qt::green));
    EXPECT_EQ(canvas.at(12, 15), QColor(Qt::blue)) << "under the opaque half";
    EXPECT_FALSE(canvas.inked(17, 15)) << "the clear half casts nothing";
}

TEST(GraphicsContext, BlurredShadowFadesOut) {
    Canvas canvas(60, 60);
    canvas.context().setShadow({QPointF(0, 0), 8, QColor(0, 0, 0)});
    canvas.context().setFillColor(Qt::white);
    canvas.context().fillRect(QRectF(20, 20, 20, 20));
    const int near = canvas.at(41, 30).red();
    const int far = canvas.at(46, 30).red();
    EXPECT_LT(near, 230);
    EXPECT_GT(far, near);
    EXPECT_EQ(canvas.at(58, 30), QColor(Qt::white));
}

TEST(GraphicsContext, DrawsTextUprightAboveThePoint) {
    Canvas canvas(100, 60);
    canvas.context().drawString(QStringLiteral("Hxg"), QPointF(10, 20), QStringLiteral("Sans"), 24,
                                Qt::black);
    int lowest = 60;
    int highest = -1;
    int hFoot = 60; // the lowest ink under the H
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (canvas.inked(x, y)) {
                lowest = std::min(lowest, y);
                highest = std::max(highest, y);
                hFoot = x >= 10 && x < 18 ? std::min(hFoot, y) : hFoot;
            }
        }
    }
    ASSERT_GE(highest, 0) << "something was drawn";
    EXPECT_GE(lowest, 19) << "nothing below the point";
    EXPECT_LE(highest, 20 + 24 + 2) << "no taller than the font size";
    EXPECT_GT(highest - lowest, 12);
    // Upright: the descender of g reaches lower than the foot of H, which stands on the
    // baseline above the point.
    EXPECT_GT(hFoot, lowest + 2);
}

class PaintedWidget : public QWidget {
public:
    bool toScreen = false;

protected:
    void paintEvent(QPaintEvent*) override {
        GraphicsContext context(this, QSizeF(width(), height()));
        toScreen = context.isDrawingToScreen();
        context.setFillColor(Qt::red);
        context.fillRect(QRectF(0, 0, 10, 10));
    }
};

TEST(GraphicsContext, DrawsToTheScreenInAWidget) {
    PaintedWidget widget;
    widget.resize(40, 30);
    const QImage shot = widget.grab().toImage();
    EXPECT_TRUE(widget.toScreen);
    EXPECT_EQ(shot.pixelColor(2, 27), QColor(Qt::red)) << "lower left";
    EXPECT_NE(shot.pixelColor(2, 2), QColor(Qt::red));
}

} // namespace

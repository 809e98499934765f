#include "core/platform/Image.h"
#include "support/ImageTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Op = Image::CompositingOperation;

// The colour of a canvas pixel, addressed y upward from the lower left.
QColor at(const Image& image, int x, int yUp) {
    const auto& reps = image.representations();
    if (reps.empty()) {
        return {};
    }
    QImage view = reps.front()->toQImage();
    return view.pixelColor(x, view.height() - 1 - yUp);
}

// A picture of w x h points, one pixel per point, filled with a colour.
std::shared_ptr<Image> filled(int w, int h, QColor color) {
    auto image = Image::initWithSize(QSizeF(w, h));
    image->lockFocus();
    GraphicsContext::current()->setFillColor(color);
    GraphicsContext::current()->fillRect(QRectF(0, 0, w, h));
    image->unlockFocus();
    return image;
}

// A 2 x 2 picture: red top left, green top right, blue bottom left, white bottom right.
std::shared_ptr<Image> quadrants() {
    auto rep = imagetest::bitmap(2, 2);
    const unsigned char px[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    std::memcpy(rep->bitmapData(), px, sizeof px);
    auto image = Image::initWithSize(QSizeF(2, 2));
    image->addRepresentation(rep);
    return image;
}

TEST(Image, LoadsFromFileAndDataWithTheFilesPointSize) {
    QImage picture(600, 300, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    picture.setDotsPerMeterX(11811);
    picture.setDotsPerMeterY(11811);
    const QByteArray png = imagetest::encode(picture, "png");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.png"));
    ASSERT_TRUE(imagetest::writeBytes(path, png));
    for (const auto& image : {Image::initWithContentsOfFile(path), Image::initWithData(png)}) {
        ASSERT_TRUE(image);
        EXPECT_EQ(image->size(), QSizeF(144, 72));
        ASSERT_EQ(image->representations().size(), 1u);
        EXPECT_EQ(image->representations().front()->pixelsWide(), 600);
    }
    EXPECT_FALSE(Image::initWithData(QByteArray("nothing")));
    EXPECT_FALSE(Image::initWithContentsOfFile(dir.filePath(QStringLiteral("none.png"))));
}

TEST(Image, TiffRepresentationShowsWhatWasDrawn) {
    Image image(QSizeF(20, 10));
    image.setBackgroundColor(Qt::white);
    image.lockFocus();
    GraphicsContext::current()->setFillColor(Qt::blue);
    GraphicsContext::current()->fillRect(QRectF(10, 5, 10, 5));
    image.unlockFocus();
    const auto back = Image::initWithData(image.TIFFRepresentation());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->size(), QSizeF(20, 10));
    EXPECT_EQ(at(*back, 15, 7), QColor(Qt::blue));
    EXPECT_EQ(at(*back, 5, 2), QColor(Qt::white));
}

TEST(Image, CanvasCoversAFractionalSizeWithWholePixels) {
    Image image(QSizeF(413.4375, 531.5625));
    image.setBackgroundColor(Qt::white);
    image.lockFocus();
    image.unlockFocus();
    const auto& rep = image.representations().front();
    EXPECT_EQ(rep->pixelsWide(), 414);
    EXPECT_EQ(rep->pixelsHigh(), 532);
    Image nearlyWhole(QSizeF(300.00001, 399.99999));
    nearlyWhole.lockFocus();
    nearlyWhole.unlockFocus();
    EXPECT_EQ(nearlyWhole.representations().front()->pixelsWide(), 300);
    EXPECT_EQ(nearlyWhole.representations().front()->pixelsHigh(), 400);
}

TEST(Image, LockFocusStartsFromWhatThePictureShowed) {
    auto image = filled(4, 4, Qt::green);
    image->lockFocus();
    GraphicsContext::current()->setFillColor(Qt::red);
    GraphicsContext::current()->fillRect(QRectF(0, 0, 2, 2));
    image->unlockFocus();
    EXPECT_EQ(at(*image, 0, 0), QColor(Qt::red));
    EXPECT_EQ(at(*image, 3, 3), QColor(Qt::green));
    // A decoded bitmap is drawn into the new canvas.
    auto decoded = quadrants();
    decoded->lockFocus();
    decoded->unlockFocus();
    EXPECT_EQ(at(*decoded, 0, 1), QColor(255, 0, 0));
    EXPECT_EQ(at(*decoded, 1, 0), QColor(255, 255, 255));
    EXPECT_TRUE(decoded->representations().front()->hasAlpha());
}

TEST(Image, FocusStacksAndUnstacks) {
    EXPECT_EQ(GraphicsContext::current(), nullptr);
    Image outer(QSizeF(5, 5));
    Image inner(QSizeF(3, 3));
    outer.lockFocus();
    GraphicsContext* outerContext = GraphicsContext::current();
    ASSERT_NE(outerContext, nullptr);
    EXPECT_FALSE(outerContext->isDrawingToScreen());
    inner.lockFocus();
    EXPECT_NE(GraphicsContext::current(), outerContext);
    EXPECT_EQ(GraphicsContext::current()->sizeInPoints(), QSizeF(3, 3));
    inner.unlockFocus();
    EXPECT_EQ(GraphicsContext::current(), outerContext);
    outer.unlockFocus();
    EXPECT_EQ(GraphicsContext::current(), nullptr);
    // A picture that goes while focused leaves the stack.
    {
        Image dropped(QSizeF(2, 2));
        dropped.lockFocus();
    }
    EXPECT_EQ(GraphicsContext::current(), nullptr);
}

TEST(Image, DrawsUprightScaledIntoARectangle) {
    auto source = quadrants();
    Image canvas(QSizeF(20, 20));
    canvas.lockFocus();
    source->drawInRect(QRectF(0, 0, 20, 20), QRectF(), Op::Copy, 1);
    canvas.unlockFocus();
    // y upward: the top of the picture is at the high y values.
    EXPECT_EQ(at(canvas, 2, 17), QColor(255, 0, 0)) << "top left";
    EXPECT_EQ(at(canvas, 17, 17), QColor(0, 255, 0)) << "top right";
    EXPECT_EQ(at(canvas, 2, 2), QColor(0, 0, 255)) << "bottom left";
    EXPECT_EQ(at(canvas, 17, 2), QColor(255, 255, 255)) << "bottom right";
}

TEST(Image, DrawsAPartOfItselfAtAPoint) {
    auto source = quadrants();
    source->setSize(QSizeF(20, 20)); // drawn scaled to its point size
    Image canvas(QSizeF(30, 30));
    canvas.lockFocus();
    // The upper-right quarter, in the picture's own y-up points.
    source->drawAtPoint(QPointF(5, 5), QRectF(10, 10, 10, 10), Op::Copy, 1);
    canvas.unlockFocus();
    EXPECT_EQ(at(canvas, 10, 10), QColor(0, 255, 0));
    EXPECT_EQ(at(canvas, 4, 10).alpha(), 0);
    EXPECT_EQ(at(canvas, 15, 10).alpha(), 0);
    EXPECT_EQ(at(canvas, 10, 15).alpha(), 0);
}

struct Compositing {
    const char* name;
    Op operation;
    qreal fraction;
    QColor expected; // source: red at alpha 128; destination: opaque white
    int tolerance;
};

class ImageCompositing : public ::testing::TestWithParam<Compositing> {};

TEST_P(ImageCompositing, CoversOnlyThePictureWherever) {
    const Compositing& c = GetParam();
    auto source = filled(10, 10, QColor(255, 0, 0, 128));
    auto canvas = filled(30, 30, Qt::white);
    canvas->lockFocus();
    // Half of the source rectangle lies outside the picture (left and below).
    source->drawAtPoint(QPointF(10, 10), QRectF(-5, -5, 10, 10), c.operation, c.fraction);
    canvas->unlockFocus();
    imagetest::expectNear(at(*canvas, 17, 17), c.expected, c.tolerance, c.name);
    // Where the source rectangle is outside the picture the destination keeps its white.
    for (const QPoint p : {QPoint(12, 12), QPoint(17, 12), QPoint(12, 17), QPoint(21, 21)}) {
        EXPECT_EQ(at(*canvas, p.x(), p.y()), QColor(Qt::white))
            << c.name << " at " << p.x() << "," << p.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ImageCompositing,
    ::testing::Values(Compositing{"copy replaces", Op::Copy, 1, QColor(255, 0, 0, 128), 1},
                      Compositing{"source-over blends", Op::SourceOver, 1,
                                  QColor(255, 127, 127, 255), 2},
                      Compositing{"source-over at half opacity", Op::SourceOver, 0.5,
                                  QColor(255, 191, 191, 255), 2}),
    NameOfParam());

TEST(Image, DrawingWithoutADestinationOrBitmapDoesNothing) {
    auto source = quadrants();
    source->drawAtPoint(QPointF(0, 0), QRectF(), Op::Copy, 1); // no current context
    Image empty(QSizeF(5, 5));
    auto canvas = filled(5, 5, Qt::white);
    canvas->lockFocus();
    empty.drawAtPoint(QPointF(0, 0), QRectF(), Op::Copy, 1);
    canvas->unlockFocus();
    EXPECT_EQ(at(*canvas, 2, 2), QColor(Qt::white));
}

} // namespace

#include "core/platform/Image.h"

#include "core/platform/AreaResampler.h"
#include "core/platform/Log.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Halving beyond this gains little: the picture is then small already.
constexpr int kMaxHalvings = 4;

// Whole pixels that cover a length in points; float noise (400.00001) does not add a pixel.
// A length that is no number, or beyond int, gives one pixel or the most there can be.
int coveringPixels(qreal points) {
    if (!(points > 1)) {
        return 1;
    }
    return int(std::min(std::ceil(points - 1e-4), qreal(std::numeric_limits<int>::max())));
}

} // namespace

Image::Image(QSizeF size)
    : size_(size) {}

Image::~Image() {
    if (isFocused()) {
        unlockFocus();
    }
}

std::shared_ptr<Image> Image::initWithSize(QSizeF size) {
    return std::make_shared<Image>(size);
}

std::shared_ptr<Image> Image::initWithContentsOfFile(const QString& path) {
    auto rep = BitmapImageRep::imageRepWithContentsOfFile(path);
    if (!rep) {
        return nullptr;
    }
    auto image = std::make_shared<Image>(rep->size());
    image->addRepresentation(std::move(rep));
    return image;
}

std::shared_ptr<Image> Image::initWithData(const QByteArray& data) {
    auto rep = BitmapImageRep::imageRepWithData(data);
    if (!rep) {
        return nullptr;
    }
    auto image = std::make_shared<Image>(rep->size());
    image->addRepresentation(std::move(rep));
    return image;
}

void Image::addRepresentation(std::shared_ptr<BitmapImageRep> rep) {
    if (rep) {
        halvings_.clear();
        reps_.push_back(std::move(rep));
    }
}

void Image::removeRepresentation(const std::shared_ptr<BitmapImageRep>& rep) {
    halvings_.clear();
    reps_.erase(std::remove(reps_.begin(), reps_.end(), rep), reps_.end());
}

QRectF Image::pictureArea(int pixelsWide, int pixelsHigh) const {
    // One pixel per point from the lower-left corner; a fraction of a pixel is left over at
    // the top and on the right.
    return QRectF(0, pixelsHigh - size_.height(), size_.width(), size_.height())
        .intersected(QRectF(0, 0, pixelsWide, pixelsHigh));
}

void Image::lockFocus() {
    halvings_.clear();
    if (isFocused()) {
        GraphicsContext::pushContext(context_.get());
        return;
    }
    const int w = coveringPixels(size_.width());
    const int h = coveringPixels(size_.height());
    const bool reuse = reps_.size() == 1 && reps_.front() == canvas_ && canvas_ &&
                       canvas_->pixelsWide() == w && canvas_->pixelsHigh() == h;
    if (!reuse) {
        BitmapImageRep::Layout layout;
        layout.pixelsWide = w;
        layout.pixelsHigh = h;
        layout.samplesPerPixel = 4;
        layout.hasAlpha = true;
        auto canvas = BitmapImageRep::initWithLayout(layout);
        if (!canvas) {
            Log::write(QStringLiteral("Unable to make a %1 x %2 canvas").arg(w).arg(h));
        } else {
            QImage view = canvas->toQImage();
            view.fill(backgroundColor_);
            // The canvas starts with what the picture showed.
            if (!reps_.empty() && size_.width() > 0 && size_.height() > 0) {
                QPainter p(&view);
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(pictureArea(w, h), reps_.front()->toQImage());
            }
            canvas->setSize(QSizeF(w, h));
            reps_ = {canvas};
        }
        canvas_ = canvas;
    }
    canvasView_ = canvas_ ? canvas_->toQImage() : QImage();
    context_ = std::make_unique<GraphicsContext>(canvas_ ? &canvasView_ : nullptr, size_,
                                                 pictureArea(w, h));
    GraphicsContext::pushContext(context_.get());
}

void Image::unlockFocus() {
    if (!isFocused()) {
        return;
    }
    if (GraphicsContext::current() == context_.get()) {
        GraphicsContext::popContext();
    }
    if (GraphicsContext::current() == context_.get()) {
        return; // still focused by an outer lockFocus
    }
    context_.reset();
    canvasView_ = QImage();
}

void Image::drawAtPoint(QPointF point, QRectF fromRect, CompositingOperation operation,
                        qreal fraction) {
    const QSizeF drawn = fromRect.isEmpty() ? size_ : fromRect.size();
    drawInRect(QRectF(point, drawn), fromRect, operation, fraction);
}

void Image::drawInRect(QRectF rect, QRectF fromRect, CompositingOperation operation,
                       qreal fraction) {
    GraphicsContext* context = GraphicsContext::current();
    if (context == nullptr || reps_.empty() || size_.width() <= 0 || size_.height() <= 0) {
        return;
    }
    const QRectF bounds(QPointF(0, 0), size_);
    const QRectF from = fromRect.isEmpty() ? bounds : fromRect;
    const QRectF visible = from.intersected(bounds);
    if (visible.isEmpty() || rect.isEmpty()) {
        return;
    }
    // The visible part of the source lands on the matching part of the destination.
    const qreal sx = rect.width() / from.width();
    const qreal sy = rect.height() / from.height();
    const QRectF destination(rect.x() + (visible.x() - from.x()) * sx,
                             rect.y() + (visible.y() - from.y()) * sy, visible.width() * sx,
                             visible.height() * sy);
    const std::shared_ptr<BitmapImageRep>& rep = reps_.front();
    const qreal kx = rep->pixelsWide() / size_.width();
    const qreal ky = rep->pixelsHigh() / size_.height();
    QRectF source(visible.x() * kx, (size_.height() - visible.y() - visible.height()) * ky,
                  visible.width() * kx, visible.height() * ky);
    // On screen a picture shrunk four times or more is averaged from a copy halved beforehand,
    // which reads a quarter of the memory and looks the same; printing and rendering read
    // every pixel.
    int level = 0;
    if (context->isDrawingToScreen()) {
        const QPointF device = context->devicePixelsPerUnit();
        const qreal shrink = std::min(source.width() / (destination.width() * device.x()),
                                      source.height() / (destination.height() * device.y()));
        while (level < kMaxHalvings && shrink >= qreal(4 << level)) {
            ++level;
        }
    }
    if (level > 0) {
        const QImage& halved = halvedBitmap(level);
        if (!halved.isNull()) {
            const qreal f = 1.0 / (1 << level);
            source =
                QRectF(source.x() * f, source.y() * f, source.width() * f, source.height() * f);
            context->drawImage(halved, source, destination, operation, fraction);
            return;
        }
    }
    context->drawImage(rep->toQImage(), source, destination, operation, fraction);
}

const QImage& Image::halvedBitmap(int level) {
    while (static_cast<int>(halvings_.size()) < level) {
        const QImage& larger = halvings_.empty() ? reps_.front()->toQImage() : halvings_.back();
        QImage next = AreaResampler::halved(larger, AreaResampler::drawingThreads());
        if (next.isNull()) {
            halvings_.clear();
            static const QImage none;
            return none;
        }
        halvings_.push_back(std::move(next));
    }
    return halvings_[static_cast<size_t>(level - 1)];
}

QByteArray Image::TIFFRepresentation(bool compressed) const {
    return reps_.empty() ? QByteArray() : reps_.front()->TIFFRepresentation(compressed);
}

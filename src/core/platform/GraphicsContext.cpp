#include "core/platform/GraphicsContext.h"

#include "core/platform/AreaResampler.h"
#include "core/platform/Units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace {

std::vector<GraphicsContext*>& contextStack() {
    static std::vector<GraphicsContext*> stack;
    return stack;
}

// One box-blur pass of radius r along a line of n premultiplied 32-bit pixels, step apart,
// edges clamped.
void boxBlurLine(quint32* line, int n, qsizetype step, int r, std::vector<quint32>& copy) {
    copy.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        copy[size_t(i)] = line[i * step];
    }
    auto at = [&](int i) { return copy[size_t(std::clamp(i, 0, n - 1))]; };
    int sum[4] = {0, 0, 0, 0};
    auto add = [&](quint32 p, int sign) {
        for (int c = 0; c < 4; ++c) {
            sum[c] += sign * int((p >> (8 * c)) & 0xFF);
        }
    };
    for (int i = -r; i <= r; ++i) {
        add(at(i), 1);
    }
    const int count = 2 * r + 1;
    for (int i = 0; i < n; ++i) {
        quint32 out = 0;
        for (int c = 0; c < 4; ++c) {
            out |= quint32((sum[c] + count / 2) / count) << (8 * c);
        }
        line[i * step] = out;
        add(at(i + r + 1), 1);
        add(at(i - r), -1);
    }
}

// About a Gaussian of the given radius: three box passes each way.
void blur(QImage& image, qreal radius) {
    const int r = int(std::lround(radius / 2));
    if (r < 1) {
        return;
    }
    auto* bits = reinterpret_cast<quint32*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    std::vector<quint32> copy;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < image.height(); ++y) {
            boxBlurLine(bits + y * stride, image.width(), 1, r, copy);
        }
        for (int x = 0; x < image.width(); ++x) {
            boxBlurLine(bits + x, image.height(), stride, r, copy);
        }
    }
}

} // namespace

GraphicsContext::GraphicsContext(QPaintDevice* device, QSizeF sizeInPoints, QRectF areaInDevice)
    : ownPainter_(std::make_unique<QPainter>())
    , painter_(ownPainter_.get())
    , size_(sizeInPoints) {
    if (device != nullptr && device->width() > 0 && device->height() > 0) {
        toScreen_ = device->devType() == QInternal::Widget;
        if (areaInDevice.isEmpty()) {
            areaInDevice = QRectF(0, 0, device->width(), device->height());
        }
        painter_->begin(device);
    }
    begin(areaInDevice);
}

GraphicsContext::GraphicsContext(QPainter* painter, QSizeF sizeInPoints, QRectF areaInDevice)
    : painter_(painter)
    , size_(sizeInPoints) {
    if (painter_ != nullptr && painter_->isActive()) {
        toScreen_ = painter_->device()->devType() == QInternal::Widget;
        painter_->save();
    }
    begin(areaInDevice);
}

GraphicsContext::~GraphicsContext() {
    auto& stack = contextStack();
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    if (!isActive()) {
        return;
    }
    if (ownPainter_) {
        ownPainter_->end();
    } else {
        while (states_.size() > 1) {
            restoreGraphicsState();
        }
        painter_->restore();
    }
}

void GraphicsContext::begin(QRectF area) {
    states_.emplace_back();
    const qreal sx = size_.width() > 0 ? area.width() / size_.width() : 1.0;
    const qreal sy = size_.height() > 0 ? area.height() / size_.height() : 1.0;
    pixelsPerPoint_ = QPointF(sx, sy);
    base_ = QTransform(sx, 0, 0, -sy, area.left(), area.top() + area.height());
    if (isActive()) {
        painter_->setTransform(base_);
        painter_->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                                 QPainter::TextAntialiasing);
        painter_->setPen(Qt::NoPen);
        painter_->setBrush(Qt::NoBrush);
    }
}

GraphicsContext* GraphicsContext::current() {
    const auto& stack = contextStack();
    return stack.empty() ? nullptr : stack.back();
}

void GraphicsContext::pushContext(GraphicsContext* context) {
    contextStack().push_back(context);
}

void GraphicsContext::popContext() {
    if (!contextStack().empty()) {
        contextStack().pop_back();
    }
}

QPointF GraphicsContext::devicePixelsPerUnit() const {
    if (!isActive()) {
        return {};
    }
    const QTransform t = painter_->combinedTransform();
    return {std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22())};
}

void GraphicsContext::saveGraphicsState() {
    states_.push_back(states_.back());
    if (isActive()) {
        painter_->save();
    }
}

void GraphicsContext::restoreGraphicsState() {
    if (states_.size() <= 1) {
        return;
    }
    states_.pop_back();
    if (isActive()) {
        painter_->restore();
    }
}

void GraphicsContext::rotateByDegrees(qreal degrees) {
    if (isActive()) {
        painter_->rotate(degrees);
    }
}

void GraphicsContext::translate(qreal dx, qreal dy) {
    if (isActive()) {
        painter_->translate(dx, dy);
    }
}

void GraphicsContext::scale(qreal sx, qreal sy) {
    if (isActive()) {
        painter_->scale(sx, sy);
    }
}

void GraphicsContext::concat(const QTransform& transform) {
    if (isActive()) {
        painter_->setTransform(transform, true);
    }
}

QTransform GraphicsContext::transform() const {
    if (!isActive()) {
        return {};
    }
    return painter_->transform() * base_.inverted();
}

QPainterPath GraphicsContext::transformPath(const QTransform& transform, const QPainterPath& path) {
    return transform.map(path);
}

QPainterPath GraphicsContext::pathWithRect(const QRectF& rect) {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath GraphicsContext::pathWithLine(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

void GraphicsContext::setColor(const QColor& color) {
    states_.back().fill = color;
    states_.back().stroke = color;
}

void GraphicsContext::setFillColor(const QColor& color) {
    states_.back().fill = color;
}

void GraphicsContext::setStrokeColor(const QColor& color) {
    states_.back().stroke = color;
}

QColor GraphicsContext::colorWithWhite(qreal white, qreal alpha) {
    return QColor::fromRgbF(float(white), float(white), float(white), float(alpha));
}

QColor GraphicsContext::colorWithRGB(qreal red, qreal green, qreal blue, qreal alpha) {
    return QColor::fromRgbF(float(red), float(green), float(blue), float(alpha));
}

void GraphicsContext::setShadow(const Shadow& shadow) {
    states_.back().shadow = shadow;
}

void GraphicsContext::clearShadow() {
    states_.back().shadow.reset();
}

template <typename Draw> void GraphicsContext::paintShadow(const QRectF& userBounds, Draw draw) {
    const Shadow& shadow = *states_.back().shadow;
    if (shadow.color.alpha() == 0) {
        return;
    }
    const QPointF offset(shadow.offset.x() * pixelsPerPoint_.x(),
                         -shadow.offset.y() * pixelsPerPoint_.y());
    const qreal spread = shadow.blurRadius * pixelsPerPoint_.x() + 2;
    const QRectF device(0, 0, painter_->device()->width(), painter_->device()->height());
    // Only the part that can land on the device is drawn, so memory stays bounded.
    const QRect layerRect =
        painter_->transform()
            .mapRect(userBounds)
            .adjusted(-spread, -spread, spread, spread)
            .intersected(device.translated(-offset).adjusted(-spread, -spread, spread, spread))
            .toAlignedRect();
    if (layerRect.isEmpty()) {
        return;
    }
    QImage layer(layerRect.size(), QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull()) {
        return;
    }
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHints(painter_->renderHints());
        p.setTransform(painter_->transform() *
                       QTransform::fromTranslate(-layerRect.x(), -layerRect.y()));
        draw(p);
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(layer.rect(), shadow.color);
    }
    blur(layer, shadow.blurRadius * pixelsPerPoint_.x());
    painter_->save();
    painter_->resetTransform();
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->drawImage(QPointF(layerRect.topLeft()) + offset, layer);
    painter_->restore();
}

void GraphicsContext::fillPath(const QPainterPath& path) {
    if (!isActive()) {
        return;
    }
    const QColor color = states_.back().fill;
    if (hasShadow()) {
        paintShadow(path.boundingRect(), [&](QPainter& p) { p.fillPath(path, color); });
    }
    painter_->fillPath(path, color);
}

void GraphicsContext::strokePath(const QPainterPath& path, qreal lineWidth,
                                 const QVector<qreal>& dashPattern, qreal dashPhase) {
    if (!isActive()) {
        return;
    }
    QPen pen(states_.back().stroke, lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!dashPattern.isEmpty()) {
        // Qt measures dashes in line widths and wants an even count.
        const qreal unit = lineWidth > 0 ? lineWidth : 1;
        QVector<qreal> dashes;
        for (const qreal d : dashPattern) {
            dashes.append(std::max<qreal>(d, 0) / unit);
        }
        if (dashes.size() % 2 != 0) {
            dashes += dashes;
        }
        pen.setDashPattern(dashes);
        pen.setDashOffset(dashPhase / unit);
    }
    if (hasShadow()) {
        const qreal m = lineWidth / 2 + 1;
        paintShadow(path.boundingRect().adjusted(-m, -m, m, m),
                    [&](QPainter& p) { p.strokePath(path, pen); });
    }
    painter_->strokePath(path, pen);
}

void GraphicsContext::addClip(const QPainterPath& path) {
    if (isActive()) {
        painter_->setClipPath(path, painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
}

void GraphicsContext::fillRect(const QRectF& rect) {
    fillPath(pathWithRect(rect));
}

void GraphicsContext::fillPattern(const QRectF& rect, const QImage& tile) {
    if (!isActive() || tile.isNull()) {
        return;
    }
    const QRectF area = painter_->transform().mapRect(rect);
    painter_->save();
    painter_->resetTransform();
    painter_->fillRect(area, QBrush(tile));
    painter_->restore();
}

void GraphicsContext::frameRect(const QRectF& rect, qreal lineWidth) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(rect);
    const QRectF inner = rect.adjusted(lineWidth, lineWidth, -lineWidth, -lineWidth);
    if (inner.width() > 0 && inner.height() > 0) {
        path.addRect(inner);
    }
    fillPath(path);
}

void GraphicsContext::drawString(const QString& text, QPointF point, const QString& fontName,
                                 qreal size, const QColor& color) {
    if (!isActive() || text.isEmpty() || size <= 0) {
        return;
    }
    QFont font(fontName);
    // Qt turns point sizes into the device's pixels; the size here is in current units.
    const int dpi = std::max(1, painter_->device()->logicalDpiY());
    font.setPointSizeF(size * Units::kPointsPerInch / dpi);
    const qreal descent = QFontMetricsF(font, painter_->device()).descent();
    auto draw = [&](QPainter& p) {
        p.save();
        p.translate(point);
        p.scale(1, -1);
        p.setFont(font);
        p.setPen(color);
        p.drawText(QPointF(0, -descent), text);
        p.restore();
    };
    if (hasShadow()) {
        const QRectF box = QFontMetricsF(font, painter_->device()).boundingRect(text);
        paintShadow(QRectF(point.x() + box.left(), point.y(), box.width(), box.height()), draw);
    }
    draw(*painter_);
}

void GraphicsContext::paintScaledImage(QPainter& painter, const QRectF& target, const QImage& image,
                                       const QRectF& source) {
    // The one place that resamples pictures. On pixels (an image, a widget) each device pixel
    // gets the exact area average of the picture under it; a printer gets the picture itself.
    QPaintDevice* device = painter.device();
    const QTransform t = painter.combinedTransform();
    const int kind = device ? device->devType() : 0;
    const bool onPixels =
        kind == QInternal::Image || kind == QInternal::Widget || kind == QInternal::Pixmap;
    const bool axisAligned = t.type() <= QTransform::TxScale;
    const bool copyWithAlpha =
        painter.compositionMode() == QPainter::CompositionMode_Source && image.hasAlphaChannel();
    if (onPixels && axisAligned && !copyWithAlpha) {
        // The combined transform carries the device pixel ratio too (which the device does
        // not always report, as when a widget is rendered into a picture): these are device
        // pixels.
        const QRectF pixels = t.mapRect(target);
        // An opaque RGB canvas (renderings, thumbnails) takes the rows straight, with no
        // picture in between.
        const bool plain = kind == QInternal::Image && t.m11() > 0 && t.m22() > 0 &&
                           painter.opacity() >= 1 && !painter.hasClipping() &&
                           (painter.compositionMode() == QPainter::CompositionMode_Source ||
                            painter.compositionMode() == QPainter::CompositionMode_SourceOver);
        if (plain &&
            AreaResampler::resampleOnto(image, source, pixels, *static_cast<QImage*>(device),
                                        AreaResampler::drawingThreads())) {
            return;
        }
        QPoint origin;
        QImage resampled = AreaResampler::resample(image, source, pixels, &origin,
                                                   AreaResampler::drawingThreads());
        if (resampled.isNull()) {
            return;
        }
        if (t.m11() < 0 || t.m22() < 0) {
            resampled = resampled.mirrored(t.m11() < 0, t.m22() < 0);
        }
        painter.save();
        // One unit a device pixel, whatever scale the device adds below the painter's own.
        painter.resetTransform();
        painter.setTransform(painter.deviceTransform().inverted());
        // Edge pixels carry their coverage as alpha: blended, they come out as an exact
        // copy of an opaque picture would.
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(QPointF(origin), resampled);
        painter.restore();
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image, source);
}

void GraphicsContext::drawImage(const QImage& image, const QRectF& sourcePixels,
                                const QRectF& destination, CompositingOperation operation,
                                qreal opacity) {
    if (!isActive() || image.isNull() || sourcePixels.isEmpty() || destination.isEmpty() ||
        opacity <= 0) {
        return;
    }
    auto draw = [&](QPainter& p) {
        p.save();
        // Upright: the picture's top row goes to the top of the destination.
        p.translate(destination.left(), destination.top() + destination.height());
        p.scale(1, -1);
        paintScaledImage(p, QRectF(0, 0, destination.width(), destination.height()), image,
                         sourcePixels);
        p.restore();
    };
    if (hasShadow()) {
        paintShadow(destination, draw);
    }
    painter_->save();
    painter_->setCompositionMode(operation == CompositingOperation::Copy
                                     ? QPainter::CompositionMode_Source
                                     : QPainter::CompositionMode_SourceOver);
    painter_->setOpacity(painter_->opacity() * std::min<qreal>(opacity, 1));
    draw(*painter_);
    painter_->restore();
}

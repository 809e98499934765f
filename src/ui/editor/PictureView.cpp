#include "ui/editor/PictureView.h"

#include "core/document/AttributeKeys.h"
#include "core/document/Fotino.h"
#include "core/imaging/DefaultsExtension.h"
#include "core/platform/GraphicsContext.h"
#include "core/platform/Units.h"
#include "core/presets/FramingGuides.h"
#include "core/presets/Preset.h"
#include "ui/platform/KtObject.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWheelEvent>

namespace {
constexpr qreal kLabelSize = 22;
// Labels that share the corner are stacked a line apart.
constexpr qreal kLabelLine = kLabelSize * 1.25;
constexpr int kPdfResolution = 720;
const QString kLabelFont = QStringLiteral("Arial");

QPainterPath rectPath(const QRectF& rect) {
    return GraphicsContext::pathWithRect(rect);
}
} // namespace

PictureView::PictureView(QWidget* parent)
    : QWidget(parent) {
    // Not opaque: the white background is painted with the rest.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

PictureView::~PictureView() = default;

PictureView* PictureView::pictureViewWithFotino(std::shared_ptr<Fotino> fotino, const QRect& frame,
                                                QWidget* parent) {
    auto* view = new PictureView(parent);
    view->setGeometry(frame);
    view->setFotino(std::move(fotino));
    return view;
}

void PictureView::setFotino(std::shared_ptr<Fotino> fotino) {
    fotino_ = std::move(fotino);
    drag_.reset();
    update();
}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
    GraphicsContext context(this, QSizeF(width(), height()));
    const GraphicsContext::CurrentScope current(context);
    drawRect(context);
}

void PictureView::drawRect(GraphicsContext& context) {
    const QRectF bounds(QPointF(0, 0), context.sizeInPoints());
    context.setFillColor(Qt::white);
    context.fillRect(bounds);
    if (generate_) {
        if (fotino_) {
            fotino_->drawInFrame(bounds);
        }
        return;
    }
    if (fotino_) {
        fotino_->drawPictureInFrame(bounds);
    }
    // Everything laid over the picture stays the same while it is dragged: the mask, the
    // outline and the guides are drawn once into a layer and laid over each new frame.
    const QImage& layer = overlay(context.devicePixelsPerUnit().x());
    QPainter* painter = context.painter();
    if (painter != nullptr && !layer.isNull()) {
        painter->save();
        painter->resetTransform();
        painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter->drawImage(QPointF(0, 0), layer);
        painter->restore();
    }
}

PictureView::OverlayKey PictureView::overlayKey(qreal ratio) const {
    OverlayKey key;
    key.size = size();
    key.ratio = ratio;
    key.hasFotino = fotino_ != nullptr;
    key.guidesShown = !fotino_ || fotino_->showFaceFrame();
    if (fotino_) {
        key.mask = fotino_->objectForKey(AttributeKeys::kPresetMask);
        if (const auto guides = fotino_->guides()) {
            key.guides = *guides;
            for (auto it = guides->cbegin(); it != guides->cend(); ++it) {
                key.labels << KtObject::localizedString(it.key());
            }
        }
        key.widthInCm = fotino_->widthInCm();
    }
    return key;
}

const QImage& PictureView::overlay(qreal ratio) {
    OverlayKey key = overlayKey(ratio);
    if (key == overlayKey_ && !overlay_.isNull()) {
        return overlay_;
    }
    overlayKey_ = std::move(key);
    const QSize pixels = (QSizeF(size()) * overlayKey_.ratio).toSize();
    overlay_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (overlay_.isNull()) {
        return overlay_;
    }
    overlay_.setDevicePixelRatio(overlayKey_.ratio);
    overlay_.fill(Qt::transparent);
    const QRectF bounds(0, 0, width(), height());
    GraphicsContext context(&overlay_, bounds.size(), bounds);
    const GraphicsContext::CurrentScope current(context);
    if (fotino_) {
        fotino_->drawMaskInFrame(bounds);
    }
    context.setFillColor(Qt::black);
    context.frameRect(bounds, 1);
    if (overlayKey_.guidesShown) {
        drawGuides(context);
    }
    return overlay_;
}

void PictureView::drawGuides(GraphicsContext& context) {
    const QRectF bounds(QPointF(0, 0), context.sizeInPoints());
    const auto guides = fotino_
                            ? FramingGuides::guidesInView(fotino_->guides(), fotino_->widthInCm(),
                                                          static_cast<float>(bounds.width()))
                            : std::vector<FramingGuides::Guide>();
    qreal labelY = bounds.y();
    for (const FramingGuides::Guide& guide : guides) {
        const QPainterPath path = rectPath(guide.rect);
        if (guide.name == Preset::kFaceGuide) {
            // The photo shows through the face box only: the veil lies around it.
            QPainterPath veil = rectPath(bounds);
            veil.addRect(guide.rect.intersected(bounds));
            veil.setFillRule(Qt::OddEvenFill);
            context.setFillColor(GraphicsContext::colorWithWhite(0.25, 0.4));
            context.fillPath(veil);
        } else {
            context.setFillColor(GraphicsContext::colorWithWhite(1.0, 0.25));
            context.fillPath(path);
        }
        const QString label = KtObject::localizedString(guide.name);
        if (!label.isEmpty()) {
            context.drawString(label, QPointF(bounds.x(), labelY), kLabelFont, kLabelSize,
                               Qt::white);
            labelY += kLabelLine;
        }
        // The shadow stays for everything drawn after the first outline.
        context.setShadow(DefaultsExtension::midShadow());
        context.setStrokeColor(GraphicsContext::colorWithWhite(0.5));
        context.strokePath(path, 3, {3, 1}, 0);
    }
    const QLineF centre = FramingGuides::centreLine(bounds.size());
    context.setStrokeColor(GraphicsContext::colorWithWhite(0.5, 0.65));
    context.strokePath(GraphicsContext::pathWithLine(centre.p1(), centre.p2()), 5, {15, 6}, 0);
}

QByteArray PictureView::PDFCalibratedRepresentation() {
    if (width() <= 0 || height() <= 0) {
        return {};
    }
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return {};
    }
    const QSizeF points(width(), height());
    bool written = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(
            QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (painter.begin(&pdf)) {
            const qreal pixelsPerPoint = kPdfResolution / Units::kPointsPerInch;
            {
                GraphicsContext context(&painter, points,
                                        QRectF(QPointF(0, 0), points * pixelsPerPoint));
                const GraphicsContext::CurrentScope current(context);
                generate_ = true;
                drawRect(context);
                generate_ = false;
            }
            written = painter.end();
        }
    }
    return written ? data : QByteArray();
}

QPointF PictureView::location(const QMouseEvent* event) const {
    const QPointF p = event->position();
    return {p.x(), height() - p.y()};
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !fotino_) {
        QWidget::mousePressEvent(event);
        return;
    }
    drag_ = FramingDrag::begin(*fotino_, location(event));
    event->accept();
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_ || !fotino_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (const auto offset = drag_->offsetAt(fotino_->pictureSize(), location(event))) {
        fotino_->setOffset(*offset);
        update();
        Q_EMIT offsetChanged();
    }
    event->accept();
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        drag_.reset();
    }
    QWidget::mouseReleaseEvent(event);
}

void PictureView::wheelEvent(QWheelEvent* event) {
    // A notch is 120; touchpads send fractions of one, which add up.
    wheelRemainder_ += event->angleDelta().y();
    const int steps = wheelRemainder_ / 120;
    wheelRemainder_ -= steps * 120;
    if (steps != 0) {
        const QPointF p = event->position();
        Q_EMIT scaleStepped(steps, QPointF(p.x(), height() - p.y()));
    }
    event->accept();
}

void PictureView::keyPressEvent(QKeyEvent* event) {
    QPointF by;
    switch (event->key()) {
    case Qt::Key_Left:
        by = QPointF(-1, 0);
        break;
    case Qt::Key_Right:
        by = QPointF(1, 0);
        break;
    case Qt::Key_Up:
        by = QPointF(0, 1);
        break;
    case Qt::Key_Down:
        by = QPointF(0, -1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (fotino_) {
        // As a drag of one point in that direction.
        if (const auto nudge = FramingDrag::begin(*fotino_, QPointF(0, 0))) {
            if (const auto offset = nudge->offsetAt(fotino_->pictureSize(), by)) {
                fotino_->setOffset(*offset);
                update();
                Q_EMIT offsetChanged();
            }
        }
    }
    event->accept();
}

#include "ui/capture/IG_LiveView.h"

#include "core/capture/CaptureFile.h"
#include "core/capture/CaptureSource.h"
#include "core/capture/LiveViewGeometry.h"
#include "core/platform/BitmapImageRep.h"

#include <QPainter>
#include <algorithm>

IG_LiveView::IG_LiveView(QWidget* parent)
    : QWidget(parent)
    , bounds_(0, 0, CaptureSource::kWidth, CaptureSource::kHeight) {
    // Every pixel is painted: nothing behind the view needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    updateMatrix();
}

IG_LiveView::~IG_LiveView() = default;

QSize IG_LiveView::sizeHint() const {
    return {CaptureSource::kWidth, CaptureSource::kHeight};
}

void IG_LiveView::setImage(std::shared_ptr<BitmapImageRep> image) {
    if (image == image_) {
        return;
    }
    image_ = std::move(image);
    picture_ = image_ ? image_->toQImage() : QImage();
    if (image_ && !picture_.isNull()) {
        const QSizeF size(image_->pixelsWide(), image_->pixelsHigh());
        imageRect_ = QRectF(QPointF(0, 0), size);
        if (bounds_.size() != size) {
            bounds_ = QRectF(bounds_.topLeft(), size);
        }
    } else {
        imageRect_ = QRectF();
    }
    updateMatrix();
    update();
}

void IG_LiveView::updateMatrix() {
    mirrorMatrix_ = LiveViewGeometry::mirrorMatrix(bounds_);
}

std::shared_ptr<BitmapImageRep> IG_LiveView::toImage() const {
    return image_ ? CaptureFile::stillImage(*image_) : nullptr;
}

void IG_LiveView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (bounds_.isEmpty()) {
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(width() / bounds_.width(), height() / bounds_.height());
    painter.translate(-bounds_.topLeft());
    painter.setTransform(mirrorMatrix_, true);
    if (!picture_.isNull()) {
        painter.drawImage(imageRect_, picture_);
    }
    // One unit wide, and never thinner than a pixel when the view is smaller than the frame.
    QPen guide(QColor(0, 0, 255), std::max(1.0, bounds_.width() / width()));
    guide.setCosmetic(false);
    painter.setPen(guide);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(LiveViewGeometry::portraitGuide(bounds_));
}

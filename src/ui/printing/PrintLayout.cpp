#include "ui/printing/PrintLayout.h"

#include "core/platform/GraphicsContext.h"
#include "core/platform/Image.h"
#include "core/platform/Log.h"
#include "core/platform/UserDefaults.h"
#include "core/printing/PrintArrangement.h"

#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

namespace {
// The rectangle in the old text form of the platform, "{{x, y}, {w, h}}".
QString rectText(const QRectF& r) {
    const auto n = [](qreal v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); };
    return QStringLiteral("{{%1, %2}, {%3, %4}}")
        .arg(n(r.x()), n(r.y()), n(r.width()), n(r.height()));
}
} // namespace

PrintLayout::PrintLayout(QWidget* parent)
    : QWidget(parent) {
    const UserDefaults& defaults = UserDefaults::standardUserDefaults();
    interspace_ =
        defaults.hasValueForKey(kInterspaceKey) ? defaults.floatForKey(kInterspaceKey) : 15.0f;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PrintLayout::~PrintLayout() = default;

void PrintLayout::setFotinos(const std::vector<std::shared_ptr<Fotino>>& fotinos) {
    fotinos_ = fotinos;
    // Render now, so the first draw finds every photo ready.
    for (const auto& fotino : fotinos_) {
        fotino->cachedImage();
    }
    update();
}

void PrintLayout::clearFotinos() {
    for (const auto& fotino : fotinos_) {
        fotino->purgeCachedImage();
    }
    fotinos_.clear();
    update();
}

void PrintLayout::setCount(int count) {
    count_ = count;
    update();
}

void PrintLayout::setInterspace(float interspace) {
    interspace_ = interspace;
    update();
}

void PrintLayout::setPageRect(const QRectF& rect) {
    pageRect_ = rect;
    Log::write(QStringLiteral("Page rect %1").arg(rectText(rect)));
}

void PrintLayout::setLayoutRect(const QRectF& rect) {
    layoutRect_ = rect;
    Log::write(QStringLiteral("Layout rect %1").arg(rectText(rect)));
}

void PrintLayout::setBounds(const QRectF& bounds) {
    bounds_ = bounds;
    update();
}

QRectF PrintLayout::rectForPage(int /*page*/) const {
    return pageRect_;
}

void PrintLayout::drawOptimizedPictures(const QRectF& /*rect*/) {
    if (fotinos_.empty()) {
        return;
    }
    std::vector<QSizeF> sizes;
    sizes.reserve(fotinos_.size());
    for (const auto& fotino : fotinos_) {
        sizes.push_back(fotino->sizeInPoints());
    }
    for (const auto& placement :
         PrintArrangement::arrange(layoutRect_, interspace_, count_, sizes)) {
        const auto image = fotinos_[static_cast<size_t>(placement.document)]->cachedImage();
        // The 300 dpi rendering at its own size: the photo's true printed size.
        image->drawInRect(QRectF(placement.origin, image->size()), QRectF(),
                          GraphicsContext::CompositingOperation::SourceOver, 1.0);
    }
}

void PrintLayout::drawRect(GraphicsContext& context) {
    GraphicsContext::pushContext(&context);
    if (context.isDrawingToScreen()) {
        QPainter* painter = context.painter();
        painter->save();
        painter->resetTransform();
        painter->fillRect(QRectF(QPointF(0, 0), QSizeF(size())),
                          QBrush(QPixmap(QStringLiteral(":/images/margin.png"))));
        painter->restore();
        context.setFillColor(Qt::white);
        context.fillRect(layoutRect_);
        drawOptimizedPictures(bounds_);
        context.setColor(Qt::black);
        context.frameRect(bounds_, 1);
        context.setColor(QColor(0x99, 0x99, 0x99));
        context.frameRect(layoutRect_, 1);
    } else {
        drawOptimizedPictures(bounds_);
    }
    GraphicsContext::popContext();
}

void PrintLayout::printWithPainter(QPainter* painter, const QRectF& paperInDevice) {
    GraphicsContext context(painter, bounds_.size(), paperInDevice);
    drawRect(context);
}

void PrintLayout::paintEvent(QPaintEvent* /*event*/) {
    if (bounds_.isEmpty()) {
        QPainter(this).fillRect(rect(), palette().window());
        return;
    }
    GraphicsContext context(this, bounds_.size());
    drawRect(context);
}

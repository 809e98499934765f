#include "ui/printing/PrintLayout.h"

#include "core/platform/GraphicsContext.h"

#include <QPainter>

PrintLayout::PrintLayout(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PrintLayout::~PrintLayout() = default;

void PrintLayout::setFotinos(const std::vector<std::shared_ptr<Fotino>>& fotinos) {
    sheet_.setFotinos(fotinos);
    update();
}

void PrintLayout::clearFotinos() {
    sheet_.clearFotinos();
    update();
}

void PrintLayout::setCount(int count) {
    sheet_.setCount(count);
    update();
}

void PrintLayout::setInterspace(float interspace) {
    sheet_.setInterspace(interspace);
    update();
}

void PrintLayout::setCutMarks(bool cutMarks) {
    sheet_.setCutMarks(cutMarks);
    update();
}

void PrintLayout::setPageRect(const QRectF& rect) {
    sheet_.setPageRect(rect);
    update();
}

void PrintLayout::setLayoutRect(const QRectF& rect) {
    sheet_.setLayoutRect(rect);
    update();
}

void PrintLayout::paintEvent(QPaintEvent* /*event*/) {
    if (sheet_.pageRect().isEmpty()) {
        QPainter(this).fillRect(rect(), palette().window());
        return;
    }
    // The whole sheet in paper points, whatever the view's size.
    GraphicsContext context(this, sheet_.pageRect().size());
    sheet_.draw(context);
}

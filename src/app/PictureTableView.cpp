#include "app/PictureTableView.h"

#include <QPainter>

PictureTableView::PictureTableView(QWidget* parent)
    : QTableView(parent) {}

void PictureTableView::setPlaceholderText(const QString& text) {
    placeholderText_ = text;
    viewport()->update();
}

void PictureTableView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (placeholderText_.isEmpty() || (model() && model()->rowCount() > 0)) {
        return;
    }
    QPainter painter(viewport());
    QColor color = palette().color(QPalette::PlaceholderText);
    painter.setPen(color);
    const QRect area = viewport()->rect().adjusted(24, 24, -24, -24);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, placeholderText_);
}

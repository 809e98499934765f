#include "ui/editor/FileDragAndDropCell.h"

#include "ui/editor/FileDropOwner.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

namespace {
constexpr qreal kBorderWidth = 5;
} // namespace

FileDragAndDropCell::FileDragAndDropCell(QWidget* parent)
    : QWidget(parent) {
    setAcceptDrops(true);
    update();
}

QString FileDragAndDropCell::firstLocalFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) {
            return url.toLocalFile();
        }
    }
    return {};
}

void FileDragAndDropCell::setHighlite(bool on) {
    if (highlite_ != on) {
        highlite_ = on;
        update();
    }
}

void FileDragAndDropCell::dragEnterEvent(QDragEnterEvent* event) {
    if (firstLocalFile(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setHighlite(true);
}

void FileDragAndDropCell::dragMoveEvent(QDragMoveEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FileDragAndDropCell::dragLeaveEvent(QDragLeaveEvent* event) {
    setHighlite(false);
    event->accept();
}

void FileDragAndDropCell::dropEvent(QDropEvent* event) {
    const QString path = firstLocalFile(event->mimeData());
    setHighlite(false);
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (owner_ != nullptr) {
        owner_->loadImage(path);
    }
}

void FileDragAndDropCell::paintEvent(QPaintEvent* /*event*/) {
    if (!highlite_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), kBorderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

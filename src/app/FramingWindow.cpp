#include "app/FramingWindow.h"

#include "core/document/Fotino.h"
#include "ui/editor/PictureView.h"

namespace {
// The first size: the framing view of the editor, about 600 x 770 points.
const QSizeF kInitialBox(600, 770);

QSizeF proportions(const Fotino& fotino) {
    const QSizeF size(fotino.widthInCm(), fotino.heightInCm());
    return size.isEmpty() ? QSizeF(1, 1) : size;
}
} // namespace

FramingWindow::FramingWindow(std::shared_ptr<Fotino> fotino, QWidget* parent)
    : QWidget(parent)
    , pictureView_(new PictureView(this)) {
    setWindowTitle(fotino->name());
    resize(proportions(*fotino).scaled(kInitialBox, Qt::KeepAspectRatio).toSize());
    pictureView_->setFotino(std::move(fotino));
    pictureView_->setGeometry(viewFrame());
}

QRect FramingWindow::viewFrame() const {
    const auto& fotino = pictureView_->fotino();
    const QSizeF view =
        fotino ? proportions(*fotino).scaled(QSizeF(size()), Qt::KeepAspectRatio) : QSizeF(size());
    return QRectF(QPointF((width() - view.width()) / 2, (height() - view.height()) / 2), view)
        .toRect();
}

void FramingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    pictureView_->setGeometry(viewFrame());
}

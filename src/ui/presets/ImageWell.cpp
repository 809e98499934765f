#include "ui/presets/ImageWell.h"

#include "core/platform/Alerts.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/Image.h"
#include "core/platform/Panels.h"
#include "ui/platform/KtObject.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {
constexpr int kInset = 4;

// The folder the open panel showed last in this run; the pictures folder at first.
QString& lastFolder() {
    static QString folder;
    return folder;
}

QString startFolder() {
    if (!lastFolder().isEmpty() && FileManager::isDirectoryAtPath(lastFolder())) {
        return lastFolder();
    }
    const QString pictures =
        QDir(FileManager::homeDirectory()).filePath(QStringLiteral("Pictures"));
    return FileManager::isDirectoryAtPath(pictures) ? pictures : FileManager::homeDirectory();
}

QString picturePatterns() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return patterns.join(QLatin1Char(' '));
}

QBrush checks() {
    constexpr int side = 6;
    QPixmap tile(2 * side, 2 * side);
    tile.fill(QColor(0xff, 0xff, 0xff));
    QPainter painter(&tile);
    painter.fillRect(0, 0, side, side, QColor(0xdd, 0xdd, 0xdd));
    painter.fillRect(side, side, side, side, QColor(0xdd, 0xdd, 0xdd));
    return QBrush(tile);
}

// The local picture file a drag carries, if it carries exactly one.
QString draggedPicture(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile()) {
        return {};
    }
    const QString path = data->urls().front().toLocalFile();
    return QImageReader(path).canRead() ? path : QString();
}
} // namespace

ImageWell::ImageWell(QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

ImageWell::~ImageWell() = default;

QImage ImageWell::pictureOf(const std::shared_ptr<Image>& image) {
    if (!image || image->representations().empty()) {
        return {};
    }
    return image->representations().front()->toQImage();
}

void ImageWell::setImage(std::shared_ptr<Image> image) {
    image_ = std::move(image);
    shown_ = pictureOf(image_);
    changed_ = false;
    update();
}

void ImageWell::setPlaceholder(std::shared_ptr<Image> placeholder) {
    placeholder_ = pictureOf(placeholder);
    update();
}

bool ImageWell::takePictureAtPath(const QString& path) {
    std::shared_ptr<Image> picture = Image::initWithContentsOfFile(path);
    if (picture && preparation_) {
        picture = preparation_(picture);
    }
    if (!picture) {
        Alerts::alert(QStringLiteral("unreadablePicture"), QFileInfo(path).fileName());
        return false;
    }
    image_ = std::move(picture);
    shown_ = pictureOf(image_);
    changed_ = true;
    update();
    Q_EMIT imageChanged();
    return true;
}

void ImageWell::choosePicture() {
    const QString filter =
        KtObject::localizedString(QStringLiteral("picturesFilter")).arg(picturePatterns());
    const std::optional<QString> path = Panels::runOpenPanel(
        KtObject::localizedString(QStringLiteral("choosePicture")), startFolder(), {filter});
    if (!path) {
        return;
    }
    lastFolder() = FileManager::folderOfPath(*path);
    takePictureAtPath(*path);
}

QSize ImageWell::sizeHint() const {
    return {64, 64};
}

void ImageWell::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(kInset, kInset, -kInset, -kInset);
    const QImage& picture = shown_.isNull() ? placeholder_ : shown_;
    if (!picture.isNull() && area.isValid()) {
        const QSize fitted = picture.size().scaled(area.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), fitted);
        target.moveCenter(area.center());
        if (picture.hasAlphaChannel()) {
            // A mask is mostly transparent: the checks show what it covers.
            painter.fillRect(target, checks());
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
    }
    if (dragging_) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect().adjusted(1, 1, -1, -1);
        option.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ImageWell::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        choosePicture();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void ImageWell::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choosePicture();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

void ImageWell::dragEnterEvent(QDragEnterEvent* event) {
    if (draggedPicture(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    dragging_ = true;
    update();
    event->acceptProposedAction();
}

void ImageWell::dragLeaveEvent(QDragLeaveEvent* event) {
    dragging_ = false;
    update();
    QFrame::dragLeaveEvent(event);
}

void ImageWell::dropEvent(QDropEvent* event) {
    dragging_ = false;
    update();
    const QString path = draggedPicture(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    takePictureAtPath(path);
}

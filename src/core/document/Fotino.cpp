#include "core/document/Fotino.h"

#include "core/document/DisplayUnits.h"
#include "core/document/PictureScale.h"
#include "core/imaging/ImagePrintSpecs.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/GraphicsContext.h"
#include "core/platform/Image.h"
#include "core/platform/StringTable.h"
#include "core/platform/Units.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

using namespace AttributeKeys;

Fotino::Fotino() {
    setName(StringTable::localizedString(QStringLiteral("untitled")));
    setFloat(3.5f, kWidth);
    setFloat(4.5f, kHeight);
    setBool(true, kShowFaceFrame);
}

Fotino::~Fotino() = default;

std::shared_ptr<Fotino> Fotino::initWithPath(const QString& path) {
    return AbstractResource::initWithPath<Fotino>(path);
}

std::shared_ptr<Fotino> Fotino::copyFotino() const {
    return std::static_pointer_cast<Fotino>(copy());
}

std::shared_ptr<AbstractResource> Fotino::newInstance() const {
    return std::make_shared<Fotino>();
}

QString Fotino::name() const {
    return stringForKey(kName);
}
void Fotino::setName(const QString& name) {
    setString(name, kName);
}

float Fotino::widthInCm() const {
    return floatForKey(kWidth);
}
float Fotino::heightInCm() const {
    return floatForKey(kHeight);
}

float Fotino::width(bool metric) const {
    return DisplayUnits::fromCentimetres(widthInCm(), metric);
}

float Fotino::height(bool metric) const {
    return DisplayUnits::fromCentimetres(heightInCm(), metric);
}

void Fotino::setWidth(float width, bool metric) {
    setFloat(DisplayUnits::toCentimetres(width, metric), kWidth);
}

void Fotino::setHeight(float height, bool metric) {
    setFloat(DisplayUnits::toCentimetres(height, metric), kHeight);
}

QString Fotino::size(bool metric) const {
    return DisplayUnits::sizeText(DisplayUnits::fromCentimetres(widthInCm(), metric),
                                  DisplayUnits::fromCentimetres(heightInCm(), metric), metric);
}

float Fotino::pictureSize() const {
    return floatForKey(kSize);
}
void Fotino::setPictureSize(float scale) {
    setFloat(scale, kSize);
}
float Fotino::XOffset() const {
    return floatForKey(kXOffset);
}
void Fotino::setXOffset(float offset) {
    setFloat(offset, kXOffset);
}
float Fotino::YOffset() const {
    return floatForKey(kYOffset);
}
void Fotino::setYOffset(float offset) {
    setFloat(offset, kYOffset);
}
QPointF Fotino::offset() const {
    return {XOffset(), YOffset()};
}
QPointF Fotino::offsetInPercent() const {
    return offset();
}

void Fotino::setOffset(QPointF offset) {
    setXOffset(static_cast<float>(offset.x()));
    setYOffset(static_cast<float>(offset.y()));
}

float Fotino::rotation() const {
    return floatForKey(kRotation);
}
void Fotino::setRotation(float degrees) {
    setFloat(degrees, kRotation);
}
int Fotino::gamma() const {
    return intForKey(kGamma);
}
void Fotino::setGamma(int gamma) {
    setInt(gamma, kGamma);
}
int Fotino::brightness() const {
    return intForKey(kBrightness);
}
void Fotino::setBrightness(int brightness) {
    setInt(brightness, kBrightness);
}
bool Fotino::grayscale() const {
    return boolForKey(kGrayscale);
}
void Fotino::setGrayscale(bool grayscale) {
    setBool(grayscale, kGrayscale);
}
bool Fotino::showFaceFrame() const {
    return boolForKey(kShowFaceFrame);
}
void Fotino::setShowFaceFrame(bool show) {
    setBool(show, kShowFaceFrame);
}
float Fotino::frameSize() const {
    return floatForKey(kFaceFrameSize);
}
int Fotino::pictureVersion() const {
    return intForKey(kVersion);
}
void Fotino::setPictureVersion(int version) {
    setInt(version, kVersion);
}
QString Fotino::imageName() const {
    return stringForKey(kImageName);
}
void Fotino::setImageName(const QString& imageName) {
    setString(imageName, kImageName);
    originalPicture_.reset();
}

QString Fotino::originalPicturePath() const {
    if (filePath().isEmpty()) {
        return {};
    }
    // Only the extension of the stored name is used: the copy always lies beside the
    // document, under the document's own name.
    const QString extension = FileManager::pathExtension(imageName());
    const QString base = FileManager::pathWithoutExtension(filePath());
    return extension.isEmpty() ? base : base + QLatin1Char('.') + extension;
}

QString Fotino::calibratedPicturePath() const {
    return FileManager::pathWithoutExtension(filePath()) + QLatin1Char('.') + kCalibratedType;
}

bool Fotino::loadOriginalPictureFromPath(const QString& path) {
    if (path.isNull()) {
        originalPicture_.reset();
        return false;
    }
    const float g = static_cast<float>(gamma()) * 0.01f;
    const auto b = static_cast<float>(brightness());
    originalPicture_ = ImagePrintSpecs::imagePrintSpecsWithPath(path);
    originalPicture_->setRotationAngle(rotation());
    originalPicture_->updateContrast(1.0f + 0.25f * g * g + 0.75f * g, b * 0.02f);
    return true;
}

std::shared_ptr<Image> Fotino::originalPicture() {
    if (!originalPicture_ && !loadOriginalPictureFromPath(originalPicturePath())) {
        return nullptr;
    }
    return grayscale() ? originalPicture_->grayscaleImage() : originalPicture_->image();
}

QSizeF Fotino::originalPictureSize() {
    const auto picture = originalPicture();
    return picture ? picture->size() : QSizeF(0, 0);
}

float Fotino::contrastFactor(float contrastSliderValue) {
    const float x = contrastSliderValue * 0.01f;
    return x * x * 0.25f + 1.0f + x * 0.75f;
}

void Fotino::setContrastValue(float contrast, float brightness) {
    setGamma(static_cast<int>(std::trunc(contrast)));
    setBrightness(static_cast<int>(std::trunc(brightness)));
    if (originalPicture_) {
        originalPicture_->updateContrast(contrastFactor(contrast), brightness * 0.02f);
    }
}

bool Fotino::frameNewPicture() {
    if (pictureSize() > 0) {
        return false;
    }
    const float aspect = heightInCm() > 0 ? widthInCm() / heightInCm() : 1.0f;
    const float scale = PictureScale::coveringScale(originalPictureSize(), aspect);
    if (!(scale > 0)) {
        return false;
    }
    setPictureSize(scale);
    setOffset(QPointF(PictureScale::kCentredOffset, PictureScale::kCentredOffset));
    setPictureVersion(1);
    return true;
}

void Fotino::turnPictureTo(float degrees) {
    // The holder alone: the picture is derived once, at the new angle.
    if (!originalPicture_) {
        loadOriginalPictureFromPath(originalPicturePath());
    }
    if (originalPicture_) {
        originalPicture_->setRotationAngle(degrees);
    }
    setRotation(degrees);
}

void Fotino::rotateLeft() {
    if (originalPicture_) {
        originalPicture_->rotateLeft();
        setRotation(originalPicture_->rotationAngle());
    } else {
        setRotation(ImagePrintSpecs::angleTurnedLeft(0));
    }
}

void Fotino::rotateRight() {
    if (originalPicture_) {
        originalPicture_->rotateRight();
        setRotation(originalPicture_->rotationAngle());
    } else {
        setRotation(ImagePrintSpecs::angleTurnedRight(0));
    }
}

void Fotino::setImage(const QByteArray& data) {
    if (!data.isNull()) {
        setObject(QVariant(data), kThumbnail);
    }
}

QImage Fotino::image() const {
    const QVariant data = objectForKey(kThumbnail);
    if (data.typeId() != QMetaType::QByteArray) {
        return {};
    }
    return QImage::fromData(data.toByteArray());
}

std::optional<QVariantMap> Fotino::guides() const {
    const QVariant value = objectForKey(kPresetGuides);
    if (value.typeId() != QMetaType::QVariantMap) {
        return std::nullopt;
    }
    return value.toMap();
}

QVariant Fotino::valueForKey(const QString& key, bool metric) const {
    if (key == QLatin1String("name")) {
        return name();
    }
    if (key == QLatin1String("size")) {
        return size(metric);
    }
    return {};
}

QPointF Fotino::offsetInPixelsForPictureSize(QSizeF size, float scale, QPointF offsetInPercent) {
    const float sw = static_cast<float>(size.width()) * 0.01f * scale;
    const float sh = static_cast<float>(size.height()) * 0.01f * scale;
    const auto px = static_cast<float>(offsetInPercent.x());
    const auto py = static_cast<float>(offsetInPercent.y());
    return {px * -0.01f * sw + sw, (-0.01f * py) * sh + sh};
}

QPointF Fotino::offsetInPercentsForPictureSize(QSizeF size, float scale, QPointF offsetInPixels) {
    const float sw = static_cast<float>(size.width()) * 0.01f * scale;
    const float sh = static_cast<float>(size.height()) * 0.01f * scale;
    const auto qx = static_cast<float>(offsetInPixels.x());
    const auto qy = static_cast<float>(offsetInPixels.y());
    return {(qx * -100.0f) / sw + 100.0f, (-100.0f * qy) / sh + 100.0f};
}

float Fotino::visiblePercentageForPictureWidth(float width) {
    return 30000.0f / width;
}

float Fotino::scaleFactorForVisiblePercent(float percent, int pixels, QSizeF originalSize) {
    return static_cast<float>(pixels) / (static_cast<float>(originalSize.width()) * percent);
}

QRectF Fotino::pictureRectangleForPictureSize(QSizeF size, float scale, QPointF offsetInPercent,
                                              QRectF frame) {
    const QPointF p = offsetInPixelsForPictureSize(size, scale, offsetInPercent);
    const auto w = static_cast<float>(frame.width());
    const auto h = static_cast<float>(frame.height());
    return {-0.5f * w + static_cast<float>(p.x()), -0.5f * h + static_cast<float>(p.y()), w, h};
}

QRectF Fotino::fitRect(QRectF a, QRectF b) {
    const float r = static_cast<float>(a.width()) / static_cast<float>(a.height());
    const auto bw = static_cast<float>(b.width());
    const auto bh = static_cast<float>(b.height());
    if (r > 1) {
        return {0, (bh - bw / r) * 0.5f, bw, bw / r};
    }
    return {(bw - r * bh) * 0.5f, 0, r * bh, bh};
}

float Fotino::scaleFactorForVisiblePercent(float percent, int pixels) {
    return scaleFactorForVisiblePercent(percent, pixels, originalPictureSize());
}

float Fotino::layoutScaleFactor(float frameWidth) {
    const QSizeF original = originalPictureSize();
    const float percent =
        visiblePercentageForPictureWidth(pictureSize() * static_cast<float>(original.width()));
    return scaleFactorForVisiblePercent(percent, Units::wholeUnits(frameWidth), original);
}

float Fotino::drawingScaleFactor(float frameWidth) {
    const QSizeF original = originalPictureSize();
    const float percent = visiblePercentageForPictureWidth(
        static_cast<float>(original.width()) * frameWidth * (pictureSize() / (frameWidth * 0.75f)));
    return scaleFactorForVisiblePercent(percent, Units::wholeUnits(frameWidth), original);
}

QSizeF Fotino::imageSizeForPrintSize(QSizeF frameSize) {
    const QSizeF original = originalPictureSize();
    const float k = layoutScaleFactor(static_cast<float>(frameSize.width()));
    return {static_cast<float>(original.width()) * k, static_cast<float>(original.height()) * k};
}

QRectF Fotino::calibratedSourceRectangleForImageSize(QSizeF frameSize) {
    const QSizeF scaled = imageSizeForPrintSize(frameSize);
    const QPointF p = offsetInPixelsForPictureSize(scaled, 100, offsetInPercent());
    const auto w = static_cast<float>(frameSize.width());
    const auto h = static_cast<float>(frameSize.height());
    return {-0.5f * w + static_cast<float>(p.x()), -0.5f * h + static_cast<float>(p.y()), w, h};
}

bool Fotino::coverFrame(QRectF frame) {
    const QSizeF original = originalPictureSize();
    if (original.width() == 0 && original.height() == 0) {
        return true;
    }
    const QRectF r = calibratedSourceRectangleForImageSize(frame.size());
    const float k = drawingScaleFactor(static_cast<float>(frame.width()));
    const auto rx = static_cast<float>(r.x());
    const auto ry = static_cast<float>(r.y());
    return rx >= 0 && ry >= 0 &&
           static_cast<float>(original.width()) * k - rx >= static_cast<float>(frame.width()) &&
           static_cast<float>(original.height()) * k - ry >= static_cast<float>(frame.height());
}

QSizeF Fotino::sizeInPoints() const {
    return {
        static_cast<float>(static_cast<double>(widthInCm()) * DisplayUnits::kPointsPerCentimetre),
        static_cast<float>(static_cast<double>(heightInCm()) * DisplayUnits::kPointsPerCentimetre)};
}

void Fotino::convertOldOffset() {
    if (pictureVersion() > 0) {
        return;
    }
    const QSizeF original = originalPictureSize();
    if (original.width() == 0 || original.height() == 0 || pictureSize() == 0) {
        return;
    }
    const QPointF p = offsetInPercentsForPictureSize(original, pictureSize(), offset());
    setXOffset(150.0f - static_cast<float>(p.x()));
    setYOffset(150.0f - static_cast<float>(p.y()));
    setPictureVersion(1);
    // A new document has no file yet: it is converted in memory and saved with the rest.
    if (!filePath().isEmpty()) {
        saveToFile();
    }
}

void Fotino::drawInFrame(QRectF frame) {
    drawPictureInFrame(frame);
    drawMaskInFrame(frame);
}

void Fotino::drawPictureInFrame(QRectF frame) {
    if (GraphicsContext::current() == nullptr) {
        return;
    }
    const auto picture = originalPicture();
    if (!picture) {
        return;
    }
    const QSizeF original = picture->size();
    convertOldOffset();
    const auto frameWidth = static_cast<float>(frame.width());
    const float k = drawingScaleFactor(frameWidth);
    const QRectF source = calibratedSourceRectangleForImageSize(frame.size());
    if (k > 0 && std::isfinite(k) && !original.isEmpty()) {
        // The part `source` of the picture drawn at k, in the picture's own points.
        const QRectF fromRect(source.x() / k, source.y() / k, source.width() / k,
                              source.height() / k);
        picture->drawInRect(QRectF(frame.x(), frame.y(), source.width(), source.height()), fromRect,
                            GraphicsContext::CompositingOperation::Copy, 1.0);
    }
}

void Fotino::drawMaskInFrame(QRectF frame) {
    if (GraphicsContext::current() == nullptr) {
        return;
    }
    const auto maskImage = mask();
    if (!maskImage) {
        return;
    }
    const QSizeF size(frame.width() + 2, frame.height() + 2);
    maskImage->setSize(size);
    maskImage->drawInRect(QRectF(QPointF(frame.x() - 1, frame.y() - 1), size), QRectF(),
                          GraphicsContext::CompositingOperation::SourceOver, 1.0);
}

std::shared_ptr<Image> Fotino::mask() {
    const QVariant value = objectForKey(kPresetMask);
    if (value.typeId() != QMetaType::QByteArray) {
        return nullptr;
    }
    const QByteArray data = value.toByteArray();
    // Decoded once for as long as the preset's mask stays the same.
    if (!mask_ || data != maskData_) {
        mask_ = Image::initWithData(data);
        maskData_ = data;
    }
    return mask_;
}

void Fotino::drawInView(QPaintDevice* view, QRectF frame) {
    if (!view) {
        return;
    }
    GraphicsContext context(view, QSizeF(view->width(), view->height()));
    const GraphicsContext::CurrentScope current(context);
    drawInFrame(frame);
}

void Fotino::drawInImage(Image& image) {
    image.lockFocus();
    drawInFrame(QRectF(QPointF(0, 0), image.size()));
    image.unlockFocus();
}

std::shared_ptr<BitmapImageRep> Fotino::render(int pixelsWide, int pixelsHigh, QRectF frame) {
    BitmapImageRep::Layout layout;
    layout.pixelsWide = std::max(1, pixelsWide);
    layout.pixelsHigh = std::max(1, pixelsHigh);
    layout.samplesPerPixel = 3;
    auto canvas = BitmapImageRep::initWithLayout(layout);
    if (!canvas) {
        return nullptr;
    }
    std::memset(canvas->bitmapData(), 0xFF, static_cast<size_t>(canvas->dataSize()));
    QImage view = canvas->toQImage();
    {
        // One unit a pixel; a fractional frame runs past the last whole pixel.
        GraphicsContext context(&view, QSizeF(layout.pixelsWide, layout.pixelsHigh));
        const GraphicsContext::CurrentScope current(context);
        drawInFrame(frame);
    }
    return canvas;
}

std::shared_ptr<BitmapImageRep> Fotino::toImage(int dotsPerInch) {
    const QSizeF points = sizeInPoints();
    const float r = static_cast<float>(dotsPerInch < 1 ? 300 : dotsPerInch);
    const float width = r * (0.013888889f * static_cast<float>(points.width()));
    const float height = static_cast<float>(points.height()) * 0.013888889f * r;
    auto bitmap =
        render(Units::wholeUnits(width), Units::wholeUnits(height), QRectF(0, 0, width, height));
    if (bitmap) {
        // It reports the resolution through its print size.
        bitmap->setSize(points);
    }
    return bitmap;
}

std::shared_ptr<BitmapImageRep> Fotino::toImagePixelsWide(int width, int height) {
    auto bitmap = render(width, height, QRectF(0, 0, width, height));
    if (bitmap) {
        bitmap->setSize(sizeInPoints());
    }
    return bitmap;
}

std::shared_ptr<Image> Fotino::cachedImage() {
    if (!cachedImage_) {
        auto bitmap = toImage(300);
        cachedImage_ = Image::initWithSize(sizeInPoints());
        cachedImage_->addRepresentation(std::move(bitmap));
    }
    return cachedImage_;
}

void Fotino::purgeCachedImage() {
    cachedImage_.reset();
}

QByteArray Fotino::createThumbnail() {
    return createThumbnailOfSize(QSize(128, 128));
}

QByteArray Fotino::createThumbnailOfSize(QSize size) {
    const QRectF fitted =
        fitRect(QRectF(QPointF(0, 0), sizeInPoints()), QRectF(0, 0, size.width(), size.height()));
    const auto canvas = render(size.width(), size.height(), fitted);
    return canvas ? canvas->TIFFRepresentation(false) : QByteArray();
}

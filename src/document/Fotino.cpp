#include "document/Fotino.h"

#include "document/DisplayUnits.h"
#include "platform/StringTable.h"

Fotino::Fotino() {
    setName(StringTable::localizedString(QStringLiteral("untitled")));
    setFloat(3.5f, kWidth);
    setFloat(4.5f, kHeight);
    setBool(true, kShowFaceFrame);
}

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

float Fotino::width() const {
    return DisplayUnits::fromCentimetres(widthInCm(), DisplayUnits::metric());
}

float Fotino::height() const {
    return DisplayUnits::fromCentimetres(heightInCm(), DisplayUnits::metric());
}

void Fotino::setWidth(float width) {
    setFloat(DisplayUnits::toCentimetres(width, DisplayUnits::metric()), kWidth);
}

void Fotino::setHeight(float height) {
    setFloat(DisplayUnits::toCentimetres(height, DisplayUnits::metric()), kHeight);
}

QString Fotino::size() const {
    const bool metric = DisplayUnits::metric();
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

QVariant Fotino::valueForKey(const QString& key) const {
    if (key == QLatin1String("name")) {
        return name();
    }
    if (key == QLatin1String("size")) {
        return size();
    }
    return {};
}

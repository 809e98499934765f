#include "core/presets/Preset.h"

#include "core/document/Fotino.h"

#include "core/platform/FileManager.h"
#include "core/platform/Image.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/ResourceFolder.h"
#include "core/platform/StringTable.h"
#include "core/platform/TemporaryName.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace AttributeKeys;

namespace {
const QString kLeft = QStringLiteral("left");
const QString kTop = QStringLiteral("top");
const QString kRight = QStringLiteral("right");
const QString kBottom = QStringLiteral("bottom");

// Presets of one folder: regular files with the extension "ftnpst" exactly, at the top level.
void collect(const QString& folder, std::vector<std::shared_ptr<Preset>>& into) {
    const QDir dir(folder);
    for (const QString& entry : FileManager::contentsOfDirectoryAtPath(folder)) {
        if (!entry.endsWith(QLatin1Char('.') + Preset::kFileType)) {
            continue;
        }
        const QString path = dir.filePath(entry);
        if (!FileManager::isRegularFileAtPath(path)) {
            continue;
        }
        auto preset = std::make_shared<Preset>();
        preset->setFilePath(path);
        preset->loadFromFile();
        into.push_back(std::move(preset));
    }
}
} // namespace

std::shared_ptr<AbstractResource> Preset::newInstance() const {
    return std::make_shared<Preset>();
}

std::vector<std::shared_ptr<Preset>> Preset::presets() {
    std::vector<std::shared_ptr<Preset>> all;
    collect(presetsPath(), all);
    collect(userPresetsPath(), all);
    return all;
}

std::shared_ptr<Preset> Preset::presetWithUUID(const QString& uuid) {
    if (uuid.isNull()) {
        return nullptr;
    }
    for (auto& preset : presets()) {
        if (preset->uuid() == uuid) {
            return preset;
        }
    }
    return nullptr;
}

std::shared_ptr<Preset> Preset::defaultPreset() {
    auto preset = std::make_shared<Preset>();
    preset->setName(StringTable::localizedString(QStringLiteral("untitledPreset")));
    preset->setPrintWidth(5.08f, 5.08f);
    preset->setFaceLeft(0.79f, 4.93f, 4.29f, 1.63f);
    preset->setEyesLeft(0.0f, 3.49f, 5.08f, 2.85f);
    preset->setUUID(newIdentifier());
    return preset;
}

QString Preset::presetsPath() {
    return ResourceFolder::pathForResource(QStringLiteral("presets"));
}

QString Preset::userPresetsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Fotino/Presets");
}

QRectF Preset::rectFromGuide(const std::optional<QVariantMap>& guide) {
    if (!guide) {
        return {};
    }
    const auto value = [&](const QString& key) { return guide->value(key).toFloat(); };
    return {value(kLeft), value(kBottom), value(kRight) - value(kLeft),
            value(kTop) - value(kBottom)};
}

QString Preset::identifierFromBytes(const QByteArray& bytes) {
    QString identifier;
    identifier.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        const bool xmlSafe = b >= 0x20 && b != 0x7F;
        identifier.append(QChar(xmlSafe ? char16_t(b) : char16_t(0xE000 + b)));
    }
    return identifier;
}

QString Preset::newIdentifier() {
    return identifierFromBytes(TemporaryName::uuidBytes());
}

QString Preset::name() const {
    return stringForKey(kPresetName);
}
void Preset::setName(const QString& name) {
    setString(name, kPresetName);
}
QString Preset::uuid() const {
    return stringForKey(kPresetUUID);
}
void Preset::setUUID(const QString& uuid) {
    setString(uuid, kPresetUUID);
}

float Preset::printWidth() const {
    return floatForKey(kWidth);
}
float Preset::printHeight() const {
    return floatForKey(kHeight);
}

void Preset::setPrintWidth(float width, float height) {
    setFloat(width, kWidth);
    setFloat(height, kHeight);
}

std::shared_ptr<Image> Preset::mask() const {
    const QByteArray data = maskData();
    return data.isEmpty() ? nullptr : Image::initWithData(data);
}

void Preset::setMask(const Image& mask) {
    setMaskData(mask.TIFFRepresentation());
}

std::shared_ptr<Image> Preset::icon() const {
    const QByteArray data = iconData();
    if (auto stored = data.isEmpty() ? nullptr : Image::initWithData(data)) {
        return stored;
    }
    return Image::initWithContentsOfFile(
        ResourceFolder::pathForResource(QStringLiteral("images/Preset.png")));
}

void Preset::setIcon(const Image& icon) {
    setIconData(icon.TIFFRepresentation());
}

QByteArray Preset::maskData() const {
    return objectForKey(kPresetMask).toByteArray();
}

void Preset::setMaskData(const QByteArray& tiff) {
    if (!tiff.isEmpty()) {
        setObject(QVariant(tiff), kPresetMask);
    }
}

QByteArray Preset::iconData() const {
    return objectForKey(kPresetIcon).toByteArray();
}

void Preset::setIconData(const QByteArray& tiff) {
    if (!tiff.isEmpty()) {
        setObject(QVariant(tiff), kPresetIcon);
    }
}

QVariantMap Preset::guides() {
    const QVariant value = objectForKey(kPresetGuides);
    if (value.typeId() == QMetaType::QVariantMap) {
        return value.toMap();
    }
    setObject(QVariantMap(), kPresetGuides);
    return {};
}

std::optional<QVariantMap> Preset::guideNamed(const QString& name) const {
    const QVariant guide = objectForKey(kPresetGuides).toMap().value(name);
    if (guide.typeId() != QMetaType::QVariantMap) {
        return std::nullopt;
    }
    return guide.toMap();
}

void Preset::setGuide(const QString& name, float left, float top, float right, float bottom) {
    QVariantMap all = guides();
    all.insert(name, QVariantMap{{kLeft, left}, {kTop, top}, {kRight, right}, {kBottom, bottom}});
    setObject(all, kPresetGuides);
}

void Preset::setFaceLeft(float left, float top, float right, float bottom) {
    setGuide(kFaceGuide, left, top, right, bottom);
}

void Preset::setEyesLeft(float left, float top, float right, float bottom) {
    setGuide(kEyesGuide, left, top, right, bottom);
}

float Preset::guideValue(const QString& guide, const QString& entry) const {
    const auto found = guideNamed(guide);
    return found ? found->value(entry).toFloat() : 0.0f;
}

float Preset::faceLeft() const {
    return guideValue(kFaceGuide, kLeft);
}
float Preset::faceTop() const {
    return guideValue(kFaceGuide, kTop);
}
float Preset::faceRight() const {
    return guideValue(kFaceGuide, kRight);
}
float Preset::faceBottom() const {
    return guideValue(kFaceGuide, kBottom);
}
float Preset::eyesLeft() const {
    return guideValue(kEyesGuide, kLeft);
}
float Preset::eyesTop() const {
    return guideValue(kEyesGuide, kTop);
}
float Preset::eyesRight() const {
    return guideValue(kEyesGuide, kRight);
}
float Preset::eyesBottom() const {
    return guideValue(kEyesGuide, kBottom);
}

FormatRules Preset::rules() const {
    const QVariant value = objectForKey(kPresetRules);
    if (value.typeId() != QMetaType::QVariantMap) {
        return {};
    }
    return FormatRules::fromDictionary(value.toMap());
}

void Preset::setRules(const FormatRules& rules) {
    if (rules.isEmpty()) {
        removeObjectForKey(kPresetRules);
    } else {
        setObject(rules.dictionary(), kPresetRules);
    }
}

bool Preset::save() {
    const QString folder = userPresetsPath();
    if (!FileManager::isSafeFileName(name())) {
        return false;
    }
    const QString target = folder + QLatin1Char('/') + name() + QLatin1Char('.') + kFileType;
    FileManager::createDirectoryAtPath(folder, true);
    const QString previous = filePath();
    const bool saved = saveToFile(target);
    // A preset saved under a changed name leaves no file of its old name behind; the old
    // file goes only once the new one is safely written.
    if (saved && !previous.isEmpty() && previous != target &&
        QFileInfo(previous).absolutePath() == QFileInfo(folder).absoluteFilePath() &&
        FileManager::isRegularFileAtPath(previous)) {
        FileManager::removeItemAtPath(previous);
    }
    NotificationCenter::defaultCenter().postNotificationName(kListChanged, this);
    return saved;
}

void Preset::deletePreset() {
    if (!filePath().isEmpty() && FileManager::fileExistsAtPath(filePath())) {
        FileManager::removeItemAtPath(filePath());
    }
    NotificationCenter::defaultCenter().postNotificationName(kListChanged, this);
}

bool Preset::builtIn() const {
    return !filePath().isEmpty() && filePath().startsWith(presetsPath());
}

void Preset::applyTo(Fotino& document) const {
    document.removeObjectForKey(kPresetMask);
    document.removeObjectForKey(kPresetRules);
    for (auto it = container().cbegin(); it != container().cend(); ++it) {
        // The document stays a document.
        if (it.key() != kFileTypeKey) {
            document.setObject(it.value(), it.key());
        }
    }
}

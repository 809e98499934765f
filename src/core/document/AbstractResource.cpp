#include "core/document/AbstractResource.h"

#include "core/platform/FileManager.h"
#include "core/platform/PropertyList.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// The leading number of a text, as C's strtod reads it; 0 when there is none.
double leadingNumber(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::strtod(bytes.constData(), nullptr);
}

double numberAsDouble(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return leadingNumber(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? 1.0 : 0.0;
    default:
        break;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : 0.0;
}

// Whole numbers are read exactly; reals are cut toward zero, as C casts do.
qint64 numberAsInt64(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
        return value.toLongLong();
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar:
        return static_cast<qint64>(value.toULongLong());
    default:
        break;
    }
    const double number = numberAsDouble(value);
    if (!std::isfinite(number)) {
        return 0;
    }
    constexpr double limit = 9.2e18;
    return static_cast<qint64>(std::clamp(number, -limit, limit));
}

QString formatNumber(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString pairText(double a, double b) {
    return QStringLiteral("{") + formatNumber(a) + QStringLiteral(", ") + formatNumber(b) +
           QStringLiteral("}");
}

std::pair<double, double> parsePair(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)"));
    double values[2] = {0, 0};
    int found = 0;
    auto it = number.globalMatch(text);
    while (it.hasNext() && found < 2) {
        values[found++] = it.next().captured(0).toDouble();
    }
    return {values[0], values[1]};
}

QString quoted(const QString& text) {
    static const QRegularExpression bare(QStringLiteral(R"(^[A-Za-z0-9_$+/:.\-]+$)"));
    if (bare.match(text).hasMatch()) {
        return text;
    }
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString describe(const QVariant& value, int indent) {
    const QString pad(indent * 4, QLatin1Char(' '));
    const QString inner((indent + 1) * 4, QLatin1Char(' '));
    switch (value.typeId()) {
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        QString text = QStringLiteral("{\n");
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            text += inner + quoted(it.key()) + QStringLiteral(" = ") +
                    describe(it.value(), indent + 1) + QStringLiteral(";\n");
        }
        return text + pad + QLatin1Char('}');
    }
    case QMetaType::QVariantList: {
        const QVariantList list = value.toList();
        QString text = QStringLiteral("(\n");
        for (qsizetype i = 0; i < list.size(); ++i) {
            text += inner + describe(list.at(i), indent + 1) +
                    (i + 1 < list.size() ? QStringLiteral(",\n") : QStringLiteral("\n"));
        }
        return text + pad + QLatin1Char(')');
    }
    case QMetaType::QByteArray:
        return QLatin1Char('<') + QString::fromLatin1(value.toByteArray().toHex()) +
               QLatin1Char('>');
    case QMetaType::Float:
    case QMetaType::Double:
        return formatNumber(value.toDouble());
    default:
        return quoted(value.toString());
    }
}

} // namespace

void AbstractResource::setDouble(double value, const QString& key) {
    setObject(QVariant(value), key);
}

double AbstractResource::doubleForKey(const QString& key) const {
    return numberAsDouble(objectForKey(key));
}

void AbstractResource::setFloat(float value, const QString& key) {
    setObject(QVariant(value), key);
}

float AbstractResource::floatForKey(const QString& key) const {
    return static_cast<float>(numberAsDouble(objectForKey(key)));
}

void AbstractResource::setInt(int value, const QString& key) {
    setObject(QVariant(value), key);
}

int AbstractResource::intForKey(const QString& key) const {
    return static_cast<int>(static_cast<quint32>(numberAsInt64(objectForKey(key))));
}

void AbstractResource::setUnsignedInt(quint32 value, const QString& key) {
    setObject(QVariant(value), key);
}

quint32 AbstractResource::unsignedIntForKey(const QString& key) const {
    return static_cast<quint32>(numberAsInt64(objectForKey(key)));
}

void AbstractResource::setUnsignedShort(quint16 value, const QString& key) {
    setObject(QVariant::fromValue(static_cast<qint16>(value)), key);
}

quint16 AbstractResource::unsignedShortForKey(const QString& key) const {
    return static_cast<quint16>(numberAsInt64(objectForKey(key)));
}

void AbstractResource::setBool(bool value, const QString& key) {
    setString(value ? QStringLiteral("YES") : QStringLiteral("NO"), key);
}

bool AbstractResource::boolForKey(const QString& key) const {
    const QVariant value = objectForKey(key);
    return value.typeId() == QMetaType::QString && value.toString() == QLatin1String("YES");
}

void AbstractResource::setString(const QString& value, const QString& key) {
    if (value.isNull()) {
        return;
    }
    setObject(QVariant(value), key);
}

QString AbstractResource::stringForKey(const QString& key) const {
    const QVariant value = objectForKey(key);
    return value.isValid() ? value.toString() : QString();
}

void AbstractResource::setObject(const QVariant& value, const QString& key) {
    if (key.isNull() || !value.isValid()) {
        return;
    }
    container_.insert(key, value);
}

QVariant AbstractResource::objectForKey(const QString& key) const {
    if (key.isNull()) {
        return {};
    }
    return container_.value(key);
}

void AbstractResource::setPoint(QPointF point, const QString& key) {
    setString(pairText(point.x(), point.y()), key);
}

QPointF AbstractResource::pointForKey(const QString& key) const {
    const auto [x, y] = parsePair(stringForKey(key));
    return {x, y};
}

void AbstractResource::setSize(QSizeF size, const QString& key) {
    setString(pairText(size.width(), size.height()), key);
}

QSizeF AbstractResource::sizeForKey(const QString& key) const {
    const auto [w, h] = parsePair(stringForKey(key));
    return {w, h};
}

void AbstractResource::removeObjectForKey(const QString& key) {
    if (!key.isNull()) {
        container_.remove(key);
    }
}

QString AbstractResource::name() const {
    return stringForKey(kNameKey);
}

void AbstractResource::setName(const QString& name) {
    setString(name, kNameKey);
}

quint32 AbstractResource::uniqueId() const {
    return unsignedIntForKey(kUniqueIDKey);
}

void AbstractResource::setUniqueId(quint32 uniqueId) {
    setUnsignedInt(uniqueId, kUniqueIDKey);
}

QString AbstractResource::description() const {
    return describe(QVariant(container_), 0);
}

void AbstractResource::setFilePath(const QString& path) {
    filePath_ = path;
    const QString extension = FileManager::pathExtension(path);
    if (!extension.isEmpty()) {
        setFileType(extension);
    }
}

QString AbstractResource::fileType() const {
    const QVariant value = objectForKey(kFileTypeKey);
    return value.isValid() ? value.toString() : QString(QLatin1String(""));
}

void AbstractResource::setFileType(const QString& fileType) {
    setString(fileType, kFileTypeKey);
}

bool AbstractResource::loadFromFile() {
    auto dictionary = PropertyList::readDictionaryFromFile(filePath_);
    if (!dictionary) {
        return false;
    }
    container_ = std::move(*dictionary);
    needsSave_ = false;
    return true;
}

bool AbstractResource::saveToFile() {
    if (filePath_.isEmpty()) {
        needsSave_ = false;
        return false;
    }
    QString path = filePath_;
    const QString type = fileType();
    if (!type.isEmpty() && !path.endsWith(type)) {
        path += QLatin1Char('.') + type;
    }
    needsSave_ = false;
    return PropertyList::writeToFile(QVariant(container_), path);
}

bool AbstractResource::saveToFile(const QString& path) {
    setFilePath(path);
    return PropertyList::writeToFile(QVariant(container_), path);
}

bool AbstractResource::renameFile(const QString& newBaseName) {
    const QString folder = FileManager::folderOfPath(filePath_);
    const QString type = fileType();
    // Without a file type there is no extension to add, and no trailing dot either.
    const QString newPath = folder + QLatin1Char('/') + newBaseName +
                            (type.isEmpty() ? QString() : QLatin1Char('.') + type);
    if (newPath == filePath_) {
        return true;
    }
    const bool moved = FileManager::moveItemAtPath(filePath_, newPath);
    filePath_ = newPath;
    return moved;
}

std::shared_ptr<AbstractResource> AbstractResource::newInstance() const {
    return std::make_shared<AbstractResource>();
}

std::shared_ptr<AbstractResource> AbstractResource::copy() const {
    auto copied = newInstance();
    // QVariantMap and the values inside it are values: a copy shares nothing that can be
    // changed through the other.
    copied->container_ = container_;
    return copied;
}

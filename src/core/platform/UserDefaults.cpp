#include "core/platform/UserDefaults.h"

#include <QStandardPaths>

namespace {
std::unique_ptr<UserDefaults>& standardInstance() {
    static std::unique_ptr<UserDefaults> instance;
    return instance;
}
} // namespace

UserDefaults::UserDefaults(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

UserDefaults& UserDefaults::standardUserDefaults() {
    auto& instance = standardInstance();
    if (!instance) {
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        instance = std::make_unique<UserDefaults>(folder + QStringLiteral("/Fotino/Fotino.ini"));
    }
    return *instance;
}

void UserDefaults::resetStandardUserDefaults() {
    standardInstance().reset();
}

void UserDefaults::registerDefaults(const QVariantMap& defaults) {
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        registered_.insert(it.key(), it.value());
    }
}

QVariant UserDefaults::objectForKey(const QString& key) const {
    return settings_->value(key, registered_.value(key));
}

QString UserDefaults::stringForKey(const QString& key) const {
    const QVariant value = objectForKey(key);
    return value.isValid() ? value.toString() : QString();
}

bool UserDefaults::boolForKey(const QString& key) const {
    const QVariant value = objectForKey(key);
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed().toLower();
        return text == QLatin1String("true") || text == QLatin1String("yes") || text.toInt() != 0;
    }
    return value.toBool();
}

int UserDefaults::integerForKey(const QString& key) const {
    return objectForKey(key).toInt();
}

double UserDefaults::doubleForKey(const QString& key) const {
    return objectForKey(key).toDouble();
}

float UserDefaults::floatForKey(const QString& key) const {
    return objectForKey(key).toFloat();
}

bool UserDefaults::hasValueForKey(const QString& key) const {
    return settings_->contains(key);
}

void UserDefaults::setObject(const QVariant& value, const QString& key) {
    if (!value.isValid()) {
        settings_->remove(key);
        return;
    }
    settings_->setValue(key, value);
}

void UserDefaults::setBool(bool value, const QString& key) {
    settings_->setValue(key, value);
}

void UserDefaults::setFloat(float value, const QString& key) {
    settings_->setValue(key, static_cast<double>(value));
}

void UserDefaults::removeObjectForKey(const QString& key) {
    settings_->remove(key);
}

bool UserDefaults::synchronize() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString UserDefaults::filePath() const {
    return settings_->fileName();
}

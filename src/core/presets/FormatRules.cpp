#include "core/presets/FormatRules.h"

#include <cmath>

namespace {

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        // Text and booleans convert to numbers too, but a "true" or a "32" in a hand-edited
        // file is no length anyone meant.
        return false;
    }
}

std::optional<double> positiveNumber(const QVariantMap& dictionary, const QString& key) {
    const QVariant value = dictionary.value(key);
    if (!isNumber(value)) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (!std::isfinite(number) || number <= 0) {
        return std::nullopt;
    }
    return number;
}

std::optional<MillimetreRange> rangeFrom(const QVariantMap& dictionary, const QString& minimumKey,
                                         const QString& maximumKey) {
    const auto minimum = positiveNumber(dictionary, minimumKey);
    const auto maximum = positiveNumber(dictionary, maximumKey);
    if (!minimum || !maximum || *minimum > *maximum) {
        return std::nullopt;
    }
    return MillimetreRange{*minimum, *maximum};
}

} // namespace

double MillimetreRange::distance(double value) const {
    if (value < minimum) {
        return minimum - value;
    }
    if (value > maximum) {
        return value - maximum;
    }
    return 0;
}

FormatRules FormatRules::fromDictionary(const QVariantMap& dictionary) {
    FormatRules rules;
    rules.headHeight = rangeFrom(dictionary, kHeadMinimum, kHeadMaximum);
    rules.eyeLine = rangeFrom(dictionary, kEyeLineMinimum, kEyeLineMaximum);
    const QVariant background = dictionary.value(kBackground);
    if (background.typeId() == QMetaType::QString) {
        rules.background = backgroundNamed(background.toString()).value_or(Background::Light);
    }
    return rules;
}

QVariantMap FormatRules::dictionary() const {
    QVariantMap dictionary;
    if (headHeight) {
        dictionary.insert(kHeadMinimum, headHeight->minimum);
        dictionary.insert(kHeadMaximum, headHeight->maximum);
    }
    if (eyeLine) {
        dictionary.insert(kEyeLineMinimum, eyeLine->minimum);
        dictionary.insert(kEyeLineMaximum, eyeLine->maximum);
    }
    if (background != Background::Light) {
        dictionary.insert(kBackground, backgroundName(background));
    }
    return dictionary;
}

bool FormatRules::isEmpty() const {
    return !headHeight && !eyeLine && background == Background::Light;
}

QString FormatRules::backgroundName(Background background) {
    switch (background) {
    case Background::White:
        return QStringLiteral("white");
    case Background::LightNotWhite:
        return QStringLiteral("lightNotWhite");
    case Background::Light:
        break;
    }
    return QStringLiteral("light");
}

std::optional<FormatRules::Background> FormatRules::backgroundNamed(const QString& name) {
    for (const auto kind : {Background::Light, Background::White, Background::LightNotWhite}) {
        if (name == backgroundName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

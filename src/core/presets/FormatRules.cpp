#include "core/presets/FormatRules.h"

#include <cmath>

namespace {

std::optional<double> positiveNumber(const QVariantMap& dictionary, const QString& key) {
    const QVariant value = dictionary.value(key);
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || number <= 0) {
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
    const QString background = dictionary.value(kBackground).toString();
    for (const auto kind : {Background::White, Background::LightNotWhite}) {
        if (background == backgroundName(kind)) {
            rules.background = kind;
        }
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

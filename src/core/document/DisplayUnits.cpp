#include "core/document/DisplayUnits.h"

#include "core/document/DocumentLibrary.h"
#include "core/platform/Units.h"
#include "core/platform/UserDefaults.h"

bool DisplayUnits::metric(const UserDefaults& defaults) {
    return defaults.stringForKey(DocumentLibrary::kUnitsKey) == kMetric;
}

float DisplayUnits::fromCentimetres(float centimetres, bool metric) {
    if (metric) {
        return centimetres;
    }
    return static_cast<float>(static_cast<double>(centimetres) * kInchesPerCentimetre);
}

float DisplayUnits::toCentimetres(float value, bool metric) {
    if (metric) {
        return value;
    }
    return static_cast<float>(static_cast<double>(value) * Units::kCentimetresPerInch);
}

QString DisplayUnits::sizeText(float width, float height, bool metric) {
    const auto cut = [](float value) {
        return QString::asprintf("%f", static_cast<double>(value)).left(4);
    };
    return QStringLiteral("%1 x %2 %3")
        .arg(cut(width), cut(height), metric ? QStringLiteral("cm") : QStringLiteral("in"));
}

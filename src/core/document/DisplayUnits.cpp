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

namespace {
constexpr double kMillimetresPerCentimetre = 10.0;
double shortUnitsPerCentimetre(bool metric) {
    return metric ? kMillimetresPerCentimetre : DisplayUnits::kInchesPerCentimetre;
}
} // namespace

double DisplayUnits::fromPoints(float points, bool metric) {
    return static_cast<double>(points) / kPointsPerCentimetre * shortUnitsPerCentimetre(metric);
}

float DisplayUnits::toPoints(double value, bool metric) {
    return static_cast<float>(value / shortUnitsPerCentimetre(metric) * kPointsPerCentimetre);
}

QString DisplayUnits::sizeText(float width, float height, bool metric) {
    const auto cut = [](float value) {
        return QString::asprintf("%f", static_cast<double>(value)).left(4);
    };
    return QStringLiteral("%1 x %2 %3")
        .arg(cut(width), cut(height), metric ? QStringLiteral("cm") : QStringLiteral("in"));
}

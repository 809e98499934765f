#include "core/printing/InterspaceForm.h"

#include "core/document/DisplayUnits.h"
#include "core/presets/PresetForm.h"

#include <algorithm>
#include <cmath>

namespace {
double stepsPerUnit(bool metric) {
    return std::pow(10.0, InterspaceForm::decimals(metric));
}
} // namespace

int InterspaceForm::decimals(bool metric) {
    return metric ? 1 : 2;
}

int InterspaceForm::maximumSteps(bool metric) {
    // 25 mm or 1 in: wider gaps than that waste the paper.
    return metric ? 250 : 100;
}

int InterspaceForm::steps(float points, bool metric) {
    const double value =
        std::round(DisplayUnits::fromPoints(points, metric) * stepsPerUnit(metric));
    return static_cast<int>(std::clamp(value, 0.0, double(maximumSteps(metric))));
}

float InterspaceForm::pointsForSteps(int steps, bool metric) {
    return DisplayUnits::toPoints(
        double(std::clamp(steps, 0, maximumSteps(metric))) / stepsPerUnit(metric), metric);
}

QString InterspaceForm::text(float points, bool metric, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const double scale = stepsPerUnit(metric);
    double value = std::round(DisplayUnits::fromPoints(points, metric) * scale) / scale;
    if (value == 0.0) {
        value = 0.0; // no "-0.0"
    }
    return plain.toString(value, 'f', decimals(metric));
}

std::optional<float> InterspaceForm::points(const QString& text, bool metric) {
    const std::optional<double> value = PresetForm::readNumber(text);
    if (!value || *value < 0.0) {
        return std::nullopt;
    }
    const double steps = std::round(*value * stepsPerUnit(metric));
    return pointsForSteps(static_cast<int>(std::min(steps, double(maximumSteps(metric)))), metric);
}

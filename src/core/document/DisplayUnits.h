#pragma once
// Print sizes are stored in centimetres and shown in centimetres or inches, as the "ftoUnits"
// default says.

#include <QString>

class UserDefaults;

class DisplayUnits {
public:
    static constexpr double kInchesPerCentimetre = 0.39370078740157477; // the double nearest 1/2.54
    static constexpr double kPointsPerCentimetre = 28.35;

    // Posted by the preferences when the unit changes.
    static inline const QString kUnitChanged = QStringLiteral("unitChanged");
    // The "ftoUnits" value of centimetres.
    static inline const QString kMetric = QStringLiteral("Metric");
    // True when the defaults' "ftoUnits" is "Metric".
    static bool metric(const UserDefaults& defaults);
    // Centimetres in the display unit, and back.
    static float fromCentimetres(float centimetres, bool metric);
    static float toCentimetres(float value, bool metric);
    // Points on paper (centimetres × kPointsPerCentimetre, as the photos on a sheet) in the unit
    // of short lengths such as the space between photos: millimetres when metric, inches
    // otherwise; and back.
    static double fromPoints(float points, bool metric);
    static float toPoints(double value, bool metric);
    // "3.50 x 4.50 cm": each number formatted with "%f" and cut to its first 4 characters.
    static QString sizeText(float width, float height, bool metric);
};

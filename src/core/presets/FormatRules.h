#pragma once
// The rules of a document format, where its authority states them: the head height (chin to
// crown) and the height of the eye line above the photo's bottom edge, as ranges in
// millimetres of the printed photo, and what the background must be. Kept in a preset (and
// in the documents made with it) as the dictionary "presetRules"; a preset without one, or
// with entries that are not numbers, simply has fewer rules.

#include <QString>
#include <QVariantMap>
#include <optional>

struct MillimetreRange {
    double minimum = 0;
    double maximum = 0;

    double middle() const { return (minimum + maximum) / 2; }
    bool contains(double value) const { return value >= minimum && value <= maximum; }
    // How far the value lies outside the range; 0 inside.
    double distance(double value) const;
    bool operator==(const MillimetreRange&) const = default;
};

class FormatRules {
public:
    enum class Background {
        // Plain and light: most formats.
        Light,
        // Plain white or off-white.
        White,
        // Plain and light, but not white (France, New Zealand).
        LightNotWhite,
    };

    static inline const QString kHeadMinimum = QStringLiteral("headMin");
    static inline const QString kHeadMaximum = QStringLiteral("headMax");
    static inline const QString kEyeLineMinimum = QStringLiteral("eyeLineMin");
    static inline const QString kEyeLineMaximum = QStringLiteral("eyeLineMax");
    static inline const QString kBackground = QStringLiteral("background");

    std::optional<MillimetreRange> headHeight;
    std::optional<MillimetreRange> eyeLine;
    Background background = Background::Light;

    // Reads what the dictionary holds; a range needs both ends, as positive numbers with the
    // minimum not above the maximum; text or a boolean is no number. An unknown background
    // reads as light.
    static FormatRules fromDictionary(const QVariantMap& dictionary);
    // Only the rules that are set; empty when none is.
    QVariantMap dictionary() const;
    bool isEmpty() const;

    static QString backgroundName(Background background);
    // The background of that name ("light", "white", "lightNotWhite"), or none.
    static std::optional<Background> backgroundNamed(const QString& name);

    bool operator==(const FormatRules&) const = default;
};

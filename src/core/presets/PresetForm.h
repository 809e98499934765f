#pragma once
// The preset editor's fields as text: the name and the lengths in the display unit, read from
// a preset, checked, and turned back into centimetres; and the format's rules, ranges in
// millimetres whatever the display unit (the unit the authorities state them in), with the
// background. Numbers show with at most two decimals; a number whose text was left as shown
// keeps its exact stored value, so opening and saving a preset never moves its numbers by the
// rounding of the display.

#include "core/presets/FormatRules.h"

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

class Preset;

class PresetForm {
public:
    // In the order of the window, which is the order problems are reported in.
    enum Field {
        Name,
        PrintWidth,
        PrintHeight,
        FaceLeft,
        FaceTop,
        FaceRight,
        FaceBottom,
        EyesLeft,
        EyesTop,
        EyesRight,
        EyesBottom,
        HeadMinimum,
        HeadMaximum,
        EyeLineMinimum,
        EyeLineMaximum,
    };
    static constexpr int kFieldCount = EyeLineMaximum + 1;

    enum class Problem {
        None,
        EmptyName,
        NotAFileName, // holds "/", is "." or "..", or is too long for the file system
        EmptyLength,
        NotANumber,       // also a number with more than two decimals
        SizeOutOfRange,   // a print side of 0 or less, or above kMaximumSize
        NotRightOfLeft,   // a guide's right edge at or left of its left edge
        NotAboveBottom,   // a guide's top edge at or below its bottom edge
        OutsidePhoto,     // a guide edge beyond the photo by more than a step of the display
        RuleHalfEmpty,    // one end of a range empty, the other not
        RuleOutOfRange,   // a rule of 0 mm or less, or above the photo's height
        RuleBelowMinimum, // a range's maximum below its minimum
    };

    // The largest print side accepted, in centimetres.
    static constexpr float kMaximumSize = 100.0f;
    // Lengths are read and shown to this many decimals of the display unit.
    static constexpr int kDecimals = 2;

    // Centimetres per display unit: 1, or 2.54 for inches.
    static double unitFactor(bool metric);
    // "3.5" and "3,5" alike, whatever the locale, with at most two decimals; none otherwise.
    static std::optional<double> readNumber(const QString& text);
    // Centimetres in the display unit with the locale's decimal sign, trailing zeros dropped.
    static QString lengthText(float centimetres, bool metric, const QLocale& locale = QLocale());
    // Any number the same way: the rules' millimetres.
    static QString numberText(double value, const QLocale& locale = QLocale());
    // A length in the display unit: the print size and the guides.
    static bool isLength(Field field) { return field >= PrintWidth && field <= EyesBottom; }
    // An end of a rule's range, in millimetres.
    static bool isRule(Field field) { return field >= HeadMinimum; }

    // The fields of a new preset's blank form: empty texts, centimetres.
    PresetForm() = default;
    // The fields showing the preset in the display unit.
    PresetForm(const Preset& preset, bool metric, const QLocale& locale = QLocale());

    const QString& text(Field field) const { return texts_[field]; }
    void setText(Field field, const QString& text) { texts_[field] = text; }
    bool metric() const { return metric_; }
    // Shows the lengths in the other unit. A length that is not a number keeps its text.
    void setMetric(bool metric);

    // The field's length in centimetres (its stored value while its text is the one shown);
    // none when the text is not a number, or the field no length.
    std::optional<float> centimetres(Field field) const;
    // An end of a rule's range in millimetres, the same way.
    std::optional<double> millimetres(Field field) const;
    FormatRules::Background background() const { return background_; }
    void setBackground(FormatRules::Background background) { background_ = background; }
    // The rules the fields state: the ranges whose two ends are numbers, and the background.
    FormatRules rules() const;
    // What is wrong with each field, at most one thing each.
    std::array<Problem, kFieldCount> problems() const;
    // The first field in window order with a problem, if any.
    std::optional<Field> firstProblem() const;

private:
    // How far a guide may reach beyond the photo: one step of the display, in centimetres.
    float tolerance() const;

    bool metric_ = true;
    QLocale locale_;
    std::array<QString, kFieldCount> texts_;
    // The texts as shown and the numbers they stand for: centimetres for the lengths,
    // millimetres for the rules.
    std::array<QString, kFieldCount> shown_;
    std::array<double, kFieldCount> stored_{};
    FormatRules::Background background_ = FormatRules::Background::Light;
};

#include "core/presets/PresetForm.h"

#include "core/platform/FileManager.h"
#include "core/platform/Units.h"
#include "core/presets/Preset.h"

#include <QRegularExpression>
#include <cmath>

namespace {
// The longest file name most file systems take, in bytes.
constexpr int kMaximumFileNameBytes = 255;
// How far a rule may reach above the photo's height, in millimetres: a step of its field, so
// that a range typed up to a height shown rounded is not refused.
constexpr double kRuleSlack = 0.01;

float storedLength(const Preset& preset, PresetForm::Field field) {
    switch (field) {
    case PresetForm::PrintWidth:
        return preset.printWidth();
    case PresetForm::PrintHeight:
        return preset.printHeight();
    case PresetForm::FaceLeft:
        return preset.faceLeft();
    case PresetForm::FaceTop:
        return preset.faceTop();
    case PresetForm::FaceRight:
        return preset.faceRight();
    case PresetForm::FaceBottom:
        return preset.faceBottom();
    case PresetForm::EyesLeft:
        return preset.eyesLeft();
    case PresetForm::EyesTop:
        return preset.eyesTop();
    case PresetForm::EyesRight:
        return preset.eyesRight();
    case PresetForm::EyesBottom:
        return preset.eyesBottom();
    case PresetForm::Name:
    case PresetForm::HeadMinimum:
    case PresetForm::HeadMaximum:
    case PresetForm::EyeLineMinimum:
    case PresetForm::EyeLineMaximum:
        break;
    }
    return 0.0f;
}

bool fitsFileName(const QString& name, const QString& extension) {
    return FileManager::isSafeFileName(name) &&
           (name + QLatin1Char('.') + extension).toUtf8().size() <= kMaximumFileNameBytes;
}
} // namespace

double PresetForm::unitFactor(bool metric) {
    return metric ? 1.0 : Units::kCentimetresPerInch;
}

std::optional<double> PresetForm::readNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^([-+]?)(\\d*)(?:[.,](\\d{0,2}))?$"));
    QString plain = text.trimmed();
    plain.replace(QChar(0x2212), QLatin1Char('-')); // the typographic minus some locales use
    const QRegularExpressionMatch match = number.match(plain);
    if (!match.hasMatch() || (match.captured(2).isEmpty() && match.captured(3).isEmpty())) {
        return std::nullopt;
    }
    const QString digits = match.captured(2).isEmpty() ? QStringLiteral("0") : match.captured(2);
    const QString decimals = match.captured(3).isEmpty() ? QStringLiteral("0") : match.captured(3);
    bool ok = false;
    const double value = (match.captured(1) + digits + QLatin1Char('.') + decimals).toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

QString PresetForm::lengthText(float centimetres, bool metric, const QLocale& locale) {
    return numberText(double(centimetres) / unitFactor(metric), locale);
}

QString PresetForm::numberText(double number, const QLocale& locale) {
    const double scale = std::pow(10.0, kDecimals);
    double value = std::round(number * scale) / scale;
    if (value == 0.0) {
        value = 0.0; // no "-0"
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'f', kDecimals);
    const QString point = plain.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(plain.zeroDigit())) {
            text.chop(plain.zeroDigit().size());
        }
        if (text.endsWith(point)) {
            text.chop(point.size());
        }
    }
    return text;
}

PresetForm::PresetForm(const Preset& preset, bool metric, const QLocale& locale)
    : metric_(metric)
    , locale_(locale) {
    texts_[Name] = preset.name();
    shown_[Name] = texts_[Name];
    for (int i = PrintWidth; i <= EyesBottom; ++i) {
        const auto field = static_cast<Field>(i);
        const float length = storedLength(preset, field);
        stored_[i] = length;
        shown_[i] = lengthText(length, metric, locale);
        texts_[i] = shown_[i];
    }
    const FormatRules rules = preset.rules();
    const auto showRange = [&](const std::optional<MillimetreRange>& range, Field minimum,
                               Field maximum) {
        if (range) {
            stored_[minimum] = range->minimum;
            stored_[maximum] = range->maximum;
            shown_[minimum] = numberText(range->minimum, locale);
            shown_[maximum] = numberText(range->maximum, locale);
            texts_[minimum] = shown_[minimum];
            texts_[maximum] = shown_[maximum];
        }
    };
    showRange(rules.headHeight, HeadMinimum, HeadMaximum);
    showRange(rules.eyeLine, EyeLineMinimum, EyeLineMaximum);
    background_ = rules.background;
}

void PresetForm::setMetric(bool metric) {
    if (metric == metric_) {
        return;
    }
    std::array<std::optional<float>, kFieldCount> lengths;
    for (int i = PrintWidth; i <= EyesBottom; ++i) {
        lengths[i] = centimetres(static_cast<Field>(i));
    }
    metric_ = metric;
    for (int i = PrintWidth; i <= EyesBottom; ++i) {
        if (lengths[i]) {
            stored_[i] = *lengths[i];
            shown_[i] = lengthText(*lengths[i], metric, locale_);
            texts_[i] = shown_[i];
        }
    }
}

std::optional<float> PresetForm::centimetres(Field field) const {
    if (!isLength(field)) {
        return std::nullopt;
    }
    if (texts_[field] == shown_[field] && !shown_[field].isEmpty()) {
        return static_cast<float>(stored_[field]);
    }
    const std::optional<double> value = readNumber(texts_[field]);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<float>(*value * unitFactor(metric_));
}

std::optional<double> PresetForm::millimetres(Field field) const {
    if (!isRule(field)) {
        return std::nullopt;
    }
    if (texts_[field] == shown_[field] && !shown_[field].isEmpty()) {
        return stored_[field];
    }
    return readNumber(texts_[field]);
}

FormatRules PresetForm::rules() const {
    FormatRules rules;
    const auto range = [&](Field minimum, Field maximum) -> std::optional<MillimetreRange> {
        const auto low = millimetres(minimum);
        const auto high = millimetres(maximum);
        if (!low || !high) {
            return std::nullopt;
        }
        return MillimetreRange{*low, *high};
    };
    rules.headHeight = range(HeadMinimum, HeadMaximum);
    rules.eyeLine = range(EyeLineMinimum, EyeLineMaximum);
    rules.background = background_;
    return rules;
}

float PresetForm::tolerance() const {
    return static_cast<float>(unitFactor(metric_) / std::pow(10.0, kDecimals));
}

std::array<PresetForm::Problem, PresetForm::kFieldCount> PresetForm::problems() const {
    std::array<Problem, kFieldCount> found{};
    found.fill(Problem::None);
    const auto flag = [&](Field field, Problem problem) {
        if (found[field] == Problem::None) {
            found[field] = problem;
        }
    };

    const QString& name = texts_[Name];
    if (name.trimmed().isEmpty()) {
        flag(Name, Problem::EmptyName);
    } else if (!fitsFileName(name, Preset::kFileType)) {
        flag(Name, Problem::NotAFileName);
    }

    std::array<std::optional<float>, kFieldCount> cm;
    for (int i = PrintWidth; i <= EyesBottom; ++i) {
        const auto field = static_cast<Field>(i);
        cm[i] = centimetres(field);
        if (texts_[i].trimmed().isEmpty()) {
            flag(field, Problem::EmptyLength);
        } else if (!cm[i]) {
            flag(field, Problem::NotANumber);
        }
    }

    for (const Field side : {PrintWidth, PrintHeight}) {
        if (cm[side] && (*cm[side] <= 0.0f || *cm[side] > kMaximumSize)) {
            flag(side, Problem::SizeOutOfRange);
        }
    }
    const auto extent = [&](Field side) -> std::optional<float> {
        return found[side] == Problem::None ? cm[side] : std::nullopt;
    };
    const std::optional<float> width = extent(PrintWidth);
    const std::optional<float> height = extent(PrintHeight);
    const float slack = tolerance();

    struct Guide {
        Field left, top, right, bottom;
    };
    for (const Guide& guide : {Guide{FaceLeft, FaceTop, FaceRight, FaceBottom},
                               Guide{EyesLeft, EyesTop, EyesRight, EyesBottom}}) {
        if (cm[guide.left] && cm[guide.right] && *cm[guide.right] <= *cm[guide.left]) {
            flag(guide.right, Problem::NotRightOfLeft);
        }
        if (cm[guide.top] && cm[guide.bottom] && *cm[guide.top] <= *cm[guide.bottom]) {
            flag(guide.top, Problem::NotAboveBottom);
        }
        const auto within = [&](Field edge, const std::optional<float>& side) {
            if (cm[edge] && side && (*cm[edge] < -slack || *cm[edge] > *side + slack)) {
                flag(edge, Problem::OutsidePhoto);
            }
        };
        within(guide.left, width);
        within(guide.right, width);
        within(guide.bottom, height);
        within(guide.top, height);
    }

    // A rule is a range or nothing: both ends empty state no rule.
    struct Range {
        Field minimum, maximum;
    };
    for (const Range& range :
         {Range{HeadMinimum, HeadMaximum}, Range{EyeLineMinimum, EyeLineMaximum}}) {
        const auto empty = [&](Field end) { return texts_[end].trimmed().isEmpty(); };
        if (empty(range.minimum) && empty(range.maximum)) {
            continue;
        }
        std::optional<double> mm[2];
        for (const Field end : {range.minimum, range.maximum}) {
            const std::optional<double> value = millimetres(end);
            if (empty(end)) {
                flag(end, Problem::RuleHalfEmpty);
            } else if (!value) {
                flag(end, Problem::NotANumber);
            } else if (*value <= 0 || (height && *value > *height * 10.0 + kRuleSlack)) {
                flag(end, Problem::RuleOutOfRange);
            } else {
                mm[end == range.maximum] = value;
            }
        }
        if (mm[0] && mm[1] && *mm[1] < *mm[0]) {
            flag(range.maximum, Problem::RuleBelowMinimum);
        }
    }
    return found;
}

std::optional<PresetForm::Field> PresetForm::firstProblem() const {
    const auto found = problems();
    for (int i = 0; i < kFieldCount; ++i) {
        if (found[i] != Problem::None) {
            return static_cast<Field>(i);
        }
    }
    return std::nullopt;
}

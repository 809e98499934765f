#include "ui/presets/PresetEditor.h"

#include "core/document/DisplayUnits.h"
#include "core/platform/Alerts.h"
#include "core/platform/FileManager.h"
#include "core/platform/Image.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "core/presets/PresetIcon.h"
#include "ui/platform/KtObject.h"
#include "ui/presets/ImageWell.h"
#include "ui_PresetEditor.h"

#include <QAction>
#include <QComboBox>
#include <QStyle>

namespace {
const char* const kInvalidProperty = "invalid";

// The background popup's items, in order.
constexpr std::array<std::pair<FormatRules::Background, const char*>, 3> kBackgrounds = {{
    {FormatRules::Background::Light, "presetBackgroundLight"},
    {FormatRules::Background::White, "presetBackgroundWhite"},
    {FormatRules::Background::LightNotWhite, "presetBackgroundLightNotWhite"},
}};

QString problemKey(PresetForm::Problem problem) {
    switch (problem) {
    case PresetForm::Problem::EmptyName:
        return QStringLiteral("presetNameEmpty");
    case PresetForm::Problem::NotAFileName:
        return QStringLiteral("presetNameNotFileName");
    case PresetForm::Problem::EmptyLength:
        return QStringLiteral("presetLengthEmpty");
    case PresetForm::Problem::NotANumber:
        return QStringLiteral("presetLengthNotANumber");
    case PresetForm::Problem::SizeOutOfRange:
        return QStringLiteral("presetSizeOutOfRange");
    case PresetForm::Problem::NotRightOfLeft:
        return QStringLiteral("presetGuideNotRightOfLeft");
    case PresetForm::Problem::NotAboveBottom:
        return QStringLiteral("presetGuideNotAboveBottom");
    case PresetForm::Problem::OutsidePhoto:
        return QStringLiteral("presetGuideOutsidePhoto");
    case PresetForm::Problem::RuleHalfEmpty:
        return QStringLiteral("presetRuleHalfEmpty");
    case PresetForm::Problem::RuleOutOfRange:
        return QStringLiteral("presetRuleOutOfRange");
    case PresetForm::Problem::RuleBelowMinimum:
        return QStringLiteral("presetRuleBelowMinimum");
    case PresetForm::Problem::None:
        break;
    }
    return {};
}

// A caption without its closing colon ("Left:", "Gauche :"), to be quoted in a sentence.
QString bareCaption(const QLabel* label) {
    QString text = label->text();
    while (!text.isEmpty() && (text.back() == QLatin1Char(':') || text.back().isSpace())) {
        text.chop(1);
    }
    return text;
}
} // namespace

PresetEditor* PresetEditor::editor(std::shared_ptr<Preset> preset) {
    auto* editor = new PresetEditor();
    editor->setPreset(std::move(preset));
    editor->showWindow();
    return editor;
}

PresetEditor::PresetEditor()
    : ui_(std::make_unique<Ui::PresetEditor>())
    , attachedPreset_(Preset::defaultPreset()) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui_->setupUi(this);
    awakeFromNib();
}

PresetEditor::~PresetEditor() = default;

void PresetEditor::awakeFromNib() {
    using F = PresetForm;
    fields_ = {ui_->presetName,        ui_->presetPrintWidth,     ui_->presetPrintHeight,
               ui_->presetFaceLeft,    ui_->presetFaceTop,        ui_->presetFaceRight,
               ui_->presetFaceBottom,  ui_->presetEyesLeft,       ui_->presetEyesTop,
               ui_->presetEyesRight,   ui_->presetEyesBottom,     ui_->presetHeadMinimum,
               ui_->presetHeadMaximum, ui_->presetEyeLineMinimum, ui_->presetEyeLineMaximum};
    // Both ends of a range go by the range's caption.
    captions_ = {
        ui_->presetNameLabel,       ui_->presetPrintWidthLabel, ui_->presetPrintHeightLabel,
        ui_->presetFaceLeftLabel,   ui_->presetFaceTopLabel,    ui_->presetFaceRightLabel,
        ui_->presetFaceBottomLabel, ui_->presetEyesLeftLabel,   ui_->presetEyesTopLabel,
        ui_->presetEyesRightLabel,  ui_->presetEyesBottomLabel, ui_->presetHeadHeightLabel,
        ui_->presetHeadHeightLabel, ui_->presetEyeLineLabel,    ui_->presetEyeLineLabel};
    units_ = {nullptr,
              ui_->presetPrintWidthUnit,
              ui_->presetPrintHeightUnit,
              ui_->presetFaceLeftUnit,
              ui_->presetFaceTopUnit,
              ui_->presetFaceRightUnit,
              ui_->presetFaceBottomUnit,
              ui_->presetEyesLeftUnit,
              ui_->presetEyesTopUnit,
              ui_->presetEyesRightUnit,
              ui_->presetEyesBottomUnit,
              nullptr,
              ui_->presetHeadUnit,
              nullptr,
              ui_->presetEyeLineUnit};
    for (const auto& [background, key] : kBackgrounds) {
        ui_->presetBackground->addItem(QString::fromLatin1(key), int(background));
    }
    // A note, in the colour of the text fields' placeholders.
    QPalette quiet = ui_->presetRulesHint->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    ui_->presetRulesHint->setPalette(quiet);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int i = 0; i < F::kFieldCount; ++i) {
        marks_[i] = fields_[i]->addAction(warning, QLineEdit::TrailingPosition);
        marks_[i]->setVisible(false);
        connect(fields_[i], &QLineEdit::textEdited, this, &PresetEditor::validateValues);
    }
    ui_->presetIcon->setPlaceholder(Preset().icon());
    ui_->presetIcon->setPreparation(&PresetIcon::fromPicture);
    connect(ui_->saveButton, &QPushButton::clicked, this, &PresetEditor::save);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &PresetEditor::cancel);
    NotificationCenter::defaultCenter().addObserver(this, DisplayUnits::kUnitChanged,
                                                    [this](const Notification&) { unitChanged(); });
}

void PresetEditor::showWindow() {
    if (!loaded_) {
        loaded_ = true;
        windowDidLoad();
    }
    show();
    raise();
    activateWindow();
}

void PresetEditor::windowDidLoad() {
    localizePanel();
    displayPreset();
}

void PresetEditor::setPreset(std::shared_ptr<Preset> preset) {
    attachedPreset_ = preset ? std::move(preset) : Preset::defaultPreset();
    if (loaded_) {
        displayPreset();
    }
}

void PresetEditor::regenerateUUID() {
    attachedPreset_->setUUID(Preset::newIdentifier());
}

bool PresetEditor::currentMetric() {
    return DisplayUnits::metric(UserDefaults::standardUserDefaults());
}

void PresetEditor::displayPreset() {
    form_ = PresetForm(*attachedPreset_, currentMetric());
    showForm();
    ui_->presetIcon->setImage(attachedPreset_->iconData().isEmpty() ? nullptr
                                                                    : attachedPreset_->icon());
    ui_->presetPrintMask->setImage(attachedPreset_->mask());
    ui_->presetBackground->setCurrentIndex(
        ui_->presetBackground->findData(int(form_.background())));
    validateValues();
}

void PresetEditor::readFields() {
    for (int i = 0; i < PresetForm::kFieldCount; ++i) {
        form_.setText(static_cast<PresetForm::Field>(i), fields_[i]->text());
    }
    form_.setBackground(
        static_cast<FormatRules::Background>(ui_->presetBackground->currentData().toInt()));
}

void PresetEditor::showForm() {
    const QString unit = KtObject::localizedString(
        form_.metric() ? QStringLiteral("centimetresUnit") : QStringLiteral("inchesUnit"));
    const QString ruleUnit = KtObject::localizedString(QStringLiteral("presetRulesUnit"));
    for (int i = 0; i < PresetForm::kFieldCount; ++i) {
        const auto f = static_cast<PresetForm::Field>(i);
        if (fields_[i]->text() != form_.text(f)) {
            fields_[i]->setText(form_.text(f));
        }
        if (units_[i]) {
            units_[i]->setText(PresetForm::isRule(f) ? ruleUnit : unit);
        }
    }
}

void PresetEditor::unitChanged() {
    readFields();
    form_.setMetric(currentMetric());
    showForm();
    validateValues();
}

void PresetEditor::storePreset() {
    using F = PresetForm;
    readFields();
    form_.setMetric(currentMetric());
    showForm();
    const auto cm = [&](F::Field f) { return form_.centimetres(f).value_or(0.0f); };
    Preset& preset = *attachedPreset_;
    preset.setName(form_.text(F::Name));
    if (ui_->presetIcon->changed() && ui_->presetIcon->image()) {
        preset.setIcon(*ui_->presetIcon->image());
    }
    preset.setPrintWidth(cm(F::PrintWidth), cm(F::PrintHeight));
    preset.setFaceLeft(cm(F::FaceLeft), cm(F::FaceTop), cm(F::FaceRight), cm(F::FaceBottom));
    preset.setEyesLeft(cm(F::EyesLeft), cm(F::EyesTop), cm(F::EyesRight), cm(F::EyesBottom));
    if (ui_->presetPrintMask->changed() && ui_->presetPrintMask->image()) {
        preset.setMask(*ui_->presetPrintMask->image());
    }
    preset.setRules(form_.rules());
}

void PresetEditor::validateValues() {
    readFields();
    const auto problems = form_.problems();
    for (int i = 0; i < PresetForm::kFieldCount; ++i) {
        const auto f = static_cast<PresetForm::Field>(i);
        const bool wrong = problems[i] != PresetForm::Problem::None;
        QLineEdit* edit = fields_[i];
        edit->setProperty(kInvalidProperty, wrong);
        edit->setToolTip(wrong ? problemText(f, problems[i]) : QString());
        marks_[i]->setVisible(wrong);
        marks_[i]->setToolTip(edit->toolTip());
    }
}

bool PresetEditor::save() {
    readFields();
    if (form_.metric() != currentMetric()) {
        unitChanged();
    }
    validateValues();
    if (const auto wrong = form_.firstProblem()) {
        Alerts::alert(problemKey(form_.problems()[*wrong]), fieldName(*wrong));
        fields_[*wrong]->setFocus(Qt::OtherFocusReason);
        fields_[*wrong]->selectAll();
        return false;
    }
    storePreset();
    if (!attachedPreset_->save()) {
        const bool full = FileManager::lastWriteError() == FileManager::WriteError::DiskFull;
        Alerts::alert(full ? QStringLiteral("presetNotSavedDiskFull")
                           : QStringLiteral("presetNotSaved"),
                      Preset::userPresetsPath());
        return false;
    }
    QDialog::accept();
    return true;
}

void PresetEditor::cancel() {
    QDialog::reject();
}

void PresetEditor::reject() {
    cancel();
}

QLineEdit* PresetEditor::field(PresetForm::Field field) const {
    return fields_[field];
}

QString PresetEditor::fieldName(PresetForm::Field field) const {
    const QString caption = bareCaption(captions_[field]);
    if (PresetForm::isRule(field)) {
        const bool minimum =
            field == PresetForm::HeadMinimum || field == PresetForm::EyeLineMinimum;
        return KtObject::localizedString(minimum ? QStringLiteral("presetRuleMinimumField")
                                                 : QStringLiteral("presetRuleMaximumField"))
            .arg(caption);
    }
    QLabel* group = nullptr;
    if (field >= PresetForm::FaceLeft && field <= PresetForm::FaceBottom) {
        group = ui_->presetFaceLabel;
    } else if (field >= PresetForm::EyesLeft && field <= PresetForm::EyesBottom) {
        group = ui_->presetEyesLabel;
    }
    if (!group) {
        return caption;
    }
    return KtObject::localizedString(QStringLiteral("presetGuideField"))
        .arg(bareCaption(group), caption);
}

QString PresetEditor::problemText(PresetForm::Field field, PresetForm::Problem problem) const {
    return KtObject::localizedString(problemKey(problem)).arg(fieldName(field));
}

void PresetEditor::localizePanel() {
    KtObject::localize(static_cast<QWidget*>(this), QStringLiteral("presetEditor"));
    KtObject::localize(ui_->presetNameLabel, QStringLiteral("presetName"));
    KtObject::localize(ui_->presetIconLabel, QStringLiteral("presetIcon"));
    KtObject::localize(ui_->presetPrintWidthLabel, QStringLiteral("widthLabel"));
    KtObject::localize(ui_->presetPrintHeightLabel, QStringLiteral("heightLabel"));
    KtObject::localize(ui_->presetPrintMaskLabel, QStringLiteral("printMask"));
    KtObject::localize(ui_->presetFaceLabel, QStringLiteral("faceLabel"));
    KtObject::localize(ui_->presetEyesLabel, QStringLiteral("eyesLabel"));
    const std::array<std::pair<QLabel*, const char*>, 8> edges = {{
        {ui_->presetFaceLeftLabel, "leftLabel"},
        {ui_->presetEyesLeftLabel, "leftLabel"},
        {ui_->presetFaceTopLabel, "topLabel"},
        {ui_->presetEyesTopLabel, "topLabel"},
        {ui_->presetFaceRightLabel, "rightLabel"},
        {ui_->presetEyesRightLabel, "rightLabel"},
        {ui_->presetFaceBottomLabel, "bottomLabel"},
        {ui_->presetEyesBottomLabel, "bottomLabel"},
    }};
    for (const auto& [label, key] : edges) {
        KtObject::localize(label, QString::fromLatin1(key));
    }
    KtObject::localize(ui_->presetHeadHeightLabel, QStringLiteral("presetHeadHeightLabel"));
    KtObject::localize(ui_->presetEyeLineLabel, QStringLiteral("presetEyeLineLabel"));
    KtObject::localize(ui_->presetHeadTo, QStringLiteral("presetRangeTo"));
    KtObject::localize(ui_->presetEyeLineTo, QStringLiteral("presetRangeTo"));
    KtObject::localize(ui_->presetBackgroundLabel, QStringLiteral("presetBackgroundLabel"));
    KtObject::localize(ui_->presetRulesHint, QStringLiteral("presetRulesHint"));
    for (int i = 0; i < int(kBackgrounds.size()); ++i) {
        KtObject::localize(ui_->presetBackground, i, QString::fromLatin1(kBackgrounds[i].second));
    }
    const QString headHint = KtObject::localizedString(QStringLiteral("presetHeadHeightHint"));
    const QString eyeLineHint = KtObject::localizedString(QStringLiteral("presetEyeLineHint"));
    ui_->presetHeadHeightLabel->setToolTip(headHint);
    ui_->presetEyeLineLabel->setToolTip(eyeLineHint);
    // The ends of a range have no caption of their own: their names are read out instead.
    for (const auto f : {PresetForm::HeadMinimum, PresetForm::HeadMaximum,
                         PresetForm::EyeLineMinimum, PresetForm::EyeLineMaximum}) {
        fields_[f]->setAccessibleName(fieldName(f));
    }
    KtObject::localize(ui_->generalBox, QStringLiteral("generalLabel"));
    KtObject::localize(ui_->printAreaBox, QStringLiteral("printAreaLabel"));
    KtObject::localize(ui_->guidesBox, QStringLiteral("guidesLabel"));
    KtObject::localize(ui_->rulesBox, QStringLiteral("presetRulesLabel"));
    KtObject::localize(ui_->cancelButton, QStringLiteral("cancelButton"));
    KtObject::localize(ui_->saveButton, QStringLiteral("saveButton"));

    // The captions of the groups laid out in rows share one column width, so that their fields
    // line up whatever the language.
    const std::array<QLabel*, 8> column = {ui_->presetNameLabel,       ui_->presetIconLabel,
                                           ui_->presetPrintWidthLabel, ui_->presetPrintHeightLabel,
                                           ui_->presetPrintMaskLabel,  ui_->presetHeadHeightLabel,
                                           ui_->presetEyeLineLabel,    ui_->presetBackgroundLabel};
    int widest = 0;
    for (QLabel* label : column) {
        label->setMinimumWidth(0);
        widest = std::max(widest, label->sizeHint().width());
    }
    for (QLabel* label : column) {
        label->setMinimumWidth(widest);
    }
}

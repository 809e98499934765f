#pragma once
// The preset editor: a small window in which the user enters or changes one document format
// (name, icon, print size, mask, face box and eyes band in the display unit; the format's
// rules in millimetres) and saves it as a user preset. Each window owns itself and goes when it
// closes; several can be open.

#include "core/presets/PresetForm.h"

#include <QDialog>
#include <array>
#include <memory>

class Preset;
class QAction;
class QLabel;
class QLineEdit;
namespace Ui {
class PresetEditor;
}

class PresetEditor : public QDialog {
    Q_OBJECT
public:
    // A new editor on the preset, or on a new default preset when there is none, shown.
    static PresetEditor* editor(std::shared_ptr<Preset> preset);
    ~PresetEditor() override;

    Ui::PresetEditor* outlets() const { return ui_.get(); }
    const std::shared_ptr<Preset>& attachedPreset() const { return attachedPreset_; }
    // Edits that preset, or a new default preset; an editor already shown shows it at once.
    void setPreset(std::shared_ptr<Preset> preset);
    // Gives the preset a new identifier, so that a copy is a preset of its own.
    void regenerateUUID();

    // Fills the fields from the preset, lengths in the display unit.
    void displayPreset();
    // Writes the fields into the preset: name, icon, size, face box, eyes band, mask, rules.
    void storePreset();
    // Marks the fields whose value is wrong, each with what is wrong as its tip.
    void validateValues();
    // Refuses wrong values with an alert naming the first wrong field; otherwise stores the
    // fields, writes the preset as a user preset and closes. Answers whether it was written.
    bool save();
    // Closes without writing anything.
    void cancel();
    void localizePanel();

    // The text field that shows a part of the form.
    QLineEdit* field(PresetForm::Field field) const;

    void reject() override;

private:
    PresetEditor();
    void showWindow();
    void windowDidLoad();
    void awakeFromNib();
    // The texts of the fields into the form.
    void readFields();
    // The form's texts into the fields, and the unit beside each length.
    void showForm();
    // The preferences changed the unit: the lengths follow, edits and all.
    void unitChanged();
    static bool currentMetric();
    // A field's name as the alerts quote it: its caption, with the guide's for a guide edge.
    QString fieldName(PresetForm::Field field) const;
    // The localized text saying what is wrong with a field.
    QString problemText(PresetForm::Field field, PresetForm::Problem problem) const;

    std::unique_ptr<Ui::PresetEditor> ui_;
    std::shared_ptr<Preset> attachedPreset_;
    PresetForm form_;
    std::array<QLineEdit*, PresetForm::kFieldCount> fields_{};
    std::array<QLabel*, PresetForm::kFieldCount> captions_{};
    std::array<QLabel*, PresetForm::kFieldCount> units_{};
    // The warning sign in a field while its value is wrong.
    std::array<QAction*, PresetForm::kFieldCount> marks_{};
    bool loaded_ = false;
};

#pragma once
// The preferences window: the unit sizes are shown in and whether to check for a new version
// at start-up. The settings are stored when the window closes, and "unitChanged" tells the
// other windows. One window a run, created on first use.

#include <QDialog>
#include <memory>

namespace Ui {
class PreferencesWindows;
}

class PreferenceWindow : public QDialog {
    Q_OBJECT
public:
    // The notification posted at every close, changed or not.
    // The items of the units pop-up.
    enum UnitItem { InchesItem = 0, CentimetresItem = 1 };

    // The one window, showing the stored settings, in front.
    static PreferenceWindow* pv();
    ~PreferenceWindow() override;

    Ui::PreferencesWindows* outlets() const { return ui_.get(); }

    // Shows the stored settings; what was changed and not stored is forgotten.
    void publishValues();
    // Stores the settings and posts "unitChanged".
    void windowShouldClose();
    // Runs the update check at once.
    void checkVersion();
    void localizePanel();

    // Every way of closing (the close button, Escape, the window's own close) ends here.
    void done(int result) override;

private:
    PreferenceWindow();

    std::unique_ptr<Ui::PreferencesWindows> ui_;
};

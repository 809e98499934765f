#include "app/PreferenceWindow.h"

#include "app/Controller.h"
#include "app/VersionChecker.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentLibrary.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/UserDefaults.h"
#include "ui/platform/KtObject.h"
#include "ui_PreferencesWindows.h"

#include <QPointer>

namespace {
QPointer<PreferenceWindow>& instance() {
    static QPointer<PreferenceWindow> window;
    return window;
}
// The identifier of the preferences tab, which a C++ name cannot be.
const QString kPreferencesTab = QStringLiteral("1");
const QString kInches = QStringLiteral("Inches");
} // namespace

PreferenceWindow* PreferenceWindow::pv() {
    if (!instance()) {
        instance() = new PreferenceWindow();
    }
    PreferenceWindow* window = instance();
    window->show();
    window->raise();
    window->activateWindow();
    window->localizePanel();
    window->publishValues();
    return window;
}

PreferenceWindow::PreferenceWindow()
    : ui_(std::make_unique<Ui::PreferencesWindows>()) {
    ui_->setupUi(this);
    ui_->preferencesTab->setObjectName(kPreferencesTab);
    ui_->unitsPopup->addItem(QString());
    ui_->unitsPopup->addItem(QString());
    connect(ui_->chekNowButton, &QPushButton::clicked, this, &PreferenceWindow::checkVersion);
    connect(ui_->closeButton, &QPushButton::clicked, this, &QWidget::close);
}

PreferenceWindow::~PreferenceWindow() = default;

void PreferenceWindow::publishValues() {
    const UserDefaults& defaults = Controller::ud();
    ui_->unitsPopup->setCurrentIndex(
        defaults.stringForKey(DocumentLibrary::kUnitsKey) == DisplayUnits::kMetric ? CentimetresItem
                                                                                   : InchesItem);
    ui_->versionSwitch->setChecked(defaults.boolForKey(VersionChecker::kCheckVersionKey));
}

void PreferenceWindow::windowShouldClose() {
    UserDefaults& defaults = Controller::ud();
    defaults.setObject(ui_->unitsPopup->currentIndex() != InchesItem ? DisplayUnits::kMetric
                                                                     : kInches,
                       DocumentLibrary::kUnitsKey);
    defaults.setBool(ui_->versionSwitch->isChecked(), VersionChecker::kCheckVersionKey);
    NotificationCenter::defaultCenter().postNotificationName(DisplayUnits::kUnitChanged);
}

void PreferenceWindow::done(int result) {
    windowShouldClose();
    QDialog::done(result);
}

void PreferenceWindow::checkVersion() {
    VersionChecker::sharedVersionChecker()->checkNowForNewVersion();
}

void PreferenceWindow::localizePanel() {
    KtObject::localize(this, QStringLiteral("Preferences"));
    KtObject::localize(ui_->tabView, QStringLiteral("Preferences"), kPreferencesTab);
    KtObject::localize(ui_->unitLabel, QStringLiteral("unitLabel"));
    KtObject::localize(ui_->unitsPopup, InchesItem, QStringLiteral("Inches"));
    KtObject::localize(ui_->unitsPopup, CentimetresItem, QStringLiteral("Centimeters"));
    KtObject::localize(ui_->versionSwitch, QStringLiteral("versionSwitch"));
    KtObject::localize(ui_->chekNowButton, QStringLiteral("chekNowButton"));
    KtObject::localize(ui_->closeButton, QStringLiteral("closeMenu"));
}

#include "app/PreferenceWindow.h"
#include "app/Controller.h"
#include "app/PictureListModel.h"
#include "app/VersionChecker.h"
#include "core/document/DisplayUnits.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/UserDefaults.h"
#include "support/DocumentTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui_MainWindow.h"
#include "ui_PreferencesWindows.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PreferenceWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(home.filePath(QStringLiteral("Documents/Fotino")));
        documenttest::writeDocument(home.filePath(QStringLiteral("Documents/Fotino/Visa.ftoct")),
                                    QStringLiteral("Visa"));
        controller = std::make_unique<Controller>();
        NotificationCenter::defaultCenter().addObserver(&observer, DisplayUnits::kUnitChanged,
                                                        [this](const Notification&) { ++posted; });
        // Opened from the library window's menu, as a user would.
        controller->outlets()->preferencesMenu->trigger();
        window = PreferenceWindow::pv();
    }
    void TearDown() override { window->hide(); }
    QString sizeShown() const {
        QAbstractItemModel* model = controller->outlets()->picturesTableView->model();
        return model->data(model->index(0, PictureListModel::SizeColumn)).toString();
    }
    QString units() const { return Controller::ud().stringForKey(QStringLiteral("ftoUnits")); }

    TemporaryHome home;
    std::unique_ptr<Controller> controller;
    QObject observer;
    int posted = 0;
    PreferenceWindow* window = nullptr;
};

TEST_F(PreferenceWindowTest, ClosingStoresTheChoicesAndTheLibraryShowsTheUnitAtOnce) {
    Ui::PreferencesWindows* ui = window->outlets();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ui->unitsPopup->currentIndex(), PreferenceWindow::CentimetresItem);
    EXPECT_FALSE(ui->versionSwitch->isChecked()) << "absent counts as off";
    EXPECT_EQ(sizeShown(), QStringLiteral("3.50 x 4.50 cm"));

    ui->unitsPopup->setCurrentIndex(PreferenceWindow::InchesItem);
    QTest::mouseClick(ui->versionSwitch, Qt::LeftButton, {}, ui->versionSwitch->rect().center());
    EXPECT_EQ(posted, 0) << "settings take effect when the window closes";
    QTest::mouseClick(ui->closeButton, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(units(), QStringLiteral("Inches"));
    EXPECT_TRUE(Controller::ud().boolForKey(VersionChecker::kCheckVersionKey));
    EXPECT_EQ(posted, 1);
    EXPECT_EQ(sizeShown(), QStringLiteral("1.37 x 1.77 in"));

    EXPECT_EQ(PreferenceWindow::pv(), window) << "one window a run";
    EXPECT_EQ(ui->unitsPopup->currentIndex(), PreferenceWindow::InchesItem);
    EXPECT_TRUE(ui->versionSwitch->isChecked());
    window->close();
    EXPECT_EQ(posted, 2) << "posted at every close, changed or not";
    EXPECT_EQ(units(), QStringLiteral("Inches"));

    PreferenceWindow::pv();
    ui->unitsPopup->setCurrentIndex(PreferenceWindow::CentimetresItem);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(posted, 3) << "Escape closes as the close box does";
    EXPECT_EQ(sizeShown(), QStringLiteral("3.50 x 4.50 cm"));
}

TEST_F(PreferenceWindowTest, ReopeningForgetsChangesNotStored) {
    window->outlets()->unitsPopup->setCurrentIndex(PreferenceWindow::InchesItem);
    window->outlets()->versionSwitch->setChecked(true);
    PreferenceWindow::pv();
    EXPECT_EQ(window->outlets()->unitsPopup->currentIndex(), PreferenceWindow::CentimetresItem);
    EXPECT_FALSE(window->outlets()->versionSwitch->isChecked());
    EXPECT_EQ(posted, 0);
    EXPECT_EQ(units(), QStringLiteral("Metric"));
}

} // namespace

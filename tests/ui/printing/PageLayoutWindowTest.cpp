#include "ui/printing/PageLayoutWindow.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/Fotino.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/Panels.h"
#include "core/platform/StringTable.h"
#include "core/platform/UserDefaults.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui/printing/PageLayout.h"
#include "ui/printing/PrintLayout.h"
#include "ui_PageLayout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The window is one for the run: each test starts it from 15 points and closes it.
class PageLayoutWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        setMetric(true);
        window_ = PageLayoutWindow::layoutWindow();
        ui_ = window_->outlets();
        preview_ = window_->pageLayout()->printLayout();
        preview_->setInterspace(15.0f);
        window_->unitChanged();
    }
    void TearDown() override {
        window_->close();
        QLocale::setDefault(QLocale::system());
    }
    // As the preferences window does.
    static void setMetric(bool metric) {
        UserDefaults::standardUserDefaults().setObject(
            metric ? DisplayUnits::kMetric : QStringLiteral("Inches"), DocumentLibrary::kUnitsKey);
        NotificationCenter::defaultCenter().postNotificationName(DisplayUnits::kUnitChanged);
    }
    void type(const QString& text) {
        ui_->interspaceField->setFocus();
        ui_->interspaceField->selectAll();
        QTest::keyClicks(ui_->interspaceField, text);
        QTest::keyClick(ui_->interspaceField, Qt::Key_Return);
    }

    TemporaryHome home_;
    PageLayoutWindow* window_ = nullptr;
    Ui::PageLayout* ui_ = nullptr;
    PrintLayout* preview_ = nullptr;
};

TEST_F(PageLayoutWindowTest, TheSpaceShowsInTheUnitOfThePreferencesAndStaysInPoints) {
    struct Shown {
        const char* field;
        const char* unit;
        int slider;
    };
    const Shown mm = {"5.3", "mm", 53};
    const Shown in = {"0.21", "in", 21};
    for (const auto& [metric, shown] :
         std::vector<std::pair<bool, Shown>>{{true, mm}, {false, in}, {true, mm}}) {
        SCOPED_TRACE(shown.unit);
        setMetric(metric); // with the window open
        EXPECT_EQ(ui_->interspaceField->text(), QString::fromLatin1(shown.field));
        EXPECT_EQ(ui_->interspaceUnit->text(), QString::fromLatin1(shown.unit));
        EXPECT_EQ(ui_->interspaceSlider->value(), shown.slider);
        EXPECT_EQ(preview_->interspace(), 15.0f) << "the same space, not its rounded display";
    }
    // Confirmed as shown, or the window relabelled, the space keeps its exact value.
    type(QStringLiteral("5.3"));
    window_->localizePanel();
    EXPECT_EQ(preview_->interspace(), 15.0f);
}

TEST_F(PageLayoutWindowTest, ASpaceTypedInTheUnitReachesTheSheetInPoints) {
    struct Case {
        bool metric;
        const char* typed;
        const char* shown; // afterwards
        double points;
    };
    const std::vector<Case> cases = {
        {true, "3,5", "3.5", 3.5 * 2.835},
        {true, "nothing", "3.5", 3.5 * 2.835}, // not a space: the last one stands
        {false, "0,25", "0.25", 18.0},
    };
    auto doc = std::make_shared<Fotino>();
    preview_->setFotinos({doc});
    preview_->setCount(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        setMetric(c.metric);
        type(QString::fromLatin1(c.typed));
        EXPECT_EQ(ui_->interspaceField->text(), QString::fromLatin1(c.shown));
        EXPECT_NEAR(preview_->interspace(), c.points, 0.01);
        // Side by side, the second copy starts one interspace after the first.
        const auto placed = preview_->sheet().placements();
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_NEAR(placed[1].origin.x() - placed[0].origin.x() - placed[0].size.width(), c.points,
                    0.01);
    }
    // Printing keeps it, in points, for the next sheet.
    Panels::setTestHook([](const PanelRequest&) { return -1; });
    window_->print();
    Panels::clearTestHook();
    EXPECT_NEAR(UserDefaults::standardUserDefaults().floatForKey(PrintSheet::kInterspaceKey), 18.0,
                0.01);
}

TEST_F(PageLayoutWindowTest, ThePreviewTakesTheRoomTheWindowGivesIt) {
    std::vector<int> heights;
    for (const QSize size : {window_->minimumSize(), QSize(1400, 1000)}) {
        window_->resize(size);
        window_->layout()->activate();
        const QSizeF paper = window_->pageLayout()->paperRect().size();
        const QRect sheet = preview_->geometry();
        EXPECT_NEAR(double(sheet.width()) / sheet.height(), paper.width() / paper.height(), 0.01)
            << "the paper's proportions";
        heights.push_back(sheet.height());
    }
    EXPECT_GT(heights[1], 2 * heights[0]);
    EXPECT_GT(heights[1], 700);
}

// At its smallest, in every language, no text of the window is cut.
TEST_F(PageLayoutWindowTest, NothingIsCutAtTheSmallestSizeInAnyLanguage) {
    for (const char* language : {"en", "fr", "de"}) {
        SCOPED_TRACE(language);
        ASSERT_EQ(StringTable::install({QString::fromLatin1(language)}),
                  QString::fromLatin1(language));
        window_->localizePanel();
        window_->layout()->activate();
        window_->resize(window_->minimumSize());
        window_->layout()->activate();
        for (QWidget* control : window_->findChildren<QWidget*>()) {
            if ((qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) &&
                !control->objectName().isEmpty()) {
                EXPECT_GE(control->width(), control->sizeHint().width())
                    << control->objectName().toStdString();
            }
        }
    }
    StringTable::install({QStringLiteral("en")});
    window_->localizePanel();
}

} // namespace

#include "ui/platform/KtObject.h"
#include "app/PictureListModel.h"
#include "core/platform/Panels.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

// Only the tab or column with the identifier gets the text; an unknown one changes nothing.
TEST(KtObject, RelabelsTheTabAndTheColumnWithTheIdentifier) {
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("one"));
    auto* second = new QWidget;
    second->setObjectName(QStringLiteral("id"));
    tabs.addTab(second, QStringLiteral("two"));
    KtObject::localize(&tabs, QStringLiteral("nameColumn"), QStringLiteral("id"));
    KtObject::localize(&tabs, QStringLiteral("printHint"), QStringLiteral("no such tab"));
    EXPECT_EQ(tabs.tabText(0), QStringLiteral("one"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("Name"));

    QTableView table;
    PictureListModel model;
    table.setModel(&model);
    KtObject::localize(&table, QStringLiteral("nameColumn"), QStringLiteral("size"));
    KtObject::localize(&table, QStringLiteral("printHint"), QStringLiteral("no such column"));
    EXPECT_EQ(model.headerData(PictureListModel::SizeColumn, Qt::Horizontal).toString(),
              QStringLiteral("Name"));
    for (const int column : {PictureListModel::SelectionColumn, PictureListModel::NameColumn}) {
        EXPECT_NE(model.headerData(column, Qt::Horizontal).toString(), QStringLiteral("Name"));
    }
}

class KtObjectAlerts : public ::testing::Test {
protected:
    void answerWith(int button) {
        Panels::setTestHook([this, button](const PanelRequest& request) {
            asked.push_back(request);
            return button;
        });
    }
    void TearDown() override { Panels::clearTestHook(); }
    std::vector<PanelRequest> asked;
};

TEST_F(KtObjectAlerts, AOneButtonAlertShowsTheLocalizedMessage) {
    answerWith(0);
    KtObject::localizedAlert(QStringLiteral("noName"));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].message, QStringLiteral("Give the photo a name before saving it."));
    EXPECT_TRUE(asked[0].informativeText.isEmpty());
    EXPECT_EQ(asked[0].buttons, QStringList{QStringLiteral("OK")});
}

struct Answer {
    const char* name;
    int pressed;
    bool confirmed;
};

class KtObjectConfirm : public KtObjectAlerts, public ::testing::WithParamInterface<Answer> {};

TEST_P(KtObjectConfirm, AnswersYesOnlyForOK) {
    answerWith(GetParam().pressed);
    EXPECT_EQ(KtObject::localizedFBAlert(QStringLiteral("DeleteLong"), QStringLiteral("warning")),
              GetParam().confirmed);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, QStringLiteral("Delete this photo?"));
    EXPECT_EQ(asked[0].buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel")}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, KtObjectConfirm,
                         ::testing::Values(Answer{"ok", 0, true}, Answer{"cancel", 1, false},
                                           Answer{"closed", -1, false}),
                         NameOfParam());

} // namespace

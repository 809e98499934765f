#include "ui/platform/KtObject.h"
#include "app/PictureListModel.h"
#include "core/platform/Panels.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

const QString kKnown = QStringLiteral("nameColumn"); // "Name"
const QString kMissing = QStringLiteral("noSuchKey");

TEST(KtObject, RelabelsEveryKindOfControl) {
    QWidget window;
    QPushButton button;
    QCheckBox box;
    QLabel label;
    QLineEdit field;
    QGroupBox group;
    QMenu menu;
    QAction item(nullptr);
    QComboBox popup;
    popup.addItems({QStringLiteral("a"), QStringLiteral("b")});

    KtObject::localize(&window, kKnown);
    KtObject::localize(&button, kKnown);
    KtObject::localizeHint(&button, QStringLiteral("printHint"));
    KtObject::localize(&box, kKnown);
    KtObject::localize(&label, kKnown);
    KtObject::localize(&field, kKnown);
    KtObject::localize(&group, kKnown);
    KtObject::localize(&menu, kKnown);
    KtObject::localize(&item, kKnown);
    KtObject::localize(&popup, 1, kKnown);
    KtObject::localize(&popup, 7, kKnown); // no such item: nothing

    const QString name = QStringLiteral("Name");
    EXPECT_EQ(window.windowTitle(), name);
    EXPECT_EQ(button.text(), name);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Print the ticked photos"));
    EXPECT_EQ(box.text(), name);
    EXPECT_EQ(label.text(), name);
    EXPECT_EQ(field.text(), name);
    EXPECT_EQ(group.title(), name);
    EXPECT_EQ(menu.title(), name);
    EXPECT_EQ(item.text(), name);
    EXPECT_EQ(popup.itemText(0), QStringLiteral("a"));
    EXPECT_EQ(popup.itemText(1), name);
}

TEST(KtObject, AMissingKeyShowsTheKey) {
    QPushButton button;
    KtObject::localize(&button, kMissing);
    EXPECT_EQ(button.text(), kMissing);
    EXPECT_EQ(KtObject::localizedString(kMissing), kMissing);
}

TEST(KtObject, RelabelsTabsByIndexAndByIdentifier) {
    QTabWidget tabs;
    auto* first = new QWidget;
    first->setObjectName(QStringLiteral("1"));
    tabs.addTab(first, QStringLiteral("one"));
    tabs.addTab(new QWidget, QStringLiteral("two"));
    KtObject::localize(&tabs, kKnown, QStringLiteral("1"));
    KtObject::localize(&tabs, 1, QStringLiteral("sizeColumn"));
    EXPECT_EQ(tabs.tabText(0), QStringLiteral("Name"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("Size"));
    KtObject::localize(&tabs, QStringLiteral("printHint"), QStringLiteral("no such tab"));
    EXPECT_EQ(tabs.tabText(0), QStringLiteral("Name"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("Size"));
}

TEST(KtObject, RelabelsTableColumnsByIdentifierAndByColumn) {
    QTableView table;
    PictureListModel model;
    table.setModel(&model);
    KtObject::localize(&table, kKnown, QStringLiteral("size"));
    KtObject::localizeColumn(&table, PictureListModel::NameColumn,
                             QStringLiteral("selectionColumn"));
    KtObject::localize(&table, QStringLiteral("printHint"), QStringLiteral("no such column"));
    EXPECT_EQ(model.headerData(PictureListModel::SizeColumn, Qt::Horizontal).toString(),
              QStringLiteral("Name"));
    EXPECT_EQ(model.headerData(PictureListModel::NameColumn, Qt::Horizontal).toString(),
              QStringLiteral("Print"));
    EXPECT_TRUE(
        model.headerData(PictureListModel::SelectionColumn, Qt::Horizontal).toString().isEmpty());
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
                         ::testing::Values(Answer{0, true}, Answer{1, false}, Answer{-1, false}),
                         [](const ::testing::TestParamInfo<Answer>& info) {
                             return info.param.pressed == 0   ? std::string("ok")
                                    : info.param.pressed == 1 ? std::string("cancel")
                                                              : std::string("closed");
                         });

} // namespace

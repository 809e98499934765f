#include "core/platform/Panels.h"
#include "core/platform/Log.h"
#include "support/LogCapture.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace {

class PanelsTest : public ::testing::Test {
protected:
    void TearDown() override { Panels::clearTestHook(); }
    LogCapture log;
};

TEST_F(PanelsTest, TheTestHookAnswersEveryModalAndSeesWhatWasAsked) {
    std::vector<PanelRequest> asked;
    Panels::setTestHook([&](const PanelRequest& request) {
        asked.push_back(request);
        return 1;
    });
    EXPECT_EQ(Panels::runAlert(QStringLiteral("Title"), QStringLiteral("Message"), QString(),
                               {QStringLiteral("OK"), QStringLiteral("Cancel")}),
              1);
    Panels::beep();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].kind, PanelRequest::Kind::Alert);
    EXPECT_EQ(asked[0].title, QStringLiteral("Title"));
    EXPECT_EQ(asked[0].buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel")}));
    EXPECT_EQ(asked[1].kind, PanelRequest::Kind::Beep);
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST_F(PanelsTest, WithoutWindowsAnAlertGoesToTheLogAsOneLine) {
    EXPECT_FALSE(Panels::hasTestHook());
    Panels::setProvider(nullptr);
    EXPECT_EQ(Panels::runAlert(QString(), QStringLiteral("No picture"), QString(),
                               {QStringLiteral("OK")}),
              -1);
    Log::write(QStringLiteral("Page rect\n{{0, 0}, {612, 792}}"));
    EXPECT_EQ(log.lines(), (QStringList{QStringLiteral("No picture"),
                                        QStringLiteral("Page rect {{0, 0}, {612, 792}}")}));
}

} // namespace

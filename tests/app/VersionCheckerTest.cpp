#include "app/VersionChecker.h"
#include "app/Controller.h"
#include "core/platform/Panels.h"
#include "core/platform/StringTable.h"
#include "core/platform/UserDefaults.h"
#include "support/LocalHttpServer.h"
#include "support/LogCapture.h"
#include "support/NameOfParam.h"
#include "support/OpenedUrls.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr int kWait = 30000;
const QString kFailedAtStart = QStringLiteral("Unable to check version of Fotino");

class VersionCheckerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Controller::ud().setObject(server.url(), VersionChecker::kUpdateURLKey);
        Panels::setTestHook([this](const PanelRequest& request) {
            asked << (request.kind == PanelRequest::Kind::Beep ? QStringLiteral("beep")
                                                               : request.title);
            messages << request.message;
            return answer;
        });
    }
    void TearDown() override { Panels::clearTestHook(); }

    std::optional<int> checkAtStart() {
        std::optional<int> result;
        QObject context;
        checker.isNewVersionAvailable(&context, [&](int r) { result = r; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, kWait));
        return result;
    }
    void checkNow() {
        checker.checkNowForNewVersion();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !checker.isChecking(); }, kWait));
    }
    static QString text(const QString& key) { return StringTable::localizedString(key); }

    TemporaryHome home;
    LocalHttpServer server;
    OpenedUrls opened;
    VersionChecker checker;
    QStringList asked;
    QStringList messages;
    int answer = 1; // "Cancel"
};

struct Published {
    const char* name;
    QByteArray text;
    int atStart;
    const char* checkNowKey;
};

class VersionCheckerPublished : public VersionCheckerTest,
                                public ::testing::WithParamInterface<Published> {};

TEST_P(VersionCheckerPublished, StartUpAnswersQuietlyAndCheckNowTells) {
    server.answer(GetParam().text);
    const LogCapture log;
    EXPECT_EQ(checkAtStart(), GetParam().atStart);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(log.lines(), GetParam().atStart < 0 ? QStringList{kFailedAtStart} : QStringList());

    checkNow();
    const QString key = QString::fromLatin1(GetParam().checkNowKey);
    EXPECT_EQ(asked, QStringList{text(key)});
    EXPECT_EQ(messages, QStringList{text(key + QStringLiteral("_LONG"))});
    EXPECT_TRUE(opened.urls().isEmpty()) << "declined";
}

INSTANTIATE_TEST_SUITE_P(Texts, VersionCheckerPublished,
                         ::testing::Values(Published{"newer", "142", 1, "MSG_NEW_VERSION"},
                                           Published{"same", "141", 0, "MSG_VERSION_UPTODATE"},
                                           Published{"older", "140\n", 0, "MSG_VERSION_UPTODATE"},
                                           Published{"spacesAndWord", "  150 words", 1,
                                                     "MSG_NEW_VERSION"},
                                           Published{"empty", "", -1, "MSG_VERSION_UPTODATE"}),
                         NameOfParam());

TEST_F(VersionCheckerTest, AFailureIsLoggedAndOnlyCheckNowTellsTheUser) {
    server.answer("142", 404);
    const LogCapture log;
    EXPECT_EQ(checkAtStart(), -1);
    EXPECT_TRUE(asked.isEmpty());
    checkNow();
    EXPECT_EQ(asked, QStringList{text(QStringLiteral("ERROR_VERSION_CHECK"))});
    EXPECT_EQ(log.lines(),
              (QStringList{kFailedAtStart, QStringLiteral("Unable to check version")}));
}

TEST_F(VersionCheckerTest, OKOnTheNewVersionOpensTheWebSite) {
    server.answer("142");
    answer = 0;
    checkNow();
    EXPECT_EQ(opened.urls(), QList<QUrl>{QUrl(VersionChecker::kWebSite)});
}

TEST_F(VersionCheckerTest, ASecondCheckWhileOneRunsBeeps) {
    server.answer("141");
    server.setHolding(true);
    checker.checkNowForNewVersion();
    checker.checkNowForNewVersion();
    EXPECT_EQ(asked, QStringList{QStringLiteral("beep")});
    server.setHolding(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !checker.isChecking(); }, kWait));
    EXPECT_EQ(asked,
              (QStringList{QStringLiteral("beep"), text(QStringLiteral("MSG_VERSION_UPTODATE"))}));
    checkNow();
    EXPECT_EQ(server.requests().size(), 2) << "once answered, the next check runs";
}

// The start must not wait for the server: the window keeps handling events until the check
// gives up on its own.
TEST_F(VersionCheckerTest, AServerThatNeverAnswersEndsTheStartUpCheckByItsTimeOut) {
    server.setHolding(true);
    const LogCapture log;
    int ticks = 0;
    QTimer ticking;
    QObject::connect(&ticking, &QTimer::timeout, [&] { ++ticks; });
    ticking.start(20);
    std::optional<int> ticksAtResult;
    QObject context;
    checker.isNewVersionAvailable(&context, [&](int result) {
        EXPECT_EQ(result, -1);
        ticksAtResult = ticks;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticksAtResult.has_value(); }, kWait));
    EXPECT_GT(*ticksAtResult, 1) << "events were handled while the check ran";
    EXPECT_EQ(log.lines(), QStringList{kFailedAtStart});
}

TEST_F(VersionCheckerTest, TheEnvironmentNamesTheUpdateAddressBeforeTheDefaults) {
    UserDefaults& defaults = Controller::ud();
    defaults.removeObjectForKey(VersionChecker::kUpdateURLKey);
    EXPECT_EQ(VersionChecker::updateURL(defaults), VersionChecker::kDefaultUpdateURL);
    defaults.setObject(QStringLiteral("http://127.0.0.1:9/"), VersionChecker::kUpdateURLKey);
    server.answer("142");
    qputenv(VersionChecker::kUpdateURLVariable, server.url().toUtf8());
    EXPECT_EQ(checkAtStart(), 1);
    qunsetenv(VersionChecker::kUpdateURLVariable);
}

// The library window asks at start-up only when the user wants it, without waiting for the
// answer; a newer version is offered, and OK opens the web site.
TEST_F(VersionCheckerTest, TheLibraryWindowChecksAtStartUpWhenAsked) {
    server.answer("142");
    answer = 0;
    Controller quiet;
    Controller::ud().setBool(true, VersionChecker::kCheckVersionKey);
    Controller c;
    EXPECT_TRUE(asked.isEmpty()) << "the start does not wait for the answer";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !asked.isEmpty(); }, kWait));
    EXPECT_EQ(asked, QStringList{QStringLiteral("A new version of Fotino is available")});
    EXPECT_EQ(messages, QStringList{QStringLiteral("Open the Fotino web site to download it?")});
    EXPECT_EQ(opened.urls(), QList<QUrl>{QUrl(VersionChecker::kWebSite)});
    EXPECT_EQ(server.requests().size(), 1) << "only the start with the check on asked";
}

} // namespace

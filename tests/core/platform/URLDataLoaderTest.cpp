#include "core/platform/URLDataLoader.h"
#include "support/LocalHttpServer.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class URLDataLoaderTest : public ::testing::Test {
protected:
    // Starts a download that records every event but new data, in order.
    std::unique_ptr<URLDataLoader> load(double timeout = 10.0) {
        auto record = [this](int event) {
            return [this, event](URLDataLoader&) { events.push_back(event); };
        };
        return URLDataLoader::dataLoaderWithURL(
            server.url(), timeout,
            {record(URLDataLoader::CompleteEvent), nullptr, record(URLDataLoader::FailedEvent),
             record(URLDataLoader::CancelledEvent), record(URLDataLoader::TimedOutEvent)},
            nullptr);
    }
    static bool waitForEnd(const URLDataLoader& loader) {
        return QTest::qWaitFor([&] { return loader.status() != URLDataLoader::Started; }, 30000);
    }

    LocalHttpServer server;
    std::vector<int> events;
};

TEST_F(URLDataLoaderTest, DownloadsPastCachesIntoAPrivateFileThatGoesWithTheLoader) {
    // The server proposes a file name of its own; it must never decide where we write.
    server.answer("142\n", 200, "Content-Disposition: attachment; filename=\"../evil.txt\"\r\n");
    auto loader = load();
    EXPECT_EQ(loader->eventMask(), 1 | 4 | 8 | 16);
    ASSERT_TRUE(waitForEnd(*loader));
    EXPECT_EQ(loader->status(), URLDataLoader::Finished);
    EXPECT_EQ(events, std::vector<int>{URLDataLoader::CompleteEvent});
    EXPECT_EQ(loader->data(), QByteArray("142\n"));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests().front().toLower().contains("cache-control: no-cache"));

    const QFileInfo file(loader->dataFilepath());
    EXPECT_EQ(file.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_FALSE(file.fileName().contains(QStringLiteral("evil")));
    EXPECT_EQ(file.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    EXPECT_FALSE(QFile::exists(QDir::temp().filePath(QStringLiteral("../evil.txt"))));
    loader.reset();
    EXPECT_FALSE(QFile::exists(file.filePath()));
}

struct Answer {
    const char* name;
    int httpStatus;
    QByteArray body;
    URLDataLoader::Status status;
};

class URLDataLoaderAnswer : public URLDataLoaderTest,
                            public ::testing::WithParamInterface<Answer> {};

// Only a complete, successful answer of at most 64 KiB leaves a file.
TEST_P(URLDataLoaderAnswer, EndsWithItsStatus) {
    server.answer(GetParam().body, GetParam().httpStatus);
    auto loader = load();
    ASSERT_TRUE(waitForEnd(*loader));
    EXPECT_EQ(loader->status(), GetParam().status);
    const bool finished = GetParam().status == URLDataLoader::Finished;
    EXPECT_EQ(events, std::vector<int>{finished ? URLDataLoader::CompleteEvent
                                                : URLDataLoader::FailedEvent});
    EXPECT_EQ(loader->data(), finished ? std::optional(GetParam().body) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, URLDataLoaderAnswer,
    ::testing::Values(Answer{"empty", 200, QByteArray(), URLDataLoader::Finished},
                      Answer{"longest", 200, QByteArray(URLDataLoader::kMaximumSize, '1'),
                             URLDataLoader::Finished},
                      Answer{"oneByteTooLong", 200,
                             QByteArray(URLDataLoader::kMaximumSize + 1, '1'),
                             URLDataLoader::Failed},
                      Answer{"notFound", 404, "142", URLDataLoader::Failed},
                      Answer{"serverError", 500, QByteArray(), URLDataLoader::Failed}),
    NameOfParam());

TEST_F(URLDataLoaderTest, AnEndlessAnswerStopsAtTheLimit) {
    server.answerEndlessly();
    auto loader = load(0.0);
    ASSERT_TRUE(waitForEnd(*loader));
    EXPECT_EQ(loader->status(), URLDataLoader::Failed);
    EXPECT_FALSE(loader->data());
}

TEST_F(URLDataLoaderTest, AServerThatNeverAnswersEndsByTheTimeOut) {
    server.setHolding(true);
    auto loader = load(0.2);
    ASSERT_TRUE(waitForEnd(*loader));
    EXPECT_EQ(loader->status(), URLDataLoader::TimedOut);
    EXPECT_EQ(events, std::vector<int>{URLDataLoader::TimedOutEvent});
}

TEST_F(URLDataLoaderTest, StopLoadingCancelsARunningDownloadOnly) {
    server.setHolding(true);
    auto loader = load();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests().isEmpty(); }, 30000));
    loader->stopLoading();
    EXPECT_EQ(loader->status(), URLDataLoader::Cancelled);
    loader->stopLoading();
    EXPECT_EQ(events, std::vector<int>{URLDataLoader::CancelledEvent});
}

} // namespace

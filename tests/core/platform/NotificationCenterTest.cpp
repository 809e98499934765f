#include "core/platform/NotificationCenter.h"

#include <QObject>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(NotificationCenter, DeliversByNameAndSender) {
    NotificationCenter center;
    QObject observer;
    QStringList heard;
    const int senderA = 0;
    const int senderB = 0;
    center.addObserver(&observer, QStringLiteral("unitChanged"),
                       [&](const Notification& n) { heard << n.name; });
    center.addObserver(
        &observer, QStringLiteral("_presetsListChanged"),
        [&](const Notification&) { heard << QStringLiteral("fromA"); }, &senderA);
    center.postNotificationName(QStringLiteral("unitChanged"));
    center.postNotificationName(QStringLiteral("_presetsListChanged"), &senderB);
    center.postNotificationName(QStringLiteral("_presetsListChanged"), &senderA);
    center.postNotificationName(QStringLiteral("other"));
    EXPECT_EQ(heard, (QStringList{QStringLiteral("unitChanged"), QStringLiteral("fromA")}));
}

TEST(NotificationCenter, ForgetsObserversWhenDestroyedOrRemoved) {
    NotificationCenter center;
    int calls = 0;
    {
        QObject gone;
        center.addObserver(&gone, QStringLiteral("n"), [&](const Notification&) { ++calls; });
    }
    QObject removed;
    center.addObserver(&removed, QStringLiteral("n"), [&](const Notification&) { ++calls; });
    center.removeObserver(&removed);
    center.postNotificationName(QStringLiteral("n"));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(center.observerCount(), 0);
}

TEST(NotificationCenter, AnObserverDestroyedByAnEarlierHandlerIsNotCalled) {
    NotificationCenter center;
    QObject first;
    auto second = std::make_unique<QObject>();
    bool secondCalled = false;
    center.addObserver(&first, QStringLiteral("n"), [&](const Notification&) { second.reset(); });
    center.addObserver(second.get(), QStringLiteral("n"),
                       [&](const Notification&) { secondCalled = true; });
    center.postNotificationName(QStringLiteral("n"));
    EXPECT_FALSE(secondCalled);
}

} // namespace

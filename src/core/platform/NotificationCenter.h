#pragma once
// Named notifications between windows ("unitChanged", "_presetsListChanged"). Observers are
// called on the posting thread and are forgotten when their QObject is destroyed.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

struct Notification {
    QString name;
    const void* object = nullptr; // the sender, or none
};

class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    // Calls handler for every notification of that name; with a sender, only for that sender.
    void addObserver(QObject* observer, const QString& name, Handler handler,
                     const void* sender = nullptr);
    void removeObserver(QObject* observer);
    void postNotificationName(const QString& name, const void* sender = nullptr);

    int observerCount() const;

private:
    struct Entry {
        QPointer<QObject> observer;
        QString name;
        const void* sender = nullptr;
        Handler handler;
        quint64 id = 0;
    };
    void prune();

    std::vector<Entry> entries_;
    quint64 nextId_ = 1;
};

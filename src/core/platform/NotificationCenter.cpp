#include "core/platform/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(QObject* observer, const QString& name, Handler handler,
                                     const void* sender) {
    if (!observer || !handler) {
        return;
    }
    prune();
    entries_.push_back(Entry{observer, name, sender, std::move(handler), nextId_++});
}

void NotificationCenter::removeObserver(QObject* observer) {
    std::erase_if(entries_, [observer](const Entry& e) { return e.observer == observer; });
    prune();
}

void NotificationCenter::postNotificationName(const QString& name, const void* sender) {
    prune();
    const Notification notification{name, sender};
    // A handler may add or remove observers: work on a snapshot, and skip the ones
    // removed or destroyed meanwhile.
    const std::vector<Entry> snapshot = entries_;
    for (const Entry& entry : snapshot) {
        if (entry.name != name || entry.observer.isNull()) {
            continue;
        }
        const bool stillRegistered = std::any_of(entries_.begin(), entries_.end(),
                                                 [&](const Entry& e) { return e.id == entry.id; });
        if (!stillRegistered) {
            continue;
        }
        if (entry.sender && entry.sender != sender) {
            continue;
        }
        entry.handler(notification);
    }
}

int NotificationCenter::observerCount() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const Entry& e) { return !e.observer.isNull(); }));
}

void NotificationCenter::prune() {
    std::erase_if(entries_, [](const Entry& e) { return e.observer.isNull(); });
}

#pragma once
// Root of the persistent objects: an unsigned 32-bit identifier, and look-up by identifier
// in a list.

#include <QtGlobal>
#include <memory>

class UniqueIDObject {
public:
    UniqueIDObject() = default;
    UniqueIDObject(const UniqueIDObject&) = default;
    UniqueIDObject& operator=(const UniqueIDObject&) = default;
    virtual ~UniqueIDObject() = default;

    virtual quint32 uniqueId() const { return uniqueId_; }
    virtual void setUniqueId(quint32 uniqueId) { uniqueId_ = uniqueId; }

    // Index of the first element whose identifier matches, from index 0; -1 when none.
    template <typename List> static int objectIndexForId(quint32 uniqueId, const List& array) {
        int index = 0;
        for (const auto& element : array) {
            if (element && element->uniqueId() == uniqueId) {
                return index;
            }
            ++index;
        }
        return -1;
    }

    // That element, or none.
    template <typename List>
    static auto objectForId(quint32 uniqueId, const List& array) -> typename List::value_type {
        const int index = objectIndexForId(uniqueId, array);
        if (index < 0) {
            return typename List::value_type{};
        }
        return *std::next(std::begin(array), index);
    }

private:
    quint32 uniqueId_ = 0;
};

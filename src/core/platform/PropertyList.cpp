#include "core/platform/PropertyList.h"

#include "core/platform/FileManager.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <plist/plist.h>

namespace {

// Property lists count dates in seconds from 2001-01-01 UTC.
const QDateTime& referenceDate() {
    static const QDateTime date(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return date;
}

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

// XML 1.0 cannot carry most control characters; a string holding one would make a file
// that no reader accepts, so such a value is refused instead.
bool isXMLSafe(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D) {
            return false;
        }
        if (u == 0xFFFE || u == 0xFFFF) {
            return false;
        }
    }
    return true;
}

quint64 bigEndian(const uchar* p, int bytes) {
    quint64 value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = value << 8 | p[i];
    }
    return value;
}

// libplist (2.2) aborts the whole program when asked for a string or key that holds a NUL
// character. Neither form can carry one legitimately (XML forbids it, and no writer puts one
// in a binary string), so such bytes are refused before they are parsed. In the binary form
// every object is reached through the offset table: each string among them is looked at.
bool holdsNulInAString(const QByteArray& bytes) {
    const auto* d = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n < 8 || std::memcmp(d, "bplist00", 8) != 0) {
        return bytes.contains('\0');
    }
    constexpr qsizetype kTrailer = 32;
    if (n < 8 + kTrailer) {
        return false; // too short to parse at all
    }
    const uchar* trailer = d + n - kTrailer;
    const int offsetSize = trailer[6];
    const quint64 objects = bigEndian(trailer + 8, 8);
    const quint64 table = bigEndian(trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || table >= quint64(n) ||
        objects > (quint64(n) - table) / quint64(offsetSize)) {
        return false; // refused by the parser
    }
    for (quint64 i = 0; i < objects; ++i) {
        const quint64 at = bigEndian(d + table + i * quint64(offsetSize), offsetSize);
        if (at >= quint64(n)) {
            continue;
        }
        const uchar marker = d[at];
        const int kind = marker >> 4;
        // ASCII (0x5), UTF-16 (0x6) and UTF-8 (0x7) strings; keys are strings too.
        if (kind < 0x5 || kind > 0x7) {
            continue;
        }
        quint64 count = marker & 0x0F;
        quint64 start = at + 1;
        if (count == 0x0F) {
            // The length follows as an integer object of 2^k bytes.
            if (start >= quint64(n) || (d[start] & 0xF0) != 0x10) {
                continue;
            }
            const int lengthBytes = 1 << (d[start] & 0x0F);
            if (lengthBytes > 8 || start + 1 + quint64(lengthBytes) > quint64(n)) {
                continue;
            }
            count = bigEndian(d + start + 1, lengthBytes);
            start += 1 + quint64(lengthBytes);
        }
        const quint64 unit = kind == 0x6 ? 2 : 1;
        const quint64 available = (quint64(n) - start) / unit;
        const quint64 units = std::min(count, available);
        for (quint64 k = 0; k < units; ++k) {
            if (d[start + k * unit] == 0 && (unit == 1 || d[start + k * unit + 1] == 0)) {
                return true;
            }
        }
    }
    return false;
}

QVariant toVariant(plist_t node, int depth) {
    if (!node || depth > 512) {
        return {};
    }
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return QVariant(value != 0);
    }
    case PLIST_UINT: {
        uint64_t raw = 0;
        plist_get_uint_val(node, &raw);
        const auto value = static_cast<qint64>(raw);
        if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max()) {
            return QVariant(static_cast<int>(value));
        }
        return QVariant(static_cast<qlonglong>(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return QVariant(value);
    }
    case PLIST_STRING: {
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        return QVariant(QString::fromUtf8(text ? text : "", text ? qsizetype(length) : 0));
    }
    case PLIST_KEY: {
        char* text = nullptr;
        plist_get_key_val(node, &text);
        QString value = QString::fromUtf8(text ? text : "");
        std::free(text);
        return QVariant(value);
    }
    case PLIST_DATA: {
        char* bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        QByteArray value(bytes ? bytes : "", static_cast<qsizetype>(bytes ? length : 0));
        std::free(bytes);
        return QVariant(value);
    }
    case PLIST_DATE: {
        int32_t sec = 0;
        int32_t usec = 0;
        plist_get_date_val(node, &sec, &usec);
        return QVariant(referenceDate().addMSecs(qint64(sec) * 1000 + usec / 1000));
    }
    case PLIST_UID: {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        return QVariant(static_cast<qulonglong>(value));
    }
    case PLIST_ARRAY: {
        QVariantList list;
        const uint32_t count = plist_array_get_size(node);
        list.reserve(static_cast<qsizetype>(count));
        for (uint32_t i = 0; i < count; ++i) {
            list.append(toVariant(plist_array_get_item(node, i), depth + 1));
        }
        return QVariant(list);
    }
    case PLIST_DICT: {
        QVariantMap map;
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        while (it) {
            char* key = nullptr;
            plist_t item = nullptr;
            plist_dict_next_item(node, it, &key, &item);
            if (!key) {
                break;
            }
            map.insert(QString::fromUtf8(key), toVariant(item, depth + 1));
            std::free(key);
        }
        std::free(it);
        return QVariant(map);
    }
    default:
        return {};
    }
}

plist_t toNode(const QVariant& value, int depth) {
    if (depth > 512) {
        return nullptr;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
        return plist_new_uint(static_cast<uint64_t>(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar:
        return plist_new_uint(static_cast<uint64_t>(value.toULongLong()));
    case QMetaType::Float:
        return plist_new_real(static_cast<double>(value.toFloat()));
    case QMetaType::Double:
        return plist_new_real(value.toDouble());
    case QMetaType::QString: {
        const QString text = value.toString();
        if (!isXMLSafe(text)) {
            return nullptr;
        }
        return plist_new_string(text.toUtf8().constData());
    }
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size()));
    }
    case QMetaType::QDateTime: {
        const qint64 msecs = referenceDate().msecsTo(value.toDateTime());
        const qint64 sec = msecs >= 0 ? msecs / 1000 : -((-msecs + 999) / 1000);
        const qint64 usec = (msecs - sec * 1000) * 1000;
        return plist_new_date(static_cast<int32_t>(sec), static_cast<int32_t>(usec));
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        plist_t array = plist_new_array();
        for (const QVariant& item : value.toList()) {
            plist_t child = toNode(item, depth + 1);
            if (!child) {
                plist_free(array);
                return nullptr;
            }
            plist_array_append_item(array, child);
        }
        return array;
    }
    case QMetaType::QVariantMap: {
        plist_t dict = plist_new_dict();
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            plist_t child = toNode(it.value(), depth + 1);
            if (!child || !isXMLSafe(it.key())) {
                plist_free(child);
                plist_free(dict);
                return nullptr;
            }
            plist_dict_set_item(dict, it.key().toUtf8().constData(), child);
        }
        return dict;
    }
    default:
        return nullptr;
    }
}

} // namespace

std::optional<QVariant> PropertyList::fromData(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<int32_t>::max() ||
        holdsNulInAString(bytes)) {
        return std::nullopt;
    }
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    if (!root) {
        return std::nullopt;
    }
    PlistPtr owner(root);
    QVariant value = toVariant(root, 0);
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value;
}

std::optional<QByteArray> PropertyList::toXML(const QVariant& value) {
    plist_t root = toNode(value, 0);
    if (!root) {
        return std::nullopt;
    }
    PlistPtr owner(root);
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root, &xml, &length);
    if (!xml) {
        return std::nullopt;
    }
    QByteArray bytes(xml, static_cast<qsizetype>(length));
    std::free(xml);
    return bytes;
}

namespace {
// Documents and presets are a few hundred kilobytes; anything far larger is not ours.
constexpr qint64 kLargestFile = 256LL * 1024 * 1024;

std::optional<QByteArray> readBounded(const QString& path) {
    if (QFileInfo(path).size() > kLargestFile) {
        return std::nullopt;
    }
    return FileManager::contentsAtPath(path);
}
} // namespace

std::optional<QVariantMap> PropertyList::readDictionaryFromFile(const QString& path) {
    const auto bytes = readBounded(path);
    if (!bytes) {
        return std::nullopt;
    }
    const auto value = fromData(*bytes);
    if (!value || value->typeId() != QMetaType::QVariantMap) {
        return std::nullopt;
    }
    return value->toMap();
}

std::optional<QVariantList> PropertyList::readArrayFromFile(const QString& path) {
    const auto bytes = readBounded(path);
    if (!bytes) {
        return std::nullopt;
    }
    const auto value = fromData(*bytes);
    if (!value || value->typeId() != QMetaType::QVariantList) {
        return std::nullopt;
    }
    return value->toList();
}

bool PropertyList::writeToFile(const QVariant& value, const QString& path) {
    const auto xml = toXML(value);
    return xml && FileManager::createFileAtPath(path, *xml);
}

#include "core/platform/PropertyList.h"
#include "support/ImageTestSupport.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <plist/plist.h>

namespace {

QVariant roundTrip(const QVariant& value) {
    const auto xml = PropertyList::toXML(value);
    EXPECT_TRUE(xml.has_value());
    if (!xml) {
        return {};
    }
    const auto back = PropertyList::fromData(*xml);
    EXPECT_TRUE(back.has_value());
    return back.value_or(QVariant());
}

struct Case {
    const char* name;
    QVariant value;
    QMetaType::Type readType;
    QVariant expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class PropertyListRoundTrip : public ::testing::TestWithParam<Case> {};

TEST_P(PropertyListRoundTrip, KeepsValueAndKind) {
    const Case& c = GetParam();
    QVariantMap map{{QStringLiteral("v"), c.value}};
    const QVariant back = roundTrip(QVariant(map)).toMap().value(QStringLiteral("v"));
    EXPECT_EQ(back.typeId(), static_cast<int>(c.readType)) << c.name;
    EXPECT_EQ(back, c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PropertyListRoundTrip,
    ::testing::Values(Case{"negative int", QVariant(-5), QMetaType::Int, QVariant(-5)},
                      Case{"int min", QVariant(std::numeric_limits<int>::min()), QMetaType::Int,
                           QVariant(std::numeric_limits<int>::min())},
                      Case{"big unsigned", QVariant(4000000000u), QMetaType::LongLong,
                           QVariant(qlonglong(4000000000LL))},
                      Case{"short", QVariant::fromValue(qint16(-25536)), QMetaType::Int,
                           QVariant(-25536)},
                      // A float is written with enough digits to come back as the same float.
                      Case{"float", QVariant(0.1f), QMetaType::Double, QVariant(double(0.1f))},
                      Case{"double", QVariant(0.1), QMetaType::Double, QVariant(0.1)},
                      Case{"true", QVariant(true), QMetaType::Bool, QVariant(true)},
                      Case{"data", QVariant(QByteArray("\x00\x01\xff", 3)), QMetaType::QByteArray,
                           QVariant(QByteArray("\x00\x01\xff", 3))},
                      Case{"empty data", QVariant(QByteArray("")), QMetaType::QByteArray,
                           QVariant(QByteArray(""))},
                      Case{"non-ASCII text", QVariant(QStringLiteral("Élodie – 写真 <&>")),
                           QMetaType::QString, QVariant(QStringLiteral("Élodie – 写真 <&>"))},
                      Case{"empty text", QVariant(QString(QLatin1String(""))), QMetaType::QString,
                           QVariant(QString(QLatin1String("")))}),
    NameOfParam());

TEST(PropertyList, NestedDictionariesAndArraysRoundTrip) {
    const QVariantMap inner{{QStringLiteral("left"), 0.79}, {QStringLiteral("top"), 4.93f}};
    const QVariantMap root{
        {QStringLiteral("presetGuides"), QVariantMap{{QStringLiteral("0_Face"), inner}}},
        {QStringLiteral("list"), QVariantList{1, QStringLiteral("two"), QVariantList{3.5}}}};
    const QVariantMap back = roundTrip(QVariant(root)).toMap();
    const QVariantMap face =
        back.value(QStringLiteral("presetGuides")).toMap().value(QStringLiteral("0_Face")).toMap();
    EXPECT_DOUBLE_EQ(face.value(QStringLiteral("left")).toDouble(), 0.79);
    EXPECT_EQ(face.value(QStringLiteral("top")).toFloat(), 4.93f);
    const QVariantList list = back.value(QStringLiteral("list")).toList();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.at(1).toString(), QStringLiteral("two"));
    EXPECT_DOUBLE_EQ(list.at(2).toList().at(0).toDouble(), 3.5);
}

TEST(PropertyList, DatesRoundTripToTheSecond) {
    // The XML form carries whole seconds.
    const QDateTime when(QDate(2026, 12, 6), QTime(11, 22, 33), QTimeZone::utc());
    EXPECT_EQ(roundTrip(QVariant(when)).toDateTime(), when);
}

TEST(PropertyList, ReadsABinaryPropertyList) {
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "FTName", plist_new_string("Visa"));
    plist_dict_set_item(dict, "FTWidth", plist_new_real(3.5));
    plist_dict_set_item(dict, "FTVers", plist_new_uint(1));
    plist_dict_set_item(dict, "FTZImage", plist_new_data("\x4d\x4d\x00\x2a", 4));
    char* bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(dict, &bin, &length);
    plist_free(dict);
    const QByteArray bytes(bin, static_cast<qsizetype>(length));
    free(bin);
    ASSERT_TRUE(bytes.startsWith("bplist00"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Visa.ftoct"));
    ASSERT_TRUE(imagetest::writeBytes(path, bytes));

    const auto map = PropertyList::readDictionaryFromFile(path);
    ASSERT_TRUE(map.has_value());
    EXPECT_EQ(map->value(QStringLiteral("FTName")).toString(), QStringLiteral("Visa"));
    EXPECT_DOUBLE_EQ(map->value(QStringLiteral("FTWidth")).toDouble(), 3.5);
    EXPECT_EQ(map->value(QStringLiteral("FTVers")).toInt(), 1);
    EXPECT_EQ(map->value(QStringLiteral("FTZImage")).toByteArray(), QByteArray("MM\x00*", 4));
}

// The binary form of a dictionary of one string, as other tools write it.
QByteArray binaryDictionary(const char* key, const char* value) {
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, key, plist_new_string(value));
    char* bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(dict, &bin, &length);
    plist_free(dict);
    QByteArray bytes(bin, static_cast<qsizetype>(length));
    free(bin);
    return bytes;
}

// The one place where `marker` stands, made a NUL.
QByteArray withNul(QByteArray bytes, const QByteArray& marker) {
    const qsizetype at = bytes.indexOf(marker);
    EXPECT_GE(at, 0);
    EXPECT_EQ(bytes.indexOf(marker, at + 1), -1);
    bytes[at + marker.size() - 1] = '\0';
    return bytes;
}

// libplist aborts the program when a string it hands out holds a NUL: such files are refused.
TEST(PropertyList, RefusesAStringOrKeyHoldingANulInsteadOfStopping) {
    const QByteArray ascii = binaryDictionary("FTName", "VisaXPermit");
    ASSERT_TRUE(PropertyList::fromData(ascii));
    // Non-ASCII text is stored in UTF-16: 'X' is the unit 00 58.
    const QByteArray wide = binaryDictionary("FTName", "Vis\xC3\xA9X");
    ASSERT_EQ(PropertyList::fromData(wide)->toMap().value(QStringLiteral("FTName")).toString(),
              QStringLiteral("Vis\u00e9X"));
    const std::pair<const char*, QByteArray> broken[] = {
        {"ASCII value", withNul(ascii, "aX")},
        {"ASCII key", withNul(binaryDictionary("FTXame", "Visa"), "FTX")},
        {"UTF-16 value", withNul(wide, QByteArray("\x00X", 2))},
        {"XML value", "<plist version=\"1.0\"><dict><key>a</key><string>a" + QByteArray(1, '\0') +
                          "b</string></dict></plist>"},
        {"XML key", "<plist version=\"1.0\"><dict><key>a" + QByteArray(1, '\0') +
                        "b</key><true/></dict></plist>"},
    };
    for (const auto& [what, bytes] : broken) {
        EXPECT_FALSE(PropertyList::fromData(bytes)) << what;
    }
}

TEST(PropertyList, RefusesWhatIsNotADictionaryFile) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(imagetest::writeBytes(path, bytes));
        return path;
    };
    EXPECT_FALSE(PropertyList::readDictionaryFromFile(write("empty", "")));
    EXPECT_FALSE(PropertyList::readDictionaryFromFile(write("text", "just some notes\n")));
    EXPECT_FALSE(PropertyList::readDictionaryFromFile(
        write("truncated", "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>a</key>")));
    const QString array = write("array", *PropertyList::toXML(QVariant(QVariantList{1, 2})));
    EXPECT_FALSE(PropertyList::readDictionaryFromFile(array));
    EXPECT_TRUE(PropertyList::readArrayFromFile(array));
    EXPECT_FALSE(PropertyList::readDictionaryFromFile(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(PropertyList::readDictionaryFromFile(dir.path()));
}

// A failed write leaves the old file, or none.
TEST(PropertyList, FailedWritesLeaveWhatWasThere) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.ftoct"));
    ASSERT_TRUE(PropertyList::writeToFile(QVariant(QVariantMap{{QStringLiteral("a"), 1}}), path));
    const QVariantMap bad{{QStringLiteral("name"), QString(QChar(0x01))}};
    EXPECT_FALSE(PropertyList::writeToFile(QVariant(bad), path)) << "XML cannot carry U+0001";
    const auto kept = PropertyList::readDictionaryFromFile(path);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->value(QStringLiteral("a")).toInt(), 1);

    const QString missing = dir.filePath(QStringLiteral("missing/doc.ftoct"));
    EXPECT_FALSE(PropertyList::writeToFile(QVariant(QVariantMap{}), missing));
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace

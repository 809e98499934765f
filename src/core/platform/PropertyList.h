#pragma once
// Property lists (XML or binary) to and from QVariant values. Integers come back as int
// (or qlonglong beyond its range), reals as double, data as QByteArray, dictionaries as
// QVariantMap, arrays as QVariantList. In memory the writer keeps float, double, int,
// unsigned, short, bool and data apart; it writes reals, integers, booleans and data.

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <optional>

class PropertyList {
public:
    // Parses XML or binary property-list bytes; none when they are not a property list.
    static std::optional<QVariant> fromData(const QByteArray& bytes);
    // The XML form of a value; none when the value holds something a property list cannot.
    static std::optional<QByteArray> toXML(const QVariant& value);

    // Reads a file whose root is a dictionary (or an array); none otherwise.
    static std::optional<QVariantMap> readDictionaryFromFile(const QString& path);
    static std::optional<QVariantList> readArrayFromFile(const QString& path);
    // Writes the XML form atomically.
    static bool writeToFile(const QVariant& value, const QString& path);
};

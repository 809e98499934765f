#pragma once
// Unique temporary file names from a template ending in six X, and UUIDs.

#include <QByteArray>
#include <QString>

class TemporaryName {
public:
    // Replaces the trailing "XXXXXX" of the template by characters that make the name unique,
    // creating the (empty) file so that nobody else takes the name, then appends the suffix
    // (such as ".tif"). Answers the empty string on failure.
    static QString uniquePath(const QString& templatePath, const QString& suffix = QString());
    // The system's folder for temporary files.
    static QString temporaryDirectory();
    // 16 random bytes of a fresh version 4 UUID.
    static QByteArray uuidBytes();
    // The same as text, such as "1b4e28ba-2fa1-11d2-883f-b9a761bde3fb".
    static QString uuidString();
};

#pragma once
// Localized modal alerts by string-table key, for code without windows of its own.

#include <QString>

class Alerts {
public:
    // A warning with the localized message and one button "OK".
    static void alert(const QString& messageKey);
    // The same with %1 of the message replaced by the argument (a file name, say).
    static void alert(const QString& messageKey, const QString& argument);
    // A confirmation with the localized title and message, "OK" and the localized "Cancel";
    // true only when "OK" was pressed.
    static bool confirm(const QString& messageKey, const QString& titleKey);
};

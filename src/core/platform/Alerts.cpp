#include "core/platform/Alerts.h"

#include "core/platform/Panels.h"
#include "core/platform/StringTable.h"

void Alerts::alert(const QString& messageKey) {
    Panels::runAlert(QString(), StringTable::localizedString(messageKey), QString(),
                     {QStringLiteral("OK")});
}

void Alerts::alert(const QString& messageKey, const QString& argument) {
    Panels::runAlert(QString(), StringTable::localizedString(messageKey).arg(argument), QString(),
                     {QStringLiteral("OK")});
}

bool Alerts::confirm(const QString& messageKey, const QString& titleKey) {
    const int pressed = Panels::runAlert(
        StringTable::localizedString(titleKey), StringTable::localizedString(messageKey), QString(),
        {QStringLiteral("OK"), StringTable::localizedString(QStringLiteral("Cancel"))});
    return pressed == 0;
}

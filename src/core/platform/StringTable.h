#pragma once
// The application's string table: texts looked up by key, English first, then the user's
// language on top. A key the table lacks reads as the key itself.

#include <QString>
#include <QStringList>

class StringTable {
public:
    // Loads the English table and then the first of the given languages (such as "fr-CH",
    // "de") that has a table; by default the user's interface languages. Answers the
    // language loaded on top of English ("en" when none).
    static QString install(const QStringList& languages = QStringList());
    // Languages a table ships for.
    static QStringList availableLanguages();
    // The text for the key; the key itself when there is none. Loads the tables on first use.
    static QString localizedString(const QString& key);
};

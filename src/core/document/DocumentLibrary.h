#pragma once
// The documents folder and the library list read from it.

#include "core/document/Fotino.h"

#include <QString>
#include <memory>
#include <vector>

class UserDefaults;

class DocumentLibrary {
public:
    static inline const QString kPathKey = QStringLiteral("ftoPath");
    static inline const QString kUnitsKey = QStringLiteral("ftoUnits");

    // The home folder followed by "Documents/Fotino/".
    static QString defaultDocumentsFolder();
    // "ftoPath", or the default folder when it has no value.
    static QString documentsFolder(const UserDefaults& defaults);
    // Start-up: writes the defaults that have no value ("ftoPath", "ftoUnits" = "Metric") and
    // creates the documents folder with every missing folder on the way. Answers whether
    // the folder exists afterwards.
    static bool prepare(UserDefaults& defaults);
    // For readers that do not run the start-up (the command line): absent settings read as
    // the values the start-up would write, without writing anything.
    static void registerStartupDefaults(UserDefaults& defaults);
    // Every document file of the folder (names ending in "ftoct"), in listing order; files
    // that do not read as a property-list dictionary are left out. A missing folder lists
    // nothing.
    static std::vector<std::shared_ptr<Fotino>> listDocuments(const QString& folder);
};

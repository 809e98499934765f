#include "core/document/DocumentLibrary.h"

#include "core/document/DisplayUnits.h"
#include "core/platform/FileManager.h"
#include "core/platform/UserDefaults.h"

#include <QDir>

QString DocumentLibrary::defaultDocumentsFolder() {
    return QDir(FileManager::homeDirectory()).filePath(QStringLiteral("Documents/Fotino/"));
}

QString DocumentLibrary::documentsFolder(const UserDefaults& defaults) {
    const QString path = defaults.stringForKey(kPathKey);
    return path.isEmpty() ? defaultDocumentsFolder() : path;
}

bool DocumentLibrary::prepare(UserDefaults& defaults) {
    if (defaults.stringForKey(kPathKey).isEmpty()) {
        defaults.setObject(defaultDocumentsFolder(), kPathKey);
    }
    // The whole path: a fresh home may have no Documents folder yet.
    const bool created = FileManager::createDirectoryAtPath(documentsFolder(defaults), true);
    if (!defaults.hasValueForKey(kUnitsKey)) {
        defaults.setObject(DisplayUnits::kMetric, kUnitsKey);
    }
    return created;
}

void DocumentLibrary::registerStartupDefaults(UserDefaults& defaults) {
    defaults.registerDefaults(
        {{kPathKey, defaultDocumentsFolder()}, {kUnitsKey, DisplayUnits::kMetric}});
}

std::vector<std::shared_ptr<Fotino>> DocumentLibrary::listDocuments(const QString& folder) {
    std::vector<std::shared_ptr<Fotino>> documents;
    const QDir dir(folder);
    for (const QString& entry : FileManager::contentsOfDirectoryAtPath(folder)) {
        const QString path = dir.filePath(entry);
        if (!path.endsWith(Fotino::kFileType)) {
            continue;
        }
        if (auto document = Fotino::initWithPath(path)) {
            documents.push_back(std::move(document));
        }
    }
    return documents;
}

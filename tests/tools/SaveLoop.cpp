// Saves one document over and over until it is killed: renamed between "Visa" and "Permit"
// with its stored picture, then given a picture from elsewhere under the same name; says
// "saved" after each save. Used to kill a save half-way. Arguments: documents folder,
// picture A, picture B.

#include "core/document/DocumentStorage.h"
#include "core/platform/FileManager.h"
#include "core/platform/Panels.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        return 2;
    }
    const QString folder = args.at(1);
    const QString pictures[2] = {args.at(2), args.at(3)};
    // Replacing a document of the other name is part of the game.
    Panels::setTestHook([](const PanelRequest&) { return 0; });

    const QDir dir(folder);
    QString current;
    for (const char* name : {"Visa.ftoct", "Permit.ftoct"}) {
        if (current.isEmpty() && FileManager::fileExistsAtPath(dir.filePath(QLatin1String(name)))) {
            current = dir.filePath(QLatin1String(name));
        }
    }
    for (unsigned round = 0;; ++round) {
        DocumentStorage::Opened opened;
        if (current.isEmpty()) {
            opened.document = std::make_shared<Fotino>();
        } else {
            opened = DocumentStorage::open(current);
        }
        QString name = FileManager::lastPathComponent(FileManager::pathWithoutExtension(current));
        QString picture = opened.picturePath;
        if (round % 2 == 0 || picture.isEmpty()) {
            picture = pictures[(round / 2) % 2];
        } else {
            name =
                name == QLatin1String("Visa") ? QStringLiteral("Permit") : QStringLiteral("Visa");
        }
        if (name.isEmpty()) {
            name = QStringLiteral("Visa");
        }
        const auto result = DocumentStorage::saveAs(*opened.document, folder, opened.previousPath,
                                                    picture, {name, 3.5f, 4.5f, true});
        if (result != DocumentStorage::SaveResult::Saved) {
            return 1;
        }
        current = opened.document->filePath();
        // One line a save, so that the test can kill the loop in the middle of a later one.
        std::puts("saved");
        std::fflush(stdout);
    }
}

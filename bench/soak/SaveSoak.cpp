// Crash safety of saving: a child process saves documents through the real save road (new
// pictures, renames, replacements of another document, new documents) while this process
// kills it (SIGKILL) at a random moment of a save, over and over. After every kill every
// document in the folder must open, its picture must be there, decode, and be one of the
// pictures given whole; nothing outside the folder may change.
//
//   fotino_soak_saves [--kills N] [--folder DIR] [--seed S]
//
// Prints the figures: kills, saves attempted and completed, kills that landed inside a save,
// documents checked, broken documents, lost pictures, leftover temporaries, changes outside.

#include "../PhotoTexture.h"
#include "core/document/DocumentStorage.h"
#include "core/document/Fotino.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/FileManager.h"
#include "core/platform/ImageDecoder.h"
#include "core/platform/Panels.h"

#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <map>

namespace {

const QStringList kNames = {QStringLiteral("Visa"), QStringLiteral("Permit"),
                            QStringLiteral("Passport"), QStringLiteral("Card")};

// The documents of the folder, by name.
std::map<QString, QString> documentsIn(const QString& folder) {
    std::map<QString, QString> found;
    for (const QString& entry : FileManager::contentsOfDirectoryAtPath(folder)) {
        if (entry.endsWith(QLatin1String(".ftoct"))) {
            found[entry.chopped(6)] = QDir(folder).filePath(entry);
        }
    }
    return found;
}

// The child: saves until it is killed, saying "saving" before and "saved" after each save.
int saveForever(const QString& folder, const QStringList& pictures, quint32 seed) {
    Panels::setTestHook([](const PanelRequest&) { return 0; }); // replacing: yes
    QRandomGenerator random(seed);
    for (;;) {
        const auto documents = documentsIn(folder);
        QStringList free;
        for (const QString& name : kNames) {
            if (!documents.count(name)) {
                free << name;
            }
        }
        const QString picture = pictures.at(int(random.bounded(pictures.size())));
        const int operation = int(random.bounded(documents.size() < 2 ? 4 : 3));
        DocumentStorage::Opened opened;
        QString name;
        QString source = picture;
        if (documents.empty() || operation == 3) {
            // A new document under a free name.
            opened.document = std::make_shared<Fotino>();
            name = free.at(int(random.bounded(free.size())));
        } else {
            auto it = documents.begin();
            std::advance(it, random.bounded(int(documents.size())));
            opened = DocumentStorage::open(it->second);
            name = it->first;
            if (operation == 1 && !free.isEmpty()) {
                // Renamed, with its own picture.
                name = free.at(int(random.bounded(free.size())));
                source = opened.picturePath;
            } else if (operation == 2 && documents.size() > 1) {
                // Saved over another document, which it replaces.
                auto other = documents.begin();
                do {
                    other = documents.begin();
                    std::advance(other, random.bounded(int(documents.size())));
                } while (other->first == it->first);
                name = other->first;
                source = opened.picturePath;
            }
            if (source.isEmpty()) {
                source = picture;
            }
        }
        std::puts("saving");
        std::fflush(stdout);
        const auto result =
            DocumentStorage::saveAs(*opened.document, folder, opened.previousPath, source,
                                    {name, 3.5f + float(random.bounded(10)) / 10, 4.5f, true});
        std::puts(result == DocumentStorage::SaveResult::Saved ? "saved" : "failed");
        std::fflush(stdout);
    }
}

QByteArray hashOf(const QString& path) {
    const auto bytes = FileManager::contentsAtPath(path);
    return bytes ? QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) : QByteArray();
}

// Every file below the folder and its hash, except those below `skip`.
std::map<QString, QByteArray> snapshot(const QString& folder, const QString& skip) {
    std::map<QString, QByteArray> files;
    for (const QString& name : FileManager::contentsOfDirectoryAtPath(folder)) {
        const QString path = QDir(folder).filePath(name);
        if (path == skip) {
            continue;
        }
        if (FileManager::isDirectoryAtPath(path)) {
            files.merge(snapshot(path, skip));
        } else {
            files[path] = hashOf(path);
        }
    }
    return files;
}

struct Figures {
    int kills = 0;
    int killsInsideASave = 0;
    qint64 savesAttempted = 0;
    qint64 savesCompleted = 0;
    qint64 savesFailed = 0;
    qint64 documentsChecked = 0;
    int brokenDocuments = 0;
    int lostPictures = 0;
    int strayFiles = 0;
    int changesOutside = 0;
};

// Checks the folder after a kill; says what is wrong on the error stream.
void check(const QString& folder, const std::vector<QByteArray>& pictureHashes, Figures& f) {
    QStringList named;
    for (const auto& [name, path] : documentsIn(folder)) {
        ++f.documentsChecked;
        named << FileManager::lastPathComponent(path);
        const auto document = Fotino::initWithPath(path);
        if (!document) {
            ++f.brokenDocuments;
            std::fprintf(stderr, "broken document: %s\n", qPrintable(path));
            continue;
        }
        const QString picture = document->originalPicturePath();
        named << FileManager::lastPathComponent(picture);
        const QByteArray hash = hashOf(picture);
        const bool whole =
            std::find(pictureHashes.begin(), pictureHashes.end(), hash) != pictureHashes.end();
        if (!whole || !ImageDecoder::decodeFile(picture)) {
            ++f.lostPictures;
            std::fprintf(stderr, "lost picture of %s: %s\n", qPrintable(path), qPrintable(picture));
        }
    }
    // Whatever is left is a file no document names: the picture of a document replaced at the
    // moment of the kill, or a temporary.
    for (const QString& entry : FileManager::contentsOfDirectoryAtPath(folder)) {
        if (!named.contains(entry)) {
            ++f.strayFiles;
            std::fprintf(stderr, "left over: %s\n", qPrintable(entry));
            FileManager::removeItemAtPath(QDir(folder).filePath(entry));
        }
    }
}

int soak(int kills, const QString& root, quint32 seed) {
    const QString folder = QDir(root).filePath(QStringLiteral("Documents"));
    const QString outside = QDir(root).filePath(QStringLiteral("Pictures"));
    QDir().mkpath(folder);
    QDir().mkpath(outside);
    // Camera-sized pictures make saves long enough to be hit anywhere.
    QStringList pictures;
    std::vector<QByteArray> hashes;
    const struct {
        const char* name;
        int width;
        int height;
    } sources[] = {{"a.jpg", 3000, 2000}, {"b.jpg", 2000, 3000}, {"c.png", 1200, 900}};
    for (const auto& source : sources) {
        const QString path = QDir(outside).filePath(QLatin1String(source.name));
        QImageWriter(path).write(PhotoTexture::picture(source.width, source.height));
        pictures << path;
        hashes.push_back(hashOf(path));
    }
    FileManager::createFileAtPath(QDir(root).filePath(QStringLiteral("beside.txt")), "untouched");
    const auto before = snapshot(root, folder);

    Figures f;
    QRandomGenerator random(seed);
    QElapsedTimer clock;
    clock.start();
    qint64 saveNanoseconds = 50'000'000;
    for (f.kills = 0; f.kills < kills;) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(
            QCoreApplication::applicationFilePath(),
            QStringList{QStringLiteral("--child"), folder, QString::number(random.generate())} +
                pictures);
        // A few saves go through, then one is hit at a random moment of a save's length.
        const int wholeSaves = int(random.bounded(3));
        int lines = 0;
        bool inside = false;
        QElapsedTimer save;
        while (child.state() != QProcess::NotRunning) {
            if (!child.canReadLine() && !child.waitForReadyRead(60000)) {
                break;
            }
            const QByteArray line = child.readLine().trimmed();
            if (line == "saving") {
                ++f.savesAttempted;
                inside = true;
                save.start();
                if (lines++ == wholeSaves) {
                    QThread::usleep(random.bounded(quint32(saveNanoseconds / 1000) + 1));
                    break;
                }
            } else if (line == "saved" || line == "failed") {
                ++(line == "saved" ? f.savesCompleted : f.savesFailed);
                inside = false;
                // The length of a save, kept up to date.
                saveNanoseconds = (saveNanoseconds * 7 + save.nsecsElapsed()) / 8;
            }
        }
        child.kill();
        child.waitForFinished(10000);
        ++f.kills;
        // Whatever it said before it died: a save it announced and did not finish was hit.
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (line == "saved" || line == "failed") {
                ++(line == "saved" ? f.savesCompleted : f.savesFailed);
                inside = false;
            } else if (line == "saving") {
                ++f.savesAttempted;
                inside = true;
            }
        }
        f.killsInsideASave += inside ? 1 : 0;
        check(folder, hashes, f);
        if (snapshot(root, folder) != before) {
            ++f.changesOutside;
            std::fprintf(stderr, "something outside the folder changed after kill %d\n", f.kills);
        }
    }
    const double seconds = double(clock.elapsed()) / 1000;
    std::printf("kills                     %d\n", f.kills);
    std::printf("kills inside a save       %d\n", f.killsInsideASave);
    std::printf("saves attempted           %lld\n", static_cast<long long>(f.savesAttempted));
    std::printf("saves completed           %lld\n", static_cast<long long>(f.savesCompleted));
    std::printf("saves refused             %lld\n", static_cast<long long>(f.savesFailed));
    std::printf("documents checked         %lld\n", static_cast<long long>(f.documentsChecked));
    std::printf("broken documents          %d\n", f.brokenDocuments);
    std::printf("lost pictures             %d\n", f.lostPictures);
    std::printf("files no document names   %d\n", f.strayFiles);
    std::printf("changes outside           %d\n", f.changesOutside);
    std::printf("time                      %.1f s (%.0f ms a kill)\n", seconds,
                1000 * seconds / std::max(1, f.kills));
    return f.brokenDocuments + f.lostPictures + f.changesOutside == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 4 && arguments.at(1) == QLatin1String("--child")) {
        return saveForever(arguments.at(2), arguments.mid(4), arguments.at(3).toUInt());
    }
    QCommandLineParser parser;
    const QCommandLineOption killsOption(QStringLiteral("kills"), QString(), QStringLiteral("N"),
                                         QStringLiteral("1000"));
    const QCommandLineOption folderOption(QStringLiteral("folder"), QString(),
                                          QStringLiteral("DIR"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QString(), QStringLiteral("S"),
                                        QStringLiteral("18"));
    parser.addOptions({killsOption, folderOption, seedOption});
    parser.process(app);
    QTemporaryDir temporary(parser.isSet(folderOption)
                                ? parser.value(folderOption) + QStringLiteral("/soak-XXXXXX")
                                : QDir::tempPath() + QStringLiteral("/fotino-soak-XXXXXX"));
    if (!temporary.isValid()) {
        std::fprintf(stderr, "cannot make a folder to work in\n");
        return 2;
    }
    return soak(parser.value(killsOption).toInt(), temporary.path(),
                parser.value(seedOption).toUInt());
}

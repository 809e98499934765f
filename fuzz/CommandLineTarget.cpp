#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "app/CommandLine.h"
#include "core/platform/FileManager.h"

#include <QDir>
#include <QTextStream>
#include <iterator>

bool FuzzTargets::commandLine(const uint8_t* data, size_t size) {
    // Every command but capturing (which starts a camera), and a word that is none. With no
    // picture or document to be found, "new" and the writing commands only parse and refuse.
    static const char* const commands[] = {"print",     "render", "export", "list",
                                           "presets",   "view",   "new",    "check",
                                           "--version", "--help", "help",   "frobnicate"};
    static const QString folder = [] {
        const QString path = QDir(sandbox()).filePath(QStringLiteral("cli/work/here"));
        QDir().mkpath(path);
        return path;
    }();
    if (size == 0) {
        return true;
    }
    QStringList arguments{QStringLiteral("fotino"),
                          QString::fromLatin1(commands[data[0] % std::size(commands)])};
    // One byte alone is the command without words.
    const QList<QByteArray> words =
        size == 1
            ? QList<QByteArray>()
            : QByteArray(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1)).split('\0');
    if (words.size() > 32) {
        return true;
    }
    for (const QByteArray& word : words) {
        // Paths stay in the empty folder: no document can be named.
        if (word.contains('/')) {
            return true;
        }
        arguments << QString::fromUtf8(word);
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    (void)CommandLine::wantsCommand(arguments);
    (void)CommandLine::opensWindow(arguments);
    (void)CommandLine::drawsPictures(arguments);
    const bool opensFiles = !CommandLine::filesToOpen(arguments).isEmpty();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = CommandLine::run(arguments, outStream, errStream);
    QDir::setCurrent(previous);
    outStream.flush();
    errStream.flush();
    FUZZ_CHECK(!opensFiles);
    FUZZ_CHECK(code == CommandLine::Success || code == CommandLine::Failure ||
               code == CommandLine::UsageError);
    // A failure says why; nothing was written.
    FUZZ_CHECK(code == CommandLine::Success || !err.isEmpty());
    FUZZ_CHECK(FileManager::contentsOfDirectoryAtPath(folder).isEmpty());
    return true;
}

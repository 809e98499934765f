#include "app/CommandLine.h"

#include "app/KtObject.h"
#include "app/Version.h"
#include "document/DisplayUnits.h"
#include "document/DocumentLibrary.h"
#include "platform/FileManager.h"
#include "platform/UserDefaults.h"
#include "presets/Preset.h"

namespace {
QString text(const char* key) {
    return KtObject::localizedString(QString::fromLatin1(key));
}

// One record a line: a tab or line break inside a name would break the columns.
QString oneLine(QString name) {
    for (QChar& c : name) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return name;
}
} // namespace

bool CommandLine::wantsCommand(const QStringList& arguments) {
    return arguments.size() > 1;
}

int CommandLine::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    DocumentLibrary::registerStartupDefaults(UserDefaults::standardUserDefaults());
    const QStringList words = arguments.mid(1);
    if (words.isEmpty()) {
        return usageError(QString(), err);
    }
    const QString& command = words.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out << text("cliHelp") << Qt::endl;
        return Success;
    }
    if (command == QLatin1String("--version")) {
        out << Version::displayString() << Qt::endl;
        return Success;
    }
    if (command == QLatin1String("list")) {
        return list(words.mid(1), out, err);
    }
    if (command == QLatin1String("presets")) {
        if (words.size() > 1) {
            return usageError(text("cliUnknownOption").arg(words.at(1)), err);
        }
        return presets(out);
    }
    return usageError(text("cliUnknownCommand").arg(command), err);
}

int CommandLine::list(const QStringList& options, QTextStream& out, QTextStream& err) {
    QString folder;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const QString& option = options.at(i);
        if (option == QLatin1String("--folder")) {
            if (i + 1 >= options.size()) {
                return usageError(text("cliMissingValue").arg(option), err);
            }
            folder = options.at(++i);
        } else if (option.startsWith(QLatin1String("--folder="))) {
            folder = option.mid(9);
        } else {
            return usageError(text("cliUnknownOption").arg(option), err);
        }
    }
    if (folder.isEmpty()) {
        folder = DocumentLibrary::documentsFolder(UserDefaults::standardUserDefaults());
    }
    if (!FileManager::isDirectoryAtPath(folder)) {
        err << text("cliNoFolder").arg(folder) << Qt::endl;
        return Failure;
    }
    for (const auto& document : DocumentLibrary::listDocuments(folder)) {
        out << oneLine(document->name()) << '\t' << document->size() << '\t' << document->filePath()
            << '\n';
    }
    out.flush();
    return Success;
}

int CommandLine::presets(QTextStream& out) {
    const bool metric = DisplayUnits::metric();
    for (const auto& preset : Preset::presets()) {
        out << oneLine(preset->name()) << '\t'
            << DisplayUnits::sizeText(DisplayUnits::fromCentimetres(preset->printWidth(), metric),
                                      DisplayUnits::fromCentimetres(preset->printHeight(), metric),
                                      metric)
            << '\t' << (preset->builtIn() ? "built-in" : "user") << '\t' << preset->filePath()
            << '\n';
    }
    out.flush();
    return Success;
}

int CommandLine::usageError(const QString& detail, QTextStream& err) {
    if (!detail.isEmpty()) {
        err << detail << Qt::endl;
    }
    err << text("cliSeeHelp") << Qt::endl;
    return UsageError;
}

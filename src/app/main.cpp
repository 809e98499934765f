#include "app/CommandLine.h"
#include "app/Controller.h"
#include "app/Version.h"
#include "core/document/Fotino.h"
#include "core/platform/StringTable.h"
#include "core/platform/TerminationSignals.h"
#include "ui/platform/DialogPanels.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QTranslator>
#include <cstdio>
#include <memory>

namespace {
// On the command line only the program's own warnings reach standard error; its diagnostic
// lines and Qt's notes about the session would clutter the one-line answers.
void commandLineMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg || (type != QtInfoMsg && qstrcmp(context.category, "fotino") == 0)) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
}

void setIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Fotino"));
    QCoreApplication::setApplicationVersion(Version::string());
}
} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (CommandLine::wantsCommand(arguments) && !CommandLine::opensWindow(arguments)) {
        qInstallMessageHandler(commandLineMessages);
        // Commands never need a display: those that draw use the offscreen platform, and none
        // has a window (a widget would stop the program).
        std::unique_ptr<QCoreApplication> app;
        if (CommandLine::drawsPictures(arguments)) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        setIdentity();
        QTextStream out(stdout);
        QTextStream err(stderr);
        return CommandLine::run(QCoreApplication::arguments(), out, err);
    }

    // `view` reads its document first, so that a wrong argument needs no display.
    std::shared_ptr<Fotino> viewed;
    if (CommandLine::opensWindow(arguments)) {
        QTextStream err(stderr);
        int exitCode = CommandLine::Failure;
        viewed = CommandLine::documentToView(arguments, err, &exitCode);
        if (!viewed) {
            return exitCode;
        }
    }

    QApplication app(argc, argv);
    setIdentity();
    QApplication::setApplicationDisplayName(QStringLiteral("Fotino"));
    // The menu entry and icon it is installed with, for docks and window lists.
    QGuiApplication::setDesktopFileName(QStringLiteral("app.fotino.Fotino"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("app.fotino.Fotino")));

    // Our texts, and Qt's own for the standard dialogs, in the user's language.
    const QString language = StringTable::install();
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
    DialogPanels::install();
    TerminationSignals::install();

    if (viewed) {
        return CommandLine::view(viewed);
    }

    Controller controller;
    controller.mainWindow()->show();
    for (const QString& file : CommandLine::filesToOpen(arguments)) {
        controller.openFile(file);
    }
    return QApplication::exec();
}

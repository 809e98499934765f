#include "app/CommandLine.h"
#include "app/Controller.h"
#include "platform/DialogPanels.h"
#include "platform/StringTable.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QTranslator>
#include <cstdio>

namespace {
void setIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("Fotino"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.4.1"));
}
} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (CommandLine::wantsCommand(arguments)) {
        QCoreApplication app(argc, argv);
        setIdentity();
        QTextStream out(stdout);
        QTextStream err(stderr);
        return CommandLine::run(app.arguments(), out, err);
    }

    QApplication app(argc, argv);
    setIdentity();
    QApplication::setApplicationDisplayName(QStringLiteral("Fotino"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fotino"));

    // Our texts, and Qt's own for the standard dialogs, in the user's language.
    const QString language = StringTable::install();
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
    DialogPanels::install();
    TerminationSignals::install();

    Controller controller;
    controller.mainWindow()->show();
    return QApplication::exec();
}

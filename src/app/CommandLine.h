#pragma once
// The command line: `fotino list [--folder DIR]`, `presets`, `render`, `print`, `export`, `--help`,
// `--version`. It never needs a display. Exit codes: 0 success, 1 failure (one line on the error
// stream), 2 usage error.

#include <QStringList>
#include <QTextStream>
#include <optional>

class QCommandLineParser;

class CommandLine {
public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

    // True when the arguments (the program name first) ask for a command rather than the
    // application window.
    static bool wantsCommand(const QStringList& arguments);
    // Whether the command draws (it then needs a GUI application, on the offscreen platform).
    static bool drawsPictures(const QStringList& arguments);
    static int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

private:
    static int list(const QStringList& options, QTextStream& out, QTextStream& err);
    static int presets(const QStringList& options, QTextStream& out, QTextStream& err);
    static int render(const QStringList& options, QTextStream& err);
    static int print(const QStringList& options, QTextStream& err);
    static int exportPhoto(const QStringList& options, QTextStream& out, QTextStream& err);
    static int usageError(const QString& detail, QTextStream& err);
    // Parses the options of a command; none when they parse, else the usage error answered.
    static std::optional<int> parse(QCommandLineParser& parser, const QStringList& options,
                                    QTextStream& err);
};

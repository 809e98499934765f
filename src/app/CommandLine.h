#pragma once
// The command line: `fotino list [--folder DIR]`, `presets`, `render`, `print`, `export`,
// `view`, `capture`, `new`, `check`, `--help`, `--version`. Only `view` needs a display (it shows a
// window). Exit codes: 0 success, 1 failure (one line on the error stream), 2 usage error.

#include <QStringList>
#include <QTextStream>
#include <memory>
#include <optional>

class Fotino;
class QCommandLineParser;

class CommandLine {
public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

    // True when the arguments (the program name first) ask for a command rather than the
    // application window.
    static bool wantsCommand(const QStringList& arguments);
    // The files the arguments name when they are files to open in the application rather
    // than a command (every one an existing file); empty otherwise.
    static QStringList filesToOpen(const QStringList& arguments);
    // Whether the command shows a window (it then runs the application's event loop).
    static bool opensWindow(const QStringList& arguments);
    // Whether the command draws (it then needs a GUI application, on the offscreen platform).
    static bool drawsPictures(const QStringList& arguments);
    static int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
    // `view`: reads the document the arguments name, before any display is needed; none
    // (with the exit code and one line on the error stream) when that fails.
    static std::shared_ptr<Fotino> documentToView(const QStringList& arguments, QTextStream& err,
                                                  int* exitCode);
    // Shows the document's framing view until the window is closed (an application with
    // widgets must exist).
    static int view(const std::shared_ptr<Fotino>& fotino);

private:
    static int list(const QStringList& options, QTextStream& out, QTextStream& err);
    static int presets(const QStringList& options, QTextStream& out, QTextStream& err);
    static int render(const QStringList& options, QTextStream& err);
    static int print(const QStringList& options, QTextStream& err);
    static int exportPhoto(const QStringList& options, QTextStream& out, QTextStream& err);
    // `capture -o FILE.tif [--frames N]`: the Nth frame the camera shows, unmirrored, as TIFF.
    static int capture(const QStringList& options, QTextStream& err);
    // `new PICTURE... --preset NAME [--auto-frame] [--name N] [--folder DIR]`: a document of
    // each picture in the library, one report line each; 1 when a picture failed.
    static int newDocuments(const QStringList& options, QTextStream& out, QTextStream& err);
    // `check DOC.ftoct...`: the report line of each document; 1 when one is not "ok".
    static int check(const QStringList& options, QTextStream& out, QTextStream& err);
    static int usageError(const QString& detail, QTextStream& err);
    // Parses the options of a command; none when they parse, else the usage error answered.
    static std::optional<int> parse(QCommandLineParser& parser, const QStringList& options,
                                    QTextStream& err);
};

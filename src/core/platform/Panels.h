#pragma once
// Modal alerts, the system beep, the open and save panels, and the page setup and print dialogs.
// The window layer installs the real dialogs; a test installs a hook that answers every modal
// instead of a person and records what was asked. With neither (the command line), an alert is
// written to the log and answers "closed".

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

struct PanelRequest {
    enum class Kind { Alert, Beep, PageSetup, Print, Save, Open };
    Kind kind = Kind::Alert;
    // Page setup and print dialogs work on these print settings.
    QPrinter* printer = nullptr;
    // Save panel: the folder it opens in, the name its file name field starts with (selected,
    // so that typing replaces it), a view shown below the file list (may be null), and where
    // the answerer puts the chosen path.
    QString directory;
    QString fileName;
    QWidget* accessory = nullptr;
    QString* chosenPath = nullptr;
    // Open panel: the same folder and chosen path, and the files it offers ("Pictures (*.png
    // *.jpg)"); its title is the title.
    QStringList nameFilters;
    // Open panel for several files: they go into chosenPaths instead.
    bool multipleSelection = false;
    QStringList* chosenPaths = nullptr;
    QString title;
    QString message;
    QString informativeText;
    QStringList buttons; // the first is the default button
    // Alert: a report rather than a warning, with a longer text shown on request.
    bool informational = false;
    QString detailedText;
};

class Panels {
public:
    // Answers the index of the pressed button, or -1 when the alert was closed otherwise.
    using Handler = std::function<int(const PanelRequest&)>;

    static void setProvider(Handler provider);
    static void setTestHook(Handler hook);
    static void clearTestHook();
    static bool hasTestHook();

    static int runAlert(const QString& title, const QString& message,
                        const QString& informativeText, const QStringList& buttons);
    static void beep();
    // The page setup and print dialogs on a QPrinter; true when the user confirmed.
    static bool runPageSetup(QPrinter* printer);
    static bool runPrintDialog(QPrinter* printer);
    // A save panel with no file type imposed; the chosen path, or none when cancelled.
    static std::optional<QString> runSavePanel(const QString& directory, QWidget* accessory,
                                               const QString& fileName = QString());
    // An open panel for one existing file; the chosen path, or none when cancelled.
    static std::optional<QString> runOpenPanel(const QString& title, const QString& directory,
                                               const QStringList& nameFilters);
    // An open panel for several existing files; the chosen paths, none when cancelled.
    static QStringList runOpenPanelForFiles(const QString& title, const QString& directory,
                                            const QStringList& nameFilters);
    // A report with one "OK" button: a message, a text below it, and details on request.
    static void runInformation(const QString& message, const QString& informativeText,
                               const QString& detailedText, const QString& okButton);

private:
    static int run(const PanelRequest& request);
};

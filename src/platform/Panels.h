#pragma once
// Modal alerts and the system beep. The window layer installs the real dialogs; a test
// installs a hook that answers every modal instead of a person and records what was asked.
// With neither (the command line), an alert is written to the log and answers "closed".

#include <QString>
#include <QStringList>
#include <functional>

struct PanelRequest {
    enum class Kind { Alert, Beep };
    Kind kind = Kind::Alert;
    QString title;
    QString message;
    QString informativeText;
    QStringList buttons; // the first is the default button
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

private:
    static int run(const PanelRequest& request);
};

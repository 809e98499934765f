#pragma once
// Collects the lines of the program's log ("fotino" category) while it lives.

#include <QStringList>
#include <QtGlobal>

class LogCapture {
public:
    LogCapture() {
        lines_().clear();
        previous_ = qInstallMessageHandler(&LogCapture::handler);
    }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    QStringList lines() const { return lines_(); }

private:
    static QStringList& lines_() {
        static QStringList lines;
        return lines;
    }
    static void handler(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (context.category && qstrcmp(context.category, "fotino") == 0) {
            lines_().append(message);
        }
    }
    QtMessageHandler previous_;
};

#pragma once
// Helpers shared by the picture-layer tests: files in a temporary folder, log capture.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace imagetest {

inline QByteArray encode(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    writer.write(image);
    return bytes;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Collects the lines of the program's log while it lives.
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

} // namespace imagetest

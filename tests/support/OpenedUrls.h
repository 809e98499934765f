#pragma once
// Catches the web addresses the program asks the desktop to open, instead of a browser, while
// it lives.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() {
        for (const char* scheme : {"http", "https"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
        }
    }
    ~OpenedUrls() override {
        for (const char* scheme : {"http", "https"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }
    OpenedUrls(const OpenedUrls&) = delete;
    OpenedUrls& operator=(const OpenedUrls&) = delete;

    const QList<QUrl>& urls() const { return urls_; }

public Q_SLOTS:
    void open(const QUrl& url) { urls_.append(url); }

private:
    QList<QUrl> urls_;
};

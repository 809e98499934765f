#pragma once
// Downloads one URL into a private temporary file, without blocking, and reports what happens
// through callbacks: complete, new data, failed, cancelled, timed out. The request bypasses every
// cache, a download larger than kMaximumSize fails, and the file goes with the loader.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTemporaryFile;

class URLDataLoader : public QObject {
    Q_OBJECT
public:
    enum Status : int {
        NotStarted = 0,
        Started = 1,
        Failed = 2,
        Cancelled = 3,
        TimedOut = 4,
        Finished = 5,
    };
    // Event numbers, also the bits of eventMask().
    enum Event : int {
        CompleteEvent = 1,
        NewDataEvent = 2,
        FailedEvent = 4,
        CancelledEvent = 8,
        TimedOutEvent = 16,
    };
    using Callback = std::function<void(URLDataLoader&)>;
    struct Callbacks {
        Callback complete;
        Callback newData;
        Callback failed;
        Callback cancelled;
        Callback timedOut;
    };
    // The files it fetches are a few bytes: anything longer is not what was asked for.
    static constexpr qint64 kMaximumSize = 64 * 1024;

    // Starts downloading url and answers the loader. Each given callback runs for its event as
    // long as target lives (with no target, as long as the loader lives). A time-out of zero or
    // less means none. Do not delete the loader inside a callback: use deleteLater().
    static std::unique_ptr<URLDataLoader> dataLoaderWithURL(const QString& url, double timeout,
                                                            Callbacks callbacks, QObject* target);
    // The same with one callback for complete, failed and timed out.
    static std::unique_ptr<URLDataLoader> dataLoaderWithURL(const QString& url, double timeout,
                                                            Callback generic, QObject* target);

    // Abandons a download still running, without an event.
    ~URLDataLoader() override;

    Status status() const { return status_; }
    int eventMask() const { return eventMask_; }
    const QUrl& url() const { return url_; }
    double timeout() const { return timeout_; }
    // The downloaded file once the download has created it, else empty.
    QString dataFilepath() const;
    // The downloaded file's bytes, or none before a file exists.
    std::optional<QByteArray> data() const;
    // Cancels a running download: status Cancelled and the cancelled event.
    void stopLoading();

private:
    URLDataLoader();
    void setSelector(Event event, Callback callback);
    void startLoading();
    void readAvailable();
    void replyFinished();
    void timeoutExpired();
    // Ends the download with that status and event; the partial file is dropped unless finished.
    void end(Status status, Event event);
    void sendEvent(Event event);

    QUrl url_;
    QNetworkAccessManager* manager_ = nullptr;
    QNetworkReply* download_ = nullptr;
    double timeout_ = 0.0;
    int eventMask_ = 0;
    QPointer<QObject> target_;
    bool hasTarget_ = false;
    QHash<int, Callback> selectors_;
    Status status_ = NotStarted;
    std::unique_ptr<QTemporaryFile> file_;
    qint64 received_ = 0;
    QTimer timer_;
};

#include "core/platform/URLDataLoader.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryFile>
#include <cmath>

std::unique_ptr<URLDataLoader> URLDataLoader::dataLoaderWithURL(const QString& url, double timeout,
                                                                Callbacks callbacks,
                                                                QObject* target) {
    std::unique_ptr<URLDataLoader> loader(new URLDataLoader());
    loader->url_ = QUrl(url);
    loader->setSelector(CompleteEvent, std::move(callbacks.complete));
    loader->setSelector(NewDataEvent, std::move(callbacks.newData));
    loader->setSelector(FailedEvent, std::move(callbacks.failed));
    loader->setSelector(CancelledEvent, std::move(callbacks.cancelled));
    loader->setSelector(TimedOutEvent, std::move(callbacks.timedOut));
    loader->target_ = target;
    loader->hasTarget_ = target != nullptr;
    loader->timeout_ = timeout;
    loader->startLoading();
    return loader;
}

std::unique_ptr<URLDataLoader> URLDataLoader::dataLoaderWithURL(const QString& url, double timeout,
                                                                Callback generic, QObject* target) {
    Callbacks callbacks;
    callbacks.complete = generic;
    callbacks.failed = generic;
    callbacks.timedOut = generic;
    return dataLoaderWithURL(url, timeout, std::move(callbacks), target);
}

URLDataLoader::URLDataLoader()
    : manager_(new QNetworkAccessManager(this)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &URLDataLoader::timeoutExpired);
}

URLDataLoader::~URLDataLoader() {
    if (download_) {
        download_->disconnect(this);
        download_->abort();
    }
}

void URLDataLoader::setSelector(Event event, Callback callback) {
    if (callback) {
        selectors_.insert(event, std::move(callback));
        eventMask_ |= event;
    }
}

void URLDataLoader::startLoading() {
    QNetworkRequest request(url_);
    // An answer kept by a cache on the way could be older than what is published.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    download_ = manager_->get(request);
    status_ = Started;
    connect(download_, &QNetworkReply::readyRead, this, &URLDataLoader::readAvailable);
    connect(download_, &QNetworkReply::finished, this, &URLDataLoader::replyFinished);
    // The whole download must end in time, however slowly a server trickles its answer.
    if (timeout_ > 0.0) {
        timer_.start(static_cast<int>(std::ceil(timeout_ * 1000.0)));
    }
}

QString URLDataLoader::dataFilepath() const {
    return file_ ? file_->fileName() : QString();
}

std::optional<QByteArray> URLDataLoader::data() const {
    if (!file_) {
        return std::nullopt;
    }
    QFile file(file_->fileName());
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

void URLDataLoader::stopLoading() {
    if (status_ != Started) {
        return;
    }
    end(Cancelled, CancelledEvent);
}

void URLDataLoader::readAvailable() {
    const QByteArray chunk = download_->readAll();
    if (received_ + chunk.size() > kMaximumSize) {
        end(Failed, FailedEvent);
        return;
    }
    if (!file_) {
        // Created by us, readable by the user only, under a name nobody can foresee; the
        // server's idea of a file name is never used.
        file_ = std::make_unique<QTemporaryFile>(
            QDir(QDir::tempPath()).filePath(QStringLiteral("fotino-XXXXXX")));
        if (!file_->open()) {
            file_.reset();
            end(Failed, FailedEvent);
            return;
        }
    }
    if (file_->write(chunk) != chunk.size()) {
        end(Failed, FailedEvent);
        return;
    }
    received_ += chunk.size();
    if (!chunk.isEmpty()) {
        sendEvent(NewDataEvent);
    }
}

void URLDataLoader::replyFinished() {
    if (download_->error() != QNetworkReply::NoError) {
        end(Failed, FailedEvent);
        return;
    }
    // What is left unread, and the file even for an empty answer.
    readAvailable();
    if (status_ != Started) {
        return;
    }
    if (!file_->flush()) {
        end(Failed, FailedEvent);
        return;
    }
    end(Finished, CompleteEvent);
}

void URLDataLoader::timeoutExpired() {
    if (status_ == Started) {
        end(TimedOut, TimedOutEvent);
    }
}

void URLDataLoader::end(Status status, Event event) {
    timer_.stop();
    if (download_) {
        QNetworkReply* download = download_;
        download_ = nullptr;
        download->disconnect(this);
        download->abort();
        download->deleteLater();
    }
    if (status != Finished) {
        file_.reset();
    }
    status_ = status;
    sendEvent(event);
}

void URLDataLoader::sendEvent(Event event) {
    const auto selector = selectors_.constFind(event);
    if (selector == selectors_.constEnd() || (hasTarget_ && !target_)) {
        return;
    }
    // A copy: the callback may replace the loader's callbacks or schedule its deletion.
    const Callback callback = *selector;
    callback(*this);
}

#pragma once
// A small HTTP server on the loopback interface, run by the test's own event loop, so that
// downloads are tested without the outside network. Every request gets the same answer; the
// server can also hold requests unanswered, or answer without end.

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    LocalHttpServer();

    // The answer: a body with its status and any extra header lines ("Name: value\r\n").
    void answer(const QByteArray& body, int status = 200, const QByteArray& extraHeaders = {});
    // While holding, requests wait; when holding stops, they get the answer.
    void setHolding(bool holding);
    void answerEndlessly() { endless_ = true; }

    QString url() const;
    // The head of each request received.
    const QList<QByteArray>& requests() const { return requests_; }

private:
    void readRequest(QTcpSocket* socket);
    void respond(QTcpSocket* socket);
    void stream(QTcpSocket* socket);

    QTcpServer server_;
    QByteArray response_;
    bool holding_ = false;
    bool endless_ = false;
    QList<QByteArray> requests_;
    QList<QPointer<QTcpSocket>> held_;
};

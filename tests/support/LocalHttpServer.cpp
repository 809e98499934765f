#include "support/LocalHttpServer.h"

#include <QHostAddress>
#include <utility>

LocalHttpServer::LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

void LocalHttpServer::answer(const QByteArray& body, int status, const QByteArray& extraHeaders) {
    response_ = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") +
                "\r\nContent-Length: " + QByteArray::number(body.size()) +
                "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
    endless_ = false;
}

void LocalHttpServer::setHolding(bool holding) {
    holding_ = holding;
    for (const QPointer<QTcpSocket>& socket : std::exchange(held_, {})) {
        if (socket) {
            respond(socket);
        }
    }
}

QString LocalHttpServer::url() const {
    return QStringLiteral("http://127.0.0.1:%1/version.txt").arg(server_.serverPort());
}

void LocalHttpServer::readRequest(QTcpSocket* socket) {
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    const qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0 || socket->property("answered").toBool()) {
        return;
    }
    socket->setProperty("answered", true);
    requests_.append(request.left(end));
    if (holding_) {
        held_.append(socket);
    } else {
        respond(socket);
    }
}

void LocalHttpServer::respond(QTcpSocket* socket) {
    if (!endless_) {
        socket->write(response_);
        socket->disconnectFromHost();
        return;
    }
    socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { stream(socket); });
    stream(socket);
}

void LocalHttpServer::stream(QTcpSocket* socket) {
    // A little at a time, as long as the client takes it.
    static const QByteArray chunk(4096, '9');
    while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 65536) {
        socket->write(chunk);
    }
}

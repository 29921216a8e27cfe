#pragma once
// A small HTTP server on 127.0.0.1 inside the test process, answering on
// the test's own event loop (the start-up check waits in a nested loop, so
// it is served too). Paths not in the table get 404; a silent server accepts
// connections and never answers.
#include <QHash>
#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

class LocalHttpServer : public QObject {
public:
    struct Answer {
        int Status = 200;
        QByteArray Body;
        QByteArray ContentType = "text/html; charset=utf-8";
    };

    QHash<QString, Answer> Pages;  // by path, "/info.txt"
    QStringList Requested;         // paths asked for, in order
    bool Silent = false;

    LocalHttpServer()
    {
        Server.listen(QHostAddress::LocalHost, 0);
        connect(&Server, &QTcpServer::newConnection, this, [this] { Accept(); });
    }

    quint16 Port() const { return Server.serverPort(); }
    QUrl Base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(Port())); }

private:
    // Before the server: its sockets report their disconnection into
    // Buffers while the server is destroyed.
    QHash<QTcpSocket*, QByteArray> Buffers;
    QTcpServer Server;

    void Accept()
    {
        while (QTcpSocket* socket = Server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                Buffers.remove(socket);
                socket->deleteLater();
            });
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
        }
    }

    void Serve(QTcpSocket* socket)
    {
        QByteArray& request = Buffers[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n") || Silent)
            return;
        const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
        const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
        Buffers.remove(socket);
        Requested << path;
        const Answer answer = Pages.value(path, Answer{404, "not found", "text/plain"});
        socket->write("HTTP/1.1 " + QByteArray::number(answer.Status) + " X\r\nContent-Type: "
                      + answer.ContentType + "\r\nContent-Length: "
                      + QByteArray::number(answer.Body.size())
                      + "\r\nConnection: close\r\n\r\n" + answer.Body);
        socket->disconnectFromHost();
    }
};

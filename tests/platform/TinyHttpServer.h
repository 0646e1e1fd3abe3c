#pragma once
// A local HTTP server for tests: one request per connection, a fixed raw
// reply per path, "404 Not Found" for every other path.

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

class TinyHttpServer : public QTcpServer
{
public:
    TinyHttpServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        listen(QHostAddress::LocalHost);
    }

    void answer(const QByteArray &path, const QByteArray &rawReply) { m_replies.insert(path, rawReply); }
    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(QLatin1String(path));
    }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }
    QList<QByteArray> requested;

private:
    void Answer(QTcpSocket *socket)
    {
        const QByteArray path = socket->readAll().split(' ').value(1);
        requested << path;
        socket->write(m_replies.value(
            path, "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\nnot here."));
        socket->flush();
        socket->disconnectFromHost();
    }

    QHash<QByteArray, QByteArray> m_replies;
};

#include "local_http_server.h"

#include <QTcpSocket>

TLocalHttpServer::TLocalHttpServer(QObject *parent) : QTcpServer(parent)
{
    listen(QHostAddress::LocalHost, 0);
}

QString TLocalHttpServer::Url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void TLocalHttpServer::incomingConnection(qintptr socketDescriptor)
{
    auto *socket = new QTcpSocket(this);
    socket->setSocketDescriptor(socketDescriptor);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        const qsizetype headerEnd = buffer->indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QList<QByteArray> lines = buffer->left(headerEnd).split('\n');
        TRequest request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.Method = first.value(0);
        request.Path = first.value(1);
        qsizetype length = 0;
        for (const QByteArray &line : lines) {
            const QByteArray lower = line.toLower();
            if (lower.startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
            else if (lower.startsWith("content-type:"))
                request.ContentType = line.mid(13).trimmed();
        }
        if (buffer->size() < headerEnd + 4 + length)
            return;
        request.Body = buffer->mid(headerEnd + 4, length);
        Requests.append(request);
        const TReply reply = Replies.isEmpty() ? TReply{} : Replies.dequeue();
        QByteArray response = "HTTP/1.1 " + QByteArray::number(reply.Status) +
                              " X\r\nContent-Type: text/plain\r\n" +
                              "Content-Length: " + QByteArray::number(reply.Body.size()) +
                              "\r\nConnection: close\r\n\r\n" + reply.Body;
        socket->write(response);
        socket->disconnectFromHost();
        buffer->clear();
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

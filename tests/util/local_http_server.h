#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: answers every request with the next canned reply and
// records what it received.

#include <QByteArray>
#include <QList>
#include <QQueue>
#include <QTcpServer>

class TLocalHttpServer : public QTcpServer
{
    Q_OBJECT
public:
    struct TReply
    {
        int Status = 200;
        QByteArray Body;
    };
    struct TRequest
    {
        QByteArray Method;
        QByteArray Path; // with the query
        QByteArray ContentType;
        QByteArray Body;
    };

    explicit TLocalHttpServer(QObject *parent = nullptr);
    // "http://127.0.0.1:port" + path
    QString Url(const QString &path = QString()) const;

    QQueue<TReply> Replies; // when empty: 200 with an empty body
    QList<TRequest> Requests;

protected:
    void incomingConnection(qintptr socketDescriptor) override;
};

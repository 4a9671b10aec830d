// The form poster: what counts as accepted, and what goes over the wire.
#include "app/httper.h"
#include "local_http_server.h"
#include "scripted_interaction.h"

#include <QTcpServer>
#include <QTest>
#include <QUrlQuery>

class TestHttper : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void post_data();
    void post();
    void formFieldsAreUrlEncoded();
};

void TestHttper::post_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("reply");

    QTest::newRow("accepted") << 200 << QByteArray("ok") << true << QStringLiteral("ok");
    QTest::newRow("capitals") << 200 << QByteArray("OK") << false << QStringLiteral("OK");
    QTest::newRow("line break after ok") << 200 << QByteArray("ok\r\n") << false << QStringLiteral("ok\r\n");
    QTest::newRow("other text") << 200 << QByteArray(" 错误 ") << false << QStringLiteral(" 错误 ");
    QTest::newRow("server error") << 500 << QByteArray("ok") << false << QString();
    QTest::newRow("nobody listening") << 0 << QByteArray() << false << QString();
}

void TestHttper::post()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, ok);
    QFETCH(QString, reply);

    TScriptedScope scripted;
    TLocalHttpServer server;
    server.Replies.enqueue({status, body});
    const QString url = server.Url(QStringLiteral("/back.asp"));
    if (status == 0)
        server.close();

    THttper httper;
    httper.FormFields << QStringLiteral("Data=report");
    QString answer = QStringLiteral("left from before");
    QCOMPARE(httper.Post(url, &answer), ok);
    QCOMPARE(answer, reply);
    QVERIFY(scripted->Messages.isEmpty());
}

void TestHttper::formFieldsAreUrlEncoded()
{
    TScriptedScope scripted;
    TLocalHttpServer server;
    server.Replies.enqueue({200, QByteArray("ok")});

    THttper httper;
    httper.FormFields << QStringLiteral("Data=a=b c&d") << QStringLiteral("Mail=资产@example.cn")
                      << QStringLiteral("Flag");
    QVERIFY(httper.Post(server.Url(QStringLiteral("/back.asp"))));

    QCOMPARE(server.Requests.size(), 1);
    const TLocalHttpServer::TRequest &request = server.Requests.first();
    QCOMPARE(request.Method, QByteArray("POST"));
    QCOMPARE(request.Path, QByteArray("/back.asp"));
    QCOMPARE(request.ContentType, QByteArray("application/x-www-form-urlencoded"));
    const QUrlQuery form(QString::fromLatin1(request.Body));
    using TField = QPair<QString, QString>;
    QCOMPARE(form.queryItems(QUrl::FullyDecoded),
             (QList<TField>{{QStringLiteral("Data"), QStringLiteral("a=b c&d")},
                            {QStringLiteral("Mail"), QStringLiteral("资产@example.cn")},
                            {QStringLiteral("Flag"), QString()}}));
}

QTEST_GUILESS_MAIN(TestHttper)
#include "test_httper.moc"

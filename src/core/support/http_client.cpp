#include "http_client.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>
#include <QTimer>
#include <QUrlQuery>

namespace {

QString DecodeBody(const QByteArray &body, const QByteArray &contentType)
{
    if (contentType.toLower().contains("gbk") || contentType.toLower().contains("gb2312")) {
        QStringDecoder gbk("GBK");
        if (gbk.isValid())
            return gbk(body);
    }
    return QString::fromUtf8(body);
}

THttpReply Wait(QNetworkReply *reply)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(Http::TimeoutSeconds * 1000);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    THttpReply result;
    result.Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->readAll();
    if (reply->error() == QNetworkReply::NoError && result.Status >= 200 && result.Status < 300) {
        result.Ok = true;
        result.Body = DecodeBody(body, reply->header(QNetworkRequest::ContentTypeHeader).toByteArray());
    } else {
        result.Error = reply->errorString();
    }
    reply->deleteLater();
    return result;
}

} // namespace

THttpReply Http::Get(const QString &url)
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    return Wait(manager.get(request));
}

THttpReply Http::PostForm(const QString &url, const QList<QPair<QString, QString>> &fields)
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    QUrlQuery form;
    for (const auto &[name, value] : fields)
        form.addQueryItem(QString::fromUtf8(QUrl::toPercentEncoding(name)),
                          QString::fromUtf8(QUrl::toPercentEncoding(value)));
    return Wait(manager.post(request, form.toString(QUrl::FullyEncoded).toUtf8()));
}

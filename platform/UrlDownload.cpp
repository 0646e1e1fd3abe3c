#include "UrlDownload.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

namespace halvane {

UrlDownloadResult DownloadUrlToFile(const QString &url, const QString &target, int timeoutMs)
{
    const QUrl address(url);
    if (!address.isValid() || (address.scheme() != QLatin1String("http") && address.scheme() != QLatin1String("https")))
        return {false, QStringLiteral("not an http address: ") + url};

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};

    QNetworkAccessManager network;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply *reply = network.get(request);

    bool writeFailed = false;
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        // Only a successful reply's body goes to the file.
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QByteArray chunk = reply->readAll();
        if (status == 200 && file.write(chunk) != chunk.size())
            writeFailed = true;
    });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // A guard in case the transfer timeout never fires (no data flows at all).
    QTimer::singleShot(timeoutMs + 1000, &loop, [reply] { reply->abort(); });
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray rest = reply->readAll();
    if (status == 200 && file.write(rest) != rest.size())
        writeFailed = true;
    UrlDownloadResult result;
    if (reply->error() != QNetworkReply::NoError)
        result.error = reply->errorString();
    else if (status != 200)
        result.error = QStringLiteral("HTTP status %1").arg(status);
    else if (writeFailed)
        result.error = file.errorString();
    reply->deleteLater();
    if (!result.error.isEmpty()) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace halvane

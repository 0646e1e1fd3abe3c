// Fetching a URL into a file: only a complete HTTP 200 reply replaces the
// target; every failure leaves the old file as it was.

#include "platform/UrlDownload.h"
#include "tests/platform/TinyHttpServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace halvane;


class TestUrlDownload : public QObject
{
    Q_OBJECT
private slots:
    void download_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("content"); // of the target afterwards
        QTest::newRow("complete reply") << "/ok" << true << QByteArray("PACKDATA");
        QTest::newRow("redirect followed") << "/moved" << true << QByteArray("PACKDATA");
        QTest::newRow("not found") << "/nothing" << false << QByteArray("OLD");
        QTest::newRow("connection cut mid-body") << "/cut" << false << QByteArray("OLD");
        QTest::newRow("server refuses") << "refused" << false << QByteArray("OLD");
        QTest::newRow("not an http address") << "ftp" << false << QByteArray("OLD");
    }

    void download()
    {
        QFETCH(QString, path);
        QFETCH(bool, ok);
        QFETCH(QByteArray, content);
        TinyHttpServer server;
        server.answer("/ok", "HTTP/1.1 200 OK\r\nContent-Length: 8\r\nConnection: close\r\n\r\nPACKDATA");
        server.answer("/moved", "HTTP/1.1 302 Found\r\nLocation: /ok\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        // Promises 100 bytes, sends 10, hangs up.
        server.answer("/cut", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\n0123456789");
        QVERIFY(server.isListening());
        QString url = server.url(qPrintable(path));
        if (path == QLatin1String("refused")) {
            const quint16 port = server.serverPort();
            server.close();
            url = QStringLiteral("http://127.0.0.1:%1/ok").arg(port);
        } else if (path == QLatin1String("ftp")) {
            url = QStringLiteral("ftp://127.0.0.1/ok");
        }
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("VyxBackG03.dll"));
        {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("OLD");
        }
        const UrlDownloadResult result = DownloadUrlToFile(url, target, 5000);
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.error.isEmpty(), ok);
        QFile after(target);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), content);
        // No temporary file is left beside the target.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("VyxBackG03.dll")});
    }

    void unwritableTarget()
    {
        TinyHttpServer server;
        server.answer("/ok", "HTTP/1.1 200 OK\r\nContent-Length: 8\r\nConnection: close\r\n\r\nPACKDATA");
        const UrlDownloadResult result = DownloadUrlToFile(server.url("/ok"), QStringLiteral("/proc/halvane-no/x.dll"), 5000);
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUrlDownload)
#include "test_urldownload.moc"

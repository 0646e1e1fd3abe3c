// The club files the build installs in the program folder: their shape and
// their check sums, computed here on the raw bytes without the game's code.

#include <QFile>
#include <QTest>

class TestInstalledClub : public QObject
{
    Q_OBJECT
private slots:
    void installedFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("local") << QStringLiteral("Halvane.clb");
        QTest::newRow("network") << QStringLiteral("Halvane.net");
    }

    void installedFile()
    {
        QFETCH(QString, name);
        QFile file(QStringLiteral(HALVANE_PROGRAM_DIR "/") + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray()); // after the final line break
        QCOMPARE(lines.size(), 17);
        for (QByteArray &line : lines) {
            QVERIFY(line.endsWith('\r'));
            line.chop(1);
        }
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(lines[i].size(), 59);
            QCOMPARE(lines[i].at(36), '#'); // an empty player line
        }
        for (int i = 5; i < 15; ++i) {
            QCOMPARE(lines[i].size(), 26);
            bool ok = false;
            lines[i].mid(20, 6).trimmed().toInt(&ok);
            QVERIFY2(ok, lines[i].constData());
        }
        QCOMPARE(lines[15].size(), 28);
        QCOMPARE(quint8(lines[15].at(0)), quint8(157));
        QCOMPARE(lines[15].at(1), '}');
        QCOMPARE(lines[16].size(), 28);

        QByteArray joined;
        for (int i = 0; i < 16; ++i)
            joined += lines[i];
        QCOMPARE(joined.size(), 583);
        long c1 = 0, c2 = 0, c3 = 0;
        for (int i = 0; i < joined.size(); ++i) {
            const int b = quint8(joined.at(i));
            c1 += b;
            if ((i + 1) % 2 == 0)
                c2 += b;
            if ((i + 1) % 3 == 0)
                c3 += b;
        }
        const QByteArray expected = QByteArray::number(qlonglong(c1)).rightJustified(6, '0') +
                                    QByteArray::number(qlonglong(c2)).rightJustified(6, '0') +
                                    QByteArray::number(qlonglong(c3)).rightJustified(6, '0');
        QCOMPARE(lines[16].mid(10, 18), expected);
    }
};

QTEST_APPLESS_MAIN(TestInstalledClub)
#include "test_installed_club.moc"

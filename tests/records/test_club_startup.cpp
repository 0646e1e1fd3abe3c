// The start-up check of both club files as the main window runs it.

#include "records/ClubStartupCheck.h"
#include "records/codec/ClubFile.h"
#include "records/codec/ClubStore.h"
#include "table/Dictionary.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace halvane;

namespace {
void WriteClub(const QString &path, const ClubFile &club)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const std::string bytes = club.Bytes();
    f.write(bytes.data(), qint64(bytes.size()));
}

struct Message {
    QString text;
    bool fatal;
};
} // namespace

class TestClubStartup : public QObject
{
    Q_OBJECT
private slots:
    void init() { SetLanguageIndex(0); }

    void freshFilesPassSilently()
    {
        QTemporaryDir dir;
        WriteClub(dir.filePath(QStringLiteral("Halvane.clb")), ClubFile::Fresh());
        WriteClub(dir.filePath(QStringLiteral("Halvane.net")), ClubFile::Fresh());
        QList<Message> messages;
        QVERIFY(ClubStartupCheck::Run(dir.path(), [&](const QString &t, bool f) { messages << Message{t, f}; }));
        QVERIFY(messages.isEmpty());
        QVERIFY(CurrentClubFiles().local.writeAllowed());
        QVERIFY(CurrentClubFiles().network.writeAllowed());
        QCOMPARE(QString::fromStdString(CurrentClubFiles().network.path().string()),
                 dir.filePath(QStringLiteral("Halvane.net")));
    }

    void damagedLocalFileStopsBeforeTheNetworkFile()
    {
        QTemporaryDir dir;
        ClubFile club = ClubFile::Fresh();
        club.setLine(6, "Somebody            -99999"); // sums not updated
        WriteClub(dir.filePath(QStringLiteral("Halvane.clb")), club);
        QList<Message> messages;
        QVERIFY(!ClubStartupCheck::Run(dir.path(), [&](const QString &t, bool f) { messages << Message{t, f}; }));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].fatal);
        QCOMPARE(messages[0].text,
                 QStringLiteral("The incorrect file \"%1\"!").arg(dir.filePath(QStringLiteral("Halvane.clb"))));
        QVERIFY(CurrentClubFiles().startupCheckFailed);
    }

    void readOnlyFileWarnsAndIsNotWritten()
    {
        QTemporaryDir dir;
        const QString net = dir.filePath(QStringLiteral("Halvane.net"));
        WriteClub(dir.filePath(QStringLiteral("Halvane.clb")), ClubFile::Fresh());
        WriteClub(net, ClubFile::Fresh());
        QFile::setPermissions(net, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QList<Message> messages;
        QVERIFY(ClubStartupCheck::Run(dir.path(), [&](const QString &t, bool f) { messages << Message{t, f}; }));
        QCOMPARE(messages.size(), 1);
        QVERIFY(!messages[0].fatal);
        QCOMPARE(messages[0].text, QStringLiteral("The file \"%1\" has incorrect attributes!\n\r"
                                                  "The work of the program will be incorrect!")
                                       .arg(net));
        QVERIFY(CurrentClubFiles().local.writeAllowed());
        QVERIFY(!CurrentClubFiles().network.writeAllowed());
        // The store refuses to write it, and the file stays as it was.
        const QByteArray before = [&] { QFile f(net); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QCOMPARE(int(CurrentClubFiles().network.Save(ClubFile::Fresh())), int(ClubStore::SaveResult::NotAllowed));
        QFile f(net);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void russianFlagSetsTheLanguage()
    {
        QTemporaryDir dir;
        ClubFile club = ClubFile::Fresh();
        std::string sums = club.line(17);
        sums[0] = '1';
        club.setLine(17, sums);
        WriteClub(dir.filePath(QStringLiteral("Halvane.clb")), club);
        WriteClub(dir.filePath(QStringLiteral("Halvane.net")), ClubFile::Fresh());
        QVERIFY(ClubStartupCheck::Run(dir.path(), [](const QString &, bool) {}));
        QCOMPARE(LanguageIndex(), 1);
    }
};

QTEST_MAIN(TestClubStartup)
#include "test_club_startup.moc"

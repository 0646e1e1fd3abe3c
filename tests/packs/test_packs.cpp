// Resource packs: the name schemes, the PE reader on our packs, on a DLL made
// by the mingw toolchain and on damaged files, the search order of a pack
// file, and the loaders over the real packs.

#include "PeWriter.h"
#include "platform/PackNames.h"
#include "platform/PeResources.h"
#include "platform/ResourcePack.h"
#include "records/codec/Settings.h"
#include "table/Attention.h"
#include "table/CardImages.h"
#include "table/PackDownload.h"
#include "table/WindowSize.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace halvane;

class TestPacks : public QObject
{
    Q_OBJECT
    QStringList m_attention;
    QString m_programDir = QStringLiteral(HALVANE_PROGRAM_DIR);

    static QByteArray smallPack()
    {
        packs::PeWriter w;
        w.add(QStringLiteral("RCDATA"), QStringLiteral("Ch5AMed"), QByteArray("ace of hearts"));
        w.add(QStringLiteral("JPEG"), QStringLiteral("Fon01Gr"), QByteArray("felt"));
        w.add(QStringLiteral("RCDATA"), QStringLiteral("#7"), QByteArray("numbered"));
        return w.build();
    }

private Q_SLOTS:
    void initTestCase()
    {
        SetAttentionHandler([this](const QString &a, const QString &, const QString &) { m_attention << a; });
    }
    void init()
    {
        CurrentSettings() = Settings();
        m_attention.clear();
        CurrentPackSearch() = PackSearch{m_programDir, m_programDir};
    }

    void faceNames_data()
    {
        QTest::addColumn<int>("cardSet");
        QTest::addColumn<QString>("pip");   // ten of hearts
        QTest::addColumn<QString>("court"); // queen of spades, big
        QTest::addColumn<QString>("ace");   // ace of clubs
        QTest::addColumn<QString>("symbol"); // diamonds symbol
        QTest::newRow("built-in") << 0 << "Ch10" << "Pi3QB" << "Kr5A" << "Bubi";
        QTest::newRow("own code") << 1 << "Ch10Med" << "Pi3QMedB" << "Kr5AMed" << "BubiMed";
        QTest::newRow("6 Corona") << 6 << "Ch10Mod" << "Pi3QCorB" << "Kr5ACor" << "BubiMod";
        QTest::newRow("7 Crown") << 7 << "Ch10Mod" << "Pi3QCroB" << "Kr5AMod" << "BubiMod";
        QTest::newRow("10 Historical") << 10 << "Ch10Mod" << "Pi3QHisB" << "Kr5AMod" << "BubiMod";
        QTest::newRow("11 suit symbols only") << 11 << "Ch10Nat" << "Pi3QNatB" << "Kr5ANat" << "BubiMod";
        QTest::newRow("13 Parrots") << 13 << "Ch10Mod" << "Pi3QParB" << "Kr5AMod" << "BubiMod";
        QTest::newRow("19 Classical-2") << 19 << "Ch10Sea" << "Pi3QCl2B" << "Kr5ASea" << "BubiSea";
        QTest::newRow("20 Hearts") << 20 << "Ch10Sea" << "Pi3QHeaB" << "Kr5ASea" << "BubiSea";
        QTest::newRow("25 Playboy") << 25 << "Ch10Rhi" << "Pi3QBoyB" << "Kr5ABoy" << "BubiRhi";
        QTest::newRow("27 USSR") << 27 << "Ch10Big" << "Pi3QUSRB" << "Kr5AUSR" << "BubiBig";
        QTest::newRow("17 digits code") << 17 << "Ch10004" << "Pi3Q004B" << "Kr5A004" << "Bubi004";
        QTest::newRow("40 French") << 40 << "Ch10Fra" << "Pi3QFraB" << "Kr5AFra" << "BubiFra";
    }
    void faceNames()
    {
        QFETCH(int, cardSet);
        QFETCH(QString, pip);
        QFETCH(QString, court);
        QFETCH(QString, ace);
        QFETCH(QString, symbol);
        QCOMPARE(FaceName(cardSet, 1, 10, false), pip);
        QCOMPARE(FaceName(cardSet, 4, 12, true), court);
        QCOMPARE(FaceName(cardSet, 3, 14, false), ace);
        QCOMPARE(SuitSymbolName(cardSet, 2, false), symbol);
    }

    void otherNames()
    {
        QCOMPARE(BackName(9, 10, QStringLiteral("U")), QStringLiteral("Ob10XXFloU"));
        QCOMPARE(BackName(1, 6, QString()), QStringLiteral("Ob06SuCl1"));
        QCOMPARE(BackCountOf(8), 10);
        QCOMPARE(BackCountOf(12), 7);
        QCOMPARE(BackgroundName(3, 4, true), QStringLiteral("Fon03B1B"));
        QCOMPARE(FacePackOf(31), QStringLiteral("VyxCards06A.dll"));
        QCOMPARE(FacePackOf(32), QStringLiteral("VyxCards06B.dll"));
        QCOMPARE(FacePackOf(47), QStringLiteral("VyxCards06C.dll"));
        QVERIFY(IsWideCardSet(27) && !IsWideCardSet(28) && IsWideCardSet(40) && IsWideCardSet(45) && !IsWideCardSet(46));
        QCOMPARE(DownloadFileOf(5), QStringLiteral("VyxRadio.rad"));
    }

    void readerFindsNamesInAnyCase()
    {
        const PeResources pe(smallPack());
        QVERIFY2(pe.isValid(), qPrintable(pe.error()));
        QCOMPARE(pe.data(ResourceType::RcData, QStringLiteral("ch5amed")), QByteArray("ace of hearts"));
        QCOMPARE(pe.data(QStringLiteral("jpeg"), QStringLiteral("FON01GR")), QByteArray("felt"));
        QCOMPARE(pe.data(QStringLiteral("RCDATA"), QStringLiteral("#7")), QByteArray("numbered"));
        QVERIFY(pe.data(ResourceType::Gif, QStringLiteral("Ch5AMed")).isEmpty());
    }

    // Every prefix of a pack and a sweep of byte damage: never a crash, and
    // what is returned always lies inside the file.
    void damagedPacksAreRejected()
    {
        const QByteArray good = smallPack();
        for (int length = 0; length < good.size(); length += 7) {
            const PeResources pe(good.left(length));
            const QByteArray d = pe.data(ResourceType::RcData, QStringLiteral("Ch5AMed"));
            QVERIFY(!pe.isValid() || d.isEmpty() || d == QByteArray("ace of hearts"));
        }
        QVERIFY(!PeResources(good.left(0x300)).isValid());
        for (int at = 0; at < 0x600 && at < good.size(); ++at) {
            QByteArray bad = good;
            bad[at] = char(bad[at] ^ 0xFF);
            const PeResources pe(bad);
            if (pe.isValid())
                for (const QString &name : pe.names(QStringLiteral("RCDATA")))
                    QVERIFY(pe.data(QStringLiteral("RCDATA"), name).size() <= bad.size());
        }
        // A directory that points to itself.
        QByteArray loop = good;
        const qsizetype rsrc = 0x200;
        qToLittleEndian<quint32>(0x80000000u, loop.data() + rsrc + 16 + 4);
        QVERIFY(!PeResources(loop).isValid());
    }

    void searchOrder()
    {
        QTemporaryDir root;
        QDir(root.path()).mkpath(QStringLiteral("program"));
        QDir(root.path()).mkpath(QStringLiteral("work/cwd"));
        const QString program = root.filePath(QStringLiteral("program"));
        const QString cwd = root.filePath(QStringLiteral("work/cwd"));
        const PackSearch search{program, cwd};
        const QString name = QStringLiteral("VyxCards06B.dll");
        QVERIFY(FindPack(name, search).isEmpty());
        QVERIFY(!OpenPack(name, search).isValid());

        // "../" + name from the current folder.
        QFile parent(root.filePath(QStringLiteral("work/") + name));
        QVERIFY(parent.open(QIODevice::WriteOnly));
        parent.write(smallPack());
        parent.close();
        QCOMPARE(FindPack(name, search), QDir::cleanPath(parent.fileName()));
        QVERIFY(OpenPack(name, search).isValid());
        QVERIFY(PackFilePresent(name, search));

        // Beside the program comes first; a damaged one there falls through.
        QFile beside(QDir(program).filePath(name));
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.write("MZ not really");
        beside.close();
        QCOMPARE(FindPack(name, search), beside.fileName());
        QVERIFY(OpenPack(name, search).isValid());
        QVERIFY(!OpenPack(QStringLiteral("../") + name, search).isValid());

        // The download button of that pack stays off while the pack is there.
        CurrentPackSearch() = search;
        QVERIFY(!PackDownloadEnabled(2));
        QVERIFY(PackDownloadEnabled(1));
        QCOMPARE(PackButtonLight(false), 50);
        QCOMPARE(PackDownloadUrl(QStringLiteral("example.org"), 9),
                 QStringLiteral("http://example.org/downloads/zazer/cards/VyxCGraph1.dll"));
        QCOMPARE(PackDownloadTarget(8), QDir::cleanPath(root.filePath(QStringLiteral("work/VyxCards06C.dll"))));
    }

    void mingwFixture()
    {
        const QString windres = QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-windres"));
        const QString ld = QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-ld"));
        if (windres.isEmpty() || ld.isEmpty())
            QSKIP("mingw-w64 binutils are not installed");
        QTemporaryDir dir;
        QFile png(dir.filePath(QStringLiteral("face.bin")));
        QVERIFY(png.open(QIODevice::WriteOnly));
        png.write("\x89PNG fixture bytes");
        png.close();
        QFile jpg(dir.filePath(QStringLiteral("fon.bin")));
        QVERIFY(jpg.open(QIODevice::WriteOnly));
        jpg.write("JPEG fixture");
        jpg.close();
        QFile rc(dir.filePath(QStringLiteral("res.rc")));
        QVERIFY(rc.open(QIODevice::WriteOnly));
        rc.write("Ch5AMedB RCDATA \"face.bin\"\nFon01Gr JPEG \"fon.bin\"\n42 RCDATA \"fon.bin\"\n");
        rc.close();
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(windres, {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-i"), QStringLiteral("res.rc"),
                          QStringLiteral("-O"), QStringLiteral("coff"), QStringLiteral("-o"), QStringLiteral("res.o")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        p.start(ld, {QStringLiteral("--dll"), QStringLiteral("-e"), QStringLiteral("0"), QStringLiteral("-s"),
                     QStringLiteral("--subsystem"), QStringLiteral("windows"), QStringLiteral("--disable-reloc-section"),
                     QStringLiteral("-o"), QStringLiteral("pack.dll"), QStringLiteral("res.o")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const PeResources pe = PeResources::fromFile(dir.filePath(QStringLiteral("pack.dll")));
        QVERIFY2(pe.isValid(), qPrintable(pe.error()));
        QCOMPARE(pe.data(ResourceType::RcData, QStringLiteral("ch5amedb")), QByteArray("\x89PNG fixture bytes"));
        QCOMPARE(pe.data(ResourceType::Jpeg, QStringLiteral("Fon01Gr")), QByteArray("JPEG fixture"));
        QCOMPARE(pe.data(QStringLiteral("RCDATA"), QStringLiteral("#42")), QByteArray("JPEG fixture"));
    }

    void ourPacksHoldEveryName()
    {
        const PeResources a = OpenPack(QStringLiteral("VyxCards06A.dll"));
        const PeResources b = OpenPack(QStringLiteral("VyxCards06B.dll"));
        const PeResources c = OpenPack(QStringLiteral("VyxCards06C.dll"));
        const PeResources g = OpenPack(QStringLiteral("VyxBackG03.dll"));
        const PeResources d = OpenPack(QStringLiteral("VyxCGraph1.dll"));
        QVERIFY(a.isValid() && b.isValid() && c.isValid() && g.isValid() && d.isValid());
        for (int set = 1; set <= 47; ++set) {
            const PeResources &pack = set <= 31 ? a : set <= 39 ? b : c;
            for (int rank = 6; rank <= 14; ++rank)
                for (int suit = 1; suit <= 4; ++suit)
                    for (const bool big : {false, true})
                        QVERIFY2(pack.contains(ResourceType::RcData, FaceName(set, suit, rank, big)),
                                 qPrintable(FaceName(set, suit, rank, big)));
            for (int suit = 1; suit <= 4; ++suit)
                QVERIFY(pack.contains(ResourceType::RcData, SuitSymbolName(set, suit, true)));
        }
        for (int set = 0; set <= 12; ++set)
            for (int i = 1; i <= BackCountOf(set); ++i)
                QVERIFY(b.contains(ResourceType::RcData, BackName(set, i, QStringLiteral("U"))));
        for (int picture = 1; picture <= 10; ++picture)
            for (int colour = 0; colour < 7; ++colour)
                if (picture != 2 || colour != 0)
                    QVERIFY(g.contains(ResourceType::Jpeg, BackgroundName(picture, colour, true)));
        QVERIFY(d.contains(ResourceType::Jpeg, QStringLiteral("BGLilu")));
        QVERIFY(d.contains(ResourceType::RcData, QStringLiteral("GTouch")));
        QVERIFY(d.contains(ResourceType::RcData, QStringLiteral("GFormOptRus")));
    }

    void narrowSetAtLargeSize()
    {
        CurrentSettings().CardSet = 30;
        CurrentSettings().WindowSize = 5;
        ApplyWindowSize(false);
        QVERIFY2(m_attention.isEmpty(), qPrintable(m_attention.join(QLatin1Char(';'))));
        QCOMPARE(CurrentScale().cardWidth, 126);
        QCOMPARE(CurrentScale().cardHeight, 198);
        QCOMPARE(CurrentScale().narrowShift, 5);
        QCOMPARE(CurrentCardImages().faces[36].size(), QSize(126, 198));
        QCOMPARE(CurrentCardImages().backs[1].size(), QSize(126, 198));
    }

    // The loader restores the oval the pack stores inverted.
    void ovalIsRestored()
    {
        CurrentSettings().CardSet = 2;
        CurrentSettings().WindowSize = 1;
        ApplyWindowSize(false);
        QVERIFY(m_attention.isEmpty());
        const QImage &ace = CurrentCardImages().faces[size_t(FaceSlot(14, 1))];
        // The middle of a face is mostly paper: light, not the inverted dark.
        const QRgb centre = ace.pixel(34, 20);
        QVERIFY2(qGray(centre) > 128, qPrintable(QString::number(qGray(centre))));
    }

    void tenBacksForFlowers()
    {
        CurrentSettings().BackSet = 9;
        CurrentSettings().WindowSize = 3;
        ApplyWindowSize(false);
        QVERIFY(m_attention.isEmpty());
        for (int i = 1; i <= 10; ++i)
            QVERIFY(!CurrentCardImages().backs[size_t(i)].isNull());
        ChooseBack();
        QVERIFY(CurrentCardImages().currentBack >= 1 && CurrentCardImages().currentBack <= 10);
    }

    void backPackMissingResetsBackAndFaces()
    {
        QTemporaryDir empty;
        CurrentPackSearch() = PackSearch{empty.path(), empty.path()};
        CurrentSettings().CardSet = 0;
        CurrentSettings().BackSet = 4;
        CurrentSettings().WindowSize = 1;
        ApplyWindowSize(false);
        QCOMPARE(CurrentSettings().BackSet, 0);
        QCOMPARE(m_attention, QStringList{QStringLiteral("Can`t find the file VyxCards06B.dll")});
        QVERIFY(!CurrentCardImages().backs[1].isNull());
        QVERIFY(!LoadBackground(true));
        QCOMPARE(m_attention.last(), QStringLiteral("Can`t find the file VyxCGraph1.dll"));
    }

    void decorBackground()
    {
        CurrentSettings().WindowSize = 1;
        ApplyWindowSize(true);
        QVERIFY(m_attention.isEmpty());
        QCOMPARE(CurrentCardImages().background.size(), QSize(760, 500));
    }
};

QTEST_MAIN(TestPacks)
#include "test_packs.moc"

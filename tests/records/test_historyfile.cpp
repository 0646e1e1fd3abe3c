// History files: entry lines and their sums, the check, and the writer's
// choice of file.

#include "records/codec/HistoryFile.h"
#include "records/codec/TextFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

using namespace halvane;
namespace fs = std::filesystem;

namespace {
HisStr Entry(const char *name, int result, double rating, int ac = 0)
{
    return HisStr{name, 1, result, rating, ac};
}

std::string Bytes(const fs::path &p) { return ReadFileBytes(p).value_or(std::string()); }

void Put(const fs::path &p, const std::string &bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}
} // namespace

class TestHistoryFile : public QObject
{
    Q_OBJECT
private slots:
    void entryLineExactBytes()
    {
        const std::string line = HistoryEntryLine(Entry("Anna", -35, -0.5), "09:05", "11.12.2026");
        QCOMPARE(line.size(), std::size_t(114));
        const std::string expected = std::string("09:0511.12.2026") + "Anna" + std::string(47, ' ') + "  1" +
                                     "       -35" + "     -0,50" + "L#########";
        QCOMPARE(line.substr(0, 99), expected);
        // The sums, counted by hand from the bytes.
        long s1 = 0, s2 = 0, s3 = 0;
        for (int i = 1; i <= 99; ++i) {
            const int b = static_cast<unsigned char>(expected[std::size_t(i - 1)]);
            s1 += b;
            s2 += i % 2 == 0 ? b : 0;
            s3 += i % 3 == 0 ? b : 0;
        }
        QCOMPARE(QString::fromStdString(line.substr(99)),
                 QStringLiteral("%1%2%3").arg(s1, 5, 10, QLatin1Char('0')).arg(s2, 5, 10, QLatin1Char('0'))
                     .arg(s3, 5, 10, QLatin1Char('0')));
    }

    void fields_data()
    {
        QTest::addColumn<double>("rating");
        QTest::addColumn<QString>("ratingField");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("dateField");
        QTest::newRow("0.004, short date") << 0.004 << "      0,00" << "1/2/26" << "    1/2/26";
        QTest::newRow("-0.5, long date") << -0.5 << "     -0,50" << "2026-12-11 Fri" << "2026-12-11";
        QTest::newRow("12.3") << 12.3 << "     12,30" << "11.12.2026" << "11.12.2026";
    }
    void fields()
    {
        QFETCH(double, rating);
        QFETCH(QString, ratingField);
        QFETCH(QString, date);
        QFETCH(QString, dateField);
        const std::string line = HistoryEntryLine(Entry("A very long name that will not fit into fifty-one characters", 7, rating, 3),
                                                  " 9:05", date.toStdString());
        QCOMPARE(QString::fromStdString(line.substr(79, 10)), ratingField);
        QCOMPARE(QString::fromStdString(line.substr(5, 10)), dateField);
        QCOMPARE(line.substr(15, 51), std::string("A very long name that will not fit into fifty-one c"));
        QCOMPARE(line[89], 'N');
        QCOMPARE(line.size(), std::size_t(114));
    }

    void markLine()
    {
        const std::string mark = HistoryMarkLine();
        QCOMPARE(mark.size(), std::size_t(114));
        QCOMPARE(mark.substr(0, 3), std::string("$\x9D}"));
        QCOMPARE(mark.substr(3, 96), std::string(96, '#'));
    }

    void writerFillsAndMovesOn()
    {
        QTemporaryDir dir;
        const fs::path folder = fs::path(dir.path().toStdString()) / "History";
        const HistoryWriter writer(folder, "Halvane");
        QVERIFY(writer.Write({Entry("Anna", 10, 0.5)}, "10:00", "11.12.2026")); // makes the folder
        HistoryCheck c = CheckHistoryFile(writer.FilePath(1));
        QVERIFY(c.valid);
        QCOMPARE(c.entries, 1);

        // Fill file 1 up to 839 entries in one go, then the 840th still goes there.
        std::vector<HisStr> many(838, Entry("Bob", -5, -0.25));
        QVERIFY(writer.Write(many, "10:01", "11.12.2026"));
        QCOMPARE(CheckHistoryFile(writer.FilePath(1)).entries, 839);
        QVERIFY(writer.Write({Entry("Cid", 1, 0.05)}, "10:02", "11.12.2026"));
        QCOMPARE(CheckHistoryFile(writer.FilePath(1)).entries, 840);
        QVERIFY(!fs::exists(writer.FilePath(2)));
        // The 841st starts file 2; file 1 is not touched again.
        const std::string full = Bytes(writer.FilePath(1));
        QVERIFY(writer.Write({Entry("Dan", 2, 0.1)}, "10:03", "11.12.2026"));
        QCOMPARE(Bytes(writer.FilePath(1)), full);
        c = CheckHistoryFile(writer.FilePath(2));
        QVERIFY(c.valid);
        QCOMPARE(c.entries, 1);
        QCOMPARE(c.entryLines[0].substr(15, 3), std::string("Dan"));
    }

    void anEditedByteInvalidatesTheFile_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("position");
        QTest::newRow("entry, name") << 0 << 20;
        QTest::newRow("entry, kind letter") << 1 << 89;
        QTest::newRow("mark line") << 2 << 50;
    }
    void anEditedByteInvalidatesTheFile()
    {
        QFETCH(int, line);
        QFETCH(int, position);
        QTemporaryDir dir;
        const HistoryWriter writer(fs::path(dir.path().toStdString()), "Halvane");
        QVERIFY(writer.Write({Entry("Anna", 10, 0.5), Entry("Bob", -10, -0.5)}, "10:00", "11.12.2026"));
        std::vector<std::string> lines = SplitLines(Bytes(writer.FilePath(1)));
        QCOMPARE(lines.size(), std::size_t(4));
        lines[std::size_t(line)][std::size_t(position)] ^= 1;
        QVERIFY(!CheckHistoryText(JoinLines(lines)).valid);
    }

    void malformedFiles_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("no totals line") << "nototals";
        QTest::newRow("short line") << "short";
        QTest::newRow("no mark") << "nomark";
        QTest::newRow("totals not a number") << "letters";
        QTest::newRow("empty") << "empty";
    }
    void malformedFiles()
    {
        QFETCH(QString, what);
        const std::string entry = HistoryEntryLine(Entry("Anna", 1, 0.05), "10:00", "11.12.2026");
        std::vector<std::string> lines{entry, HistoryMarkLine()};
        lines.push_back(HistoryTotalsLine(lines));
        QVERIFY(CheckHistoryText(JoinLines(lines)).valid);
        if (what == "nototals")
            lines.pop_back();
        else if (what == "short")
            lines[0].pop_back();
        else if (what == "nomark")
            lines.erase(lines.begin() + 1, lines.end());
        else if (what == "letters")
            lines[2][5] = 'x';
        else
            lines.clear();
        QVERIFY(!CheckHistoryText(JoinLines(lines)).valid);
    }

    void deletedMiddleFileIsWrittenAgain()
    {
        QTemporaryDir dir;
        const HistoryWriter writer(fs::path(dir.path().toStdString()), "Halvane");
        std::vector<HisStr> full(840, Entry("Ann", 1, 0.05));
        QVERIFY(writer.Write(full, "10:00", "1.1.26")); // file 1 full
        QVERIFY(writer.Write(full, "10:00", "1.1.26")); // file 2 full
        QVERIFY(writer.Write({Entry("Bob", 1, 0.05)}, "10:00", "1.1.26")); // file 3
        fs::remove(writer.FilePath(2));
        QVERIFY(writer.Write({Entry("Cid", 1, 0.05)}, "10:00", "1.1.26"));
        const HistoryCheck two = CheckHistoryFile(writer.FilePath(2));
        QVERIFY(two.valid);
        QCOMPARE(two.entries, 1);
        QCOMPARE(CheckHistoryFile(writer.FilePath(3)).entries, 1);
    }

    void damagedFileIsKeptAside()
    {
        QTemporaryDir dir;
        const HistoryWriter writer(fs::path(dir.path().toStdString()), "Halvane");
        Put(writer.FilePath(1), "somebody's edited file\r\n");
        QVERIFY(writer.Write({Entry("Ann", 3, 0.15)}, "10:00", "1.1.26"));
        QVERIFY(CheckHistoryFile(writer.FilePath(1)).valid);
        QCOMPARE(Bytes(fs::path(writer.FilePath(1).string() + ".bad")), std::string("somebody's edited file\r\n"));
    }

    void fileName()
    {
        QCOMPARE(HistoryFileName("Halvane", 7), std::string("Halvane_I0007.hst"));
        QCOMPARE(HistoryFileName("Halvane", 9999), std::string("Halvane_I9999.hst"));
    }
};

QTEST_APPLESS_MAIN(TestHistoryFile)
#include "test_historyfile.moc"

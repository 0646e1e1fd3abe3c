// The club file codec: shape, check sums, player line texts and the start-up check.

#include "records/codec/ClubCheck.h"
#include "records/codec/ClubFile.h"
#include "records/codec/PlayerLine.h"
#include "records/codec/TextFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace halvane;
namespace fs = std::filesystem;

namespace {
void WriteBytes(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A club file with one member, as a game would have left it.
ClubFile OneMember()
{
    ClubFile club = ClubFile::Fresh();
    PlayerLine p;
    p.name = PlayerNameField("Anna");
    p.rating = 1.5;
    p.games = 3;
    p.cycleScore = -12;
    p.passwordField = PasswordField("abc");
    club.setLine(1, p.Text());
    club.UpdateSums();
    return club;
}
} // namespace

class TestClubFile : public QObject
{
    Q_OBJECT
private slots:
    void freshFileIsValid()
    {
        const ClubFile club = ClubFile::Fresh();
        QVERIFY(club.HasValidShape());
        QVERIFY(club.HasMark());
        QVERIFY(club.SumsMatch());
        QVERIFY(!club.RussianFlag());
        QCOMPARE(club.Tag(), std::string(InstalledClubTag));
        const auto reread = ClubFile::FromBytes(club.Bytes());
        QVERIFY(reread);
        QCOMPARE(reread->Bytes(), club.Bytes());
    }

    void sumsOfExactBytes()
    {
        // Positions 1..6 hold 1..6: all 21, even 2+4+6, thirds 3+6.
        const std::string bytes{1, 2, 3, 4, 5, 6};
        const ClubSums s = ComputeClubSums(bytes);
        QCOMPARE(s.c1, 21);
        QCOMPARE(s.c2, 12);
        QCOMPARE(s.c3, 9);
        // Only the first 583 bytes count.
        std::string longer(600, char(1));
        QCOMPARE(ComputeClubSums(longer).c1, 583);
    }

    void oneChangedByteBreaksTheSums_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("position");
        QTest::newRow("player line 1, first") << 1 << 0;
        QTest::newRow("player line 3, password") << 3 << 50;
        QTest::newRow("top ten 6") << 6 << 10;
        QTest::newRow("top ten 15, last") << 15 << 25;
        QTest::newRow("mark line, last") << 16 << 27;
    }
    void oneChangedByteBreaksTheSums()
    {
        QFETCH(int, line);
        QFETCH(int, position);
        ClubFile club = OneMember();
        std::string text = club.line(line);
        text[std::size_t(position)] = char(text[std::size_t(position)] + 1);
        club.setLine(line, text);
        QVERIFY(club.HasValidShape());
        QVERIFY(!club.SumsMatch());
    }

    void ratingText_data()
    {
        QTest::addColumn<double>("rating");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.5") << 1.5 << "  1,500000";
        QTest::newRow("-0.5") << -0.5 << " -0,500000";
        QTest::newRow("12.345678") << 12.345678 << " 12,345678";
        QTest::newRow("zero") << 0.0 << "  0,000000";
        QTest::newRow("small") << 0.000001 << "  0,000001";
        QTest::newRow("half of the last digit, to even") << 0.0000025 << "  0,000002";
        QTest::newRow("clamped") << 200.0 << " 99,990000";
        QTest::newRow("clamped low") << -150.0 << "-99,990000";
    }
    void ratingText()
    {
        QFETCH(double, rating);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(RatingText(rating)), text);
        QCOMPARE(RatingText(rating).size(), std::size_t(10));
    }

    void readRating_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("rating");
        QTest::newRow("comma") << "  1,500000" << 1.5;
        QTest::newRow("negative") << " -0,500000" << -0.5;
        QTest::newRow("dot separator") << " 12.345678" << 12.345678;
        QTest::newRow("any separator") << "  3x250000" << 3.25;
        QTest::newRow("garbage keeps 0") << "  ,,,,,   " << 0.0;
        QTest::newRow("empty keeps 0") << "" << 0.0;
    }
    void readRating()
    {
        QFETCH(QString, text);
        QFETCH(double, rating);
        QCOMPARE(ReadRating(text.toStdString()), rating);
    }

    void twoDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.004") << 0.004 << "0,00";
        QTest::newRow("-0.004") << -0.004 << "0,00";
        QTest::newRow("-0.5") << -0.5 << "-0,50";
        QTest::newRow("0.05") << 0.05 << "0,05";
        QTest::newRow("8.22") << 8.22 << "8,22";
        QTest::newRow("12.3") << 12.3 << "12,30";
        QTest::newRow("half to even") << 0.125 << "0,12";
    }
    void twoDecimals()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(TwoDecimalText(value)), text);
    }

    void passwordField()
    {
        // "a" is 97, +234 = 331; a blank is 32 + 234 = 266.
        QCOMPARE(PasswordField("a"), std::string("331266266266266"));
        QCOMPARE(PasswordFromField("331266266266266").value(), std::string("a"));
        QVERIFY(PasswordMatches(PasswordField("abc"), "abc"));
        QVERIFY(!PasswordMatches(PasswordField("abc"), "abd"));
        // A Windows-1251 letter (0xFF) still fits three digits.
        QCOMPARE(PasswordField("\xFF").substr(0, 3), std::string("489"));
        QVERIFY(!PasswordFromField("99912345678901x"));
    }

    void playerLineRoundTrip()
    {
        const ClubFile club = OneMember();
        QCOMPARE(club.line(1), std::string("Anna                  1,500000      3    -12331332333266266"));
        const auto p = PlayerLine::Parse(club.line(1));
        QVERIFY(p);
        QCOMPARE(p->rating, 1.5);
        QCOMPARE(p->games, 3);
        QCOMPARE(p->cycleScore, -12);
        QVERIFY(!PlayerLine::Parse(EmptyPlayerLine));
    }

    void malformedNumbersReadAsZero()
    {
        std::string line = OneMember().line(1);
        line.replace(30, 7, "  1x2  ");
        line.replace(38, 6, "abcdef");
        const auto p = PlayerLine::Parse(line);
        QVERIFY(p);
        QCOMPARE(p->games, 0);
        QCOMPARE(p->cycleScore, 0);
    }

    void startUpCheck_data()
    {
        QTest::addColumn<QByteArray>("edit");
        QTest::addColumn<int>("status");
        using S = ClubCheckResult::Status;
        QTest::newRow("fresh") << QByteArray("none") << int(S::Ok);
        QTest::newRow("one byte changed") << QByteArray("byte") << int(S::Incorrect);
        QTest::newRow("16 lines") << QByteArray("short") << int(S::Incorrect);
        QTest::newRow("18 lines") << QByteArray("long") << int(S::Incorrect);
        QTest::newRow("player line of 58") << QByteArray("narrow") << int(S::Incorrect);
        QTest::newRow("no byte 157, sums fixed") << QByteArray("mark") << int(S::Incorrect);
        QTest::newRow("no brace, sums fixed") << QByteArray("brace") << int(S::Incorrect);
        QTest::newRow("sum field not a number") << QByteArray("sumtext") << int(S::Incorrect);
        QTest::newRow("empty file") << QByteArray("empty") << int(S::Incorrect);
        QTest::newRow("missing") << QByteArray("missing") << int(S::Missing);
        QTest::newRow("a folder") << QByteArray("folder") << int(S::Incorrect);
    }
    void startUpCheck()
    {
        QFETCH(QByteArray, edit);
        QFETCH(int, status);
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "Halvane.clb";
        ClubFile club = OneMember();
        std::string bytes = club.Bytes();
        if (edit == "byte") {
            bytes[100] = char(bytes[100] ^ 1);
        } else if (edit == "short" || edit == "long") {
            auto lines = SplitLines(bytes);
            if (edit == "short")
                lines.pop_back();
            else
                lines.push_back("extra");
            bytes = JoinLines(lines);
        } else if (edit == "narrow") {
            club.setLine(2, club.line(2).substr(0, 58));
            club.UpdateSums();
            bytes = club.Bytes();
        } else if (edit == "mark" || edit == "brace") {
            std::string mark = club.line(16);
            mark[edit == "mark" ? 0 : 1] = '#';
            club.setLine(16, mark);
            club.UpdateSums();
            bytes = club.Bytes();
        } else if (edit == "sumtext") {
            std::string sums = club.line(17);
            sums[12] = 'x';
            club.setLine(17, sums);
            bytes = club.Bytes();
        } else if (edit == "empty") {
            bytes.clear();
        }
        if (edit == "folder")
            fs::create_directory(path);
        else if (edit != "missing")
            WriteBytes(path, bytes);
        const ClubCheckResult result = CheckClubFile(path, true);
        QCOMPARE(int(result.status), status);
        if (result.status == ClubCheckResult::Status::Ok)
            QVERIFY(!result.badAttributes);
    }

    void russianFlagOnlyForTheLocalFile()
    {
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "Halvane.clb";
        ClubFile club = ClubFile::Fresh();
        std::string sums = club.line(17);
        sums[0] = '1';
        club.setLine(17, sums);
        WriteBytes(path, club.Bytes());
        QVERIFY(CheckClubFile(path, true).russian);
        QVERIFY(!CheckClubFile(path, false).russian);
        QCOMPARE(CheckClubFile(path, true).tag, std::string("HLV"));
    }

    void attributesForbidWriting()
    {
        QTemporaryDir dir;
        const fs::path folder(dir.path().toStdString());
        const fs::path path = folder / "Halvane.net";
        WriteBytes(path, ClubFile::Fresh().Bytes());
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        ClubCheckResult r = CheckClubFile(path, false);
        QCOMPARE(int(r.status), int(ClubCheckResult::Status::Ok));
        QVERIFY(r.badAttributes);

        const fs::path real = folder / "real.clb";
        const fs::path link = folder / "Halvane.clb";
        WriteBytes(real, ClubFile::Fresh().Bytes());
        fs::create_symlink(real, link);
        r = CheckClubFile(link, true);
        QCOMPARE(int(r.status), int(ClubCheckResult::Status::Ok));
        QVERIFY(r.badAttributes);
    }

    void atomicWriteKeepsTheOldFileOnFailure()
    {
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "Halvane.clb";
        WriteBytes(path, "old");
        QVERIFY(WriteFileAtomically(path, "new"));
        QCOMPARE(ReadFileBytes(path).value(), std::string("new"));
        // The folder refuses new files: the write fails and the old file stays whole.
        fs::permissions(fs::path(dir.path().toStdString()), fs::perms::owner_read | fs::perms::owner_exec);
        const bool wrote = WriteFileAtomically(path, "newer");
        fs::permissions(fs::path(dir.path().toStdString()), fs::perms::owner_all);
        if (geteuid() == 0)
            QSKIP("root writes into any folder");
        QVERIFY(!wrote);
        QCOMPARE(ReadFileBytes(path).value(), std::string("new"));
    }

    void atomicWriteFailsWhenTheTargetIsAFolder()
    {
        // A folder in the file's place: the rename fails, nothing is left behind.
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "Halvane.clb";
        fs::create_directory(path);
        fs::create_directory(path / "inside");
        QVERIFY(!WriteFileAtomically(path, "bytes"));
        QVERIFY(fs::is_directory(path));
        QVERIFY(!fs::exists(fs::path(path.string() + ".tmp~")));
    }
};

QTEST_APPLESS_MAIN(TestClubFile)
#include "test_clubfile.moc"

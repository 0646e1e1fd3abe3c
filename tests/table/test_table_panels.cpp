#include "table/ContractPanel.h"
#include "table/DigitalClock.h"
#include "table/DrawnTableArt.h"
#include "table/InfoCounter.h"
#include "table/MessageBoard.h"
#include "table/NamePlate.h"
#include "table/ScaleState.h"
#include "table/ScoreTablet.h"
#include "table/TableColour.h"
#include "table/TextDrawing.h"
#include "table/TurnTimer.h"

#include <QFontMetrics>
#include <QTest>

using namespace halvane;

namespace {
QImage Under(int w, int h)
{
    QImage under(w, h, QImage::Format_ARGB32_Premultiplied);
    under.fill(QColor(0, 100, 0));
    return under;
}

bool SameArea(const QImage &a, const QImage &b, const QRect &r)
{
    return a.copy(r) == b.copy(r);
}
} // namespace

class TestTablePanels : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { CurrentScale() = ScaleState{}; }

    void boardShortening_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("expected");
        // Every character is 10 wide in these rows.
        QTest::newRow("fits") << "#Hello" << 85 << "Hello";
        QTest::newRow("cut to fit") << "#abcdefghijk" << 85 << "abcdefgh...";
        QTest::newRow("cut by twelve at most") << "#abcdefghijklmnopqrstuvwxyz" << 85 << "abcdefghijklmn...";
        QTest::newRow("exactly the limit") << "#abcdefgh" << 80 << "abcdefgh";
        QTest::newRow("empty") << "" << 85 << "";
        QTest::newRow("one character") << "x" << 85 << "";
    }

    void boardShortening()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, expected);
        const auto width = [](const QString &t) { return int(t.size()) * 10; };
        QCOMPARE(MessageBoard::ShortenLine(text, limit, width), expected);
    }

    void boardKeepsFourLines()
    {
        DrawnTableArt art;
        MessageBoard board;
        QImage image;
        const QImage under = Under(130, 90);
        for (int k = 1; k <= 5; ++k)
            board.DrawMessageBoard(image, under, art, k, QStringLiteral(">line%1").arg(k));
        QCOMPARE(int(board.lines().size()), 4);
        QCOMPARE(board.lines().front().text, QStringLiteral("line2"));
        QCOMPARE(board.lines().back().kind, 5);
        QCOMPARE(MessageBoard::KindColour(5), QColor(128, 0, 0));
        QCOMPARE(MessageBoard::KindColour(3), QColor(0, 128, 0));
        QCOMPARE(image.size(), QSize(130, 90));
    }

    void tabletFields()
    {
        DrawnTableArt art;
        ScoreTablet tablet(1);
        const QImage under = Under(155, 95);
        QImage image;
        tablet.Draw(image, under, art, true, true, 10, 5, -20);
        QCOMPARE(tablet.top(), std::optional<int>(-20));
        QCOMPARE(tablet.middle(), std::optional<int>(5));
        QCOMPARE(tablet.right(), std::optional<int>(10));
        QVERIFY(tablet.isTurn());
        const QImage first = image;

        // Keep leaves the middle number untouched while the other two are rewritten.
        tablet.Draw(image, under, art, true, false, 30, ScoreTablet::Keep, 40);
        QCOMPARE(tablet.middle(), std::optional<int>(5));
        QCOMPARE(tablet.top(), std::optional<int>(40));
        QCOMPARE(tablet.right(), std::optional<int>(30));
        QVERIFY(SameArea(image, first, ScoreTablet::FieldRect(ScoreTablet::Field::Middle)));
        QVERIFY(!SameArea(image, first, ScoreTablet::FieldRect(ScoreTablet::Field::Top)));
        QVERIFY(!SameArea(image, first, ScoreTablet::FieldRect(ScoreTablet::Field::Right)));

        // Erase empties a field back to the tablet picture.
        QImage blank;
        ScoreTablet empty(1);
        empty.Draw(blank, under, art, false, true, ScoreTablet::Erase, ScoreTablet::Erase, ScoreTablet::Erase);
        tablet.Draw(image, under, art, true, false, ScoreTablet::Erase, ScoreTablet::Keep, ScoreTablet::Keep);
        QVERIFY(!tablet.right());
        QCOMPARE(tablet.top(), std::optional<int>(40));
        QVERIFY(SameArea(image, blank, ScoreTablet::FieldRect(ScoreTablet::Field::Right)));

        // The turn mark goes when the seat is no longer to play.
        QVERIFY(!SameArea(image, blank, ScoreTablet::FieldRect(ScoreTablet::Field::Mark)));
        tablet.Draw(image, under, art, false, false, ScoreTablet::Keep, ScoreTablet::Keep, ScoreTablet::Keep);
        QVERIFY(SameArea(image, blank, ScoreTablet::FieldRect(ScoreTablet::Field::Mark)));

        // A full redraw with Keep writes the kept numbers again.
        tablet.Draw(image, under, art, false, true, ScoreTablet::Keep, ScoreTablet::Keep, ScoreTablet::Keep);
        QVERIFY(!SameArea(image, blank, ScoreTablet::FieldRect(ScoreTablet::Field::Top)));
        QCOMPARE(tablet.middle(), std::optional<int>(5));
    }

    void tabletFieldRectsScale()
    {
        CurrentScale().scaleFactor = 2.0;
        QCOMPARE(ScoreTablet::FieldRect(ScoreTablet::Field::Top), QRect(30, 30, 250, 62));
        QCOMPARE(ScoreTablet::FieldRect(ScoreTablet::Field::Right), QRect(210, 100, 70, 62));
    }

    void tabletTopText_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("signedDisplay");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain positive") << 25 << false << "25";
        QTest::newRow("signed positive") << 25 << true << "+25";
        QTest::newRow("signed zero") << 0 << true << "0";
        QTest::newRow("signed negative") << -40 << true << "-40";
    }

    void tabletTopText()
    {
        QFETCH(int, value);
        QFETCH(bool, signedDisplay);
        QFETCH(QString, expected);
        QCOMPARE(ScoreTablet::TopText(value, signedDisplay), expected);
    }

    void contractLines_data()
    {
        QTest::addColumn<int>("contract");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("noHearts");
        QTest::newRow("1") << 1 << QStringList{"To not", "take", "tricks"} << false;
        QTest::newRow("4") << 4 << QStringList{"To not", "take", "hearts"} << true;
        QTest::newRow("6") << 6 << QStringList{"To not", "take", "two", "last"} << false;
        QTest::newRow("7") << 7 << QStringList{"To not", "take", "all"} << true;
        QTest::newRow("8") << 8 << QStringList{"", "To Take", "tricks"} << false;
        QTest::newRow("12") << 12 << QStringList{"", "To Take", "King"} << true;
        QTest::newRow("13") << 13 << QStringList{"", "To Take", "two", "last"} << false;
        QTest::newRow("not ordered") << 0 << QStringList{} << false;
        QTest::newRow("out of range") << 15 << QStringList{} << false;
    }

    void contractLines()
    {
        QFETCH(int, contract);
        QFETCH(QStringList, lines);
        QFETCH(bool, noHearts);
        QCOMPARE(ContractPanel::ContractLines(contract), lines);
        QCOMPARE(ContractPanel::ForbidsHeartLead(contract), noHearts);
    }

    void thinkingFrameIsPaintedBack()
    {
        DrawnTableArt art;
        const QImage under = Under(110, 160);
        QImage panel;
        ContractPanel::Draw(panel, under, art, 3, 2);
        const QImage clean = panel;
        ContractPanel::ThinkingFrame(panel, 50);
        const QRect bar(20, 125, 70, 15);
        QVERIFY(!SameArea(panel, clean, bar));
        // Half the bar is pink, the rest light yellow.
        QCOMPARE(panel.pixelColor(22, 138), QColor(255, 200, 200));
        QCOMPARE(panel.pixelColor(85, 138), QColor(255, 255, 200));
        ContractPanel::ClearThinkingFrame(panel, under, art);
        QVERIFY(SameArea(panel, clean, QRect(20, 125, 70, 25)));
    }

    void namePlate()
    {
        DrawnTableArt art;
        const QImage under = Under(160, 20);
        QImage plate;
        NamePlate::Draw(plate, under, art, QString(), 'y');
        QCOMPARE(plate, under);
        NamePlate::Draw(plate, under, art, QStringLiteral("PC"), 'x');
        QCOMPARE(plate, under);
        NamePlate::Draw(plate, under, art, QStringLiteral("PC  "), 'y');
        QVERIFY(plate != under);
        QCOMPARE(NamePlate::BubbleName('o'), QStringLiteral("SPFiolet"));
        // A short name gets the largest font; a very long one the smallest and still draws.
        QCOMPARE(NamePlate::FontHeightFor(QStringLiteral("PC")), 18);
        const QString longName(40, QLatin1Char('W'));
        QCOMPARE(NamePlate::FontHeightFor(longName), 14);
        NamePlate::Draw(plate, under, art, longName, 'b');
        QVERIFY(plate != under);
    }

    void turnTimer_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QColor>("digits");
        QTest::newRow("8") << 8 << "GTimerY" << QColor(255, 0, 0);
        QTest::newRow("7") << 7 << "GTimerR" << QColor(255, 255, 0);
        QTest::newRow("0") << 0 << "GTimerR" << QColor(255, 255, 0);
    }

    void turnTimer()
    {
        QFETCH(int, seconds);
        QFETCH(QString, picture);
        QFETCH(QColor, digits);
        QCOMPARE(TurnTimer::PictureName(seconds), picture);
        QCOMPARE(TurnTimer::DigitColour(seconds), digits);
        DrawnTableArt art;
        const QImage under = Under(20, 20);
        QImage square;
        TurnTimer::DrawTurnTimer(square, under, art, -1);
        QCOMPARE(square, under);
        TurnTimer::DrawTurnTimer(square, under, art, seconds);
        QVERIFY(square != under);
    }

    void clock_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<bool>("colon");
        QTest::newRow("23:59:59.600") << QTime(23, 59, 59, 600) << QList<int>{2, 3, 5, 9} << QList<int>{14, 34, 61, 81}
                                      << true;
        QTest::newRow("23:59:59.200") << QTime(23, 59, 59, 200) << QList<int>{2, 3, 5, 9} << QList<int>{14, 34, 61, 81}
                                      << false;
        QTest::newRow("07:05 no hour tens") << QTime(7, 5, 0, 501) << QList<int>{7, 0, 5} << QList<int>{34, 61, 81}
                                            << true;
        QTest::newRow("exactly 500 ms") << QTime(0, 0, 0, 500) << QList<int>{0, 0, 0} << QList<int>{34, 61, 81}
                                        << false;
    }

    void clock()
    {
        QFETCH(QTime, time);
        QFETCH(QList<int>, digits);
        QFETCH(QList<int>, xs);
        QFETCH(bool, colon);
        QList<int> gotDigits;
        QList<int> gotXs;
        for (const DigitalClock::Digit &d : DigitalClock::Digits(time)) {
            gotDigits << d.value;
            gotXs << d.x;
        }
        QCOMPARE(gotDigits, digits);
        QCOMPARE(gotXs, xs);
        QCOMPARE(DigitalClock::ColonShown(time), colon);
        DrawnTableArt art;
        QImage on;
        QImage off;
        DigitalClock::DrawClock(on, art, QTime(12, 0, 0, 900));
        DigitalClock::DrawClock(off, art, QTime(12, 0, 0, 100));
        QCOMPARE(on.size(), QSize(115, 64));
        QVERIFY(!SameArea(on, off, QRect(55, 24, 6, 16)));
        QVERIFY(SameArea(on, off, QRect(0, 0, 50, 64)));
    }

    void counterShortening_data()
    {
        QTest::addColumn<qlonglong>("count");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("999") << 999LL << "999" << "";
        QTest::newRow("1000") << 1000LL << "1" << "K";
        QTest::newRow("1 234 567") << 1234567LL << "1" << "M";
        QTest::newRow("999 999") << 999999LL << "999" << "K";
        QTest::newRow("2 500 000 000") << 2500000000LL << "2" << "G";
    }

    void counterShortening()
    {
        QFETCH(qlonglong, count);
        QFETCH(QString, digits);
        QFETCH(QString, suffix);
        const auto [d, s] = InfoCounter::ShortenCount(count);
        QCOMPARE(d, digits);
        QCOMPARE(s, suffix);
    }

    void counterWithoutConnection_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("hint");
        QTest::newRow("1") << 1 << 1 << "Dynamic IQ for Windows (percent): NO CONNECT";
        QTest::newRow("2") << 2 << 2 << "Games played with PC: NO CONNECT";
        QTest::newRow("3") << 3 << 3 << "Best Windows Player: NO CONNECT";
        QTest::newRow("5") << 5 << 5 << "The best player of games from under the account: NO CONNECT";
        QTest::newRow("6 not logged in") << 6 << 7 << "Club members:  NO CONNECT";
        QTest::newRow("7") << 7 << 7 << "Club members:  NO CONNECT";
    }

    void counterWithoutConnection()
    {
        QFETCH(int, mode);
        QFETCH(int, shown);
        QFETCH(QString, hint);
        const InfoCounter::Display d = InfoCounter::Compose(mode, InfoFigures{});
        QCOMPARE(d.mode, shown);
        QCOMPARE(d.digits, QStringLiteral("00"));
        QCOMPARE(d.hint, hint);
        DrawnTableArt art;
        QImage image;
        InfoCounter::DrawInfoCounter(image, art, d);
        QCOMPARE(image.size(), QSize(115, 64));
    }

    void counterFigures()
    {
        InfoFigures f;
        f.connected = true;
        f.wins = 3;
        f.losses = 1;
        f.gamesPlayed = 1234567;
        f.bestAndroid = std::make_pair(QStringLiteral("Ann"), 512LL);
        f.loggedIn = true;
        f.balance = -15;
        QCOMPARE(InfoCounter::Compose(1, f).digits, QStringLiteral("75"));
        const InfoCounter::Display games = InfoCounter::Compose(2, f);
        QCOMPARE(games.digits, QStringLiteral("1"));
        QCOMPARE(games.suffix, QStringLiteral("M"));
        QCOMPARE(InfoCounter::Compose(3, f).hint, QStringLiteral("Best Windows Player: No"));
        QCOMPARE(InfoCounter::Compose(4, f).hint, QStringLiteral("Best Android Player: Ann"));
        QCOMPARE(InfoCounter::Compose(6, f).digits, QStringLiteral("-15"));
        QCOMPARE(InfoCounter::ModeForMinute(13), 7);
        QCOMPARE(InfoCounter::ModeForMinute(14), 1);
        QCOMPARE(InfoCounter::DigitPositions(4), (std::vector<int>{27, 42, 57, 72}));
        QCOMPARE(InfoCounter::DigitWidth(6), 9);
    }

    void shadowAndCentre()
    {
        QCOMPARE(ShadowOf(QColor(255, 100, 3)), QColor(128, 50, 2)); // 127.5 -> 128, 1.5 -> 2
        QImage image(200, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(20);
        p.setFont(f);
        p.setPen(Qt::black);
        CentreText(QStringLiteral("III"), 0, 200, p, 5);
        p.end();
        // The ink lies around the middle.
        int left = 200, right = -1;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 40; ++y)
                if (image.pixelColor(x, y).lightness() < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY(right > left);
        QVERIFY(qAbs((left + right) / 2 - 100) <= 3);
    }

    void tableColour()
    {
        QCOMPARE(TableColour(0, 2, false), QColor(0, 128, 0));
        QCOMPARE(TableColour(2, 3, false), QColor(128, 64, 0));
        QCOMPARE(TableColour(5, 0, false), QColor(0, 128, 0));
        QCOMPARE(TableColour(5, 3, true), QColor(120, 0, 200));
    }
};

QTEST_MAIN(TestTablePanels)
#include "test_table_panels.moc"

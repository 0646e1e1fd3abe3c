#include "table/ScaleState.h"
#include "table/TableGeometry.h"

#include "FixedScale.h"

#include <QTest>

using namespace halvane;

namespace {
// The full-screen scale of a 1920 x 1040 client area.
ScaleState FullScreen()
{
    ScaleState s;
    s.windowSize = 2;
    s.clientWidth = 1920;
    s.clientHeight = 1040;
    s.scaleX = 1920.0 / 760.0;
    s.scaleY = 1040.0 / 500.0;
    s.scaleFactor = std::min(s.scaleX, s.scaleY);
    s.cardWidth = ScaledBy(s.scaleFactor, 71);
    s.cardHeight = ScaledBy(s.scaleFactor, 96);
    return s;
}

} // namespace

class TestTableGeometry : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { CurrentScale() = ScaleState{}; }

    void handSpread_data()
    {
        QTest::addColumn<int>("cardWidth");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("expected");
        // 460 / 10 < 74: overlap with step trunc((460 - 74) / 9) = 42 from the left edge.
        QTest::newRow("ten cards overlap") << 71 << 460 << 10 << QList<int>{0, 42, 84, 126, 168, 210, 252, 294, 336, 378};
        // Three cards fit: centred on 230 with 74-pixel slots, 230 - 111 = 119.
        QTest::newRow("three cards centred") << 71 << 460 << 3 << QList<int>{119, 193, 267};
        QTest::newRow("opponent ten cards") << 71 << 290 << 10 << QList<int>{0, 24, 48, 72, 96, 120, 144, 168, 192, 216};
        QTest::newRow("one card centred") << 71 << 460 << 1 << QList<int>{193};
        QTest::newRow("no cards") << 71 << 460 << 0 << QList<int>{};
        // Six cards fit exactly at 74 per card: centred, 444 wide.
        QTest::newRow("six cards fit") << 71 << 460 << 6 << QList<int>{8, 82, 156, 230, 304, 378};
        // trunc((920 - 149) / 9) = 85.
        QTest::newRow("big cards overlap") << 146 << 920 << 10 << QList<int>{0, 85, 170, 255, 340, 425, 510, 595, 680, 765};
    }

    void handSpread()
    {
        QFETCH(int, cardWidth);
        QFETCH(int, width);
        QFETCH(int, count);
        QFETCH(QList<int>, expected);
        CurrentScale().cardWidth = cardWidth;
        const std::vector<int> xs = HandSpread(0, width, count);
        QCOMPARE(QList<int>(xs.begin(), xs.end()), expected);
        // The last card never ends past the right edge.
        if (!xs.empty())
            QVERIFY(xs.back() + cardWidth <= width);
    }

    void handSlotAtFollowsStrips()
    {
        const std::vector<int> xs = HandSpreadFor(71, 0, 460, 10);
        QCOMPARE(HandSlotAt(xs, 71, 0), 1);
        QCOMPARE(HandSlotAt(xs, 71, 41), 1);   // the first card's strip ends where the second begins
        QCOMPARE(HandSlotAt(xs, 71, 42), 2);
        QCOMPARE(HandSlotAt(xs, 71, 378 + 70), 10); // the last card owns its full width
        QCOMPARE(HandSlotAt(xs, 71, 378 + 71), 0);
        QCOMPARE(HandSlotAt(xs, 71, -1), 0);
        const std::vector<int> three = HandSpreadFor(71, 0, 460, 3);
        QCOMPARE(HandSlotAt(three, 71, 118), 0);   // left of the centred hand
        QCOMPARE(HandSlotAt(three, 71, 192), 1);   // the gap belongs to the card before it
        QCOMPARE(HandSlotAt(three, 71, 267 + 71), 0);
    }

    void fullScreenKeepsProportionsCentred()
    {
        CurrentScale() = FullScreen();
        const ScaleState &s = CurrentScale();
        QVERIFY(qAbs(s.scaleX - 2.526) < 0.001);
        QCOMPARE(s.scaleFactor, 2.08);
        const TableLayout t = ComputeTableLayout();
        QCOMPARE(t.trick.width(), 462);
        QCOMPARE(t.trick.height(), 416);
        // Centred on where a stretched trick area would stand: x 269..491 stretched.
        const double stretchedCentre = (269 + 491) / 2.0 * s.scaleX;
        QVERIFY(qAbs(t.trick.left() + t.trick.width() / 2.0 - stretchedCentre) <= 1.0);
        QCOMPARE(t.trick.left(), RoundHalfEven(269 * s.scaleX) + RoundHalfEven((s.scaleX - 2.08) * 111));
        QCOMPARE(t.trick.top(), RoundHalfEven(160 * 2.08));
        // The hands are as tall as a card.
        QCOMPARE(t.hands[3].height(), s.cardHeight);
        QCOMPARE(t.hands[3].width(), Scaled(460));
        // The fourth slot stays empty.
        QVERIFY(t.hands[4].isEmpty());
    }

    void fixedSizes_data()
    {
        QTest::addColumn<int>("windowSize");
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("cardWidth");
        QTest::addColumn<int>("cardHeight");
        QTest::newRow("small") << 1 << 1.0 << 760 << 500 << 71 << 96;
        QTest::newRow("medium 1") << 3 << 1.3 << 990 << 650 << 92 << 125;
        QTest::newRow("medium 2") << 4 << 1.7 << 1290 << 850 << 121 << 163;
        QTest::newRow("large") << 5 << 2.0 << 1520 << 1000 << 146 << 192;
    }

    void fixedSizes()
    {
        QFETCH(int, windowSize);
        QFETCH(double, factor);
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, cardWidth);
        QFETCH(int, cardHeight);
        CurrentScale() = Fixed(windowSize, factor, w, h, cardWidth, cardHeight);
        const TableLayout t = ComputeTableLayout();
        const QRect client(0, 0, w, h);
        // In a fixed size every element is the design rectangle times the factor.
        QCOMPARE(t.trick, QRect(ScaledBy(factor, 269), ScaledBy(factor, 160), ScaledBy(factor, 222),
                                ScaledBy(factor, 200)));
        QCOMPARE(t.contract.topLeft(), QPoint(ScaledBy(factor, 325), ScaledBy(factor, 5)));
        QCOMPARE(t.tablets[2].size(), QSize(ScaledBy(factor, 155), ScaledBy(factor, 95)));
        QCOMPARE(t.plates[3].topLeft(), QPoint(ScaledBy(factor, 300), ScaledBy(factor, 370)));
        for (int seat = 1; seat <= 3; ++seat) {
            QVERIFY2(client.contains(t.hands[seat]), qPrintable(QString::number(seat)));
            QVERIFY(client.contains(t.tablets[seat]));
            QVERIFY(client.contains(t.plates[seat]));
            // A hand's widest trick-slot card stays inside the trick area.
        }
        QVERIFY(client.contains(t.trick));
        QVERIFY(!t.button7.intersects(t.button8));
        QCOMPARE(t.button8.top(), t.button7.top() + t.button7.height());
        // The send button's right edge is the board's.
        QCOMPARE(t.sendButton.left() + t.sendButton.width(), t.board.left() + t.board.width());
    }

    void trickSlots_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("narrowShift");
        QTest::addColumn<int>("seat");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("left small") << 1.0 << 0 << 1 << QPoint(0, 20);
        QTest::newRow("right small") << 1.0 << 0 << 2 << QPoint(148, 20);
        QTest::newRow("bottom small") << 1.0 << 0 << 3 << QPoint(74, 100);
        QTest::newRow("right large narrow") << 2.0 << 5 << 2 << QPoint(306, 40);
        QTest::newRow("bottom medium narrow") << 1.3 << 5 << 3 << QPoint(103, 130); // 102.7 -> 103
        QTest::newRow("no seat") << 1.0 << 0 << 4 << QPoint(0, 0);
    }

    void trickSlots()
    {
        QFETCH(double, factor);
        QFETCH(int, narrowShift);
        QFETCH(int, seat);
        QFETCH(QPoint, expected);
        CurrentScale().scaleFactor = factor;
        CurrentScale().narrowShift = narrowShift;
        QCOMPARE(TrickSlot(seat), expected);
    }

    void trickCardsStayInsideTheArea()
    {
        for (const ScaleState &s : {Fixed(1, 1.0, 760, 500, 71, 96), Fixed(5, 2.0, 1520, 1000, 146, 192), FullScreen()}) {
            CurrentScale() = s;
            const QRect area = ComputeTableLayout().trick;
            for (int seat = 1; seat <= 3; ++seat) {
                const QRect card(area.topLeft() + TrickSlot(seat), QSize(s.cardWidth, s.cardHeight));
                QVERIFY(area.contains(card));
            }
        }
    }

    void menuCentring()
    {
        QCOMPARE(CentredWindowPos(QSize(1920, 1080), QSize(760, 500)), QPoint(580, 290));
        QCOMPARE(CentredWindowPos(QSize(1366, 768), QSize(990, 650)), QPoint(188, 59));
        QCOMPARE(CentredWindowPos(QSize(1280, 1024), QSize(1521, 1000)), QPoint(-120, 12)); // -120.5 -> -120
    }
};

QTEST_APPLESS_MAIN(TestTableGeometry)
#include "test_table_geometry.moc"

// A table in progress drawn on the real main window at the fixed window
// sizes; the pictures are written to the build's screenshots folder.

#include "app/TForm1.h"
#include "core/Deal.h"
#include "table/DrawnTableArt.h"
#include "table/GameTable.h"
#include "table/MenuSurroundings.h"
#include "table/PackTableArt.h"
#include "table/WindowSize.h"
#include "table/ImageControl.h"
#include "table/ScaleState.h"
#include "table/TVyxCardsButton.h"

#include "records/codec/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "FixedScale.h"

using namespace halvane;

namespace {

// Deal 3 of a game, the fourth trick: seats 1 and 2 have played, seat 3 is to play.
TableView MidDeal()
{
    const DealResult deal = ShuffleAndDeal(20261211);
    TableView view;
    view.hands = deal.hands;
    std::array<Card, 4> trick{};
    for (int seat = 1; seat <= 3; ++seat) {
        Hand &h = view.hands[size_t(seat - 1)];
        // Three tricks are gone.
        for (int k = 0; k < 3; ++k)
            h.removeSlot(1 + k);
        SortHand(h);
    }
    for (int seat = 1; seat <= 2; ++seat) {
        Hand &h = view.hands[size_t(seat - 1)];
        trick[size_t(seat)] = h.card(1);
        h.removeSlot(1);
        SortHand(h);
    }
    view.trick = trick;
    view.round = 3;
    view.contract = 4;
    view.names = {QString(), QStringLiteral("PC"), QStringLiteral("PC"), QStringLiteral("Anna")};
    view.turn = 3;
    view.top = {0, -15, 40, -25};
    view.right = {0, 0, -10, -5};
    return view;
}

bool IsCardWhite(const QColor &c)
{
    return c.red() > 240 && c.green() > 240 && c.blue() > 230;
}
} // namespace

class TestTableScreens : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { CurrentScale() = ScaleState{}; }

    void tableInProgress_data()
    {
        QTest::addColumn<int>("windowSize");
        QTest::newRow("size 1") << 1;
        QTest::newRow("size 3") << 3;
        QTest::newRow("size 5") << 5;
    }

    void tableInProgress()
    {
        QFETCH(int, windowSize);
        CurrentSettings().WindowSize = windowSize;
        ApplyWindowSize(false);
        const ScaleState scale = CurrentScale();
        const int w = scale.clientWidth;
        const int h = scale.clientHeight;
        const int cardWidth = scale.cardWidth;
        const int cardHeight = scale.cardHeight;
        QTemporaryDir folder;
        TForm1 form(folder.path());
        form.setFixedSize(w, h);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.LeaveSplash();
        for (int k = 1; k <= 11; ++k)
            form.button(k)->hide();
        form.BMode->hide();
        form.BHistory->hide();
        for (int k = 1; k <= 4; ++k)
            form.panel(k)->hide();

        PackTableArt art;
        GameTable table(form.tableControls(), art);
        table.LayOutTable();
        const TableView view = MidDeal();
        table.Render(view);
        form.button(7)->setText(QStringLiteral("Ok"));
        form.button(8)->setText(QStringLiteral("Exit to menu"));
        form.button(7)->show();
        form.button(8)->show();
        form.button(8)->setEnabled(false);

        const QImage shot = form.grab().toImage();
        QDir().mkpath(QStringLiteral(HALVANE_SHOT_DIR));
        QVERIFY(shot.save(QStringLiteral(HALVANE_SHOT_DIR "/table_size%1.png").arg(windowSize)));
        QCOMPARE(shot.size(), QSize(w, h));

        // Every face-up card of the own hand shows its white face at its spread position.
        const TableLayout &t = table.layout();
        const std::vector<int> xs = table.HandPositions(3, view.hands[2].cardsLeft);
        QCOMPARE(int(xs.size()), 7);
        for (int x : xs)
            QVERIFY(IsCardWhite(shot.pixelColor(t.hands[3].left() + x + cardWidth / 2, t.hands[3].top() + cardHeight - 4)));
        // The opponents' hands show backs: the last card's middle is patterned, not a white face.
        const std::vector<int> left = table.HandPositions(1, view.hands[0].cardsLeft);
        int patterned = 0;
        for (int dx = -5; dx <= 5; ++dx)
            for (int dy = -5; dy <= 5; ++dy) {
                const QColor c = shot.pixelColor(t.hands[1].left() + left.back() + cardWidth / 2 + dx,
                                                 t.hands[1].top() + cardHeight / 2 + dy);
                patterned += IsCardWhite(c) ? 0 : 1;
            }
        QVERIFY(patterned > 60);
        // Two cards lie on the table, the bottom slot is empty.
        for (int seat = 1; seat <= 2; ++seat) {
            const QPoint at = t.trick.topLeft() + TrickSlot(seat) + QPoint(cardWidth / 2, cardHeight - 4);
            QVERIFY2(IsCardWhite(shot.pixelColor(at)), qPrintable(QString::number(seat)));
        }
        QVERIFY(!IsCardWhite(shot.pixelColor(t.trick.topLeft() + TrickSlot(3) + QPoint(cardWidth / 2, cardHeight / 2))));
        // Nothing overlaps: hands, tablets, plates, trick area and contract panel are apart
        // (only the contract panel's foot reaches 5 units into the trick area, by design).
        QVERIFY(t.trick.intersected(t.contract).height() <= Scaled(5) + 1);
        std::vector<QRect> rects{t.trick};
        for (int seat = 1; seat <= 3; ++seat) {
            rects.push_back(t.hands[size_t(seat)]);
            rects.push_back(t.tablets[size_t(seat)]);
            rects.push_back(t.plates[size_t(seat)]);
        }
        rects.push_back(t.contract);
        for (size_t i = 0; i < rects.size(); ++i)
            for (size_t j = i + 1; j < rects.size(); ++j) {
                if (i == 0 && j + 1 == rects.size())
                    continue;
                QVERIFY2(!rects[i].intersects(rects[j]), qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
            }
        QVERIFY(!form.button(7)->geometry().intersects(t.tablets[2]));
        QCOMPARE(table.tablet(3).top(), std::optional<int>(-25));
        CurrentSettings() = Settings{};
    }

    void mainMenu_data() { tableInProgress_data(); }

    void mainMenu()
    {
        QFETCH(int, windowSize);
        CurrentSettings().WindowSize = windowSize;
        ApplyWindowSize(false);
        const ScaleState scale = CurrentScale();
        QTemporaryDir folder;
        TForm1 form(folder.path());
        form.setFixedSize(scale.clientWidth, scale.clientHeight);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.LeaveSplash();
        const QImage shot = form.grab().toImage();
        QVERIFY(shot.save(QStringLiteral(HALVANE_SHOT_DIR "/menu_size%1.png").arg(windowSize)));
        QVERIFY(form.ImCaption->isVisible());
        QCOMPARE(form.ImCaption->geometry(), QRect(PlaceX(180, 400), PlaceY(12, 70), Scaled(400), Scaled(70)));
        QVERIFY(form.ImElite->isVisible());
        MenuSurroundings &menu = form.menuSurroundings();
        QVERIFY(menu.decor().link(QStringLiteral("ImAc"))->isVisible());
        QCOMPARE(menu.decor().link(QStringLiteral("ImAc"))->x(), scale.clientWidth - 53);
        // The clock and the counter only from ScaleFactor 1.6 on.
        QCOMPARE(menu.clock()->isVisible(), scale.scaleFactor >= 1.6);
        QCOMPARE(menu.counter()->isVisible(), scale.scaleFactor >= 1.6);
        if (menu.counter()->isVisible())
            QVERIFY(menu.counter()->toolTip().contains(QStringLiteral("NO CONNECT")));
        // A game start hides the surroundings.
        menu.Hide();
        QVERIFY(!form.ImCaption->isVisible());
        QVERIFY(!menu.clock()->isVisible());
        CurrentSettings() = Settings{};
    }

    void playedCardFliesAndLands()
    {
        CurrentScale() = Fixed(1, 1.0, 760, 500, 71, 96);
        CurrentSettings().FlyCards = true;
        CurrentSettings().GameSpeed = 6;
        QTemporaryDir folder;
        TForm1 form(folder.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.LeaveSplash();
        for (int k = 1; k <= 11; ++k)
            form.button(k)->hide();
        DrawnTableArt art;
        GameTable table(form.tableControls(), art);
        table.LayOutTable();
        TableView view = MidDeal();
        table.Render(view);

        const Hand before = view.hands[2];
        Hand after = before;
        const QPoint start = table.FlightStart(3, 2, before);
        QCOMPARE(start, table.layout().hands[3].topLeft() + QPoint(table.HandPositions(3, 7)[1], 0));
        after.removeSlot(2);
        const CardFlight::Stats stats = table.ShowPlayedCard(3, 2, before, after, true);
        const QPoint target = table.TrickCardPosition(3);
        QCOMPARE(stats.steps, std::max(qAbs(target.x() - start.x()), qAbs(target.y() - start.y())));
        QVERIFY(stats.stepPaints > 0);
        QImage shot = form.grab().toImage();
        QVERIFY(IsCardWhite(shot.pixelColor(target + QPoint(35, 90))));

        // "Ok": the trick flies to the winner and the table is clear.
        std::array<Card, 4> trick = view.trick;
        trick[3] = before.card(2);
        const CardFlight::Stats collect = table.CollectTrickTo(2, trick);
        QVERIFY(collect.steps > 0);
        shot = form.grab().toImage();
        for (int seat = 1; seat <= 3; ++seat)
            QVERIFY(!IsCardWhite(shot.pixelColor(table.TrickCardPosition(seat) + QPoint(35, 90))));

        // With flights off the card is simply drawn.
        CurrentSettings().FlyCards = false;
        Hand fewer = after;
        fewer.removeSlot(1);
        const CardFlight::Stats none = table.ShowPlayedCard(3, 1, after, fewer, true);
        QCOMPARE(none.steps, 0);
        shot = form.grab().toImage();
        QVERIFY(IsCardWhite(shot.pixelColor(target + QPoint(35, 90))));
        CurrentSettings() = Settings{};
    }

    void noticesAndTimers()
    {
        CurrentScale() = Fixed(3, 1.3, 990, 650, 92, 125);
        QTemporaryDir folder;
        TForm1 form(folder.path());
        form.setFixedSize(990, 650);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DrawnTableArt art;
        GameTable table(form.tableControls(), art);
        table.LayOutTable();
        // The wait notice takes the trick area to the window centre as a 350 x 80 bar.
        table.ShowWaitNotice(true);
        QCOMPARE(form.ImageStol->geometry(), QRect(990 / 2 - 175, 650 / 2 - 40, 350, 80));
        QVERIFY(form.ImageStol->isVisible());
        table.ShowWaitNotice(false);
        QVERIFY(!form.ImageStol->isVisible());
        table.LayOutTable();
        QCOMPARE(form.ImageStol->geometry(), table.layout().trick);

        // The move clock: a square at the plate's right end, gone again at -1.
        table.DrawTurnTimer(2, 7);
        ImageControl *timer = table.turnTimer(2);
        QVERIFY(timer && timer->isVisible());
        const QRect plate = table.layout().plates[2];
        QCOMPARE(timer->geometry(), QRect(plate.right() + 1, plate.top(), plate.height(), plate.height()));
        table.DrawTurnTimer(2, -1);
        QVERIFY(!timer->isVisible());

        // One trick slot cleared leaves the others.
        std::array<Card, 4> trick{};
        const Hand hand = ShuffleAndDeal(3).hands[0];
        trick[1] = hand.card(1);
        trick[2] = hand.card(2);
        table.DrawTrick(trick);
        table.ClearTrickArea(1);
        const QImage &area = form.ImageStol->picture();
        const QPoint slot1 = TrickSlot(1) + QPoint(46, 115);
        const QPoint slot2 = TrickSlot(2) + QPoint(46, 115);
        QVERIFY(!IsCardWhite(area.pixelColor(slot1)));
        QVERIFY(IsCardWhite(area.pixelColor(slot2)));
        // The clean-table snapshot has no trick cards at all.
        const QImage clean = table.SnapshotTable();
        QVERIFY(!IsCardWhite(clean.pixelColor(table.TrickCardPosition(2) + QPoint(46, 115))));
    }

    void handClicksFindTheirSlot()
    {
        CurrentScale() = Fixed(1, 1.0, 760, 500, 71, 96);
        QTemporaryDir folder;
        TForm1 form(folder.path());
        DrawnTableArt art;
        GameTable table(form.tableControls(), art);
        table.LayOutTable();
        Hand hand = ShuffleAndDeal(7).hands[2];
        QCOMPARE(table.HandSlotAt(3, hand, QPoint(5, 50)), 1);
        QCOMPARE(table.HandSlotAt(3, hand, QPoint(42, 50)), 2);
        QCOMPARE(table.HandSlotAt(3, hand, QPoint(440, 50)), 10);
        QCOMPARE(table.HandSlotAt(3, hand, QPoint(5, 96)), 0);
        // A played card leaves a gap before the hand is re-packed; the slots keep their numbers.
        hand.removeSlot(2);
        // Nine cards: step trunc((460 - 74) / 8) = 48.
        QCOMPARE(table.HandSlotAt(3, hand, QPoint(47, 50)), 1);
        QCOMPARE(table.HandSlotAt(3, hand, QPoint(50, 50)), 3);
    }
};

QTEST_MAIN(TestTableScreens)
#include "test_table_screens.moc"

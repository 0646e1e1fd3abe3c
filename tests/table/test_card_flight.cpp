#include "table/CardFlight.h"
#include "platform/InputBlocker.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace halvane;

namespace {
QImage CardImage(const QColor &c)
{
    QImage card(71, 96, QImage::Format_ARGB32_Premultiplied);
    card.fill(c);
    return card;
}

// A window whose picture the flights draw over.
struct Table {
    QWidget window;
    QImage clean{760, 500, QImage::Format_ARGB32_Premultiplied};
    Table()
    {
        window.resize(760, 500);
        clean.fill(QColor(0, 128, 0));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};
} // namespace

class TestCardFlight : public QObject
{
    Q_OBJECT
private slots:
    void pathSteps_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("steps");
        QTest::newRow("no move") << QPoint(5, 5) << QPoint(5, 5) << 0;
        QTest::newRow("x major") << QPoint(100, 400) << QPoint(300, 300) << 200;
        // 240 rows against 200 columns: the y axis is the major one.
        QTest::newRow("y major, steep") << QPoint(100, 400) << QPoint(300, 160) << 240;
        QTest::newRow("y major") << QPoint(300, 10) << QPoint(280, 200) << 190;
        QTest::newRow("backwards") << QPoint(600, 50) << QPoint(310, 180) << 290;
        QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(-40, 40) << 40;
    }

    void pathSteps()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, steps);
        const std::vector<QPoint> path = CardFlight::Path(from, to);
        QCOMPARE(int(path.size()), steps);
        if (steps == 0)
            return;
        QCOMPARE(path.back(), to);
        // One pixel on the major axis per step, never more than one on the other.
        QPoint previous = from;
        const bool xMajor = qAbs(to.x() - from.x()) >= qAbs(to.y() - from.y());
        for (const QPoint &p : path) {
            QCOMPARE(qAbs(xMajor ? p.x() - previous.x() : p.y() - previous.y()), 1);
            QVERIFY(qAbs(xMajor ? p.y() - previous.y() : p.x() - previous.x()) <= 1);
            previous = p;
        }
    }

    void pathInterpolatesWithRounding()
    {
        // x from 100 to 300, y from 400 to 300: y = round(-100 * (x - 100) / 200 + 400), halves to even.
        const std::vector<QPoint> path = CardFlight::Path(QPoint(100, 400), QPoint(300, 300));
        QCOMPARE(path[0], QPoint(101, 400));   // 399.5 -> 400
        QCOMPARE(path[1], QPoint(102, 399));
        QCOMPARE(path[2], QPoint(103, 398));   // 398.5 -> 398
        QCOMPARE(path[99], QPoint(200, 350));
        // y from 400 to 160, x from 100 to 300: x = round(200 * (y - 400) / -240 + 100).
        const std::vector<QPoint> steep = CardFlight::Path(QPoint(100, 400), QPoint(300, 160));
        QCOMPARE(steep[0], QPoint(101, 399));  // 100.83
        QCOMPARE(steep[119], QPoint(200, 280));
    }

    void pacing_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("sleptMs");   // over 200 steps
        QTest::addColumn<int>("painted");
        QTest::newRow("speed 1") << 1 << 400 << 200;
        QTest::newRow("speed 2") << 2 << 200 << 200;
        QTest::newRow("speed 3") << 3 << 100 << 200;
        QTest::newRow("speed 4") << 4 << 66 << 200;
        QTest::newRow("speed 5") << 5 << 0 << 200;
        QTest::newRow("speed 6") << 6 << 0 << 199;
    }

    void pacing()
    {
        QFETCH(int, speed);
        QFETCH(int, sleptMs);
        QFETCH(int, painted);
        int slept = 0;
        int shown = 0;
        for (int step = 1; step <= 200; ++step) {
            const CardFlight::Pace pace = CardFlight::PaceOf(speed, step);
            slept += pace.sleepMs;
            shown += pace.painted ? 1 : 0;
        }
        QCOMPARE(slept, sleptMs);
        QCOMPARE(shown, painted);
        QCOMPARE(CardFlight::PaceOf(6, 1).painted, false);
        QCOMPARE(CardFlight::PaceOf(6, 2).painted, true);
    }

    // Whole flights: steps along the major axis, painted steps and sleeps by speed.
    void flights_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("eraseAtEnd");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("stepPaints");
        QTest::addColumn<int>("sleeps");
        QTest::newRow("speed 6 paints all but the first step")
            << QPoint(100, 400) << QPoint(300, 300) << false << 6 << 200 << 199 << 0;
        QTest::newRow("no distance paints once and ends") << QPoint(50, 50) << QPoint(50, 50) << true << 4 << 0 << 0 << 0;
        QTest::newRow("speed 3 sleeps every second step")
            << QPoint(10, 10) << QPoint(50, 20) << true << 3 << 40 << 40 << 20;
    }

    void flights()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, eraseAtEnd);
        QFETCH(int, speed);
        QFETCH(int, steps);
        QFETCH(int, stepPaints);
        QFETCH(int, sleeps);
        Table t;
        const CardFlight::Stats stats = CardFlight::FlyCard(&t.window, t.clean, from.x(), from.y(), eraseAtEnd,
                                                            CardImage(Qt::white), to.x(), to.y(), speed);
        QCOMPARE(stats.steps, steps);
        QCOMPARE(stats.stepPaints, stepPaints);
        QCOMPARE(stats.sleeps, sleeps);
        QVERIFY(!stats.refused);
        QVERIFY(!CardFlight::InProgress());
    }

    void windowShowsTheCardDuringTheFlight()
    {
        Table t;
        QImage during;
        // The first event processing of the flight comes right after the card is drawn at its start.
        QTimer::singleShot(0, [&] { during = t.window.grab().toImage(); });
        CardFlight::FlyCard(&t.window, t.clean, 20, 30, false, CardImage(Qt::red), 120, 30, 5);
        QVERIFY(!during.isNull());
        QCOMPARE(during.pixelColor(20 + 35, 30 + 48), QColor(Qt::red));
        QCOMPARE(during.pixelColor(10, 10), QColor(0, 128, 0));
        // Afterwards the window shows its own children again: no card is left behind.
        const QImage after = t.window.grab().toImage();
        QVERIFY(after.pixelColor(120 + 35, 30 + 48) != QColor(Qt::red));
    }

    void multiCardFlightTakesTheLongestPath()
    {
        Table t;
        std::vector<CardFlight::Sprite> sprites{{CardImage(Qt::white), QPoint(300, 200), QPoint(100, 20)},
                                                {CardImage(Qt::blue), QPoint(400, 200), QPoint(100, 20)},
                                                {CardImage(Qt::red), QPoint(350, 300), QPoint(100, 20)}};
        const CardFlight::Stats stats = CardFlight::Fly(&t.window, t.clean, sprites, true, 5);
        QCOMPARE(stats.steps, 300);
        QCOMPARE(stats.stepPaints, 300);
    }

    void secondFlightIsRefusedWhileOneRuns()
    {
        Table t;
        CardFlight::Stats inner;
        bool fired = false;
        // A timer fires inside the flight's event processing and tries to start another.
        QTimer::singleShot(0, [&] {
            fired = true;
            inner = CardFlight::FlyCard(&t.window, t.clean, 0, 0, false, CardImage(Qt::white), 10, 0, 5);
        });
        const CardFlight::Stats outer =
            CardFlight::FlyCard(&t.window, t.clean, 0, 0, false, CardImage(Qt::white), 300, 0, 2);
        QVERIFY(fired);
        QVERIFY(inner.refused);
        QVERIFY(!outer.refused);
        QCOMPARE(outer.steps, 300);
    }

    void inputDuringAFlightIsDropped()
    {
        Table t;
        int presses = 0;
        struct Counter : QWidget {
            int *count;
            explicit Counter(QWidget *parent, int *c) : QWidget(parent), count(c) { setGeometry(0, 0, 760, 500); }
            void mousePressEvent(QMouseEvent *) override { ++*count; }
        };
        Counter counter(&t.window, &presses);
        counter.show();
        QTimer::singleShot(0, [&] {
            QVERIFY(InputBlocker::Active());
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&counter, &press);
        });
        CardFlight::FlyCard(&t.window, t.clean, 0, 0, false, CardImage(Qt::white), 200, 0, 2);
        QCOMPARE(presses, 0);
        QVERIFY(!InputBlocker::Active());
        // Afterwards input arrives again.
        QTest::mouseClick(&counter, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(presses, 1);
    }

    // Closing the main window during a pause or a flight would ask its question
    // while input is dropped; the request waits for the end of the last wait.
    void closeWaitsForTheWaits()
    {
        QWidget window;
        int closeEvents = 0;
        struct CloseCounter : QObject {
            int *count;
            explicit CloseCounter(int *c) : count(c) {}
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Close)
                    ++*count;
                return false;
            }
        } counter(&closeEvents);
        window.installEventFilter(&counter);
        window.show();
        InputBlocker::HoldClosesOf(&window);
        QTimer::singleShot(10, &window, [&] {
            window.close();
            QVERIFY(window.isVisible()); // held
            QWidget other(nullptr, Qt::Tool); // other windows close as usual
            other.show();
            other.close();
            QVERIFY(!other.isVisible());
        });
        {
            InputBlocker outer;   // a wait inside a wait: the close waits for both
            PauseBlocking(40);
            QVERIFY(window.isVisible());
        }
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isVisible()); // asked again once the waits are over
        QCOMPARE(closeEvents, 1);         // the held request never reached the window
        InputBlocker::HoldClosesOf(nullptr);
    }
};

QTEST_MAIN(TestCardFlight)
#include "test_card_flight.moc"

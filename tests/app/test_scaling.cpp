#include "table/FontSlots.h"
#include "table/ScaleState.h"

#include <QTest>

using namespace halvane;

class TestScaling : public QObject
{
    Q_OBJECT
private slots:
    void scaled_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("expected");
        QTest::newRow("identity") << 1.0 << 71 << 71;
        QTest::newRow("card width 1.3") << 1.3 << 71 << 92;
        QTest::newRow("card height 1.3") << 1.3 << 96 << 125;
        QTest::newRow("card width 1.7") << 1.7 << 71 << 121;
        QTest::newRow("half to even down") << 0.5 << 5 << 2;  // 2.5 -> 2
        QTest::newRow("half to even up") << 0.5 << 7 << 4;    // 3.5 -> 4
        QTest::newRow("trick area full hd") << 2.08 << 222 << 462;
        QTest::newRow("negative half") << 0.5 << -5 << -2;
    }

    void scaled()
    {
        QFETCH(double, factor);
        QFETCH(int, n);
        QFETCH(int, expected);
        QCOMPARE(ScaledBy(factor, n), expected);
        CurrentScale().scaleFactor = factor;
        QCOMPARE(Scaled(n), expected);
        CurrentScale() = ScaleState{};
    }

    void placeCentresInFullScreen()
    {
        ScaleState &s = CurrentScale();
        s.scaleX = 1920.0 / 760.0;
        s.scaleY = 2.08;
        s.scaleFactor = 2.08;
        // The trick area keeps its scaled width and sits centred on where a stretched one would be.
        const int left = PlaceX(269, 222);
        const int stretchedCentre = RoundHalfEven((269 + 111) * s.scaleX);
        QVERIFY(std::abs(left + Scaled(222) / 2 - stretchedCentre) <= 1);
        QCOMPARE(PlaceY(100, 50), RoundHalfEven(100 * 2.08));
        s = ScaleState{};
        QCOMPARE(PlaceX(150, 460), 150);
    }

    void fontHeight_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("expected");
        QTest::newRow("decor default") << "decor" << 100 << 20 << 20;
        QTest::newRow("serif 150") << "serif" << 150 << 15 << 22; // 22.5 -> 22
        QTest::newRow("fixed 50") << "fixed" << 50 << 11 << 6;    // 5.5 -> 6
        QTest::newRow("conew 75") << "conew" << 75 << 16 << 12;
        QTest::newRow("unknown family") << "gothic" << 100 << 20 << 0;
    }

    void fontHeight()
    {
        QFETCH(QString, family);
        QFETCH(int, percent);
        QFETCH(int, size);
        QFETCH(int, expected);
        FontSlotSet fontSlots = DefaultFontSlots();
        for (FontSlot &slot : fontSlots)
            slot.percent = percent;
        QCOMPARE(FontHeightWith(fontSlots, size, family.toStdString()), expected);
    }
};

QTEST_APPLESS_MAIN(TestScaling)
#include "test_scaling.moc"

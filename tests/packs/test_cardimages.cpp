// The card caches and the drawing helpers over the executable's own pictures:
// window sizes and card sizes, the built-in faces and backs, the frame of a
// small card, the background, and the bilinear resampler.

#include "records/codec/Settings.h"
#include "table/Attention.h"
#include "table/CardImages.h"
#include "table/WindowSize.h"
#include "platform/ResourcePack.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace halvane;

namespace {
const Card KingOfHearts{RankChar::King, SuitChar::Hearts};
}

class TestCardImages : public QObject
{
    Q_OBJECT
    QTemporaryDir m_empty;
    QStringList m_attention;

private Q_SLOTS:
    void initTestCase()
    {
        // No packs anywhere: only the executable's own pictures.
        CurrentPackSearch() = PackSearch{m_empty.path(), m_empty.path() + QStringLiteral("/sub")};
        SetAttentionHandler([this](const QString &a, const QString &, const QString &) { m_attention << a; });
    }
    void init()
    {
        CurrentSettings() = Settings();
        m_attention.clear();
    }

    void cardSizeAtEachWindowSize_data()
    {
        QTest::addColumn<int>("windowSize");
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("faceFormat");
        QTest::newRow("small") << 1 << 760 << 71 << 96 << 1;
        QTest::newRow("medium 1, Scaled at 1.3") << 3 << 990 << 92 << 125 << 0;
        QTest::newRow("medium 2, Scaled(71) at 1.7 is 121") << 4 << 1290 << 121 << 163 << 0;
        QTest::newRow("large, fixed big faces") << 5 << 1520 << 146 << 198 << 2;
    }
    void cardSizeAtEachWindowSize()
    {
        QFETCH(int, windowSize);
        QFETCH(int, clientWidth);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, faceFormat);
        CurrentSettings().WindowSize = windowSize;
        ApplyWindowSize(false);
        const ScaleState &s = CurrentScale();
        QCOMPARE(s.clientWidth, clientWidth);
        QCOMPARE(s.cardWidth, width);
        QCOMPARE(s.cardHeight, height);
        QCOMPARE(s.faceFormat, faceFormat);
        QCOMPARE(s.narrowShift, 0);
        const QImage &face = CurrentCardImages().faces[size_t(FaceSlotOf(KingOfHearts))];
        QCOMPARE(face.size(), faceFormat == 1 ? QSize(69, 94) : QSize(146, 198));
        QVERIFY(m_attention.isEmpty());
    }

    void fullScreenTakesTheSmallerScale()
    {
        const ScaleState s = ScaleForWindowSize(2, QSize(1920, 1040));
        QCOMPARE(s.clientWidth, 1920);
        QCOMPARE(s.scaleX, 1920 / 760.0);
        QCOMPARE(s.scaleY, 1040 / 500.0);
        QCOMPARE(s.scaleFactor, 1040 / 500.0);
        QCOMPARE(s.faceFormat, 2);
    }

    void missingPackFallsBackToBuiltIn()
    {
        CurrentSettings().CardSet = 17;
        CurrentSettings().WindowSize = 1;
        ApplyWindowSize(false);
        QCOMPARE(CurrentSettings().CardSet, 0);
        QCOMPARE(m_attention, QStringList{QStringLiteral("Can`t find the file VyxCards06A.dll")});
        QVERIFY(!CurrentCardImages().faces[1].isNull());
    }

    void missingBackgroundPackResetsPicture()
    {
        CurrentSettings().BackgroundPicture = 5;
        CurrentSettings().BackgroundColour = 3;
        QVERIFY(!LoadBackground(false));
        QCOMPARE(CurrentSettings().BackgroundPicture, 2);
        QCOMPARE(CurrentSettings().BackgroundColour, 0);
        QCOMPARE(CurrentCardImages().background.size(), QSize(760, 500));
        CurrentSettings().BackgroundPicture = 0;
        QVERIFY(LoadBackground(false));
        QVERIFY(CurrentCardImages().background.isNull());
    }

    void smallCardFrame()
    {
        CurrentSettings().WindowSize = 1;
        ApplyWindowSize(false);
        QImage target(100, 120, QImage::Format_RGB32);
        target.fill(Qt::green);
        DrawCard(10, 10, Card{'N', 'o'}, target);
        const QRgb black = qRgb(0, 0, 0), green = qRgb(0, 255, 0);
        QCOMPARE(target.pixel(12, 10), black);      // top edge starts at x+2
        QCOMPARE(target.pixel(11, 10), green);      // clipped corner
        QCOMPARE(target.pixel(11, 11), black);      // "No" corner dot
        QCOMPARE(target.pixel(79, 104), black);     // (x+69, y+94)
        QCOMPARE(target.pixel(40, 50), green);      // no face inside
        DrawCard(10, 10, KingOfHearts, target);
        QVERIFY(target.pixel(40, 50) != green);
        QImage empty(100, 120, QImage::Format_RGB32);
        empty.fill(Qt::green);
        DrawCard(10, 10, NoCard, empty);
        QCOMPARE(empty.pixel(12, 10), green);
    }

    void bigCardRoundedCorners()
    {
        CurrentSettings().WindowSize = 3;
        ApplyWindowSize(false);
        QImage target(200, 200, QImage::Format_ARGB32);
        target.fill(Qt::green);
        DrawCardBack(0, 0, target);
        QCOMPARE(target.pixel(0, 0), qRgb(0, 255, 0));
        QVERIFY(target.pixel(46, 62) != qRgb(0, 255, 0));
        QCOMPARE(target.pixel(95, 62), qRgb(0, 255, 0)); // right of a 92-pixel card
    }

    void chooseBackRule_data()
    {
        QTest::addColumn<int>("weekday");
        QTest::addColumn<bool>("oneBack");
        QTest::addColumn<int>("backSet");
        QTest::addColumn<int>("expected");
        QTest::newRow("Monday") << 1 << false << 0 << 1;
        QTest::newRow("Saturday") << 6 << false << 3 << 6;
        QTest::newRow("one back always") << 2 << true << 1 << 7;
        QTest::newRow("set 9 random") << 3 << false << 9 << 9;
        QTest::newRow("set 11 random beats one back") << 3 << true << 11 << 10;
    }
    void chooseBackRule()
    {
        QFETCH(int, weekday);
        QFETCH(bool, oneBack);
        QFETCH(int, backSet);
        QFETCH(int, expected);
        QCOMPARE(BackForWeekday(weekday, oneBack, backSet, backSet >= 8 ? expected : 4), expected);
    }

    void resampleTwoByTwo()
    {
        QImage png(2, 2, QImage::Format_ARGB32);
        png.setPixel(0, 0, qRgba(0, 0, 0, 255));
        png.setPixel(1, 0, qRgba(200, 0, 0, 255));
        png.setPixel(0, 1, qRgba(0, 100, 0, 55));
        png.setPixel(1, 1, qRgba(200, 100, 40, 55));
        QVERIFY(ResamplePng(png, 4, 4));
        QCOMPARE(png.size(), QSize(4, 4));
        // Source x = 0, 0.25, 0.5, 0.75 for target x = 0..3.
        QCOMPARE(png.pixel(0, 0), qRgba(0, 0, 0, 255));
        QCOMPARE(png.pixel(1, 0), qRgba(50, 0, 0, 255));
        QCOMPARE(png.pixel(2, 0), qRgba(100, 0, 0, 255));
        QCOMPARE(png.pixel(3, 2), qRgba(150, 50, 15, 155)); // y 0.5: alpha mixes too
    }

    void resampleRefusesOtherFormats()
    {
        QImage grey(4, 4, QImage::Format_Grayscale8);
        grey.fill(0);
        QString error;
        QVERIFY(!ResamplePng(grey, 8, 8, &error));
        QCOMPARE(error, QStringLiteral("Only COLOR_RGBALPHA and COLOR_RGB formats are supported"));
        QImage line(1, 5, QImage::Format_ARGB32);
        line.fill(Qt::red);
        QVERIFY(ResamplePng(line, 8, 8));
        QCOMPARE(line.size(), QSize(1, 5));
    }
};

QTEST_MAIN(TestCardImages)
#include "test_cardimages.moc"

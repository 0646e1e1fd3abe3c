#include "table/AniCursor.h"
#include "table/AnimateIcon.h"
#include "table/MenuGifPictures.h"
#include "table/OwnCursors.h"
#include "table/ScaleState.h"
#include "table/TouchEffect.h"

#include "records/codec/Settings.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QWidget>

using namespace halvane;

namespace {
QImage Solid(int w, int h, const QColor &c)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(c);
    return image;
}

// A .cur file of one 32 x 32 picture with its hot spot.
QByteArray CurFile(const QColor &colour, QPoint hotSpot)
{
    QByteArray ico;
    QBuffer buffer(&ico);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(Solid(32, 32, colour)))
        return {};
    ico[2] = 2; // a cursor
    ico[6 + 4] = char(hotSpot.x());
    ico[6 + 5] = 0;
    ico[6 + 6] = char(hotSpot.y());
    ico[6 + 7] = 0;
    return ico;
}

QByteArray Chunk(const char *tag, const QByteArray &body)
{
    QByteArray c(tag, 4);
    const quint32 n = quint32(body.size());
    c.append(char(n & 0xFF)).append(char(n >> 8 & 0xFF)).append(char(n >> 16 & 0xFF)).append(char(n >> 24));
    c.append(body);
    if (body.size() & 1)
        c.append('\0');
    return c;
}

QByteArray U32s(std::initializer_list<quint32> values)
{
    QByteArray out;
    for (quint32 v : values)
        out.append(char(v & 0xFF)).append(char(v >> 8 & 0xFF)).append(char(v >> 16 & 0xFF)).append(char(v >> 24));
    return out;
}

// An animated cursor of two pictures shown in the order 1, 0, 1 with rates 3, 4, 5.
QByteArray AniFile()
{
    const QByteArray anih = U32s({36, 2, 3, 32, 32, 0, 0, 7, 3});
    QByteArray fram("fram");
    fram += Chunk("icon", CurFile(Qt::red, QPoint(3, 4)));
    fram += Chunk("icon", CurFile(Qt::blue, QPoint(5, 6)));
    QByteArray body("ACON");
    body += Chunk("anih", anih);
    body += Chunk("rate", U32s({3, 4, 5}));
    body += Chunk("seq ", U32s({1, 0, 1}));
    body += Chunk("LIST", fram);
    return Chunk("RIFF", body);
}
} // namespace

class TestTableAnimation : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CurrentScale() = ScaleState{};
        CurrentSettings() = Settings{};
    }

    void animateIconCyclesFrames()
    {
        QImage strip(3 * 48, 48, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::transparent);
        {
            QPainter p(&strip);
            p.fillRect(0, 0, 48, 48, Qt::red);
            p.fillRect(48, 0, 48, 48, Qt::green);
            p.fillRect(96, 0, 24, 48, Qt::blue); // the third frame is half see-through
        }
        const QImage background = Solid(200, 100, QColor(10, 20, 30));
        QImage canvas = Solid(200, 100, Qt::white);
        int frame = 0;
        const QList<QColor> expected{Qt::red, Qt::green, Qt::blue, Qt::red};
        for (const QColor &colour : expected) {
            AnimateIcon(canvas, 60, 20, strip, background, 3, frame);
            QCOMPARE(canvas.pixelColor(60 + 5, 20 + 5), colour);
        }
        QCOMPARE(frame, 1);
        // The see-through half of the third frame shows the header background, not the old frame.
        AnimateIcon(canvas, 60, 20, strip, background, 3, frame);
        AnimateIcon(canvas, 60, 20, strip, background, 3, frame);
        QCOMPARE(frame, 3);
        QCOMPARE(canvas.pixelColor(60 + 40, 20 + 5), QColor(10, 20, 30));
        // Outside the icon nothing changes.
        QCOMPARE(canvas.pixelColor(10, 10), QColor(Qt::white));
    }

    void touchEffectNeedsItsStrip()
    {
        QVERIFY(!TouchEffect::Play(QImage(), QPoint(100, 100)));
        const QImage strip = Solid(10 * 100, 100, Qt::yellow);
        QCOMPARE(TouchEffect::StripFrame(strip, 0), 0);
        QCOMPARE(TouchEffect::StripFrame(strip, 12), 2);
        QPointer<TouchEffect> effect = TouchEffect::Play(strip, QPoint(300, 200));
        QVERIFY(effect);
        QCOMPARE(effect->geometry(), QRect(250, 150, 100, 100));
        // 30 frames 12 ms apart, then it closes itself.
        QTRY_VERIFY_WITH_TIMEOUT(effect.isNull(), 3000);
    }

    void menuGifPlaces_data()
    {
        QTest::addColumn<double>("sx");
        QTest::addColumn<double>("sy");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("second");
        QTest::newRow("small") << 1.0 << 1.0 << QPoint(7, 290) << QPoint(592, 290);
        // round(7 * 2) + round(1 * 80) = 94; round(592 * 2) + 80 = 1264; round(290 * 2) + 100 = 680.
        QTest::newRow("large") << 2.0 << 2.0 << QPoint(94, 680) << QPoint(1264, 680);
        QTest::newRow("medium 1") << 1.3 << 1.3 << QPoint(33, 407) << QPoint(794, 407); // 9.1 + 24; 377 + 30
    }

    void menuGifPlaces()
    {
        QFETCH(double, sx);
        QFETCH(double, sy);
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        CurrentScale().scaleX = sx;
        CurrentScale().scaleY = sy;
        QCOMPARE(MenuGifPictures::FirstPos(), first);
        QCOMPARE(MenuGifPictures::SecondPos(), second);
    }

    void cursorNumbers()
    {
        QCOMPARE(OwnCursors::CursorNumber(CursorRole::Arrow, false), 0);
        QCOMPARE(OwnCursors::CursorNumber(CursorRole::Hand, false), -21);
        QCOMPARE(OwnCursors::CursorNumber(CursorRole::Wait, false), -11);
        QCOMPARE(OwnCursors::CursorNumber(CursorRole::Edit, false), -4);
        QCOMPARE(OwnCursors::CursorNumber(CursorRole::Arrow, true), 31);
        QCOMPARE(OwnCursors::CursorNumber(CursorRole::Edit, true), 34);
    }

    void ownCursorSetting()
    {
        OwnCursors cursors;
        cursors.Load();
        QWidget widget;
        CurrentSettings().OwnCursor = false;
        cursors.apply(&widget, CursorRole::Hand);
        QCOMPARE(widget.cursor().shape(), Qt::PointingHandCursor);
        CurrentSettings().OwnCursor = true;
        cursors.refresh();
        QCOMPARE(widget.cursor().shape(), Qt::BitmapCursor);
        // The red arrow: its tip region is red.
        const QImage arrow = cursors.cursor(CursorRole::Arrow).pixmap().toImage();
        QVERIFY(!arrow.isNull());
        const QColor inside = arrow.pixelColor(4, 10);
        QVERIFY(inside.red() > 150 && inside.green() < 60);
    }

    void animatedCursorCycles()
    {
        CurrentSettings().OwnCursor = true;
        OwnCursors cursors;
        const std::vector<CursorFrame> &wait = cursors.frames(CursorRole::Wait);
        QVERIFY(wait.size() > 1);
        QCOMPARE(cursors.frameIndex(CursorRole::Wait), 0);
        for (int j = 0; j < wait[0].jiffies; ++j)
            cursors.tick();
        QCOMPARE(cursors.frameIndex(CursorRole::Wait), 1);
        // A static cursor never moves.
        for (int j = 0; j < 100; ++j)
            cursors.tick();
        QCOMPARE(cursors.frameIndex(CursorRole::Arrow), 0);
    }

    void readStaticCursor()
    {
        const CursorFrame f = AniCursor::ReadStatic(CurFile(Qt::green, QPoint(7, 9)));
        QVERIFY(!f.image.isNull());
        QCOMPARE(f.image.size(), QSize(32, 32));
        QCOMPARE(f.hotSpot, QPoint(7, 9));
        QCOMPARE(f.image.pixelColor(16, 16), QColor(Qt::green));
    }

    void readAnimatedCursor()
    {
        const std::vector<CursorFrame> frames = AniCursor::ReadAnimated(AniFile());
        QCOMPARE(int(frames.size()), 3);
        QCOMPARE(frames[0].image.pixelColor(1, 1), QColor(Qt::blue));
        QCOMPARE(frames[0].hotSpot, QPoint(5, 6));
        QCOMPARE(frames[1].image.pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(frames[1].jiffies, 4);
        QCOMPARE(frames[2].jiffies, 5);
    }

    void damagedCursorsGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray ani = AniFile();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << ani.left(ani.size() - 40);
        QTest::newRow("not RIFF") << QByteArray("RIFX") + ani.mid(4);
        QByteArray badSeq = ani;
        // The first sequence entry points past the two pictures.
        const qsizetype seq = badSeq.indexOf("seq ");
        badSeq[seq + 8] = char(9);
        QTest::newRow("sequence out of range") << badSeq;
        QByteArray hugeChunk = ani;
        hugeChunk[12 + 4 + 3] = char(0x7F); // the high byte of the anih size: far past the end
        QTest::newRow("chunk past the end") << hugeChunk;
    }

    void damagedCursorsGiveNothing()
    {
        QFETCH(QByteArray, data);
        QVERIFY(AniCursor::ReadAnimated(data).empty());
        QVERIFY(AniCursor::ReadStatic(data.left(10)).image.isNull());
    }
};

QTEST_MAIN(TestTableAnimation)
#include "test_table_animation.moc"

// The card-style button: its painted rows and pressed shift, the pieces and
// cap width at other heights, the tint formulas, caption colours, the focus
// marks, the height presets and the double click; and the balloons.

#include "table/Balloons.h"
#include "table/ButtonTint.h"
#include "table/TBalloonHint.h"
#include "table/TVyxCardsButton.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace halvane;

class TestButton : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsAndPressedShiftAtHeight30()
    {
        TVyxCardsButton b(QStringLiteral(""));
        b.resize(100, 30);
        const QImage up = b.renderFace(false);
        const QImage down = b.renderFace(true);
        const std::vector<QRgb> &rows = ButtonRowColours(30);
        QCOMPARE(int(rows.size()), 29);
        // Each of the 29 rows of the middle in its table colour; the bottom row
        // and the right column stay clear.
        for (int r = 0; r < 29; ++r)
            QCOMPARE(up.pixel(50, r), rows[size_t(r)]);
        QCOMPARE(qAlpha(up.pixel(50, 29)), 0);
        QCOMPARE(qAlpha(up.pixel(99, 15)), 0);
        for (int r = 0; r < 29; ++r)
            QCOMPARE(down.pixel(51, r + 1), rows[size_t(r)]);
        QCOMPARE(qAlpha(down.pixel(50, 0)), 0);
    }

    void otherHeightsUsePiecesAndCapWidth_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("cap");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<int>("index");
        QTest::newRow("39 = Scaled(30) at 1.3") << 39 << 11 << "R44_2" << 0;
        QTest::newRow("30") << 30 << 8 << "R29_2" << 1;
        QTest::newRow("45") << 45 << 13 << "R44_2" << 2;
        QTest::newRow("51") << 51 << 14 << "R59_2" << 0;
        QTest::newRow("60") << 60 << 17 << "R59_2" << 3;
        QTest::newRow("20") << 20 << 5 << "R29_2" << 0;
    }
    void otherHeightsUsePiecesAndCapWidth()
    {
        QFETCH(int, height);
        QFETCH(int, cap);
        QFETCH(QString, middle);
        QFETCH(int, index);
        QCOMPARE(CapWidthFor(height), cap);
        QCOMPARE(ButtonPieceName(height, false, '2'), middle);
        QCOMPARE(HeightIndexOf(height), index);
        QVERIFY(ButtonRowColours(height).empty() == (index == 0));
        TVyxCardsButton b;
        b.resize(120, height);
        const QImage face = b.renderFace(false);
        // The face is painted from edge to edge, except the last column and row.
        QVERIFY(qAlpha(face.pixel(cap + 2, height / 2)) > 0);
        QCOMPARE(qAlpha(face.pixel(60, height - 1)), 0);
    }

    void tints_data()
    {
        QTest::addColumn<int>("tint");
        QTest::addColumn<int>("light");
        QTest::addColumn<QRgb>("source");
        QTest::addColumn<QRgb>("expected");
        const QRgb s = qRgb(200, 60, 30);
        QTest::newRow("red") << int(TColorSB::DRed) << 0 << s << s;
        QTest::newRow("green swaps red and green") << int(TColorSB::DGreen) << 0 << s << qRgb(60, 200, 30);
        QTest::newRow("blue") << int(TColorSB::DBlue) << 0 << s << qRgb(30, 200, 200);
        QTest::newRow("navy swaps red and blue") << int(TColorSB::DNavy) << 0 << s << qRgb(30, 60, 200);
        QTest::newRow("yellow") << int(TColorSB::DYellow) << 0 << s << qRgb(200, 200, 30);
        QTest::newRow("violet") << int(TColorSB::DViolet) << 0 << s << qRgb(200, 60, 200);
        // B = round(0.7 * 30) = 21, G = 21 + round(179 * 0.4) = 21 + 72 = 93.
        QTest::newRow("orange") << int(TColorSB::DOrang) << 0 << s << qRgb(200, 93, 21);
        QTest::newRow("orange leaves non-red") << int(TColorSB::DOrang) << 0 << qRgb(10, 200, 30) << qRgb(10, 200, 30);
        QTest::newRow("cards") << int(TColorSB::DCards) << 0 << s << qRgb(140, 0, 200);
        // 200 + 55 * 0.5 = 227.5 -> 228 (to even), 60 + 97.5 -> 158 (to even), 30 + 112.5 -> 142.
        QTest::newRow("red lightened 50") << int(TColorSB::DRed) << 50 << s << qRgb(228, 158, 142);
    }
    void tints()
    {
        QFETCH(int, tint);
        QFETCH(int, light);
        QFETCH(QRgb, source);
        QFETCH(QRgb, expected);
        QCOMPARE(TintButtonColour(source, TColorSB(tint), light), expected);
    }

    void newLookTintsOnlyNearRed()
    {
        QImage png(2, 1, QImage::Format_ARGB32);
        png.setPixel(0, 0, qRgba(250, 10, 10, 200)); // near pure red
        png.setPixel(1, 0, qRgba(40, 40, 40, 255));  // far from red
        QImage cards = png;
        TintButtonImage(cards, TColorSB::DCards, true, 0);
        QCOMPARE(cards.pixel(0, 0), qRgba(150, 7, 250, 200));
        QCOMPARE(cards.pixel(1, 0), qRgba(40, 40, 40, 255));
        QImage green = png;
        TintButtonImage(green, TColorSB::DGreen, true, 50);
        QCOMPARE(green.pixel(0, 0), qRgba(132, 252, 132, 200)); // swapped and lightened
        QCOMPARE(green.pixel(1, 0), qRgba(40, 40, 40, 255));     // swapped only
    }

    void captionColours()
    {
        TVyxCardsButton b(QStringLiteral("Ok"));
        QPalette pal = b.palette();
        pal.setColor(QPalette::ButtonText, QColor(10, 20, 30));
        b.setPalette(pal);
        b.ColorMouse = QColor(255, 255, 0);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&b, &enter);
        QVERIFY(b.mouseInside());
        QCOMPARE(b.captionColour(), QColor(10, 20, 30)); // no LightFont
        b.LightFont = true;
        QCOMPARE(b.captionColour(), QColor(255, 255, 0));
        b.setEnabled(false);
        QCOMPARE(b.captionColour(), QColor(10, 20, 30));
        b.GrayDis = true;
        QCOMPARE(b.captionColour(), QColor(192, 192, 192));
    }

    void focusMarks()
    {
        TVyxCardsButton b;
        b.resize(100, 30);
        const QImage plain = b.renderFace(false);
        b.SetButtonStyle(true);
        const QImage outlined = b.renderFace(false);
        // The outline's top edge at y 4 between x 7 and 93.
        QCOMPARE(outlined.pixel(50, 4), FocusOutlineColour(TColorSB::DRed));
        QVERIFY(plain.pixel(50, 4) != outlined.pixel(50, 4));
        b.Kontur = false;
        QCOMPARE(b.renderFace(false), plain);
        b.Kontur = true;
        b.Nuvo = true;
        const QImage dots = b.renderFace(false);
        QCOMPARE(dots.pixel(12, 15), FocusDotColour(TColorSB::DRed)); // left dot from x 10, 4 wide
    }

    void heightPreset()
    {
        TVyxCardsButton b;
        QCOMPARE(b.size(), QSize(100, 30));
        b.setHeightSB(THeightSB::D45);
        QCOMPARE(b.height(), 45);
        b.resize(100, 50);
        b.setHeightSB(THeightSB::D45); // unchanged: nothing happens
        QCOMPARE(b.height(), 50);
    }

    void doubleClickIsSecondPress()
    {
        TVyxCardsButton b(QStringLiteral("Go"));
        b.show();
        QSignalSpy clicks(&b, &QPushButton::clicked);
        QTest::mouseClick(&b, Qt::LeftButton);
        QTest::mouseDClick(&b, Qt::LeftButton);
        QTest::mouseRelease(&b, Qt::LeftButton);
        QCOMPARE(clicks.count(), 2);
    }

    void balloons()
    {
        QWidget window;
        window.resize(300, 200);
        auto *anchor = new TVyxCardsButton(QStringLiteral("DLL"), &window);
        anchor->setToolTip(QStringLiteral("old"));
        window.show();
        TBalloonHint *b = ShowBalloon(QStringLiteral("Download"), QStringLiteral("VyxCards06A.dll"),
                                      QStringLiteral("Comic Sans MS"), anchor, 1);
        QVERIFY(b);
        QVERIFY(anchor->toolTip().isEmpty());
        QCOMPARE(OpenBalloonCount(), 1);
        QVERIFY(b->width() <= 300);
        CloseBalloons();
        QCOMPARE(OpenBalloonCount(), 0);

        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("History"));
        QImage photo(40, 30, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        QVERIFY(photo.save(dir.filePath(QStringLiteral("History/Anna.bmp"))));
        QVERIFY(!ShowPictureBalloon(QStringLiteral("Boris"), 3, anchor, dir.path()));
        QVERIFY(!ShowPictureBalloon(QStringLiteral("../History/Anna"), 3, anchor, dir.path()));
        TBalloonHint *picture = ShowPictureBalloon(QStringLiteral("Anna"), 3, anchor, dir.path());
        QVERIFY(picture);
        QCOMPARE(picture->picture().size(), QSize(40, 30));
        CloseBalloons();
    }
};

QTEST_MAIN(TestButton)
#include "test_button.moc"

// Qt first: moc trips over <compare> when it comes before any Qt header.
#include <QTest>

#include "table/DrawnTableArt.h"
#include "table/ImageControl.h"
#include "table/MenuDecor.h"
#include "table/RecolourPng.h"
#include "table/ScaleState.h"

#include "records/codec/Settings.h"

using namespace halvane;

class TestMenuDecor : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        CurrentScale() = ScaleState{};
        CurrentSettings() = Settings{};
    }

    void recolour_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QColor>("in");
        QTest::addColumn<QColor>("out");
        const QColor c(200, 100, 50);
        QTest::newRow("1 unchanged") << 1 << c << c;
        // B := round(min(50, 100) * 0.7) = 35; G := 35 + round(165 * 0.4) = 101.
        QTest::newRow("2 reddish") << 2 << c << QColor(200, 101, 35);
        QTest::newRow("2 not reddish") << 2 << QColor(50, 100, 200) << QColor(50, 100, 200);
        QTest::newRow("3") << 3 << c << QColor(200, 200, 50);
        QTest::newRow("4") << 4 << c << QColor(100, 200, 50);
        QTest::newRow("5") << 5 << c << QColor(50, 200, 200);
        QTest::newRow("6") << 6 << c << QColor(50, 100, 200);
        QTest::newRow("7") << 7 << c << QColor(200, 100, 200);
        // 60 + 59 + 5.5 = 124.5 -> 124
        QTest::newRow("8 grey") << 8 << c << QColor(124, 124, 124);
    }

    void recolour()
    {
        QFETCH(int, kind);
        QFETCH(QColor, in);
        QFETCH(QColor, out);
        QCOMPARE(QColor(RecolourPixel(in.rgb(), kind)), out);
        QImage png(2, 1, QImage::Format_ARGB32);
        png.setPixel(0, 0, in.rgb());
        png.setPixel(1, 0, qRgba(in.red(), in.green(), in.blue(), 0));
        RecolourPng(png, kind);
        QCOMPARE(png.pixelColor(0, 0), out);
        QCOMPARE(qAlpha(png.pixel(1, 0)), 0);
    }

    void languageCodes()
    {
        QCOMPARE(MenuDecor::LanguageCode(0), QStringLiteral("Eng"));
        QCOMPARE(MenuDecor::LanguageCode(5), QStringLiteral("Chi"));
        QCOMPARE(MenuDecor::LanguageCode(7), QStringLiteral("Cze"));
        QCOMPARE(MenuDecor::LanguageCode(8), QStringLiteral("Eng"));
        QCOMPARE(MenuDecor::LanguageCode(9), QStringLiteral("Eng"));
        QCOMPARE(MenuDecor::NextCaptionColour(7), 1);
        QCOMPARE(MenuDecor::NextCaptionColour(3), 4);
    }

    void accountLamp_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("hint");
        QTest::newRow("1") << 1 << "LampR24" << "You are not logged in to your account!";
        QTest::newRow("2") << 2 << "LampY24" << "You are logged in to your account!";
        QTest::newRow("3") << 3 << "LampG24" << "There is a game on the rating!";
        QTest::newRow("other") << 9 << "LampR24" << "You are not logged in to your account!";
    }

    void accountLamp()
    {
        QFETCH(int, state);
        QFETCH(QString, picture);
        QFETCH(QString, hint);
        QCOMPARE(MenuDecor::LampPicture(state), picture);
        QCOMPARE(MenuDecor::LampHint(state), hint);
    }

    void linkColumn()
    {
        QWidget window;
        window.resize(990, 650);
        ImageControl background(&window);
        background.resizePicture(QSize(990, 650), QColor(0, 90, 0));
        DrawnTableArt art;
        MenuDecor::Controls c;
        c.window = &window;
        c.background = &background;
        MenuDecor decor(c, art);
        CurrentScale().scaleFactor = 1.3;
        decor.DrawLinkColumn(false);
        QCOMPARE(decor.link(QStringLiteral("ImageAdvR1"))->geometry(), QRect(990 - 53, 5, 48, 48));
        QCOMPARE(decor.link(QStringLiteral("ImTR"))->geometry(), QRect(5, 164, 48, 48));
        QCOMPARE(decor.link(QStringLiteral("ImageAdvL2"))->toolTip(), QStringLiteral("Download \"Halvane.apk\""));
        QCOMPARE(decor.link(QStringLiteral("ImageAdvL3"))->toolTip(), QStringLiteral("\"Halvane\" on Google Play!"));
        QCOMPARE(decor.link(QStringLiteral("ImageAdvR2"))->toolTip(), QStringLiteral("World Top 10"));
        QVERIFY(decor.link(QStringLiteral("ImageAdvL3"))->isHidden());
        decor.DrawLinkColumn(true);
        QVERIFY(!decor.link(QStringLiteral("ImageAdvL3"))->isHidden());
        CurrentScale().scaleFactor = 1.0;
        decor.DrawLinkColumn(true);
        QVERIFY(decor.link(QStringLiteral("ImageAdvL3"))->isHidden());
        decor.DrawAccountLamp(3);
        QCOMPARE(decor.link(QStringLiteral("ImAc"))->toolTip(), QStringLiteral("There is a game on the rating!"));
        // The icon lies over the background: its corner shows the table, its middle the picture.
        const QImage &icon = decor.link(QStringLiteral("ImAc"))->picture();
        QCOMPARE(icon.pixelColor(0, 47), QColor(0, 90, 0));
        QVERIFY(icon.pixelColor(24, 24) != QColor(0, 90, 0));
    }

    void captionFollowsTheColourSetting()
    {
        QWidget window;
        window.resize(760, 500);
        ImageControl background(&window);
        background.resizePicture(QSize(760, 500), QColor(0, 90, 0));
        ImageControl caption(&window);
        DrawnTableArt art;
        MenuDecor::Controls c;
        c.window = &window;
        c.background = &background;
        c.caption = &caption;
        MenuDecor decor(c, art);
        decor.DrawLanguageCaption();
        QCOMPARE(caption.geometry(), QRect(180, 12, 400, 70));
        const QImage first = caption.picture();
        CurrentSettings().CaptionColour = 6;
        decor.DrawLanguageCaption();
        QVERIFY(caption.picture() != first);
    }
};

QTEST_MAIN(TestMenuDecor)
#include "test_menu_decor.moc"

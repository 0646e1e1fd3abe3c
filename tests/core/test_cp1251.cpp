#include "core/Cp1251.h"

#include <QTest>

using namespace halvane;

class TestCp1251 : public QObject
{
    Q_OBJECT
private slots:
    void everyByteRoundTrips()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const std::string utf8 = Cp1251ToUtf8(all);
        QCOMPARE(Utf8ToCp1251(utf8), all);
        // Qt's own UTF-8 decoder accepts what we wrote.
        QCOMPARE(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).size(), qsizetype(256));
    }

    void knownCharacters_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("character");
        QTest::newRow("A") << 0x41 << "A";
        QTest::newRow("jack") << 0xC2 << "В";
        QTest::newRow("hearts") << 0xF7 << "ч";
        QTest::newRow("yo") << 0xB8 << "ё";
        QTest::newRow("Yo") << 0xA8 << "Ё";
        QTest::newRow("euro") << 0x88 << "€";
        QTest::newRow("numero") << 0xB9 << "№";
        QTest::newRow("undefined 0x98") << 0x98 << QString(QChar(0x98));
        QTest::newRow("nbsp") << 0xA0 << QString(QChar(0xA0));
        QTest::newRow("ya") << 0xFF << "я";
    }

    void knownCharacters()
    {
        QFETCH(int, byte);
        QFETCH(QString, character);
        QCOMPARE(QString::fromStdString(Cp1251ToUtf8(std::string(1, char(byte)))), character);
        QCOMPARE(UnicodeToCp1251(character.at(0).unicode()), byte);
    }

    void unwritableText()
    {
        QCOMPARE(Utf8ToCp1251("日本", '?'), std::string("??"));
        QCOMPARE(Utf8ToCp1251("a\xC3", '?'), std::string("a?"));          // truncated sequence
        QCOMPARE(Utf8ToCp1251("\xFF\xFE" "b", '?'), std::string("??b"));  // invalid lead bytes
        QCOMPARE(Utf8ToCp1251("\xE2\x82", '?'), std::string("?"));
        QCOMPARE(UnicodeToCp1251(0x4E2D), -1);
    }
};

QTEST_APPLESS_MAIN(TestCp1251)
#include "test_cp1251.moc"

#include "platform/ResourceRegistry.h"

#include <QTest>

using namespace halvane;

class TestResources : public QObject
{
    Q_OBJECT
private slots:
    void lookupIgnoresCase_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("exact") << int(ResourceType::RcData) << "PngMenu1" << QByteArray("png-bytes");
        QTest::newRow("upper") << int(ResourceType::RcData) << "PNGMENU1" << QByteArray("png-bytes");
        QTest::newRow("lower folder") << int(ResourceType::Jpeg) << "fong" << QByteArray("jpeg-bytes");
        QTest::newRow("wrong type") << int(ResourceType::Gif) << "PngMenu1" << QByteArray();
        QTest::newRow("missing") << int(ResourceType::RcData) << "Nothing" << QByteArray();
    }

    void lookupIgnoresCase()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const ResourceRegistry registry(QStringLiteral(HALVANE_TEST_DATA "/registry"));
        QCOMPARE(registry.data(ResourceType(type), name), bytes);
        QCOMPARE(registry.contains(ResourceType(type), name), !bytes.isEmpty());
    }

    void programResourcesAreCompiledIn()
    {
        const ResourceRegistry &registry = ResourceRegistry::instance();
        QVERIFY(registry.data(ResourceType::RcData, QStringLiteral("credits")).startsWith("Halvane"));
        QVERIFY(registry.names(ResourceType::RcData).contains(QStringLiteral("Credits")));
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "test_resources.moc"

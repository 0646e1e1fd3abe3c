// Every records dialog in the four looks: the size of the look, a header drawn
// in the gray looks, and a screenshot of each for a person to look at
// (tests/records/shots in the build folder).

#include "records/TFormPassword.h"
#include "records/TFormSpeed.h"
#include "records/codec/Settings.h"
#include "table/DialogLook.h"
#include "table/ImageControl.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace halvane;

namespace {
void SetLook(int look)
{
    Settings &s = CurrentSettings();
    s.PurpleDialogs = look == 4;
    s.DialogDesign = look == 4 ? 2 : look;
}

QString ShotFolder()
{
    const QString folder = QDir::currentPath() + QStringLiteral("/shots");
    QDir().mkpath(folder);
    return folder;
}

// Distinct colours in a picture: a header that was drawn has many.
int Colours(const QImage &image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

using Factory = std::function<QDialog *()>;
} // namespace

Q_DECLARE_METATYPE(Factory)

class TestDialogLooks : public QObject
{
    Q_OBJECT
private slots:
    void looks_data()
    {
        QTest::addColumn<Factory>("make");
        QTest::addColumn<QSize>("concise");
        QTest::addColumn<QSize>("aristocratic");
        QTest::addColumn<QSize>("ribbons");
        QTest::addColumn<QSize>("purple");
        QTest::newRow("TFormSpeed") << Factory([] { return new TFormSpeed; }) << QSize(310, 260) << QSize(310, 275)
                                    << QSize(310, 295) << QSize(340, 280);
        QTest::newRow("TFormPassword new player")
            << Factory([] { return new TFormPassword(TFormPassword::Mode::NewPlayer, "", "", "Mr.X"); })
            << QSize(380, 308) << QSize(380, 324) << QSize(380, 350) << QSize(380, 270);
        QTest::newRow("TFormPassword member")
            << Factory([] { return new TFormPassword(TFormPassword::Mode::Member, "Anna", "", ""); })
            << QSize(380, 238) << QSize(380, 254) << QSize(380, 280) << QSize(380, 200);
    }
    void looks()
    {
        QFETCH(Factory, make);
        QFETCH(QSize, concise);
        QFETCH(QSize, aristocratic);
        QFETCH(QSize, ribbons);
        QFETCH(QSize, purple);
        const std::array<QSize, 4> sizes{concise, aristocratic,
                                         ribbons, purple};
        static const char *names[] = {"concise", "aristocratic", "ribbons", "purple"};
        for (int look = 1; look <= 4; ++look) {
            SetLook(look);
            std::unique_ptr<QDialog> dialog(make());
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            QCOMPARE(dialog->size(), sizes[std::size_t(look - 1)]);
            const QImage shot = dialog->grab().toImage();
            QVERIFY(shot.save(ShotFolder() + QStringLiteral("/%1_%2.png")
                                                 .arg(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'),
                                                      QLatin1String(names[look - 1]))));
            const auto *image0 = dialog->findChild<ImageControl *>();
            if (look < 4) {
                QVERIFY(image0 && image0->isVisible());
                QVERIFY2(Colours(image0->picture()) > 20, "the header is drawn");
            } else {
                QCOMPARE(shot.pixel(2, shot.height() - 2), qRgb(0, 0, 0)); // black purple-look background
            }
        }
    }
};

QTEST_MAIN(TestDialogLooks)
#include "test_dialog_looks.moc"

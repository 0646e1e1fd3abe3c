// Every records dialog in the four looks: the size of the look, a header drawn
// in the gray looks, and a screenshot of each for a person to look at
// (tests/records/shots in the build folder).

#include "records/TFHistory.h"
#include "records/TFormCount.h"
#include "records/TFormOptions.h"
#include "records/TFormPassword.h"
#include "records/TFormSpeed.h"
#include "records/TFormTopTen.h"
#include "records/codec/GameCounters.h"
#include "records/codec/HistoryFile.h"
#include "records/codec/PlayerLine.h"
#include "records/codec/Settings.h"
#include "table/DialogLook.h"
#include "table/ImageControl.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
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

// A club whose top ten holds four results, one of them negative.
ClubFile ClubWithTopTen()
{
    ClubFile club = ClubFile::Fresh();
    const char *names[] = {"Anna", "Boris", "\xC2\xE5\xF0\xE0", "Dan"}; // the third is Cyrillic
    const char *scores[] = {"   412", "   230", "    15", "   -40"};
    for (int k = 0; k < 4; ++k)
        club.setLine(6 + k, PlayerNameField(names[k]) + scores[k]);
    return club;
}

GameCounters SomeCounters()
{
    ClubFile club = ClubFile::Fresh();
    PlayerLine p;
    p.name = PlayerNameField("Anna");
    p.rating = 1.25;
    p.games = 27;
    p.cycleScore = 48;
    club.setLine(1, p.Text());
    GameCounters c = LoadCounters(club, 1);
    c.AddDeal(-12);
    return c;
}

// A history folder with a few games of every kind.
QString HistoryFolder()
{
    static QTemporaryDir dir;
    const HistoryWriter writer(std::filesystem::path(dir.path().toStdString()), "Halvane");
    if (!std::filesystem::exists(writer.FilePath(1))) {
        writer.Write({HisStr{"Anna", 1, 35, 1.75, 0}, HisStr{"Anna/Bob/PC", 1, -20, -0.5, 3},
                      HisStr{"Nick", 1, 12, 3.0, 1}, HisStr{"Anna/Ivan/Olga", 1, 4, 1500, 2}},
                     "12:30", "11.12.2026");
        writer.Write({HisStr{"Anna", 1, 0, 0.004, 0}}, "12:41", "11.12.2026");
    }
    return dir.path();
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
        QTest::newRow("TFormCount")
            << Factory([] { return new TFormCount(FillCount(SomeCounters()), "Anna", TFormCount::Kind::Computer, 1); })
            << QSize(460, 475) << QSize(460, 491) << QSize(460, 517) << QSize(460, 435);
        QTest::newRow("TFormOptions") << Factory([] {
            OptionsHooks hooks;
            hooks.screen = QSize(1920, 1080);
            return new TFormOptions(hooks);
        }) << QSize(500, 360) << QSize(500, 375) << QSize(500, 410) << QSize(500, 400);
        QTest::newRow("TFormTopTen") << Factory([] { return new TFormTopTen(ClubWithTopTen(), false); })
                                     << QSize(460, 700) << QSize(460, 700) << QSize(460, 700) << QSize(460, 700);
        QTest::newRow("TFHistory") << Factory([] { return new TFHistory(HistoryFolder()); })
                                   << QSize(800, 500) << QSize(800, 516) << QSize(800, 542) << QSize(800, 460);
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
            if (look < 4 && image0) {
                QVERIFY(image0 && image0->isVisible());
                QVERIFY2(Colours(image0->picture()) > 20, "the header is drawn");
            } else if (look == 4) {
                QCOMPARE(shot.pixel(2, shot.height() - 2), qRgb(0, 0, 0)); // black purple-look background
            }
        }
    }
};

QTEST_MAIN(TestDialogLooks)
#include "test_dialog_looks.moc"

// The end-of-game screen: its texts, animations and pictures by place and
// mode, and screenshots of it in the four looks.

#include "records/codec/Settings.h"
#include "table/DialogLook.h"
#include "table/TFormEndGame.h"
#include "table/WavePlayer.h"

#include <QDir>
#include <QTest>

using namespace halvane;
using In = TFormEndGame::Inputs;

namespace {
QStringList Texts(const In &in, bool purple = false)
{
    QStringList out;
    for (const auto &line : TFormEndGame::Lines(in, purple))
        out << line.text;
    return out;
}
} // namespace

class TestEndGame : public QObject
{
    Q_OBJECT
private slots:
    void regretsOfALocalCycle()
    {
        const In in{0, -35, 0, 1, false};
        QCOMPARE(Texts(in), (QStringList{"Our regrets...", "Your result keeps to wish best", "Result: -35",
                                         "You have not hitted in ten best players..."}));
        QCOMPARE(TFormEndGame::AnimationName(in), QStringLiteral("GEndBads"));
        QVERIFY(TFormEndGame::AnimationLoops(in));
        QVERIFY(!TFormEndGame::ShowsMedal(in));
        QCOMPARE(TFormEndGame::StopFrame(in, false), 3);
        QCOMPARE(QString::fromLatin1(TFormEndGame::SoundName(in)), QStringLiteral("WFiBads"));
    }

    void accountPlaceBeyondTheTopTen()
    {
        const In in{15, 120, 0, 3, false};
        QCOMPARE(Texts(in).at(2), QStringLiteral("Result: 120 ; Place: 15"));
        QVERIFY(!TFormEndGame::ShowsMedal(in));
        QCOMPARE(Texts(in).size(), 4); // no prize line
        QCOMPARE(TFormEndGame::AnimationName(in), QStringLiteral("GEndBads"));
    }

    void firstPlaceOfAnAccountGameWithThePrize()
    {
        const In in{1, 500, 25, 3, false};
        const auto lines = TFormEndGame::Lines(in, false);
        QCOMPARE(lines.size(), std::size_t(5));
        QCOMPARE(lines[3].text, QStringLiteral("You become the Vice-President of the order!"));
        QCOMPARE(lines[4].text, QStringLiteral("You get 25 Vyxs!!!"));
        QCOMPARE(lines[0].y, 80); // moved up for the prize pictures
        QCOMPARE(lines[4].y, 360);
        QCOMPARE(lines[4].colour, QColor(255, 0, 0));
        QCOMPARE(TFormEndGame::Lines(in, true)[4].y, 300);
        QCOMPARE(QString::fromLatin1(TFormEndGame::SoundName(in)), QStringLiteral("WFiBest"));
    }

    void titlesAndClubAnimations_data()
    {
        QTest::addColumn<int>("accountMode");
        QTest::addColumn<bool>("net");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("club");
        QTest::newRow("offline") << 1 << false << "You become a Master of the Order!" << "GClubF";
        QTest::newRow("network") << 1 << true << "You become a Bachelor of the Order!" << "GClubG";
        QTest::newRow("logged in, local") << 2 << false << "" << "";
    }
    void titlesAndClubAnimations()
    {
        QFETCH(int, accountMode);
        QFETCH(bool, net);
        QFETCH(QString, title);
        QFETCH(QString, club);
        const In in{1, 300, 0, accountMode, net};
        const QStringList texts = Texts(in);
        QCOMPARE(texts.size(), title.isEmpty() ? 3 : 4);
        if (!title.isEmpty())
            QCOMPARE(texts.last(), title);
        QCOMPARE(TFormEndGame::ClubAnimation(in, false), club);
    }

    void frames()
    {
        QCOMPARE(TFormEndGame::StopFrame(In{1, 0, 0, 1, false}, false), 25);
        QCOMPARE(TFormEndGame::StopFrame(In{7, 0, 0, 1, false}, true), 24);
        QVERIFY(!TFormEndGame::AnimationLoops(In{7, 0, 0, 1, false}));
        QCOMPARE(TFormEndGame::AnimationName(In{7, 0, 0, 1, false}), QStringLiteral("GEndGood"));
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("prize");
        QTest::addColumn<int>("accountMode");
        QTest::newRow("first") << 1 << 0 << 1;
        QTest::newRow("fourth") << 4 << 0 << 1;
        QTest::newRow("none") << 0 << 0 << 1;
        QTest::newRow("account first with prize") << 1 << 25 << 3;
    }
    void screenshots()
    {
        QFETCH(int, place);
        QFETCH(int, prize);
        QFETCH(int, accountMode);
        static const char *names[] = {"concise", "aristocratic", "ribbons", "purple"};
        const QString folder = QDir::currentPath() + QStringLiteral("/shots");
        QDir().mkpath(folder);
        for (int look = 1; look <= 4; ++look) {
            CurrentSettings().PurpleDialogs = look == 4;
            CurrentSettings().DialogDesign = look == 4 ? 2 : look;
            RecordingWavePlayer sounds;
            TFormEndGame screen(In{place, 235, prize, accountMode, false}, &sounds);
            screen.show();
            QVERIFY(QTest::qWaitForWindowExposed(&screen));
            const int heights[] = {690, 705, 760, 720};
            QCOMPARE(screen.height(), heights[look - 1]);
            QCOMPARE(sounds.calls.size(), std::size_t(1));
            QVERIFY(screen.grab().save(folder + QStringLiteral("/TFormEndGame_%1_%2.png")
                                                     .arg(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'),
                                                          QLatin1String(names[look - 1]))));
        }
    }
};

QTEST_MAIN(TestEndGame)
#include "test_endgame.moc"

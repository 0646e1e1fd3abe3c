// The records of games played in the real main window, from a prepared club
// file in a temporary program folder: the general score dialog during a game,
// and after a whole game the member's club line, the history entry, the local
// top ten of a closed cycle, the end-of-game screen and the menu's panels.

#include <QTest>

#include "app/GameController.h"
#include "app/MenuRecords.h"
#include "app/TableBalloons.h"
#include "app/TForm1.h"
#include "records/LocalGameEndSteps.h"
#include "records/TFormCount.h"
#include "records/TFormPassword.h"
#include "records/codec/ClubStore.h"
#include "records/codec/HistoryFile.h"
#include "records/codec/PlayerLine.h"
#include "tests/records/MemberLineFixture.h"
#include "records/codec/Settings.h"
#include "records/codec/TopTenLine.h"
#include "table/AnimatedPicture.h"
#include "table/Balloons.h"
#include "table/DrawnTableArt.h"
#include "table/TBalloonHint.h"
#include "table/GameTable.h"
#include "tests/flow/HandPoint.h"
#include "table/ImageControl.h"
#include "table/ScaleState.h"
#include "table/TFormEndGame.h"
#include "table/TFormKing.h"
#include "table/TVyxCardsButton.h"
#include "table/WavePlayer.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <functional>

using namespace halvane;
namespace fs = std::filesystem;

namespace {

const int AnnaGames = 19;
const int AnnaScore = 30;
const double AnnaRating = 2.5;

std::string TopTen(const char *name, int score)
{
    return QString::asprintf("%-20s%6d", name, score).toStdString();
}

// Anna has played 19 games, so her next one closes her cycle. Nobody reaches
// place 1; every later place holds the lowest score a line can hold, so her
// cycle enters at place 2 whatever it is.
void MakeClub(const QString &folder)
{
    ClubFile club = ClubFile::Fresh();
    club.setLine(1, Member("Anna", AnnaRating, AnnaGames, AnnaScore, "abc"));
    club.setLine(2, Member("Boris", 1.0, 3, -7, "xyz"));
    club.setLine(6, TopTen("Carl", 99999));
    for (int place = 2; place <= 10; ++place)
        club.setLine(place + 5, TopTen(qPrintable(QStringLiteral("Low%1").arg(place)), -99999));
    ClubStore(fs::path(folder.toStdString()) / "Halvane.clb").Save(club);
    ClubFile net = ClubFile::Fresh();
    net.setLine(1, Member("Nina", 0.5, 5, 12, "abc"));
    ClubStore(fs::path(folder.toStdString()) / "Halvane.net").Save(net);
}

std::string FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// (K x R + S / 20) / N at six decimals, as the club line keeps a rating.
double ExpectedRating(int finalScore)
{
    const double value = (AnnaGames * AnnaRating + finalScore / 20.0) * 1000000.0 / (AnnaGames + 1);
    return std::nearbyint(value) / 1000000.0;
}

// A value with two decimals and a comma, right-aligned to 6: 2.375 -> "  2,38".
QString TwoDecimals(double value)
{
    const long long n = std::llround(std::nearbyint(value * 100.0));
    QString digits = QString::number(std::llabs(n)).rightJustified(3, QLatin1Char('0'));
    digits.insert(digits.size() - 2, QLatin1Char(','));
    return ((n < 0 ? QStringLiteral("-") : QString()) + digits).rightJustified(6, QLatin1Char(' '));
}

std::optional<PlayerLine> LineOf(const ClubFile &club, const std::string &name)
{
    for (int k = 1; k <= 5; ++k) {
        const auto p = PlayerLine::Parse(club.line(k));
        if (p && TrimmedName(p->name) == name)
            return p;
    }
    return std::nullopt;
}

struct Window {
    QTemporaryDir dir;
    bool made = (MakeClub(dir.path()), true);
    TForm1 form{dir.path()};
    RecordingWavePlayer wave;
    DrawnTableArt art;
    GameController game{form, art};
    std::unique_ptr<LocalGameEndSteps> steps;
    QTimer dialogWatch;
    // What to do with a modal dialog when it opens; each handler closes its dialog.
    std::function<void(TFormCount *)> onCount;
    std::function<void(TFormEndGame *)> onEndGame;
    std::function<void(TFormPassword *)> onPassword;
    QStringList messages;

    explicit Window(bool networkPlay = false)
    {
        form.setWavePlayer(&wave);
        form.setConfirm([](const QString &) { return true; });
        game.SetWavePlayer(&wave);
        game.SetSpeakCard([](Card, bool) { return true; });
        game.View().SetPause([](int) {});
        game.View().SetHeartbeatOverride(1);
        dialogWatch.setInterval(5);
        QObject::connect(&dialogWatch, &QTimer::timeout, [this] { Answer(QApplication::activeModalWidget()); });
        dialogWatch.start();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the window did not show");
        // The first paint reads the settings and checks the club files (and
        // writes the settings then).
        const QString ini = QDir(dir.path()).filePath(QStringLiteral("Halvane.ini"));
        if (!QTest::qWaitFor([&] { return QFile::exists(ini); }))
            qFatal("the first paint did not run");
        Settings &s = CurrentSettings();
        s.FlyCards = false;
        s.GameSpeed = 6;
        s.OrderedKing = false;
        s.NetGame = networkPlay;
        form.NetGame = networkPlay;
        // The records as the program wires them: on the window's counters.
        steps = MenuRecords::EndSteps(form, &wave);
        game.SetEndSteps(steps.get());
        QTest::mouseClick(form.Image1, Qt::LeftButton); // leave the splash
    }

    void Answer(QWidget *modal)
    {
        if (auto *d = qobject_cast<TFormKing *>(modal)) {
            for (int k = 1; k <= 8; ++k)
                if (d->button(k)->isEnabled()) {
                    QTest::mouseClick(d->button(k), Qt::LeftButton);
                    return;
                }
        } else if (auto *d = qobject_cast<TFormCount *>(modal); d && onCount) {
            onCount(d);
        } else if (auto *d = qobject_cast<TFormEndGame *>(modal)) {
            if (onEndGame)
                onEndGame(d);
            d->close();
        } else if (auto *d = qobject_cast<TFormPassword *>(modal); d && onPassword) {
            onPassword(d);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            box->accept();
        }
    }

    // The game of the first line's member (Anna), after the password.
    void StartAnna()
    {
        onPassword = [](TFormPassword *d) {
            d->Edit2->setText(QStringLiteral("abc"));
            d->Button1Click();
        };
        form.button(1)->click();
        onPassword = nullptr;
    }

    const GameFlowState &state() { return game.Flow().State(); }
    bool clickable(int k) { return form.button(k)->isVisible() && form.button(k)->isEnabled(); }

    QPoint pointOnSlot(int slot)
    {
        return PointOnSlot(game.Table(), state().hand(3), slot);
    }

    int legalSlot()
    {
        for (int slot = 1; slot <= HandSlotsUsed; ++slot)
            if (!state().hand(3).card(slot).isEmpty() && game.Flow().Legality(3, slot) == Legality::Legal)
                return slot;
        return 0;
    }

    // Plays by clicks until `stop` holds or the menu is back; `settled` runs
    // once for every settled deal before its "Next Round" is pressed.
    void Play(const std::function<bool()> &stop, const std::function<void(int deal)> &settled = {})
    {
        int lastSettled = 0;
        QElapsedTimer clock;
        clock.start();
        while (!form.MenuShown && !stop() && clock.elapsed() < 240000) {
            const GameFlowState &s = state();
            if (settled && s.Turn == TurnState::DealSettled && s.DealNumber() != lastSettled) {
                lastSettled = s.DealNumber();
                settled(lastSettled);
                continue;
            }
            if (clickable(7)) {
                QTest::mouseClick(form.button(7), Qt::LeftButton);
            } else if (clickable(8)) {
                QTest::mouseClick(form.button(8), Qt::LeftButton);
            } else if (s.Turn == 3 && s.StartButtonState == 2 && !s.OrderPending) {
                QTest::mouseClick(form.ImageCards[3], Qt::LeftButton, {}, pointOnSlot(legalSlot()));
            } else {
                QTest::qWait(1);
            }
        }
    }
};

QString ShotPath(const char *name)
{
    const QString folder = QDir(QStringLiteral(HALVANE_PROGRAM_DIR) + QStringLiteral("/../screenshots")).absolutePath();
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

class TestWindowRecords : public QObject
{
    Q_OBJECT
private slots:
    void init() { CurrentSettings() = Settings{}; }
    void generalScoreFollowsTheDeals();
    void wholeGameClosesTheCycle();
    void tableBalloons();
    void networkPlayKeepsItsClubFile();
};

void TestWindowRecords::generalScoreFollowsTheDeals()
{
    Window w;
    w.StartAnna();
    QVERIFY(w.form.GameRunning);
    QCOMPARE(w.form.Counters.Kon, AnnaGames + 1);

    // The dialog's figures after deals 1 and 2, and the game's score then.
    std::array<QStringList, 3> shown;
    std::array<int, 3> score{};
    int deal = 0;
    w.onCount = [&](TFormCount *d) {
        for (QLabel *label : d->LabelB)
            shown[size_t(deal)] << label->text();
        if (deal == 2)
            d->grab().save(ShotPath("general_score_deal2.png"));
        d->Button1->click();
    };
    w.Play([] { return false; }, [&](int settled) {
        deal = settled;
        score[size_t(deal)] = w.state().Game.gameScore[2];
        w.form.GenCountClick();
        if (deal == 2)
            w.form.QuitClick();
    });
    QVERIFY(w.form.MenuShown);
    QCOMPARE(deal, 2);
    for (int d = 1; d <= 2; ++d) {
        const QStringList &t = shown[size_t(d)];
        QCOMPARE(t.size(), 7);
        QCOMPARE(t[0], QString::number(AnnaGames + 1));
        QCOMPARE(t[1], QStringLiteral("20"));
        QCOMPARE(t[2], QString::number(AnnaScore));
        QCOMPARE(t[3], QString::number(score[size_t(d)]));
        QCOMPARE(t[4], QString::number(AnnaScore + score[size_t(d)]));
        QCOMPARE(t[5], TwoDecimals(AnnaRating).trimmed());
        QCOMPARE(t[6], TwoDecimals(ExpectedRating(score[size_t(d)])).trimmed());
    }
}


// Anna's 20th game, renamed to Anya during its first deal, played to its end.
void TestWindowRecords::wholeGameClosesTheCycle()
{
    Window w;
    w.form.AccountMode = 2; // signed in to the account, playing a local game
    w.StartAnna();
    QVERIFY(w.form.GameRunning);
    int endScreens = 0;
    bool clubShown = true;
    w.onEndGame = [&](TFormEndGame *d) {
        ++endScreens;
        clubShown = d->RxGIFAn2->running();
        d->grab().save(ShotPath("end_of_cycle.png"));
    };
    w.Play([] { return false; }, [&](int deal) {
        if (deal != 1)
            return;
        w.onPassword = [](TFormPassword *d) {
            d->Edit1->setText(QStringLiteral("Anya"));
            d->Edit2->setText(QStringLiteral("abc"));
            d->Edit3->setText(QStringLiteral("abc"));
            d->Button1Click();
        };
        w.form.ChangeNameClick();
        w.onPassword = nullptr;
    });
    QVERIFY2(w.form.MenuShown, "the game did not come back to the menu");
    QCOMPARE(w.state().DealNumber(), 12);
    QCOMPARE(w.messages.size(), 1); // the change of name was confirmed, no write failed
    QCOMPARE(w.messages[0], QStringLiteral("Your name and/or the password were successfully changed!\nNew name: Anya"));
    const int finalScore = w.state().Game.finalScore;
    const int cycleScore = AnnaScore + finalScore;

    // The club line: 20 games, the new rating, the general score back to 0.
    const ClubFile club = *CurrentClubFiles().local.Load();
    QVERIFY(club.SumsMatch());
    const auto anya = LineOf(club, "Anya");
    QVERIFY(anya);
    QVERIFY(!LineOf(club, "Anna"));
    QCOMPARE(anya->games, AnnaGames + 1);
    QCOMPARE(anya->cycleScore, 0);
    QVERIFY(std::abs(anya->rating - ExpectedRating(finalScore)) < 1e-9);
    QVERIFY(PasswordMatches(anya->passwordField, "abc"));
    const auto boris = LineOf(club, "Boris");
    QVERIFY(boris);
    QCOMPARE(boris->games, 3);

    // The local top ten: the cycle at place 2, the places below one lower.
    QCOMPARE(club.line(6), TopTen("Carl", 99999));
    QCOMPARE(club.line(7), TopTen("Anya", cycleScore));
    for (int place = 3; place <= 10; ++place)
        QCOMPARE(club.line(place + 5), TopTen(qPrintable(QStringLiteral("Low%1").arg(place - 1)), -99999));

    // One history entry with valid sums: name, one game, the result and the rating.
    const fs::path history = fs::path(w.dir.path().toStdString()) / "History" / "Halvane_I0001.hst";
    const HistoryCheck check = CheckHistoryFile(history);
    QVERIFY(check.valid);
    QCOMPARE(check.entries, 1);
    const QString entry = QString::fromStdString(check.entryLines[0]);
    QCOMPARE(entry.mid(15, 51).trimmed(), QStringLiteral("Anya"));
    QCOMPARE(entry.mid(66, 3).trimmed(), QStringLiteral("1"));
    QCOMPARE(entry.mid(69, 10).trimmed(), QString::number(finalScore));
    QCOMPARE(entry.mid(79, 10).trimmed(), TwoDecimals(ExpectedRating(finalScore)).trimmed());
    QCOMPARE(entry.at(89), QLatin1Char('L'));

    // The end-of-game screen of a place in the ten, shown once and closed.
    QCOMPARE(endScreens, 1);
    QVERIFY(!clubShown); // a signed-in player's local cycle shows no club
    int good = 0;
    for (const auto &call : w.wave.calls)
        good += call.name == "WFiGood";
    QCOMPARE(good, 1);
    QVERIFY(!QApplication::activeModalWidget());

    // The menu shows the new second place at once.
    QVERIFY(w.form.panel(2)->text().startsWith(QStringLiteral("Anya")));
    QVERIFY(w.form.panel(2)->text().endsWith(QString::number(cycleScore)));
    QVERIFY(w.form.panel(1)->text().startsWith(QStringLiteral("Carl")));

    // Her 21st game starts the new cycle from 0.
    const int line = anya->name == club.line(1).substr(0, 20) ? 1 : 2;
    w.onPassword = [](TFormPassword *d) {
        d->Edit2->setText(QStringLiteral("abc"));
        d->Button1Click();
    };
    w.form.button(line)->click();
    QVERIFY(w.form.GameRunning);
    QCOMPARE(w.form.Counters.Kon, AnnaGames + 2);
    QCOMPARE(w.form.Counters.StartScore, 0);
    QCOMPARE(w.form.Counters.Name, PlayerNameField("Anya"));
    w.form.QuitClick();
}


namespace {
void Hover(QWidget *control, bool enter)
{
    if (enter) {
        QEnterEvent event(QPointF(5, 5), control->mapToGlobal(QPointF(5, 5)), control->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(control, &event);
    } else {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(control, &event);
    }
}

QList<TBalloonHint *> OpenBalloons()
{
    QList<TBalloonHint *> open;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<TBalloonHint *>(w); b && b->isVisible())
            open << b;
    return open;
}
} // namespace

void TestWindowRecords::tableBalloons()
{
    Window w;
    // Not on the menu: the panel is hidden and there is no game.
    Hover(w.form.ImageKon, true);
    QCOMPARE(OpenBalloons().size(), 0);

    w.StartAnna();
    Hover(w.form.ImageKon, true);
    QList<TBalloonHint *> open = OpenBalloons();
    QCOMPARE(open.size(), 1);
    QCOMPARE(open[0]->title(), QStringLiteral("Current game"));
    QCOMPARE(open[0]->text(), QStringLiteral("General number of game: 20\n\rNumber of round in a current cycle: 20 / 20"));
    QCOMPARE(open[0]->arrow(), 0);
    // The balloon grows from its centre, then hangs from the panel.
    QTest::qWait(300);
    const QRect panel(w.form.ImageKon->mapToGlobal(QPoint(0, 0)), w.form.ImageKon->size());
    QVERIFY(open[0]->geometry().intersects(panel.adjusted(-2, -2, 2, 2)));
    QVERIFY(open[0]->grab().save(ShotPath("balloon_game_indicator.png")));
    Hover(w.form.ImageKon, false);
    QTRY_COMPARE(OpenBalloons().size(), 0);

    // A tablet opens nothing and closes what is open.
    Hover(w.form.ImageKon, true);
    Hover(w.form.ImageTab[1], true);
    QTRY_COMPARE(OpenBalloons().size(), 0);

    // Name plates show the player's picture only at a tournament table.
    QImage face(40, 50, QImage::Format_RGB32);
    face.fill(QColor(0, 128, 0));
    QDir(w.dir.path()).mkpath(QStringLiteral("History"));
    QVERIFY(face.save(QDir(w.dir.path()).filePath(QStringLiteral("History/Olga.bmp"))));
    w.form.tableBalloons().SetSeatName([](int seat) { return seat == 1 ? std::string("Olga   ") : std::string("Nobody"); });
    Hover(w.form.ImageSay[1], true);
    QCOMPARE(OpenBalloons().size(), 0);
    w.form.TournamentGame = true;
    Hover(w.form.ImageSay[2], true); // no picture of this player
    QCOMPARE(OpenBalloons().size(), 0);
    Hover(w.form.ImageSay[1], true);
    open = OpenBalloons();
    QCOMPARE(open.size(), 1);
    QCOMPARE(open[0]->arrow(), 3);
    QCOMPARE(open[0]->picture().pixelColor(20, 25), QColor(0, 128, 0));
    Hover(w.form.ImageSay[1], false);
    QTRY_COMPARE(OpenBalloons().size(), 0);
    // The tournament balloon of the panel: one game of one.
    Hover(w.form.ImageKon, true);
    open = OpenBalloons();
    QCOMPARE(open.size(), 1);
    QCOMPARE(open[0]->text(), QStringLiteral("General number of game: 20\n\rNumber of round in a current session: 1 / 1"));
    // Leaving the game takes the table and its balloon away.
    w.form.TournamentGame = false;
    w.form.QuitClick();
    QVERIFY(!w.form.ImageKon->isVisible());
    QCOMPARE(OpenBalloons().size(), 0);
}


// With network play on, the menu's members come from the network club file,
// and the game's counters go back there; the local club file stays as it was.
void TestWindowRecords::networkPlayKeepsItsClubFile()
{
    Window w(true);
    const QString local = QDir(w.dir.path()).filePath(QStringLiteral("Halvane.clb"));
    const std::string localBefore = FileBytes(local);
    QVERIFY(w.form.button(1)->text().startsWith(QStringLiteral("Nina")));
    w.StartAnna(); // the first line's member with the password "abc": Nina
    QCOMPARE(w.form.Counters.Name, PlayerNameField("Nina"));
    w.Play([] { return false; });
    QVERIFY(w.form.MenuShown);
    const ClubFile net = *CurrentClubFiles().network.Load();
    QVERIFY(net.SumsMatch());
    const auto nina = LineOf(net, "Nina");
    QVERIFY(nina);
    QCOMPARE(nina->games, 6);
    QCOMPARE(nina->cycleScore, 12 + w.state().Game.finalScore);
    QCOMPARE(FileBytes(local), localBefore);
}

QTEST_MAIN(TestWindowRecords)
#include "test_window_records.moc"

// The real main window through whole games by synthetic clicks: menu, "New
// Player", the start, "Ok", "Next Round" and "Exit to menu" buttons, cards
// clicked in the own hand, the order dialog, and what the table shows.

#include <QTest>

#include "app/GameController.h"
#include "app/TForm1.h"
#include "app/TestSwitch.h"
#include "app/ThinkingWait.h"
#include "records/codec/ClubFile.h"
#include "records/codec/ClubStore.h"
#include "records/SettingsStore.h"
#include "records/codec/Settings.h"
#include "platform/ResourcePack.h"
#include "table/PackTableArt.h"
#include "table/DrawnTableArt.h"
#include "table/GameTable.h"
#include "tests/flow/HandPoint.h"
#include "table/ImageControl.h"
#include "table/OwnCursors.h"
#include "table/ScaleState.h"
#include "table/TFormKing.h"
#include "table/TouchEffect.h"
#include "platform/ResourcePack.h"
#include "table/TVyxCardsButton.h"
#include "table/TableGeometry.h"
#include "table/WavePlayer.h"

#include <QApplication>
#include <QDir>
#include <QSet>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

using namespace halvane;

namespace {

// How many distinct colours a picture holds: a drawn hand or trick has many,
// a bare background piece few.
int Colours(const QImage &image, QRect area = QRect())
{
    if (area.isNull())
        area = image.rect();
    QSet<QRgb> seen;
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

// Pixels of the progress bar's two fills on the contract panel.
int BarPixels(const QImage &panel)
{
    const QRect bar(Scaled(20), Scaled(125), Scaled(70), Scaled(15));
    int n = 0;
    for (int y = bar.top(); y <= bar.bottom(); ++y)
        for (int x = bar.left(); x <= bar.right(); ++x) {
            const QRgb c = panel.pixel(x, y) & 0xFFFFFF;
            if (c == 0xFFFFC8 || c == 0xFFC8C8)
                ++n;
        }
    return n;
}

// Whether the cursor is one of the role's own frames.
bool IsOwnFrame(const QCursor &cursor, const OwnCursors &cursors, CursorRole role)
{
    if (cursor.shape() != Qt::BitmapCursor)
        return false;
    const QImage shown = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    for (const CursorFrame &f : cursors.frames(role))
        if (f.image.convertToFormat(QImage::Format_ARGB32) == shown)
            return true;
    return false;
}

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Fresh club files in the program folder, as the installation leaves them.
struct FreshClub {
    explicit FreshClub(const QString &folder)
    {
        const std::filesystem::path base(folder.toStdString());
        ClubStore(base / "Halvane.clb").Save(ClubFile::Fresh());
        ClubStore(base / "Halvane.net").Save(ClubFile::Fresh());
    }
};

// Records the calls, and can pretend a sound is being played to its end.
struct WaitingWavePlayer : RecordingWavePlayer {
    bool waiting = false;
    bool IsWaiting() const override { return waiting; }
};

struct Window {
    QTemporaryDir dir;
    FreshClub club{dir.path()};
    TForm1 form{dir.path()};
    WaitingWavePlayer wave;
    DrawnTableArt art;
    GameController game{form, art};
    std::vector<Card> spoken;
    int dialogs = 0;
    QTimer dialogWatch;

    Window()
    {
        CurrentSettings() = Settings{};
        CurrentSettings().FlyCards = false;
        form.setWavePlayer(&wave);
        form.setConfirm([](const QString &) { return true; });
        form.setWelcome([](int) { return true; }); // the password is right
        game.SetWavePlayer(&wave);
        game.SetSpeakCard([this](Card c, bool) {
            spoken.push_back(c);
            return true;
        });
        game.View().SetPause([](int) {});
        game.View().SetHeartbeatOverride(1);
        // The order dialog is answered as a person would: its first enabled button.
        dialogWatch.setInterval(5);
        QObject::connect(&dialogWatch, &QTimer::timeout, [this] {
            if (auto *d = qobject_cast<TFormKing *>(QApplication::activeModalWidget()))
                for (int k = 1; k <= 8; ++k)
                    if (d->button(k)->isEnabled()) {
                        ++dialogs;
                        QTest::mouseClick(d->button(k), Qt::LeftButton);
                        break;
                    }
        });
        dialogWatch.start();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The first paint reads the settings file (none here: the defaults)
        // and writes it back; only then can the test switch flights off.
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("Halvane.ini"))));
        CurrentSettings().FlyCards = false;
    }

    TVyxCardsButton *button(int k) { return form.button(k); }
    const GameFlowState &state() { return game.Flow().State(); }
    bool clickable(int k) { return button(k)->isVisible() && button(k)->isEnabled(); }

    void toMenu()
    {
        QTest::mouseClick(form.Image1, Qt::LeftButton);
        QVERIFY(form.MenuShown);
    }

    // The x of a hand slot's visible strip in the own hand image.
    QPoint pointOnSlot(int slot)
    {
        return PointOnSlot(game.Table(), state().hand(3), slot);
    }

    int slotWhere(bool legal)
    {
        for (int slot = 1; slot <= HandSlotsUsed; ++slot)
            if (!state().hand(3).card(slot).isEmpty() &&
                (game.Flow().Legality(3, slot) == Legality::Legal) == legal)
                return slot;
        return 0;
    }
};

} // namespace

class TestGameWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wholeGameByClicks_data();
    void wholeGameByClicks();
    void tableInput();
    void touchEffects_data();
    void touchEffects();
    void testSwitch();
    void chatControlsPlace_data();
    void screenshots_data();
    void screenshots();
    void chatControlsPlace();
    void thinkingKeepsWindowPainting_data();
    void thinkingKeepsWindowPainting();
    void handCursor_data();
    void handCursor();
};

void TestGameWindow::wholeGameByClicks_data()
{
    QTest::addColumn<bool>("ordered");
    QTest::addColumn<int>("deals");
    QTest::newRow("fixed order") << false << 12;
    QTest::newRow("ordered") << true << 12;
}

void TestGameWindow::wholeGameByClicks()
{
    QFETCH(bool, ordered);
    QFETCH(int, deals);
    Window w;
    CurrentSettings().OrderedKing = ordered;
    // In ordered play the real order dialog comes up; the window's watch
    // answers it with a click on its first enabled button.
    w.toMenu();
    QTest::mouseClick(w.button(6), Qt::LeftButton);
    QVERIFY(!w.form.MenuShown);
    QVERIFY(w.form.ImageCards[3]->isVisible() && w.form.ImageStol->isVisible() && w.form.ImageKon->isVisible());
    QVERIFY(!w.button(1)->isVisible());
    QCOMPARE(w.button(7)->text(), QStringLiteral("To Begin"));
    QCOMPARE(w.button(8)->text(), QStringLiteral("Exit to menu"));
    QVERIFY(w.button(7)->isEnabled() && !w.button(8)->isEnabled());
    QVERIFY(w.form.Quit->isEnabled());
    QCOMPARE(w.form.ImageKon->toolTip(), QStringLiteral("Game: 1 / 20"));
    // The own hand is drawn face up, the others as backs, the table empty.
    QVERIFY(Colours(w.form.ImageCards[3]->picture()) > 20);
    QVERIFY(Colours(w.form.ImageCards[1]->picture()) > 3);
    const QImage emptyTable = w.form.ImageStol->picture();

    // While a computer seat thinks, the contract panel shows its progress bar
    // (the window keeps painting and its timers run); the bar is gone before
    // the person is to play.
    const QColor pink(255, 200, 200);
    const auto barShown = [&w, &pink] { return w.form.ImageKon->picture().pixelColor(22, 138) == pink; };
    int thinkingSeen = 0;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (barShown())
            ++thinkingSeen;
    });
    sampler.start(1);

    QStringList captions;
    int localCards = 0;
    bool sawLocalCardOnTable = false;
    QElapsedTimer clock;
    clock.start();
    while (!w.form.MenuShown && clock.elapsed() < 120000) {
        const QString caption = w.button(7)->text();
        if (captions.isEmpty() || captions.back() != caption)
            captions << caption;
        const GameFlowState &s = w.state();
        // Between the computer's decisions no progress bar stays on the panel.
        QCOMPARE(BarPixels(w.form.ImageKon->picture()), 0);
        if (w.clickable(7)) {
            QTest::mouseClick(w.button(7), Qt::LeftButton);
        } else if (w.clickable(8)) {
            QVERIFY(s.GameFinished);
            QCOMPARE(w.button(7)->text(), QStringLiteral("Next Round"));
            QTest::mouseClick(w.button(8), Qt::LeftButton);
        } else if (s.Turn == 3 && s.StartButtonState == 2 && !s.OrderPending) {
            QVERIFY(!barShown());
            const int before = s.hand(3).cardsLeft;
            QTest::mouseClick(w.form.ImageCards[3], Qt::LeftButton, {}, w.pointOnSlot(w.slotWhere(true)));
            QCOMPARE(w.state().hand(3).cardsLeft, before - 1);
            ++localCards;
            const QRect slot(TrickSlot(3), QSize(CurrentScale().cardWidth, CurrentScale().cardHeight));
            if (w.form.ImageStol->picture().copy(slot) != emptyTable.copy(slot))
                sawLocalCardOnTable = true;
        } else {
            QTest::qWait(1);
        }
    }
    QVERIFY2(w.form.MenuShown, "the game did not come back to the menu");
    QCOMPARE(w.state().DealNumber(), deals);
    QVERIFY(localCards >= deals * 5); // early ends leave cards in the hands
    QVERIFY(sawLocalCardOnTable);
    QVERIFY(thinkingSeen > 0);
    QVERIFY(captions.contains(QStringLiteral("Ok")));
    QVERIFY(captions.contains(QStringLiteral("Next Round")));
    QVERIFY(captions.contains(QStringLiteral("To Begin of Round")));
    QCOMPARE(w.dialogs, ordered ? 4 : 0); // the local seat leads 4 of 12 deals
    // Back on the menu: table hidden, menu buttons, popup items off, heartbeat at 20 ms.
    QVERIFY(!w.form.ImageCards[3]->isVisible() && !w.button(7)->isVisible());
    QVERIFY(w.button(6)->isVisible());
    QVERIFY(!w.form.Quit->isEnabled());
    QCOMPARE(w.form.Timer1->interval(), 1);
    QVERIFY(w.form.Timer1->isActive());

    std::map<std::string, int> count;
    for (const auto &c : w.wave.calls)
        ++count[c.name];
    QCOMPARE(count["WTasoKo"], deals);
    QCOMPARE(count["WKoGutX"] + count["WKoBadX"], deals - 1);
    QVERIFY(count["WKoGood"] + count["WKoBads"] >= 1);
    QCOMPARE(count["WOpenFo"], 1 + (ordered ? 4 : 0)); // "New Player", then every order dialog
}

void TestGameWindow::tableInput()
{
    Window w;
    w.toMenu();
    QTest::mouseClick(w.button(6), Qt::LeftButton);
    // Kon 1, deal 1: seat 2 leads. Before the start nothing may be played.
    QTest::mouseClick(w.form.ImageCards[3], Qt::LeftButton, {}, w.pointOnSlot(1));
    QCOMPARE(w.state().hand(3).cardsLeft, 10);
    // While a sound plays to its end the heartbeat rests: seat 2 does not lead yet.
    w.wave.waiting = true;
    QTest::mouseClick(w.button(7), Qt::LeftButton);
    QTest::qWait(50);
    QVERIFY(w.state().TrickBySeat()[1].isEmpty());
    w.wave.waiting = false;
    QTRY_COMPARE(w.state().Turn, 3);

    // A right click on the own hand speaks the card and plays nothing.
    QTest::mouseClick(w.form.ImageCards[3], Qt::RightButton, {}, w.pointOnSlot(2));
    QCOMPARE(w.spoken, std::vector<Card>{w.state().hand(3).card(2)});
    QCOMPARE(w.state().hand(3).cardsLeft, 10);
    // So does one on the card lying on the table.
    const Card led = w.state().TrickBySeat()[1];
    QTest::mouseClick(w.form.ImageStol, Qt::RightButton, {}, TrickSlot(2) + QPoint(10, 10));
    QCOMPARE(w.spoken.back(), led);
    // An opponent's hand stays silent while the deal runs.
    QTest::mouseClick(w.form.ImageCards[1], Qt::RightButton, {}, QPoint(5, 20));
    QCOMPARE(int(w.spoken.size()), 2);

    const int legal = w.slotWhere(true);
    const int illegal = w.slotWhere(false);
    if (illegal) {
        const auto waves = w.wave.calls.size();
        QTest::mouseClick(w.form.ImageCards[3], Qt::LeftButton, {}, w.pointOnSlot(illegal));
        QCOMPARE(w.state().hand(3).cardsLeft, 10);
        QCOMPARE(int(w.wave.calls.size()), int(waves) + 1);
        QCOMPARE(w.wave.calls.back().name, std::string("WWrongs"));
    }
    // Overlapping cards: a point on the right part of a card that another
    // covers belongs to the covering card (the strip rule).
    const std::vector<int> xs = w.game.Table().HandPositions(3, 10);
    QVERIFY(xs[1] - xs[0] < CurrentScale().cardWidth);
    QCOMPARE(w.game.Table().HandSlotAt(3, w.state().hand(3), QPoint(xs[1] + 1, 10)), 2);
    QCOMPARE(w.game.Table().HandSlotAt(3, w.state().hand(3), QPoint(xs[1] - 1, 10)), 1);

    // The popup menu stays away from the hands and the table.
    QCOMPARE(w.form.ImageCards[3]->contextMenuPolicy(), Qt::PreventContextMenu);
    QCOMPARE(w.form.ImageStol->contextMenuPolicy(), Qt::PreventContextMenu);

    QTest::mouseClick(w.form.ImageCards[3], Qt::LeftButton, {}, w.pointOnSlot(legal));
    QCOMPARE(w.state().hand(3).cardsLeft, 9);

    // "Exit to menu" from the popup leaves the game at once.
    w.form.QuitClick();
    QVERIFY(w.form.MenuShown);
    QVERIFY(!w.state().GameRunning);
    QVERIFY(!w.form.ImageCards[3]->isVisible());
    QTest::qWait(20);
    QCOMPARE(w.state().hand(3).cardsLeft, 9);
}

namespace {
int OpenTouchEffects()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<TouchEffect *>(w) && w->isVisible())
            ++n;
    return n;
}
} // namespace

void TestGameWindow::touchEffects_data()
{
    QTest::addColumn<bool>("pack");
    QTest::addColumn<bool>("buttons");
    QTest::addColumn<bool>("cards");
    QTest::newRow("both salutes") << true << true << true;
    QTest::newRow("buttons only") << true << true << false;
    QTest::newRow("cards only") << true << false << true;
    QTest::newRow("no decor pack") << false << true << true;
}

// The burst under the mouse: on pressing a button with the button salute,
// on playing a card with the card salute; never without the decor pack.
void TestGameWindow::touchEffects()
{
    QFETCH(bool, pack);
    QFETCH(bool, buttons);
    QFETCH(bool, cards);
    const PackSearch saved = CurrentPackSearch();
    QTemporaryDir empty;
    CurrentPackSearch().programDir = pack ? QStringLiteral(HALVANE_PROGRAM_DIR) : empty.path();
    CurrentPackSearch().currentDir = empty.path();
    Window w;
    CurrentSettings().SaluteButtons = buttons;
    CurrentSettings().SaluteCards = cards;
    w.toMenu();
    QTest::mouseClick(w.button(6), Qt::LeftButton);
    QTRY_COMPARE(OpenTouchEffects(), 0);
    QTest::mouseClick(w.button(7), Qt::LeftButton);
    QCOMPARE(OpenTouchEffects(), pack && buttons ? 1 : 0);
    QTRY_COMPARE(OpenTouchEffects(), 0); // 30 frames of 12 ms, then it closes itself
    QTRY_COMPARE(w.state().Turn, 3);
    QTest::mouseClick(w.form.ImageCards[3], Qt::LeftButton, {}, w.pointOnSlot(w.slotWhere(true)));
    QCOMPARE(w.state().hand(3).cardsLeft, 9);
    QCOMPARE(OpenTouchEffects(), pack && cards ? 1 : 0);
    CurrentPackSearch() = saved;
}

void TestGameWindow::testSwitch()
{
    int toggles = 0;
    TestSwitch sw([&] { ++toggles; });
    for (QChar c : QStringLiteral("1257357"))
        sw.Type(c);
    QCOMPARE(toggles, 0); // "1257357" is not the number
    sw.Clear();
    for (QChar c : QString::number(TestSwitch::Number))
        sw.Type(c);
    QCOMPARE(toggles, 1);
    QVERIFY(sw.Typed().isEmpty());
    QVERIFY(!sw.Type(QStringLiteral("+") + QString::number(TestSwitch::Number)));
    sw.Clear();

    // In a game the switch is typed on the chat's send button while it has
    // the focus (the chat shows in network play; here it is shown as there).
    Window w;
    w.toMenu();
    QTest::mouseClick(w.button(6), Qt::LeftButton);
    QVERIFY(!w.form.BitBtn1->isVisible() && !w.form.Edit1->isVisible()); // not at a local game
    w.form.ShowChatControls(true);
    QPushButton *send = w.form.BitBtn1;
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    send->setFocus();
    QTRY_VERIFY(send->hasFocus());
    const QImage closed = w.form.ImageCards[1]->picture();
    // Typed digits are kept while the button keeps the focus; losing it empties them.
    QTest::keyClicks(send, QStringLiteral("573"));
    QCOMPARE(w.game.Switch().Typed(), QStringLiteral("573"));
    w.form.Edit1->setFocus();
    QTRY_VERIFY(!send->hasFocus());
    QVERIFY(w.game.Switch().Typed().isEmpty());
    send->setFocus();
    QTRY_VERIFY(send->hasFocus());
    QTest::keyClicks(send, QStringLiteral("57"));
    QVERIFY(!w.state().OpenHands);
    QTest::keyClicks(send, QStringLiteral("357"));
    QVERIFY(w.state().OpenHands);
    QVERIFY(w.game.View().HandOpen(1) && w.game.View().HandOpen(2));
    QVERIFY(w.form.ImageCards[1]->picture() != closed);
    // Keys typed elsewhere (the chat line) do not count.
    w.form.Edit1->setFocus();
    QTRY_VERIFY(w.form.Edit1->hasFocus());
    QTest::keyClicks(w.form.Edit1, QString::number(TestSwitch::Number));
    QVERIFY(w.state().OpenHands);
    QCOMPARE(w.form.Edit1->text(), QString::number(TestSwitch::Number));
    w.form.QuitClick();
    QTest::mouseClick(w.button(6), Qt::LeftButton);
    QVERIFY(!w.state().OpenHands);
}

void TestGameWindow::chatControlsPlace_data()
{
    QTest::addColumn<int>("size");
    for (int size = 1; size <= 5; ++size)
        QTest::newRow(qPrintable(QStringLiteral("size %1").arg(size))) << size;
}

void TestGameWindow::chatControlsPlace()
{
    QFETCH(int, size);
    Window w;
    CurrentSettings().WindowSize = size;
    w.form.ApplyWindowSize();
    QCOMPARE(CurrentScale().windowSize, size);
    // Under the message board (620, 373)-(750, 463): the send button at its
    // right end, a Scaled(35) square; the chat line beside it, centred on it.
    const QRect board = ElementRect(DesignRect{620, 373, 750, 463});
    const int boardRight = board.left() + board.width();
    const int boardBottom = board.top() + board.height();
    const QRect send = w.form.BitBtn1->geometry();
    QCOMPARE(send, QRect(boardRight - Scaled(35), boardBottom + Scaled(1), Scaled(35), Scaled(35)));
    const QRect line = w.form.Edit1->geometry();
    QCOMPARE(line.left(), board.left());
    QCOMPARE(line.width(), board.width() - Scaled(36));
    QCOMPARE(line.top(), boardBottom + Scaled(1) + int(std::lround((Scaled(35) - Scaled(20)) / 2.0)));
    QVERIFY(line.right() < send.left());
    QCOMPARE(w.form.Edit1->font().pixelSize(), Scaled(14));
    QCOMPARE(w.form.Edit1->maxLength(), 15);
    // Both stay inside the window at every size.
    QVERIFY(w.form.rect().contains(send) && w.form.rect().contains(line));
    QVERIFY(!w.form.BitBtn1->isVisible());
}

void TestGameWindow::screenshots_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("small window") << 1;
    QTest::newRow("average window 1") << 3;
    QTest::newRow("large window") << 5;
}

// The window as a person sees it, with our packs: the menu, then a deal with
// two cards on the table and the person to play, at three window sizes.
void TestGameWindow::screenshots()
{
    QFETCH(int, size);
    const PackSearch savedSearch = CurrentPackSearch();
    CurrentPackSearch() = PackSearch{QStringLiteral(HALVANE_PROGRAM_DIR), QStringLiteral(HALVANE_PROGRAM_DIR)};
    QTemporaryDir dir;
    FreshClub club(dir.path());
    CurrentSettings() = Settings{};
    CurrentSettings().WindowSize = size;
    SettingsStore::WriteSettings(dir.path() + QLatin1Char('/'), {});
    CurrentSettings() = Settings{};

    TForm1 form(dir.path());
    RecordingWavePlayer wave;
    form.setWavePlayer(&wave);
    form.setConfirm([](const QString &) { return true; });
    form.setWelcome([](int) { return true; });
    GameController game(form, form.tableArt());
    game.SetWavePlayer(&wave);
    game.View().SetPause([](int) {});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(CurrentScale().windowSize, size); // the first paint has read the settings
    CurrentSettings().FlyCards = false;
    const QString shots = QStringLiteral(HALVANE_PROGRAM_DIR) + QStringLiteral("/../screenshots");
    QDir().mkpath(shots);

    form.LeaveSplash();
    QVERIFY(form.MenuShown);
    QTest::qWait(50);
    const QImage menu = form.grab().toImage();
    QVERIFY(menu.save(shots + QStringLiteral("/window_menu_size%1.png").arg(size)));
    for (int k : {1, 6, 9, 10, 11})
        QVERIFY(form.rect().contains(form.button(k)->geometry()));

    QTest::mouseClick(form.button(6), Qt::LeftButton);
    const QImage emptyTrick = form.ImageStol->picture();
    QTest::mouseClick(form.button(7), Qt::LeftButton);
    // Kon 1, deal 1: seat 2 leads, seat 1 follows, then the person is to play.
    QTRY_COMPARE(game.Flow().State().Turn, 3);
    // The person plays; the heartbeat is held so that seat 1 is still to play.
    form.Timer1->stop();
    const Hand &hand = game.Flow().State().hand(3);
    int legal = 1;
    while (game.Flow().Legality(3, legal) != Legality::Legal)
        ++legal;
    QTest::mouseClick(form.ImageCards[3], Qt::LeftButton, {}, PointOnSlot(game.Table(), hand, legal));
    QCOMPARE(game.Flow().State().Turn, 1);
    QTest::qWait(50);
    const QImage deal = form.grab().toImage();
    QVERIFY(deal.save(shots + QStringLiteral("/window_deal_size%1.png").arg(size)));

    // The two played cards lie in their slots, seat 1's slot is still empty.
    const QSize card(CurrentScale().cardWidth, CurrentScale().cardHeight);
    for (int seat : {2, 3}) {
        const QRect slot(TrickSlot(seat), card);
        QVERIFY(form.ImageStol->picture().copy(slot) != emptyTrick.copy(slot));
    }
    QCOMPARE(form.ImageStol->picture().copy(QRect(TrickSlot(1), card)), emptyTrick.copy(QRect(TrickSlot(1), card)));
    QCOMPARE(hand.cardsLeft, 9);
    // The table buttons' captions grow with the window and fit their buttons.
    for (int k : {7, 8}) {
        const QFont font = form.button(k)->font();
        QVERIFY(font.pixelSize() >= Scaled(12));
        QVERIFY(QFontMetrics(font).horizontalAdvance(QStringLiteral("To Begin of Round")) < form.button(k)->width());
    }
    // Every table element lies inside the window and none covers another.
    std::vector<std::pair<QString, QRect>> parts;
    for (int seat = 1; seat <= 3; ++seat) {
        parts.emplace_back(QStringLiteral("hand %1").arg(seat), form.ImageCards[seat]->geometry());
        parts.emplace_back(QStringLiteral("tablet %1").arg(seat), form.ImageTab[seat]->geometry());
        parts.emplace_back(QStringLiteral("plate %1").arg(seat), form.ImageSay[seat]->geometry());
    }
    parts.emplace_back(QStringLiteral("trick"), form.ImageStol->geometry());
    parts.emplace_back(QStringLiteral("contract"), form.ImageKon->geometry());
    parts.emplace_back(QStringLiteral("Button7"), form.button(7)->geometry());
    parts.emplace_back(QStringLiteral("Button8"), form.button(8)->geometry());
    for (size_t i = 0; i < parts.size(); ++i) {
        QVERIFY2(form.rect().contains(parts[i].second), qPrintable(parts[i].first));
        for (size_t j = i + 1; j < parts.size(); ++j) {
            if (parts[i].first == QStringLiteral("trick") && parts[j].first == QStringLiteral("contract"))
                continue; // checked below
            QVERIFY2(!parts[i].second.intersects(parts[j].second),
                     qPrintable(parts[i].first + QStringLiteral(" covers ") + parts[j].first));
        }
    }
    // The contract panel reaches a few units into the trick area, above the
    // place where any card lies.
    const QRect shared = form.ImageStol->geometry().intersected(form.ImageKon->geometry());
    for (int seat = 1; seat <= 3; ++seat)
        QVERIFY(shared.bottom() < form.ImageStol->y() + TrickSlot(seat).y());
    // The hand's ten cards show their faces.
    QVERIFY(Colours(form.ImageCards[3]->picture()) > 20);
    form.QuitClick();
    CurrentPackSearch() = savedSearch;
}

void TestGameWindow::thinkingKeepsWindowPainting_data()
{
    QTest::addColumn<bool>("own");
    QTest::newRow("own cursors") << true;
    QTest::newRow("system cursors") << false;
}

void TestGameWindow::thinkingKeepsWindowPainting()
{
    QFETCH(bool, own);
    Window w;
    int asked = 0;
    w.form.setConfirm([&asked](const QString &) {
        ++asked;
        return false; // stay
    });
    CurrentSettings().OwnCursor = own;
    w.toMenu();
    QTest::mouseClick(w.button(6), Qt::LeftButton);
    const QImage panelBefore = w.form.ImageKon->picture();
    QCOMPARE(BarPixels(panelBefore), 0);

    ThinkingWait &thinking = w.game.Thinking();
    PaintCounter counter;
    w.form.ImageKon->installEventFilter(&counter);
    int ticks = 0;
    int mostBar = 0;
    int lastBar = 0;
    bool waitCursor = true;
    bool clicked = false;
    QWidget other(nullptr, Qt::Tool);
    other.show();
    bool otherClosed = false;
    QImage shot;
    QTimer probe;
    probe.setInterval(3);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!thinking.Running())
            return;
        ++ticks;
        const int bar = BarPixels(w.form.ImageKon->picture());
        mostBar = std::max(mostBar, bar);
        lastBar = bar;
        const QCursor *c = QGuiApplication::overrideCursor();
        waitCursor = waitCursor && c &&
                     (own ? IsOwnFrame(*c, w.form.cursors(), CursorRole::Wait) : c->shape() == Qt::WaitCursor);
        if (!clicked && bar > 0) {
            clicked = true;
            shot = w.form.grab().toImage();
            // A person clicks "To Begin" and closes the window meanwhile: neither may happen now.
            QTest::mouseClick(w.button(7), Qt::LeftButton);
            w.form.close();
            // Other windows (a touch burst, a balloon) close as usual.
            other.close();
            otherClosed = !other.isVisible();
        }
    });
    probe.start();
    // A search of the computer's, as the seats run it: progress from the worker thread.
    thinking.Run(10, [&thinking] {
        for (int i = 1; i <= 10; ++i) {
            thinking.Report(i * 10);
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    });
    probe.stop();
    QVERIFY(!thinking.Running());
    QVERIFY2(ticks >= 10, "timers stood still during the search");
    QVERIFY2(counter.paints > 0, "the contract panel was not repainted during the search");
    QVERIFY2(mostBar > 0, "no progress bar on the contract panel");
    QVERIFY(lastBar >= mostBar * 9 / 10); // the bar only grows
    QVERIFY(waitCursor);
    QVERIFY(clicked);
    QVERIFY(otherClosed);
    QCOMPARE(w.state().StartButtonState, 1); // the click was dropped
    QVERIFY(w.form.isVisible());
    QCOMPARE(asked, 0); // the close request waits for the decision
    QVERIFY(!QGuiApplication::overrideCursor());
    // The bar stands at 100 % until the seat reports the end; then the panel is as before.
    QVERIFY(BarPixels(w.form.ImageKon->picture()) > 0);
    thinking.Report(-1);
    QCOMPARE(BarPixels(w.form.ImageKon->picture()), 0);
    QCOMPARE(w.form.ImageKon->picture(), panelBefore);
    QTRY_COMPARE(asked, 1); // now the window asks whether to leave
    QVERIFY(w.form.isVisible());

    // What a person saw: the bar on the panel while the computer thinks.
    QVERIFY(!shot.isNull());
    const QString dir = QStringLiteral(HALVANE_PROGRAM_DIR) + QStringLiteral("/../screenshots");
    QDir().mkpath(dir);
    shot.save(dir + QStringLiteral("/thinking_%1.png").arg(own ? QStringLiteral("own") : QStringLiteral("system")));

    // A short decision shows no wait cursor.
    bool cursorSeen = false;
    thinking.Run(3, [&cursorSeen] {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        cursorSeen = QGuiApplication::overrideCursor() != nullptr;
    });
    QVERIFY(!cursorSeen);
}

void TestGameWindow::handCursor_data()
{
    QTest::addColumn<bool>("own");
    QTest::newRow("own cursors") << true;
    QTest::newRow("system cursors") << false;
}

void TestGameWindow::handCursor()
{
    QFETCH(bool, own);
    Window w;
    CurrentSettings().OwnCursor = own;
    w.form.ApplyCursors();
    w.toMenu();
    QTest::mouseClick(w.button(6), Qt::LeftButton);
    QTest::mouseClick(w.button(7), Qt::LeftButton);
    // Qt drops a move to where the pointer already is: come from elsewhere.
    auto hover = [&](int slot) {
        QTest::mouseMove(w.form.ImageStol, QPoint(1, 1));
        QTest::mouseMove(w.form.ImageCards[3], w.pointOnSlot(slot));
    };
    auto is = [&](CursorRole role) {
        const QCursor c = w.form.ImageCards[3]->cursor();
        if (own)
            return IsOwnFrame(c, w.form.cursors(), role);
        return c.shape() == (role == CursorRole::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    };
    // Play on until the own seat holds a card it may not play, then point at both kinds.
    bool checked = false;
    QElapsedTimer clock;
    clock.start();
    while (!checked && w.state().Turn <= TurnState::DealOver && clock.elapsed() < 20000) {
        const GameFlowState &s = w.state();
        if (s.Turn == 3 && s.StartButtonState == 2) {
            const int legal = w.slotWhere(true);
            const int illegal = w.slotWhere(false);
            hover(legal);
            QVERIFY(is(CursorRole::Hand));
            if (illegal) {
                hover(illegal);
                QVERIFY(is(CursorRole::Arrow));
                checked = true;
            }
            QTest::mouseClick(w.form.ImageCards[3], Qt::LeftButton, {}, w.pointOnSlot(legal));
            // Off the own turn the hand shows the arrow everywhere.
            hover(1);
            QVERIFY(is(CursorRole::Arrow));
        } else if (w.clickable(7)) {
            QTest::mouseClick(w.button(7), Qt::LeftButton);
        } else {
            QTest::qWait(1);
        }
    }
    QVERIFY2(checked, "no turn with a card the rules refuse");
}

QTEST_MAIN(TestGameWindow)
#include "test_gamewindow.moc"

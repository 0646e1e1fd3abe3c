// End to end: halvane-selfplay's game loop plays whole games; the test reads
// the JSON Lines log back and replays it with its own checks of the rules.
#include "CoreTestUtil.h"

#include "SelfPlay.h"
#include "core/Contract.h"
#include "core/Deal.h"
#include "core/Scoring.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <set>
#include <sstream>

using namespace halvane;
using namespace halvane::selfplay;
using namespace halvane::testutil;

Q_DECLARE_METATYPE(halvane::selfplay::SelfPlayOptions)

namespace {

SeatPoints Points(const QJsonValue &v)
{
    const QJsonArray a = v.toArray();
    return {a[0].toInt(), a[1].toInt(), a[2].toInt()};
}

bool IsHeart(const QString &code) { return code.endsWith(QStringLiteral("ч")); }
QString SuitOf(const QString &code) { return code.right(1); }

// The rules as a player states them, independent of the engine's code.
QString Refusal(const QStringList &hand, const QString &card, const QStringList &trick, int contract)
{
    if (!hand.contains(card))
        return "card not held";
    if (trick.isEmpty()) {
        const bool otherSuit = std::any_of(hand.begin(), hand.end(), [](const QString &c) { return !IsHeart(c); });
        if (IsHeartContract(contract) && IsHeart(card) && otherSuit)
            return "heart led";
        return {};
    }
    const QString led = SuitOf(trick[0]);
    const bool holdsLed = std::any_of(hand.begin(), hand.end(), [&](const QString &c) { return SuitOf(c) == led; });
    if (holdsLed && SuitOf(card) != led)
        return "did not follow";
    if (!holdsLed && hand.contains(QStringLiteral("Кч")) && card != QStringLiteral("Кч"))
        return "kept the King of hearts";
    return {};
}

int WinnerPosition(const QStringList &trick)
{
    static const QString order = QStringLiteral("789") + QStringLiteral("1ВДКТ");
    int best = 0;
    for (int p = 1; p < 3; ++p)
        if (SuitOf(trick[p]) == SuitOf(trick[0]) && order.indexOf(trick[p][0]) > order.indexOf(trick[best][0]))
            best = p;
    return best;
}

} // namespace

class TestSelfPlay : public QObject
{
    Q_OBJECT
private slots:
    void parsePlayers()
    {
        std::array<PlayerKind, 3> players{};
        QVERIFY(ParsePlayers("ai,random,ai", players));
        QVERIFY(players[0] == PlayerKind::Ai && players[1] == PlayerKind::Random && players[2] == PlayerKind::Ai);
        QVERIFY(!ParsePlayers("ai,ai", players));
        QVERIFY(!ParsePlayers("ai,ai,ai,ai", players));
        QVERIFY(!ParsePlayers("ai,human,ai", players));
    }

    void logReplays_data()
    {
        QTest::addColumn<SelfPlayOptions>("options");
        SelfPlayOptions fixed;
        fixed.games = 1;
        fixed.seed = 21;
        fixed.kon = 5;
        fixed.players = {PlayerKind::Ai, PlayerKind::Random, PlayerKind::Random};
        QTest::newRow("fixed, one ai") << fixed;

        SelfPlayOptions ordered = fixed;
        ordered.seed = 22;
        ordered.game.orderedKing = true;
        ordered.players = {PlayerKind::Random, PlayerKind::Ai, PlayerKind::Random};
        QTest::newRow("ordered short, one ai") << ordered;

        SelfPlayOptions longGames;
        longGames.games = 2;
        longGames.seed = 23;
        longGames.kon = 19;
        longGames.game = GameOptions{true, false, true};
        longGames.players = {PlayerKind::Random, PlayerKind::Random, PlayerKind::Random};
        QTest::newRow("ordered long, random") << longGames;

        SelfPlayOptions eralash = longGames;
        eralash.seed = 24;
        eralash.game = GameOptions{false, true, false};
        QTest::newRow("fixed with Eralash, random") << eralash;
    }
    void logReplays()
    {
        QFETCH(SelfPlayOptions, options);
        std::ostringstream out;
        const SelfPlayResult result = RunSelfPlay(options, &out);
        QCOMPARE(int(result.games.size()), options.games);

        std::istringstream in(out.str());
        std::string line;
        QList<QJsonObject> events;
        while (std::getline(in, line)) {
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
            QVERIFY2(error.error == QJsonParseError::NoError && doc.isObject(), line.c_str());
            events << doc.object();
        }

        int at = 0;
        auto next = [&](const char *type) {
            if (at >= events.size())
                return QJsonObject{};
            const QJsonObject e = events[at++];
            return e["type"].toString() == QLatin1String(type) ? e : QJsonObject{};
        };
        const int length = GameLength(options.game);
        for (int g = 1; g <= options.games; ++g) {
            const QJsonObject game = next("game");
            QVERIFY(!game.isEmpty());
            QCOMPARE(game.keys(), (QStringList{"eralash", "game", "kon", "long", "ordered", "players", "type"}));
            QCOMPARE(game["game"].toInt(), g);
            QCOMPARE(game["kon"].toInt(), options.kon + g - 1);
            QCOMPARE(game["ordered"].toBool(), options.game.orderedKing);
            QCOMPARE(game["long"].toBool(), options.game.longGame);
            QCOMPARE(game["eralash"].toBool(), options.game.playEralash);
            const QJsonArray players = game["players"].toArray();
            QCOMPARE(players.size(), 3);
            const int kon = game["kon"].toInt();
            GameScore scores{};
            for (int d = 1; d <= length; ++d) {
                const QJsonObject deal = next("deal");
                QVERIFY(!deal.isEmpty());
                QCOMPARE(deal["deal"].toInt(), d);
                const int leader = deal["leader"].toInt();
                QCOMPARE(leader, DealLeader(kon, d));
                std::array<QStringList, 3> hands;
                std::set<QString> all;
                for (int s = 0; s < 3; ++s) {
                    for (const QJsonValue &c : deal["hands"].toArray()[s].toArray())
                        hands[s] << c.toString();
                    QCOMPARE(hands[s].size(), 10);
                    all.insert(hands[s].begin(), hands[s].end());
                }
                QCOMPARE(int(all.size()), 30);
                int contract = deal["contract"].toInt();
                if (options.game.orderedKing) {
                    QCOMPARE(contract, 0);
                    const QJsonObject order = next("order");
                    QVERIFY(!order.isEmpty());
                    QCOMPARE(order["seat"].toInt(), leader);
                    const int choice = order["choice"].toInt();
                    contract = order["contract"].toInt();
                    QVERIFY(choice >= 1 && choice <= 8);
                    QCOMPARE(contract, choice >= 7 ? 8 : choice);
                } else {
                    QCOMPARE(contract, ContractForDeal(d, options.game.playEralash));
                }

                DealPoints points{};
                int toPlay = leader;
                bool early = false;
                for (int t = 1; t <= 10 && !early; ++t) {
                    QStringList trick;
                    const int trickLeader = toPlay;
                    for (int p = 0; p < 3; ++p) {
                        const QJsonObject play = next("play");
                        QVERIFY2(!play.isEmpty(), "a play was expected");
                        QCOMPARE(play["deal"].toInt(), d);
                        QCOMPARE(play["trick"].toInt(), t);
                        QCOMPARE(play["seat"].toInt(), toPlay);
                        QCOMPARE(play["ai"].toBool(), players[toPlay - 1].toString() == "ai");
                        QVERIFY(play["ms"].toDouble() >= 0);
                        const QString card = play["card"].toString();
                        const QString refusal = Refusal(hands[toPlay - 1], card, trick, contract);
                        QVERIFY2(refusal.isEmpty(), qPrintable(refusal + ": " + card));
                        hands[toPlay - 1].removeOne(card);
                        trick << card;
                        toPlay = NextSeat(toPlay);
                    }
                    const int winner = SeatAtPosition(trickLeader, WinnerPosition(trick) + 1);
                    const QJsonObject done = next("trick");
                    QVERIFY(!done.isEmpty());
                    QCOMPARE(done["trick"].toInt(), t);
                    QCOMPARE(done["winner"].toInt(), winner);
                    points[winner - 1] = ScoreTrick(10 - t, contract, T(trick.join(' ')), options.game.orderedKing,
                                                    points[winner - 1]);
                    QCOMPARE(Points(done["points"]), points);
                    toPlay = winner;
                    const int sum = points[0] + points[1] + points[2];
                    early = t < 10 && ((contract >= 2 && contract <= 5 && sum == -40) ||
                                       (!options.game.orderedKing && contract >= 9 && contract <= 12 && sum == 40));
                }
                const QJsonObject end = next("dealend");
                QVERIFY(!end.isEmpty());
                QCOMPARE(end["early"].toBool(), early);
                QCOMPARE(Points(end["points"]), points);
                if (!early)
                    QCOMPARE(points[0] + points[1] + points[2], ContractTotal(contract, options.game.orderedKing));
                for (int s = 0; s < 3; ++s)
                    scores[s] += points[s];
                QCOMPARE(Points(end["scores"]), scores);
            }
            const QJsonObject end = next("gameend");
            QVERIFY(!end.isEmpty());
            QCOMPARE(Points(end["scores"]), scores);
            QCOMPARE(scores[0] + scores[1] + scores[2], 0);
            QCOMPARE(result.games[g - 1].scores, scores);
        }
        QCOMPARE(at, int(events.size()));
        QVERIFY(QString::fromStdString(Summary(result)).startsWith(
            QStringLiteral("games: %1\n").arg(options.games)));
    }
};

QTEST_APPLESS_MAIN(TestSelfPlay)
#include "test_selfplay.moc"

#include "SelfPlay.h"

#include "SeatPlayers.h"

#include "core/Cp1251.h"
#include "core/Deal.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <random>
#include <sstream>

namespace halvane::selfplay {

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

const char *Bool(bool b) { return b ? "true" : "false"; }

std::string CardJson(Card card) { return "\"" + Cp1251ToUtf8(card.code()) + "\""; }

std::string PointsJson(const SeatPoints &points)
{
    return "[" + std::to_string(points[0]) + "," + std::to_string(points[1]) + "," + std::to_string(points[2]) + "]";
}

// Writes one log line; does nothing without a stream.
void WriteLine(std::ostream *log, const std::string &json)
{
    if (log)
        *log << json << '\n';
}

void PlayDeal(GameState &game, SeatPlayers &table, const SelfPlayOptions &options, int gameIndex, std::ostream *log,
              SelfPlayResult &result)
{
    DealState deal = game.DealCards(MixSeed(options.seed, gameIndex, game.dealNumber + 1));
    const int d = game.dealNumber;
    if (log) {
        std::string hands = "[";
        for (int s = 0; s < 3; ++s) {
            hands += s ? ",[" : "[";
            for (int slot = 1; slot <= deal.hands[s].cardsLeft; ++slot)
                hands += (slot > 1 ? "," : "") + CardJson(deal.hands[s].card(slot));
            hands += "]";
        }
        hands += "]";
        WriteLine(log, "{\"type\":\"deal\",\"deal\":" + std::to_string(d) + ",\"leader\":" +
                 std::to_string(deal.dealLeader) + ",\"contract\":" + std::to_string(deal.contract) +
                 ",\"hands\":" + hands + "}");
    }
    if (game.options.orderedKing) {
        const int seat = deal.dealLeader;
        const Clock::time_point start = Clock::now();
        const int choice = table.ChooseOrder(deal, game, seat);
        if (table.IsAi(seat))
            result.orderMs.push_back(MsSince(start));
        deal.contract = game.RecordOrder(seat, choice);
        WriteLine(log, "{\"type\":\"order\",\"deal\":" + std::to_string(d) + ",\"seat\":" + std::to_string(seat) +
                 ",\"choice\":" + std::to_string(choice) + ",\"contract\":" + std::to_string(deal.contract) + "}");
    }
    while (!deal.Over()) {
        if (deal.TrickComplete()) {
            WriteLine(log, "{\"type\":\"trick\",\"deal\":" + std::to_string(d) + ",\"trick\":" +
                     std::to_string(deal.trickNumber) + ",\"winner\":" + std::to_string(deal.lastWinner) +
                     ",\"points\":" + PointsJson(deal.points) + "}");
            deal.CollectTrick();
            continue;
        }
        const int seat = deal.turn;
        const int held = deal.hands[seat - 1].cardsLeft;
        const Clock::time_point start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        const int slot = table.ChooseCard(deal, seat);
        const double ms = MsSince(start);
        const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const Card card = deal.hands[seat - 1].card(slot);
        const int trickNumber = deal.trickNumber;
        if (deal.PlayCard(seat, slot) != Legality::Legal)
            break; // cannot happen: both kinds choose among legal cards
        if (table.IsAi(seat))
            result.decisions.push_back({ms, cpuMs, held});
        char msText[32];
        std::snprintf(msText, sizeof msText, "%.3f", ms);
        WriteLine(log, "{\"type\":\"play\",\"deal\":" + std::to_string(d) + ",\"trick\":" + std::to_string(trickNumber) +
                 ",\"seat\":" + std::to_string(seat) + ",\"card\":" + CardJson(card) + ",\"ai\":" +
                 Bool(table.IsAi(seat)) + ",\"ms\":" + msText + "}");
    }
    game.SettleDeal(deal.points);
    WriteLine(log, "{\"type\":\"dealend\",\"deal\":" + std::to_string(d) + ",\"early\":" + Bool(deal.early) +
             ",\"points\":" + PointsJson(deal.points) + ",\"scores\":" + PointsJson(game.gameScore) + "}");
}

double Percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(share * double(values.size() - 1) + 0.5));
    return values[index];
}

} // namespace

bool ParsePlayers(const std::string &text, std::array<PlayerKind, 3> &players)
{
    std::array<PlayerKind, 3> parsed{};
    std::stringstream in(text);
    std::string word;
    int n = 0;
    while (std::getline(in, word, ',')) {
        if (n == 3)
            return false;
        if (word == "ai")
            parsed[n++] = PlayerKind::Ai;
        else if (word == "random")
            parsed[n++] = PlayerKind::Random;
        else
            return false;
    }
    if (n != 3)
        return false;
    players = parsed;
    return true;
}

const char *PlayerKindName(PlayerKind kind) { return kind == PlayerKind::Ai ? "ai" : "random"; }

SelfPlayResult RunSelfPlay(const SelfPlayOptions &options, std::ostream *out, const GameObserver &observer)
{
    SelfPlayResult result;
    std::ostream *log = out;
    SeatPlayers table(options.players, options.seed, options.samplingLimitMs);
    for (int g = 1; g <= options.games; ++g) {
        GameState game = GameState::NewGame(options.game, options.kon + g - 1, 0);
        if (log) {
            std::string players;
            for (int s = 0; s < 3; ++s)
                players += std::string(s ? "," : "") + "\"" + PlayerKindName(options.players[s]) + "\"";
            WriteLine(log, "{\"type\":\"game\",\"game\":" + std::to_string(g) + ",\"ordered\":" +
                     Bool(options.game.orderedKing) + ",\"long\":" + Bool(options.game.longGame) +
                     ",\"eralash\":" + Bool(options.game.playEralash) + ",\"kon\":" + std::to_string(game.kon) +
                     ",\"players\":[" + players + "]}");
        }
        while (!game.LastDeal())
            PlayDeal(game, table, options, g, log, result);
        WriteLine(log, "{\"type\":\"gameend\",\"game\":" + std::to_string(g) + ",\"scores\":" +
                 PointsJson(game.gameScore) + "}");
        GameRecord record{game.kon, game.gameScore, game.finalScore};
        result.games.push_back(record);
        if (observer)
            observer(game, record);
    }
    return result;
}

std::string Summary(const SelfPlayResult &result)
{
    std::ostringstream out;
    out << "games: " << result.games.size() << '\n';
    std::array<double, 3> mean{};
    for (const GameRecord &game : result.games)
        for (int s = 0; s < 3; ++s)
            mean[s] += game.scores[s];
    out << "mean final score per seat:";
    for (int s = 0; s < 3; ++s) {
        char text[32];
        std::snprintf(text, sizeof text, " %.2f", result.games.empty() ? 0.0 : mean[s] / double(result.games.size()));
        out << text;
    }
    out << '\n';
    auto times = [&](const char *label, const std::vector<double> &ms) {
        char text[160];
        std::snprintf(text, sizeof text, "%s: %zu, p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", label, ms.size(),
                      Percentile(ms, 0.5), Percentile(ms, 0.99),
                      ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()));
        out << text;
    };
    std::vector<double> all, searched, searchedCpu;
    for (const DecisionTime &d : result.decisions) {
        all.push_back(d.ms);
        if (d.cardsHeld > 1) {
            searched.push_back(d.ms);
            searchedCpu.push_back(d.cpuMs);
        }
    }
    times("decisions", all);
    times("searched decisions (2+ cards)", searched);
    times("searched decisions, processor time", searchedCpu);
    if (!result.orderMs.empty())
        times("contract orders", result.orderMs);
    return out.str();
}

} // namespace halvane::selfplay

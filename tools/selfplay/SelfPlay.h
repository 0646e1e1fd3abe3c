#pragma once
// Whole games with no window, driven through the same core as the game:
// GameState and DealState for the rules, ComputerPlayer for the "ai" seats.
// The game loop is a plain function so other tools can reuse it.

#include "SeatPlayers.h"
#include "core/ComputerPlayer.h"
#include "core/GameState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace halvane::selfplay {

struct SelfPlayOptions {
    int games = 1;
    std::uint64_t seed = 1;
    int kon = 1;                 // Kon of the first game; later games count on
    GameOptions game{};
    std::array<PlayerKind, 3> players{PlayerKind::Ai, PlayerKind::Ai, PlayerKind::Random};
    int samplingLimitMs = ComputerPlayer::SamplingLimitMs;
};

// One decision of an "ai" seat: its wall time and the cards it held.
struct DecisionTime {
    double ms = 0;    // wall time, as logged
    double cpuMs = 0; // processor time, which other programs on the machine do not inflate
    int cardsHeld = 0;
};

struct GameRecord {
    int kon = 0;
    GameScore scores{};
    int finalScore = 0;
};

struct SelfPlayResult {
    std::vector<GameRecord> games;
    std::vector<DecisionTime> decisions; // card decisions of "ai" seats
    std::vector<double> orderMs;         // contract choices of "ai" seats
};

// Parses "ai,ai,random"; false for anything else.
bool ParsePlayers(const std::string &text, std::array<PlayerKind, 3> &players);
const char *PlayerKindName(PlayerKind kind);

// Receives every finished game (for tools that record games elsewhere).
using GameObserver = std::function<void(const GameState &game, const GameRecord &record)>;

// Plays the games, writing the JSON Lines log to `log` when given.
SelfPlayResult RunSelfPlay(const SelfPlayOptions &options, std::ostream *log,
                           const GameObserver &observer = {});

// The summary printed after a run: games, mean score per seat, decision times.
std::string Summary(const SelfPlayResult &result);

} // namespace halvane::selfplay

#pragma once
// The balloon of the main window's game indicator ImageKon: the game's number
// and its place in the cycle (and in the session of a network or account game).

#include <QString>

namespace halvane {

struct GameBalloon {
    enum class Kind { Computer, Network, Account, Tournament };

    // "Current game".
    static QString Title();
    // The lines joined by "\n\r". `cycleGame` is the account's games in the
    // current cycle plus 1 for an account game (ignored otherwise);
    // `sessionGames` the length of a network session.
    static QString Text(Kind kind, int kon, int sessionGames = 0, int cycleGame = 0);
};

} // namespace halvane

#pragma once
// The flow state of a game: whose card is next, or which button the table waits for.

namespace halvane::TurnState {

// 1, 2 and 3 are the seats themselves: that seat plays the next card.
inline constexpr int TrickComplete = 4; // "Ok" collects the trick
inline constexpr int DealOver = 5;      // the heartbeat settles the deal
inline constexpr int DealSettled = 6;   // "Next Round" lays out the next deal
inline constexpr int GameOver = 7;      // "Exit to menu" records the game

inline constexpr bool IsSeat(int turn) { return turn >= 1 && turn <= 3; }

} // namespace halvane::TurnState

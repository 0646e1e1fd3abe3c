#pragma once
// The fourteen contracts, their words and the length and order of a game.

#include <string_view>
#include <vector>

namespace halvane {

// Contract numbers 1..14; 0 means not yet chosen (ordered play before the order).
namespace Contracts {
inline constexpr int None = 0;
inline constexpr int NoTricks = 1;
inline constexpr int NoBoys = 2;
inline constexpr int NoGirls = 3;
inline constexpr int NoHearts = 4;
inline constexpr int NoKing = 5;
inline constexpr int NoLastTwo = 6;
inline constexpr int Eralash = 7;
inline constexpr int TakeTricks = 8;
inline constexpr int TakeBoys = 9;
inline constexpr int TakeGirls = 10;
inline constexpr int TakeHearts = 11;
inline constexpr int TakeKing = 12;
inline constexpr int TakeLastTwo = 13;
inline constexpr int TakeAll = 14;
} // namespace Contracts

inline constexpr int ContractCount = 14;

// The options that shape a game.
struct GameOptions {
    bool orderedKing = false; // the deal leaders order the contracts
    bool playEralash = false; // fixed order only: play contracts 7 and 14
    bool longGame = false;    // ordered only: 24 deals instead of 12
};

bool IsValidContract(int contract);
// Contracts 4, 5, 7, 11, 12, 14: a heart may not be led while other suits are held.
bool IsHeartContract(int contract);
// Contracts 8..14, where the players try to take.
bool IsPositiveContract(int contract);

// The number of deals: 12 fixed, 14 fixed with Eralash, 12 ordered short, 24 ordered long.
int GameLength(const GameOptions &options);

// Fixed order: deal n is contract n with Eralash; without it deals 1..6 are
// contracts 1..6 and deal n > 6 is contract n + 1. 0 outside the game.
int ContractForDeal(int dealNumber, bool playEralash);

// The dictionary words that make up the contract's display name, in order
// ("To not" "take" "tricks"); empty for an unknown contract.
std::vector<std::string_view> ContractWords(int contract);

// The single phrase naming an ordering choice 1..8 (the dialog buttons; 7 and 8
// are both "Take tricks"), or the announcement of a played contract 1..6 and 8.
std::string_view OrderChoiceName(int choice);

} // namespace halvane

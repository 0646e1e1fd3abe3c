#pragma once
// A card is two Windows-1251 bytes, rank then suit ("Кч" is the King of hearts).
// "##" marks an empty slot. Cards compare as whole codes.

#include <array>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace halvane {

namespace RankChar {
inline constexpr unsigned char Seven = '7';
inline constexpr unsigned char Eight = '8';
inline constexpr unsigned char Nine = '9';
inline constexpr unsigned char Ten = '1';
inline constexpr unsigned char Jack = 0xC2;   // "В"
inline constexpr unsigned char Queen = 0xC4;  // "Д"
inline constexpr unsigned char King = 0xCA;   // "К"
inline constexpr unsigned char Ace = 0xD2;    // "Т"
} // namespace RankChar

namespace SuitChar {
inline constexpr unsigned char Hearts = 0xF7;   // "ч"
inline constexpr unsigned char Diamonds = 0xE1; // "б"
inline constexpr unsigned char Clubs = 0xEA;    // "к"
inline constexpr unsigned char Spades = 0xEF;   // "п"
inline constexpr unsigned char None = '#';
} // namespace SuitChar

inline constexpr int EmptyRank = 99;

struct Card {
    unsigned char rank = '#';
    unsigned char suit = '#';

    constexpr Card() = default;
    constexpr Card(unsigned char r, unsigned char s) : rank(r), suit(s) {}

    constexpr bool isEmpty() const { return rank == '#' && suit == '#'; }
    constexpr auto operator<=>(const Card &) const = default;

    // The two Windows-1251 bytes of the code.
    std::string code() const { return std::string{char(rank), char(suit)}; }
    // Reads a two-byte Windows-1251 code; anything else gives the empty card.
    static Card fromCode(std::string_view cp1251);
};

inline constexpr Card NoCard{};

// 1 (seven) .. 8 (ace); EmptyRank for "##" or an unknown rank character.
int RankValue(Card card);
// 1 hearts, 2 diamonds, 3 clubs, 4 spades; 0 for none.
int SuitIndex(unsigned char suit);

// The rank character of a RankValue 1..8.
unsigned char RankCharOf(int rankValue);

} // namespace halvane

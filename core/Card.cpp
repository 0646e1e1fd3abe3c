#include "Card.h"

namespace halvane {

namespace {
constexpr std::array<unsigned char, 8> RankOrder{RankChar::Seven, RankChar::Eight, RankChar::Nine,
                                                 RankChar::Ten,   RankChar::Jack,  RankChar::Queen,
                                                 RankChar::King,  RankChar::Ace};
}

Card Card::fromCode(std::string_view cp1251)
{
    if (cp1251.size() != 2)
        return NoCard;
    return Card(static_cast<unsigned char>(cp1251[0]), static_cast<unsigned char>(cp1251[1]));
}

namespace {
// RankValue by rank byte; the computer player's search asks for it at every node.
constexpr std::array<unsigned char, 256> MakeRankTable()
{
    std::array<unsigned char, 256> table{};
    for (auto &v : table)
        v = EmptyRank;
    for (int i = 0; i < int(RankOrder.size()); ++i)
        table[RankOrder[i]] = static_cast<unsigned char>(i + 1);
    return table;
}
constexpr std::array<unsigned char, 256> RankTable = MakeRankTable();
} // namespace

int RankValue(Card card)
{
    return RankTable[card.rank];
}

int SuitIndex(unsigned char suit)
{
    switch (suit) {
    case SuitChar::Hearts: return 1;
    case SuitChar::Diamonds: return 2;
    case SuitChar::Clubs: return 3;
    case SuitChar::Spades: return 4;
    default: return 0;
    }
}

unsigned char RankCharOf(int rankValue)
{
    if (rankValue < 1 || rankValue > 8)
        return '#';
    return RankOrder[rankValue - 1];
}

} // namespace halvane

#include "Deal.h"

#include <chrono>
#include <random>

namespace halvane {

const Deck &DeckIndexTable()
{
    using namespace RankChar;
    using namespace SuitChar;
    static const Deck table{
        Card(Seven, Hearts), Card(Seven, Diamonds),
        Card(Eight, Hearts), Card(Eight, Diamonds), Card(Eight, Clubs), Card(Eight, Spades),
        Card(Nine, Hearts),  Card(Nine, Diamonds),  Card(Nine, Clubs),  Card(Nine, Spades),
        Card(Ten, Hearts),   Card(Ten, Diamonds),   Card(Ten, Clubs),   Card(Ten, Spades),
        Card(Jack, Hearts),  Card(Jack, Diamonds),  Card(Jack, Clubs),  Card(Jack, Spades),
        Card(Queen, Hearts), Card(Queen, Diamonds), Card(Queen, Clubs), Card(Queen, Spades),
        Card(King, Hearts),  Card(King, Diamonds),  Card(King, Clubs),  Card(King, Spades),
        Card(Ace, Hearts),   Card(Ace, Diamonds),   Card(Ace, Clubs),   Card(Ace, Spades),
    };
    return table;
}

std::uint64_t ClockSeed()
{
    return std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}

DealResult ShuffleAndDeal(std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    std::uniform_int_distribution<int> draw(1, DeckSize);
    std::array<bool, DeckSize + 1> placed{};
    DealResult result;
    for (int pos = 0; pos < DeckSize; ++pos) {
        int index;
        do {
            index = draw(rng);
        } while (placed[index]);
        placed[index] = true;
        result.deck[pos] = DeckIndexTable()[index - 1];
    }
    for (int seat = 0; seat < PlayerCount; ++seat) {
        Hand &hand = result.hands[seat];
        for (int slot = 0; slot < HandSlotsUsed; ++slot)
            hand.cards[slot] = result.deck[seat * HandSlotsUsed + slot];
        hand.cardsLeft = HandSlotsUsed;
        SortHand(hand);
    }
    return result;
}

int DealLeader(int kon, int dealNumber)
{
    const int r = ((kon + dealNumber) % 3 + 3) % 3;
    return r == 0 ? 3 : r;
}

int NetworkDealLeader(int dealNumber)
{
    return ((dealNumber % 3) + 3) % 3 + 1;
}

int NetworkSeatAt(int ownNetworkSeat, int tableSeat)
{
    return ((ownNetworkSeat + tableSeat - 1) % 3 + 3) % 3 + 1;
}

int TableSeatOf(int ownNetworkSeat, int networkSeat)
{
    return ((networkSeat - ownNetworkSeat - 1) % 3 + 3) % 3 + 1;
}

int DealLeader(GameKind kind, int kon, int dealNumber, int ownNetworkSeat)
{
    if (kind == GameKind::Computer)
        return DealLeader(kon, dealNumber);
    return TableSeatOf(ownNetworkSeat, NetworkDealLeader(dealNumber));
}

} // namespace halvane

#include "ComputerPlayer.h"

#include "Contract.h"
#include "Deal.h"

#include <chrono>

namespace halvane {

namespace {

bool Listed(const CardList &list, Card card) { return Contains(30, list, card); }

// The lowest slot the rules allow, for a decision with no finished sample.
int FirstLegalSlot(const MovePosition &position)
{
    Trick trick;
    trick.cards = position.trick;
    trick.position = position.place;
    for (int slot = 1; slot <= HandSlotsUsed; ++slot)
        if (IsLegal(position.hand, slot, trick, position.contract) == Legality::Legal)
            return slot;
    return 1;
}

} // namespace

int SampleCount(int cardsHeld)
{
    static constexpr int Counts[] = {0, 1, 300, 200, 100, 50, 25, 25, 20, 15, 10};
    if (cardsHeld < 0)
        return 0;
    return Counts[cardsHeld > 10 ? 10 : cardsHeld];
}

long long DivideRoundHalfEven(long long numerator, long long denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    long long quotient = numerator / denominator, remainder = numerator % denominator;
    if (remainder < 0) { // floor division
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

MovePosition MovePosition::Of(const DealState &deal, int seat)
{
    MovePosition position;
    position.seat = seat;
    position.hand = deal.hands[seat - 1];
    position.place = deal.PlaceOf(seat);
    position.ordered = deal.ordered;
    position.contract = deal.contract;
    position.trickNumber = deal.trickNumber;
    position.trick = deal.trick.cards;
    position.points = deal.points;
    position.knownAbsent = deal.knownAbsent;
    for (int s = 0; s < 3; ++s)
        position.cardsLeft[s] = deal.hands[s].cardsLeft;
    return position;
}

void ComputerPlayer::DealSample(const MovePosition &position, std::array<std::array<Card, 10>, 3> &hands)
{
    const int own = position.seat, a = NextSeat(own), b = NextSeat(a);
    const CardList &absentA = position.knownAbsent[a - 1], &absentB = position.knownAbsent[b - 1];
    std::array<Card, 30> forcedA{}, forcedB{}, pool{};
    int nForcedA = 0, nForcedB = 0, nPool = 0;
    for (Card card : DeckIndexTable()) {
        if (Contains(HandSlotsUsed, position.hand.cards, card))
            continue;
        const bool inA = Listed(absentA, card), inB = Listed(absentB, card);
        if (inB && !inA)
            forcedA[nForcedA++] = card;
        else if (inA && !inB)
            forcedB[nForcedB++] = card;
        else if (!inA && !inB)
            pool[nPool++] = card;
    }
    hands = {};
    Hand handA, handB;
    int filled = 0;
    for (int i = 0; i < nForcedA && filled < HandSlotsUsed; ++i)
        handA.cards[filled++] = forcedA[i];
    int wanted = position.cardsLeft[a - 1] - filled;
    if (wanted > nPool)
        wanted = nPool;
    // Partial Fisher-Yates: the first `wanted` pool cards become A's.
    for (int i = 0; i < wanted; ++i) {
        std::uniform_int_distribution<int> draw(i, nPool - 1);
        std::swap(pool[i], pool[draw(m_rng)]);
        if (filled < HandSlotsUsed)
            handA.cards[filled++] = pool[i];
    }
    int filledB = 0;
    for (int i = 0; i < nForcedB && filledB < HandSlotsUsed; ++i)
        handB.cards[filledB++] = forcedB[i];
    for (int i = wanted > 0 ? wanted : 0; i < nPool && filledB < HandSlotsUsed; ++i)
        handB.cards[filledB++] = pool[i];
    SortHand(handA);
    SortHand(handB);
    hands[own - 1] = position.hand.cards;
    hands[a - 1] = handA.cards;
    hands[b - 1] = handB.cards;
}

MoveChoice ComputerPlayer::EvaluateMove(const MovePosition &position, const ThinkingProgress &progress)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    MoveChoice choice;
    const int held = position.hand.cardsLeft;
    if (held <= 1) {
        choice.slot = 1;
        return choice;
    }
    const int own = position.seat, a = NextSeat(own), b = NextSeat(a);
    const int samples = SampleCount(held);

    SearchPosition root;
    root.place = position.place;
    root.mover = 0;
    root.points = {position.points[own - 1], position.points[a - 1], position.points[b - 1]};
    root.trick = position.trick;
    for (int p = 0; p < 3; ++p)
        root.trickRanks[p] = position.trick[p].isEmpty() ? 0 : std::uint8_t(RankValue(position.trick[p]));
    const SearchSetup setup{position.contract, position.ordered, position.trickNumber};

    std::array<long long, 10> totals{};
    std::array<bool, 10> usable{};
    std::array<std::array<Card, 10>, 3> hands;
    for (int i = 1; i <= samples; ++i) {
        if (progress)
            progress(int(DivideRoundHalfEven(100LL * i, samples)));
        DealSample(position, hands);
        root.hands = {SearchHand::From(hands[own - 1]), SearchHand::From(hands[a - 1]),
                      SearchHand::From(hands[b - 1])};
        root.countedLeft = 0;
        for (const SearchHand &hand : root.hands)
            for (Card card : hand.cards)
                root.countedLeft += !card.isEmpty() && MoveSearch::IsCounted(position.contract, card);
        for (PositionTable &table : m_tables)
            table.Clear();
        MoveSearch search(setup, m_tables);
        std::array<int, 10> values;
        search.SearchRoot(root, values);
        choice.nodes += search.Nodes();
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        if (elapsed.count() > m_limitMs)
            break;
        ++choice.samples;
        for (int slot = 0; slot < 10; ++slot) {
            totals[slot] += values[slot];
            if (values[slot] != UntriedSlot)
                usable[slot] = true;
        }
    }
    if (choice.samples == 0) {
        choice.slot = FirstLegalSlot(position);
        return choice;
    }
    long long best = -2000000000LL;
    for (int slot = 0; slot < 10; ++slot)
        if (usable[slot] && totals[slot] > best) {
            best = totals[slot];
            choice.slot = slot + 1;
        }
    choice.value = best;
    if (choice.slot == 0)
        choice.slot = FirstLegalSlot(position);
    return choice;
}

int ComputerPlayer::ChooseOrder(const DealState &deal, int seat, const OrderedSet &ordered,
                                const ThinkingProgress &progress)
{
    MovePosition position = MovePosition::Of(deal, seat);
    position.place = 1;
    position.trickNumber = 1;
    position.trick = {};
    position.points = {};
    position.knownAbsent = {};
    position.ordered = true;

    long long best = 0;
    int chosen = 0;
    auto consider = [&](int choiceButton, long long value) {
        if (chosen == 0 || value > best) {
            best = value;
            chosen = choiceButton;
        }
    };
    for (int contract = Contracts::NoTricks; contract <= Contracts::NoLastTwo; ++contract) {
        if (ordered.contains(contract))
            continue;
        if (contract == Contracts::NoLastTwo) {
            consider(contract, -10);
            continue;
        }
        position.contract = contract;
        consider(contract, EvaluateMove(position, progress).value);
    }
    if (!(ordered.contains(7) && ordered.contains(8))) {
        position.contract = Contracts::TakeTricks;
        const long long value = DivideRoundHalfEven(EvaluateMove(position, progress).value, 4);
        // Either "Take tricks" button plays contract 8; press the one still enabled.
        consider(OrderButtonEnabled(ordered, 8) ? 8 : 7, value);
    }
    return chosen;
}

} // namespace halvane

#include "MoveSearch.h"

#include "Contract.h"
#include "Scoring.h"

#include <bit>

namespace halvane {

namespace {
constexpr std::uint16_t Bit(int slot) { return std::uint16_t(1u << slot); }

bool Is(Card card, unsigned char rank, unsigned char suit) { return card.rank == rank && card.suit == suit; }
} // namespace

SearchHand SearchHand::From(const std::array<Card, 10> &cards)
{
    SearchHand hand;
    for (int slot = 0; slot < 10; ++slot) {
        if (cards[slot].isEmpty())
            continue;
        hand.cards[slot] = cards[slot];
        hand.ranks[slot] = std::uint8_t(RankValue(cards[slot]));
        hand.suits[slot] = std::uint8_t(SuitIndex(cards[slot].suit));
        hand.suitMask[hand.suits[slot]] |= Bit(slot);
        if (cards[slot] == KingOfHearts)
            hand.kingOfHearts = std::int8_t(slot);
        hand.emptyMask &= std::uint16_t(~Bit(slot));
        ++hand.count;
    }
    return hand;
}

bool MoveSearch::StopsWhenCountedGone(int contract, bool ordered)
{
    if (contract >= Contracts::NoBoys && contract <= Contracts::NoKing)
        return true;
    return !ordered && contract >= Contracts::TakeBoys && contract <= Contracts::TakeKing;
}

bool MoveSearch::IsCounted(int contract, Card card)
{
    const int kind = contract >= Contracts::TakeBoys ? contract - 7 : contract;
    switch (kind) {
    case Contracts::NoBoys: return card.rank == RankChar::King;
    case Contracts::NoGirls: return card.rank == RankChar::Queen;
    case Contracts::NoHearts: return card.suit == SuitChar::Hearts;
    case Contracts::NoKing: return card == KingOfHearts;
    default: return false;
    }
}

MoveSearch::MoveSearch(const SearchSetup &setup, std::array<PositionTable, 10> &tables)
    : m_setup(setup), m_tables(tables)
{
    m_limited = setup.rootTrickNumber <= 4;
    m_horizon = 8 - setup.rootTrickNumber;
    m_stopsWhenCountedGone = StopsWhenCountedGone(setup.contract, setup.ordered);
    m_heartContract = IsHeartContract(setup.contract);
}

void MoveSearch::Prepare(const SearchPosition &root)
{
    const int held = root.hands[root.mover].count;
    switch (m_setup.contract) {
    case 2: case 3: case 4: case 5: case 9: case 10: case 11: case 12:
        m_wide = true;
        break;
    default:
        m_wide = held >= 5;
    }
    m_useTables = held > 4 && m_setup.allowTables;
}

int MoveSearch::SearchRoot(const SearchPosition &root, std::array<int, 10> &values)
{
    Prepare(root);
    values.fill(UntriedSlot);
    Node(root, true, &values);
    int best = -1000, chosen = -1;
    for (int slot = 0; slot < 10; ++slot)
        if (values[slot] != UntriedSlot && values[slot] > best) {
            best = values[slot];
            chosen = slot;
        }
    return chosen;
}

std::uint16_t MoveSearch::PrunedFollowing(const SearchHand &hand, unsigned char led, bool shortOfLed,
                                          bool beaten) const
{
    // Hands are in display order, so inside a suit the slots run from low to high.
    std::array<int, 5> lowest{-1, -1, -1, -1, -1}, highest{-1, -1, -1, -1, -1};
    for (int suit = 1; suit <= 4; ++suit)
        if (const unsigned mask = hand.suitMask[suit]) {
            lowest[suit] = std::countr_zero(mask);
            highest[suit] = std::bit_width(mask) - 1;
        }
    const std::uint16_t held = hand.held();
    if (!shortOfLed && !beaten)
        return held;
    const int ledIndex = SuitIndex(led);
    auto cardAt = [&](int slot) { return slot >= 0 && slot < 10 ? hand.cards[slot] : NoCard; };
    auto eachSuit = [&](const std::array<int, 5> &pick) {
        std::uint16_t kept = 0;
        for (int suit = 1; suit <= 4; ++suit)
            if (pick[suit] >= 0)
                kept |= Bit(pick[suit]);
        return kept;
    };
    // The lowest card of the suit, or the card right above it when the
    // lowest has rank `low` and the one above is of its suit and a rank in `above`.
    auto lowestOr = [&](int suit, unsigned char low, unsigned char above1, unsigned char above2) {
        const int slot = lowest[suit];
        const Card c = cardAt(slot);
        if (slot >= 0 && c.rank == low) {
            const Card next = cardAt(slot + 1);
            if (Is(next, above1, c.suit) || Is(next, above2, c.suit))
                return slot + 1;
        }
        return slot;
    };
    auto ranksOf = [&](unsigned char rank) {
        std::uint16_t mask = 0;
        for (unsigned m = held; m; m &= m - 1) {
            const int slot = std::countr_zero(m);
            if (hand.cards[slot].rank == rank)
                mask |= Bit(slot);
        }
        return mask;
    };

    std::uint16_t kept = 0;
    switch (m_setup.contract) {
    case 1: case 4: case 5: case 6: case 7:
        kept = shortOfLed ? eachSuit(highest) : Bit(highest[ledIndex]);
        break;
    case 2:
        if (!shortOfLed) {
            kept = Bit(highest[ledIndex]);
            break;
        }
        kept = eachSuit(highest);
        for (unsigned m = ranksOf(RankChar::King); m; m &= m - 1) {
            const int slot = std::countr_zero(m);
            kept |= Bit(slot);
            if (Is(cardAt(slot + 1), RankChar::Ace, hand.cards[slot].suit))
                kept &= std::uint16_t(~Bit(slot + 1));
        }
        break;
    case 3: {
        const std::uint16_t queens = ranksOf(RankChar::Queen);
        if (!shortOfLed) {
            kept = Bit(highest[ledIndex]) | (queens & hand.suitMask[ledIndex]);
            break;
        }
        kept = eachSuit(highest);
        for (unsigned m = queens; m; m &= m - 1) {
            const int slot = std::countr_zero(m);
            kept |= Bit(slot);
            const unsigned char suit = hand.cards[slot].suit;
            for (int above = slot + 1; above <= slot + 2 && above < 10; ++above)
                if (Is(cardAt(above), RankChar::King, suit) || Is(cardAt(above), RankChar::Ace, suit))
                    kept &= std::uint16_t(~Bit(above));
        }
        break;
    }
    case 8: case 11: case 12: case 13: case 14:
        kept = shortOfLed ? eachSuit(lowest) : Bit(lowest[ledIndex]);
        break;
    case 9:
        if (!shortOfLed) {
            kept = Bit(lowest[ledIndex]);
            break;
        }
        for (int suit = 1; suit <= 4; ++suit)
            if (lowest[suit] >= 0)
                kept |= Bit(lowestOr(suit, RankChar::King, RankChar::Ace, RankChar::Ace));
        break;
    case 10:
        if (!shortOfLed) {
            kept = Bit(lowestOr(ledIndex, RankChar::Queen, RankChar::King, RankChar::Ace));
            break;
        }
        for (int suit = 1; suit <= 4; ++suit)
            if (lowest[suit] >= 0)
                kept |= Bit(lowestOr(suit, RankChar::Queen, RankChar::King, RankChar::Ace));
        break;
    default:
        kept = held;
    }
    return kept & held;
}

std::uint16_t MoveSearch::CandidateSlots(const SearchPosition &pos) const
{
    const SearchHand &hand = pos.hands[pos.mover];
    const std::uint16_t held = hand.held();
    constexpr int Hearts = 1; // SuitIndex of hearts
    if (pos.place == 1) {
        const std::uint16_t hearts = hand.suitMask[Hearts];
        if (m_heartContract && held != hearts)
            return held & std::uint16_t(~hearts);
        return held;
    }
    const unsigned char led = pos.trick[0].suit;
    const int ledIndex = SuitIndex(led);
    const std::uint16_t ledMask = hand.suitMask[ledIndex];
    const bool shortOfLed = ledMask == 0;
    if (shortOfLed && ledIndex != Hearts && hand.kingOfHearts >= 0)
        return Bit(hand.kingOfHearts);
    if (!m_wide)
        return shortOfLed ? held : ledMask;
    bool beaten = false;
    if (!shortOfLed) {
        int highestLed = 0;
        for (int p = 0; p < pos.place - 1; ++p)
            if (pos.trick[p].suit == led && pos.trickRanks[p] > highestLed)
                highestLed = pos.trickRanks[p];
        beaten = hand.ranks[std::bit_width(unsigned(ledMask)) - 1] < highestLed;
        if (!beaten)
            return ledMask;
    }
    const std::uint16_t kept = PrunedFollowing(hand, led, shortOfLed, beaten);
    return shortOfLed ? kept : kept & ledMask;
}

bool MoveSearch::Final(const SearchPosition &pos, int cardsLeft) const
{
    if (cardsLeft == 0)
        return true;
    if (m_limited && cardsLeft <= m_horizon)
        return true;
    return m_stopsWhenCountedGone && pos.countedLeft == 0;
}

SearchResult MoveSearch::LastTrick(const SearchPosition &pos)
{
    // Every player holds one card, so each node has a single move: play the
    // trick out directly, as the nodes would.
    m_nodes += 2; // the two following nodes; this one counted itself
    const int m = pos.mover;
    TrickCards trick;
    for (int p = 0; p < 3; ++p) {
        const SearchHand &hand = pos.hands[(m + p) % 3];
        trick[p] = hand.cards[std::countr_zero(unsigned(hand.held()))];
    }
    const int winner = (m + TrickWinner(trick) - 1) % 3;
    std::array<int, 3> points = pos.points;
    points[winner] = ScoreTrick(0, m_setup.contract, trick, m_setup.ordered, points[winner]);
    const SeatPoints relative = RelativeScore(points[0], points[1], points[2]);
    SearchResult result;
    for (int p = 0; p < 3; ++p) {
        result.relative[p] = std::int16_t(relative[p]);
        result.points[p] = std::int16_t(points[p]);
    }
    return result;
}

SearchResult MoveSearch::Node(const SearchPosition &pos, bool root, std::array<int, 10> *values)
{
    ++m_nodes;
    const int m = pos.mover;
    const SearchHand &hand = pos.hands[m];
    const int next = (m + 1) % 3, after = (m + 2) % 3;

    PositionTable *table = nullptr;
    std::uint64_t key = 0;
    // The tables of 3..9 cards serve searches from a hand of 5 or more; positions of
    // two cards each are remembered in every search, which changes no result.
    const bool remembered = (m_useTables && hand.count >= 3 && hand.count <= 9) ||
                            (m_setup.allowTables && hand.count == 2);
    if (pos.place == 1 && !root && remembered) {
        const std::array<std::uint16_t, 3> masks{hand.emptyMask, pos.hands[next].emptyMask,
                                                 pos.hands[after].emptyMask};
        const std::array<int, 3> points{pos.points[m], pos.points[next], pos.points[after]};
        if (PositionTable::MakeKey(masks, PlayerTag[m], points, key)) {
            table = &m_tables[hand.count];
            if (const SearchResult *known = table->Find(key))
                return *known;
        }
    }

    if (pos.place == 1 && hand.count == 1 && !root)
        return LastTrick(pos);

    const std::uint16_t candidates = CandidateSlots(pos);
    int best = -1000;
    SearchResult chosen{};
    for (unsigned remaining = candidates; remaining; remaining &= remaining - 1) {
        const int slot = std::countr_zero(remaining);
        SearchPosition child = pos;
        const Card card = hand.cards[slot];
        child.trick[pos.place - 1] = card;
        child.trickRanks[pos.place - 1] = hand.ranks[slot];
        child.hands[m].take(slot);
        if (m_stopsWhenCountedGone && IsCounted(m_setup.contract, card))
            --child.countedLeft;

        SearchResult result;
        if (pos.place < 3) {
            child.place = pos.place + 1;
            child.mover = next;
            result = Node(child, false, nullptr);
        } else {
            const int winner = (next + TrickWinner(child.trick) - 1) % 3; // `next` led this trick
            const int cardsLeft = child.hands[winner].count;
            child.points[winner] =
                ScoreTrick(cardsLeft, m_setup.contract, child.trick, m_setup.ordered, child.points[winner]);
            if (Final(child, cardsLeft)) {
                const SeatPoints relative = RelativeScore(child.points[0], child.points[1], child.points[2]);
                for (int p = 0; p < 3; ++p) {
                    result.relative[p] = std::int16_t(relative[p]);
                    result.points[p] = std::int16_t(child.points[p]);
                }
            } else {
                child.trick = TrickCards{};
                child.trickRanks = {};
                child.place = 1;
                child.mover = winner;
                result = Node(child, false, nullptr);
            }
        }
        const int own = result.relative[m];
        if (values)
            (*values)[slot] = own;
        if (own > best) {
            best = own;
            chosen = result;
        }
    }
    if (table)
        table->Store(key, chosen);
    return chosen;
}

} // namespace halvane

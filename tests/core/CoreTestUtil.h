#pragma once
// Helpers shared by the core tests: cards and hands written in UTF-8.

#include "core/Cp1251.h"
#include "core/Hand.h"
#include "core/Trick.h"

#include <QString>
#include <QStringList>

#include <string>

namespace halvane::testutil {

inline Card C(const QString &utf8) { return Card::fromCode(Utf8ToCp1251(utf8.toStdString())); }
inline QString Show(Card c) { return QString::fromStdString(Cp1251ToUtf8(c.code())); }

// "8к Кк 1б" -> a sorted hand.
inline Hand H(const QString &cards)
{
    Hand hand;
    int slot = 1;
    for (const QString &code : cards.split(' ', Qt::SkipEmptyParts))
        hand.setCard(slot++, C(code));
    hand.cardsLeft = slot - 1;
    SortHand(hand);
    return hand;
}

inline QString ShowHand(const Hand &hand)
{
    QStringList codes;
    for (int slot = 1; slot <= hand.cardsLeft; ++slot)
        codes << Show(hand.card(slot));
    return codes.join(' ');
}

// "Кч Кб Дч" -> the three cards of a trick; fewer words leave "##".
inline TrickCards T(const QString &cards)
{
    TrickCards trick{};
    int pos = 0;
    for (const QString &code : cards.split(' ', Qt::SkipEmptyParts))
        if (pos < 3)
            trick[pos++] = C(code);
    return trick;
}

inline Trick Partial(const QString &cards, int leader = 1)
{
    Trick trick;
    trick.cards = T(cards);
    trick.leader = leader;
    trick.position = 1 + int(cards.split(' ', Qt::SkipEmptyParts).size());
    return trick;
}

} // namespace halvane::testutil

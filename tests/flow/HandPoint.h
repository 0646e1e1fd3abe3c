#pragma once
// Where a test clicks to hit a slot of the own hand: inside the visible strip
// of that card, counting only the slots that still hold a card.

#include "core/Hand.h"
#include "table/GameTable.h"
#include "table/ScaleState.h"

#include <QPoint>

inline QPoint PointOnSlot(const halvane::GameTable &table, const halvane::Hand &hand, int slot)
{
    int k = 0;
    for (int i = 1; i <= slot; ++i)
        if (!hand.card(i).isEmpty())
            ++k;
    const std::vector<int> xs = table.HandPositions(3, hand.cardsLeft);
    return QPoint(xs[size_t(k - 1)] + 4, halvane::CurrentScale().cardHeight / 2);
}

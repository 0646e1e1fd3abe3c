#include "OrderedSet.h"

#include <bit>

namespace halvane {

int OrderedSet::size() const { return std::popcount(unsigned(m_bits)); }

bool OrderButtonEnabled(const OrderedSet &set, int button)
{
    return button >= 1 && button <= 8 && !set.contains(button);
}

bool CanOrder(const OrderedSet &set)
{
    for (int button = 1; button <= 8; ++button)
        if (OrderButtonEnabled(set, button))
            return true;
    return false;
}

int RecordOrderChoice(OrderedSet &set, int choice, bool longGame)
{
    if (!OrderButtonEnabled(set, choice))
        return 0;
    if (choice != 7)
        set.insert(choice);
    if (choice <= 6)
        return choice;
    if (longGame) {
        if (choice == 7)
            set.insert(set.contains(8) ? 7 : 8);
    } else {
        set.insert(7);
        set.insert(8);
    }
    return 8;
}

void ApplyShortGameRule(OrderedSets &sets, int dealNumber, bool longGame)
{
    if (longGame || dealNumber < 10 || dealNumber > 12)
        return;
    for (OrderedSet &set : sets) {
        if (set.contains(7))
            continue;
        set.clear();
        for (int n : {1, 2, 3, 4, 5, 6, 8})
            set.insert(n);
    }
}

} // namespace halvane

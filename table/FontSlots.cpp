#include "FontSlots.h"

#include "ScaleState.h"

namespace halvane {

FontSlotSet DefaultFontSlots()
{
    return {FontSlot{"Comic Sans MS", 100}, FontSlot{"Comic Sans MS", 100}, FontSlot{"FixedSys", 100},
            FontSlot{"Courier New", 100}};
}

FontSlotSet &CurrentFontSlots()
{
    static FontSlotSet current = DefaultFontSlots();
    return current;
}

int FontSlotOf(std::string_view family)
{
    if (family == "decor") return 1;
    if (family == "serif") return 2;
    if (family == "fixed") return 3;
    if (family == "conew") return 4;
    return 0;
}

int FontHeightWith(const FontSlotSet &fontSlots, int size, std::string_view family)
{
    const int slot = FontSlotOf(family);
    if (slot == 0)
        return 0;
    return RoundHalfEven(size * fontSlots[slot - 1].percent / 100.0);
}

int FontHeight(int size, std::string_view family)
{
    return FontHeightWith(CurrentFontSlots(), size, family);
}

} // namespace halvane

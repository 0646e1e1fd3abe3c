#pragma once
// The four font slots and the family words the drawing code uses for them:
// "decor" slot 1, "serif" slot 2, "fixed" slot 3, "conew" slot 4.

#include <array>
#include <string>
#include <string_view>

namespace halvane {

struct FontSlot {
    std::string name;
    int percent = 100; // 50..150
};

using FontSlotSet = std::array<FontSlot, 4>;

FontSlotSet DefaultFontSlots();
// The program-wide slots, owned here and kept in the settings file.
FontSlotSet &CurrentFontSlots();

// 1..4 for a family word, 0 for any other.
int FontSlotOf(std::string_view family);
// round(size x percent / 100) with the percent of the family's slot; 0 for an unknown family.
int FontHeight(int size, std::string_view family);
int FontHeightWith(const FontSlotSet &fontSlots, int size, std::string_view family);

} // namespace halvane

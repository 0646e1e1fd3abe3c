#pragma once
// A line of the local top ten (club file lines 6-15): the player's name as
// in characters 1-20 of the player line, then the cycle's general score as in
// its characters 39-44.

#include <string>
#include <string_view>

namespace halvane {

// A place nobody has reached yet. Its score is the lowest the field can hold,
// so that any cycle result, negative ones too, takes it.
inline constexpr std::string_view UnfilledTopTenLine = "####################-99999";

struct TopTenEntry {
    std::string name;  // 20 characters
    std::string score; // 6 characters as written
    int value = 0;     // the score as a number
    bool filled = false;
};

TopTenEntry ReadTopTenLine(std::string_view line);

} // namespace halvane

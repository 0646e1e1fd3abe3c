#pragma once
// The game speed dialog (its caption is Speed of the main window's menu).

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms ChoiceOfSpeed{"Choice of speed"};
inline constexpr PhraseForms SelectFlightSpeed{"Select a flight speed of cards:"};

} // namespace halvane::ph

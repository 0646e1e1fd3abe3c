#pragma once
// The history viewer.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms HistoryOfGames{"History of games"};
inline constexpr PhraseForms Time{"Time"};
inline constexpr PhraseForms Date{"Date"};
inline constexpr PhraseForms Result{"Result"};
inline constexpr PhraseForms Type{"Type"};

} // namespace halvane::ph

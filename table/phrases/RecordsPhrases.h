#pragma once
// Records texts that no other screen's table holds: the history writer's
// message, the history list's empty line and the top-ten headings.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms CantSaveHistory{"Cann`t save history!"};
inline constexpr PhraseForms NoHistoryFiles{"No History Files"};
inline constexpr PhraseForms LocalGamesWithPc{"WINDOWS. LOCAL GAMES WITH PC"};
inline constexpr PhraseForms NetGames{"WINDOWS. NET GAMES"};

} // namespace halvane::ph

#pragma once
// The attention and waiting notices.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms SecondPlayerConnected{"The second player was connected..."};
inline constexpr PhraseForms ThirdPlayerConnected{"The third player was connected..."};
inline constexpr PhraseForms FourthPlayerConnected{"The fourth player was connected..."};
inline constexpr PhraseForms NoAccessibleGames{"There are no accessible games"};

} // namespace halvane::ph

#pragma once
// The LAN address dialog and the connection notices.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms HasInterruptedGame{"has interrupted game!"};
inline constexpr PhraseForms PressOkForMenu{"Press OK for exit to the main menu..."};
inline constexpr PhraseForms OneOfPlayers{"One of player"};
inline constexpr PhraseForms LostConnectionWithServer{"Lost connection with the server!"};
inline constexpr PhraseForms InterruptedTheGame{"interrupted the game!"};
inline constexpr PhraseForms YouWon{"You won!"};
inline constexpr PhraseForms TimeIsUp{"time is up!"};

} // namespace halvane::ph

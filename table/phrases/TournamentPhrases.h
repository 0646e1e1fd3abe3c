#pragma once
// The online tournament lobby and tables.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms GamesAll{"Games \"All\""};
inline constexpr PhraseForms Rules{"Rules"};
inline constexpr PhraseForms Free{"Free"};
inline constexpr PhraseForms ServerConnectionError{"Server connection error!"};
inline constexpr PhraseForms TableTakenByYourIp{"This table is already occupied by a player with your IP!"};
inline constexpr PhraseForms Table{"Table"};
inline constexpr PhraseForms LogOff{"Log off"};
inline constexpr PhraseForms NoOptions{"No Options"};

} // namespace halvane::ph

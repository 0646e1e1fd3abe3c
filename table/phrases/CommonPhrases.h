#pragma once
// Words shown on several screens: one constant each, used wherever they appear.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms Player{"Player"};
inline constexpr PhraseForms Game{"Game"};
inline constexpr PhraseForms Games{"Games"};
inline constexpr PhraseForms Score{"Score"};
inline constexpr PhraseForms Rating{"Rating"};
inline constexpr PhraseForms Place{"Place"};
inline constexpr PhraseForms Close{"Close"};
inline constexpr PhraseForms Cancel{"Cancel"};
inline constexpr PhraseForms Yes{"Yes"};
inline constexpr PhraseForms No{"No"};
inline constexpr PhraseForms Save{"Save"};
inline constexpr PhraseForms PleaseWait{"Please, wait..."};
inline constexpr PhraseForms Passport{"Passport"};
inline constexpr PhraseForms Nick{"Nick"};
inline constexpr PhraseForms Password{"Password"};
inline constexpr PhraseForms Country{"Country"};
inline constexpr PhraseForms City{"City"};
inline constexpr PhraseForms Sex{"Sex"};
inline constexpr PhraseForms GamesPlayedWithPc{"Games played with PC"};
inline constexpr PhraseForms Statistics{"Statistics"};

} // namespace halvane::ph

#pragma once
// The end-of-game screen.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms CompletionOfGame{"The completion of game"};
inline constexpr PhraseForms Congratulations{"CONGRATULATIONS!!!"};
inline constexpr PhraseForms ResultTheBest{"Your result - the best!"};
inline constexpr PhraseForms GoodResult{"Good result!"};
inline constexpr PhraseForms HitTopTen{"You have hitted in top ten players!"};
inline constexpr PhraseForms OurRegrets{"Our regrets..."};
inline constexpr PhraseForms ResultWishesBetter{"Your result keeps to wish best"};
inline constexpr PhraseForms NotHitTopTen{"You have not hitted in ten best players..."};
// Followed by a number.
inline constexpr PhraseForms ResultColon{"Result: "};
inline constexpr PhraseForms PlaceColon{"Place: "};
inline constexpr PhraseForms BecomeVicePresident{"You become the Vice-President of the order!"};
inline constexpr PhraseForms BecomeMaster{"You become a Master of the Order!"};
inline constexpr PhraseForms BecomeBachelor{"You become a Bachelor of the Order!"};
inline constexpr PhraseForms YouGet{"You get"};

} // namespace halvane::ph

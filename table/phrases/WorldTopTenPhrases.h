#pragma once
// The world top ten and the rating submission.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms CantWriteResult{"Unable to write the result of the game!"};
inline constexpr PhraseForms Send{"Send"};
inline constexpr PhraseForms YourScore{"Your score"};
inline constexpr PhraseForms YourPlace{"Your place"};
inline constexpr PhraseForms NumberOfGames{"Number of games"};

} // namespace halvane::ph

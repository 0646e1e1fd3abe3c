#pragma once
// The general score dialog.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms InformationAboutGame{"Information about game"};
inline constexpr PhraseForms CurrentScoreColon{"The current score:"};
inline constexpr PhraseForms InitialScoreColon{"The initial score:"};
inline constexpr PhraseForms GeneralScoreColon{"The general score:"};
inline constexpr PhraseForms GeneralNumberOfGame{"General number of game:"};
inline constexpr PhraseForms RoundInCycle{"Number of round in a current cycle:"};
inline constexpr PhraseForms InitialRatingColon{"The initial rating:"};
inline constexpr PhraseForms CurrentRatingColon{"The current rating:"};

} // namespace halvane::ph

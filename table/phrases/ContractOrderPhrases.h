#pragma once
// The contract order dialog.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms OrderGame{"Order game:"};
inline constexpr PhraseForms OrderOfGame{"The order of game"};

} // namespace halvane::ph

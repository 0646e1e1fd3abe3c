#pragma once
// The thanks, support and advertising dialogs.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms Support{"Support"};
inline constexpr PhraseForms WorkingLongTime{"We have been working on this game for a long time"};
inline constexpr PhraseForms HappyForSupport{"and we will be happy to get the financial support!"};
inline constexpr PhraseForms YuMoney{"ЮMoney:"};
inline constexpr PhraseForms Sberbank{"Sberbank:"};
inline constexpr PhraseForms Tinkoff{"Tinkoff:"};
inline constexpr PhraseForms Advertising{"Advertising"};
inline constexpr PhraseForms OurGames{"Our games"};

} // namespace halvane::ph

#pragma once
// The world statistics dialog.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms NumberOfStarts{"Number of starts"};
inline constexpr PhraseForms NumberOfUniqueStarts{"Number of unique starts"};
inline constexpr PhraseForms Likes{"Likes"};
inline constexpr PhraseForms LastLike{"Last Like"};
inline constexpr PhraseForms ILikeThisGame{"I like this game!"};
inline constexpr PhraseForms StatisticSinceVersion{"This statistic is maintained since version 5.2"};
inline constexpr PhraseForms CyclesPlayedWithPc{"Cycles played with PC"};
inline constexpr PhraseForms PeopleWinning{"Winning people (game with PC)"};
inline constexpr PhraseForms PeopleLoss{"Loss of people (game with PC)"};
inline constexpr PhraseForms GamesPlayedNet{"Games played Net"};
inline constexpr PhraseForms GamesPlayedOnline{"Games played Online"};

} // namespace halvane::ph

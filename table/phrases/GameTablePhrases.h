#pragma once
// The game table: the deal, the contract words, the notices of the table.

#include "table/PhraseForms.h"

namespace halvane::ph {

// Followed by the new name.
inline constexpr PhraseForms NameChanged{"Your name and/or the password were successfully changed!\n\rNew name: "};
// The two halves around a quoted file name.
inline constexpr PhraseForms TheFileQuote{"The file \""};
inline constexpr PhraseForms QuoteHasIncorrectAttributes{
    "\" has incorrect attributes!\n\rThe work of the program will be incorrect!"};
inline constexpr PhraseForms IncorrectFile{"The incorrect file"};
inline constexpr PhraseForms DiskWriteError{"Error of disk writing!"};
inline constexpr PhraseForms CantCreateMusicFile{"Can`t create music file!"};
inline constexpr PhraseForms ExpectationOfServer{"Expectation of the server..."};
inline constexpr PhraseForms MoreGames{"More games!"};
inline constexpr PhraseForms SupportUs{"Support us!"};
inline constexpr PhraseForms OnGooglePlay{"on Google Play!"};
inline constexpr PhraseForms Download{"Download"};
inline constexpr PhraseForms CouldNotConnect{"Could not connect to server!"};
inline constexpr PhraseForms Repeat{"Repeat?"};
inline constexpr PhraseForms RatedGame{"There is a game on the rating!"};
inline constexpr PhraseForms NotLoggedIn{"You are not logged in to your account!"};
inline constexpr PhraseForms LoggedIn{"You are logged in to your account!"};
inline constexpr PhraseForms ClubMembers{"Club members: "};
inline constexpr PhraseForms CreatingGif{"Creating a GIF..."};
inline constexpr PhraseForms CurrentGame{"Current game"};
inline constexpr PhraseForms ToBegin{"To Begin"};
inline constexpr PhraseForms ToBeginOfRound{"To Begin of Round"};
inline constexpr PhraseForms Round{"Round:"};
inline constexpr PhraseForms NextRound{"Next Round"};
// Followed by a number or a name.
inline constexpr PhraseForms IThink{"I think... "};
inline constexpr PhraseForms ToNot{"To not"};
inline constexpr PhraseForms TakeWord{"take"};
inline constexpr PhraseForms ToTake{"To Take"};
inline constexpr PhraseForms Tricks{"tricks"};
inline constexpr PhraseForms Boys{"boys"};
inline constexpr PhraseForms Girls{"girls"};
inline constexpr PhraseForms Hearts{"hearts"};
inline constexpr PhraseForms King{"King"};
inline constexpr PhraseForms Two{"two"};
inline constexpr PhraseForms Last{"last"};
inline constexpr PhraseForms All{"all"};
inline constexpr PhraseForms NotTakeTricks{"To not take tricks"};
inline constexpr PhraseForms NotTakeBoys{"To not take boys"};
inline constexpr PhraseForms NotTakeGirls{"To not take girls"};
inline constexpr PhraseForms NotTakeHearts{"To not take hearts"};
inline constexpr PhraseForms NotTakeKing{"To not take King"};
inline constexpr PhraseForms NotTakeTwoLast{"To not take two last"};
inline constexpr PhraseForms TakeTricks{"Take tricks"};
inline constexpr PhraseForms VyxInternetRadio{"Vyx Internet-Radio"};
inline constexpr PhraseForms DynamicIq{"Dynamic IQ for Windows (percent)"};
inline constexpr PhraseForms BestWindowsPlayer{"Best Windows Player: "};
inline constexpr PhraseForms BestAndroidPlayer{"Best Android Player: "};
inline constexpr PhraseForms BestAccountPlayer{"The best player of games from under the account: "};
inline constexpr PhraseForms OnlineTournament{"Online-Tournament"};

} // namespace halvane::ph
